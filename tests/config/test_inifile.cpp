#include "config/VXIniFile.h"
#include "foundation/VXError.h"
#include "ConfigTestSupport.h"
#include <QDir>
#include <gtest/gtest.h>

using vx::TIniFile;
using vxtest::Cp;

namespace {

// A settings file as an installation on Windows leaves it: Windows-1251, CR LF, comments,
// a section we do not know, spacing around "=" and a last line without its end.
QByteArray HandKeptFile()
{
    return Cp("; Настройки фирмы\r\n"
              "[Firm]\r\n"
              "Name = ООО \"Окна\"\r\n"
              "Phone1=123-45-67\r\n"
              "\r\n"
              "; налоги\r\n"
              "[TAX]\r\n"
              "TotalNDS=0\r\n"
              "NDSTax= 20 \r\n"
              "[Unknown]\r\n"
              "Key=значение ; не комментарий\r\n"
              "Quoted=\"  с пробелами  \"\r\n"
              "Name=второй\r\n"
              "[Firm]\r\n"
              "Logo=не читается: первая секция главная");
}

} // namespace

TEST(IniFile, ReadsLikeTheWindowsProfileFunctions)
{
    TIniFile ini;
    ini.LoadFromBytes(HandKeptFile());

    EXPECT_EQ(ini.ReadString("firm", "NAME"), QString::fromUtf8("ООО \"Окна\""));
    EXPECT_EQ(ini.ReadString("Tax", "NDSTax"), QString("20"));
    // Text after "=" is the value as it stands: no comments, lists or escapes inside it.
    EXPECT_EQ(ini.ReadString("Unknown", "Key"), QString::fromUtf8("значение ; не комментарий"));
    EXPECT_EQ(ini.ReadString("Unknown", "Quoted"), QString::fromUtf8("  с пробелами  "));
    // Each section is looked up in its first occurrence only.
    EXPECT_EQ(ini.ReadString("Firm", "Logo", "нет"), QString::fromUtf8("нет"));
    EXPECT_EQ(ini.ReadString("Unknown", "Name"), QString::fromUtf8("второй"));

    // Missing section or key: the default; a present empty value is empty.
    EXPECT_EQ(ini.ReadString("Nothing", "Name", "d"), QString("d"));
    EXPECT_EQ(ini.ReadString("Firm", "Fax", "d"), QString("d"));
    EXPECT_EQ(ini.ReadInteger("Firm", "Fax", 7), 7);
    EXPECT_TRUE(ini.ReadBool("Nothing", "x", true));
    EXPECT_FALSE(ini.ReadBool("Tax", "TotalNDS", true));

    EXPECT_EQ(ini.Sections(), QStringList({"Firm", "TAX", "Unknown"}));
    EXPECT_EQ(ini.Keys("unknown"), QStringList({"Key", "Quoted", "Name"}));
}

TEST(IniFile, NumbersAndBooleans)
{
    struct { const char* text; int asInt; bool intOk; int asBool; double asFloat; bool floatOk; } cases[] = {
        {"12", 12, true, 1, 12, true},
        {"-3", -3, true, 1, -3, true},
        {"0", 0, true, 0, 0, true},
        {"0x1F", 31, true, 1, 0, false},
        {"$FFFFFFFF", -1, true, 1, 0, false},
        {"1,5", 0, false, -1, 1.5, true},
        {"1.5", 0, false, -1, 1.5, true},
        {"true", 0, false, 1, 0, false},
        {"False", 0, false, 0, 0, false},
        {"abc", 0, false, -1, 0, false},
        {"", 0, false, -1, 0, false},
        {"99999999999", 0, false, -1, 99999999999.0, true},
    };
    for (const auto& c : cases) {
        TIniFile ini;
        ini.LoadFromBytes(QByteArray("[S]\r\nK=") + c.text + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", 555), c.intOk ? c.asInt : 555) << c.text;
        bool expectedBool = c.asBool < 0 ? true : c.asBool != 0;
        EXPECT_EQ(ini.ReadBool("S", "K", true), expectedBool) << c.text;
        if (c.asBool < 0) {
            EXPECT_FALSE(ini.ReadBool("S", "K", false)) << c.text;
        }
        EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "K", -7), c.floatOk ? c.asFloat : -7) << c.text;
    }
}

TEST(IniFile, WritingChangesOnlyTheLinesWritten)
{
    TIniFile ini;
    ini.LoadFromBytes(HandKeptFile());

    // The same value again changes nothing at all.
    ini.WriteString("FIRM", "name", QString::fromUtf8("ООО \"Окна\""));
    ini.WriteInteger("Tax", "NDSTax", 20);
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.ToBytes(), HandKeptFile());

    ini.WriteString("firm", "NAME", QString::fromUtf8("ЗАО Рама"));   // existing key, own spelling kept
    ini.WriteString("Firm", "Fax", "765");                             // new key after the section's last key
    ini.WriteSingle("Tax", "NDSTax", 18.5f);
    ini.WriteBool("Defaults", "Flag", true);                           // new section at the end
    EXPECT_TRUE(ini.Modified());

    QByteArray expected = Cp("; Настройки фирмы\r\n"
                             "[Firm]\r\n"
                             "Name = ЗАО Рама\r\n"
                             "Phone1=123-45-67\r\n"
                             "Fax=765\r\n"
                             "\r\n"
                             "; налоги\r\n"
                             "[TAX]\r\n"
                             "TotalNDS=0\r\n"
                             "NDSTax= 18,5\r\n"
                             "[Unknown]\r\n"
                             "Key=значение ; не комментарий\r\n"
                             "Quoted=\"  с пробелами  \"\r\n"
                             "Name=второй\r\n"
                             "[Firm]\r\n"
                             "Logo=не читается: первая секция главная\r\n"
                             "\r\n"
                             "[Defaults]\r\n"
                             "Flag=1\r\n");
    EXPECT_EQ(ini.ToBytes(), expected);
}

TEST(IniFile, LineEndsOfTheFileAreKept)
{
    TIniFile ini;
    ini.LoadFromBytes("[A]\nx=1\n[B]\ny=2\n");
    ini.WriteString("A", "z", "3");
    EXPECT_EQ(ini.ToBytes(), QByteArray("[A]\nx=1\nz=3\n[B]\ny=2\n"));

    TIniFile empty;
    empty.LoadFromBytes({});
    empty.WriteString("A", "x", "1");
    EXPECT_EQ(empty.ToBytes(), QByteArray("[A]\r\nx=1\r\n"));
}

TEST(IniFile, ValuesReadBackExactly)
{
    const char* values[] = {
        "", "plain", "  leading and trailing  ", "\"quoted\"", "'single'", "\"", "a=b=c",
        "C:\\Каталог\\Файл.ini", "1, 2; 3", "Ёлка №5 — «тест»",
    };
    for (const char* v : values) {
        TIniFile ini;
        ini.WriteString("S", "K", QString::fromUtf8(v));
        TIniFile again;
        again.LoadFromBytes(ini.ToBytes());
        EXPECT_EQ(again.ReadString("S", "K", "default"), QString::fromUtf8(v)) << v;
    }
    // A value cannot break the file into lines.
    TIniFile ini;
    ini.WriteString("S", "K", "one\r\ntwo\nthree");
    ini.WriteString("S", "L", "after");
    TIniFile again;
    again.LoadFromBytes(ini.ToBytes());
    EXPECT_EQ(again.ReadString("S", "K"), QString("one two three"));
    EXPECT_EQ(again.ReadString("S", "L"), QString("after"));
}

TEST(IniFile, FloatTextIsShortestWithDecimalComma)
{
    EXPECT_EQ(TIniFile::FormatSingle(12.3f), QString("12,3"));
    EXPECT_EQ(TIniFile::FormatSingle(18.0f), QString("18"));
    EXPECT_EQ(TIniFile::FormatFloat(0.1), QString("0,1"));
    double back = 0;
    ASSERT_TRUE(TIniFile::ParseFloat(TIniFile::FormatSingle(58.7f), back));
    EXPECT_EQ(float(back), 58.7f);
}

TEST(IniFile, DeleteKeyAndEraseSection)
{
    TIniFile ini;
    ini.LoadFromBytes(HandKeptFile());
    ini.DeleteKey("Tax", "totalnds");
    ini.EraseSection("unknown");
    EXPECT_FALSE(ini.ValueExists("Tax", "TotalNDS"));
    EXPECT_TRUE(ini.ValueExists("Tax", "NDSTax"));
    EXPECT_FALSE(ini.SectionExists("Unknown"));
    EXPECT_EQ(ini.Sections(), QStringList({"Firm", "TAX"}));
}

TEST(IniFile, FileLoadAndSave)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/VXFurniture.ini";

    TIniFile missing(file);
    EXPECT_FALSE(missing.Load());

    vxtest::WriteBytes(file, HandKeptFile());
    TIniFile ini(file);
    ASSERT_TRUE(ini.Load());
    ini.WriteString("Firm", "Phone1", "000");
    ini.Save();
    EXPECT_FALSE(ini.Modified());
    TIniFile again(file);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.ToBytes(), ini.ToBytes());
    // Saving goes through a temporary file that is renamed: nothing else is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"VXFurniture.ini"}));

    // A file that cannot be written gives an error naming it; the old file stays.
    TIniFile blocked(dir.path() + "/no such dir/VXFurniture.ini");
    blocked.WriteString("A", "x", "1");
    try {
        blocked.Save();
        FAIL() << "no error";
    } catch (const vx::EValtrixError& e) {
        EXPECT_TRUE(e.message().startsWith(QString::fromUtf8("Не удалось записать файл "))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("no such dir")) << e.message().toStdString();
    }
}
