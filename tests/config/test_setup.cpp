#include "config/VXFSetupX.h"
#include "config/VXIniFile.h"
#include "ConfigTestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vx;
using vxtest::Cp;

namespace {

struct Setup : vxtest::TConfigFixtureBase, ::testing::Test {
    QString File;
    Setup()
    {
        File = Path("cat/VXFurniture.ini");
        QDir().mkpath(Path("cat"));
    }
    void SetRegistry(const QString& name, int value)
    {
        TRegistry reg;
        reg.OpenKey(SetupRegistryKey, true);
        reg.WriteInteger(name, value);
    }
    int RegistryValue(const QString& name, int def)
    {
        TRegistry reg;
        reg.OpenKey(SetupRegistryKey, true);
        return reg.ReadInteger(name, def);
    }
};

// A settings file kept by hand on a Windows installation.
QByteArray HandKeptSettings()
{
    return Cp("; Установлено инсталлятором\r\n"
              "[Firm]\r\n"
              "Name=ООО \"Окна плюс\"\r\n"
              "Address=г. Москва, ул. Ленина, д. 1\r\n"
              "ZipCode=(495)\r\n"
              "Phone1=123-45-67\r\n"
              "Fax=765-43-21\r\n"
              "\r\n"
              "[Tax]\r\n"
              "NDSTax= 2 0,5 \r\n"
              "TotalNDS=0\r\n"
              "PriceGrpNo=3\r\n"
              "\r\n"
              "[PriceGroupNames]\r\n"
              "1=Розница\r\n"
              "2=Опт\r\n"
              "\r\n"
              "[Defaults]\r\n"
              "DefProfSys=KBE 58\r\n"
              "DefFurnSysGroup=2\r\n"
              "DefMaterial=3\r\n"
              "DefProfWidth=58,5\r\n"
              "UserDefineHeight=0\r\n"
              "\r\n"
              "; чужая секция\r\n"
              "[Dealer]\r\n"
              "Code=ДЛ-01\r\n"
              "\r\n"
              "[FTP]\r\n"
              "ftpHost=ftp.example.ru\r\n"
              "ftpPort=2121\r\n"
              "ftpUserName=6162\r\n"
              "ftpPassword=cfe0f0eeebfc\r\n"
              "ftpUpload=1\r\n"
              "\r\n"
              "[Report]\r\n"
              "Logo=C:\\Logo\\Лого.bmp\r\n");
}

} // namespace

TEST_F(Setup, AMissingFileLeavesEverythingAtItsDefault)
{
    SetRegistry("AutoReg", 0);
    {
        TvxfSetup s(File);
        EXPECT_FALSE(s.Loaded);
        EXPECT_EQ(s.NDSTax, 18.0f);
        EXPECT_TRUE(s.TotalNDS);
        EXPECT_TRUE(s.ShowIncludingNDS);
        EXPECT_EQ(s.ftpPort, 21);
        EXPECT_EQ(s.DefMaterial, 1);
        EXPECT_EQ(s.PriceGroupName(3), QString("?????? #3"));
        EXPECT_TRUE(s.AutoReg);   // the registry is not read without the file
        EXPECT_EQ(s.TechnologDesignFormW, 640);
    }
    EXPECT_FALSE(QFileInfo::exists(File));   // and nothing is written
    EXPECT_EQ(RegistryValue("TechnologDesignFormW", -1), -1);
    EXPECT_TRUE(UI.Shown.isEmpty());
}

TEST_F(Setup, ReadsEverySectionOfAWindows1251File)
{
    vxtest::WriteBytes(File, HandKeptSettings());
    SetRegistry("AutoReg", 0);
    SetRegistry("TechnologDesignFormW", 800);

    TvxfSetup s(File);
    s.Loaded = false;   // this test only reads
    EXPECT_EQ(s.FirmName, QString::fromUtf8("ООО \"Окна плюс\""));
    EXPECT_EQ(s.FirmAddress, QString::fromUtf8("г. Москва, ул. Ленина, д. 1"));
    EXPECT_EQ(s.FirmPhones(), QString("(495) 123-45-67,765-43-21"));
    EXPECT_EQ(s.NDSTax, 20.5f);   // blanks removed
    EXPECT_FALSE(s.TotalNDS);
    EXPECT_TRUE(s.ShowIncludingNDS);
    EXPECT_EQ(s.PriceGrpNo, 3);
    EXPECT_EQ(s.CurCurrency, 0);
    EXPECT_EQ(s.PriceGroupName(1), QString::fromUtf8("Розница"));
    EXPECT_EQ(s.PriceGroupName(2), QString::fromUtf8("Опт"));
    EXPECT_EQ(s.PriceGroupName(10), QString("?????? #10"));
    EXPECT_EQ(s.DefProfSys, QString("KBE 58"));
    EXPECT_EQ(s.DefFurnSysGroup, 2);
    EXPECT_EQ(s.DefMaterial, 3);
    EXPECT_EQ(s.DefProfWidth, 58.5f);
    EXPECT_EQ(s.DefProfThickness, 0.0f);
    EXPECT_FALSE(s.UserDefineHeight);
    EXPECT_EQ(s.ReportLogo, QString::fromUtf8("C:\\Logo\\Лого.bmp"));
    EXPECT_EQ(s.ftpHost, QString("ftp.example.ru"));
    EXPECT_EQ(s.ftpPort, 2121);
    EXPECT_EQ(s.ftpUserName, QString("ab"));
    EXPECT_EQ(s.ftpPassword, QString::fromUtf8("Пароль"));
    EXPECT_TRUE(s.ftpUpload);
    EXPECT_FALSE(s.AutoReg);
    EXPECT_TRUE(s.AutoOpenReg);
    EXPECT_EQ(s.TechnologDesignFormW, 800);
    EXPECT_EQ(s.TechnologDesignFormH, 480);
    EXPECT_FALSE(s.DebugMode);
    EXPECT_TRUE(UI.Shown.isEmpty());
}

TEST_F(Setup, TaxDefaultsAndNumberText)
{
    struct { const char* file; float nds; } cases[] = {
        {"[Firm]\r\nName=x\r\n", 18.0f},           // no [Tax]: 18, added to the total, shown
        {"[Tax]\r\nNDSTax= 20 \r\n", 20.0f},
        {"[Tax]\r\nNDSTax=\r\n", 0.0f},             // empty counts as 0
        {"[Tax]\r\nNDSTax=1 000,5\r\n", 1000.5f},
        {"[Tax]\r\nNDSTax=восемнадцать\r\n", 18.0f},
    };
    for (const auto& c : cases) {
        vxtest::WriteBytes(File, Cp(c.file));
        TvxfSetup s(File);
        s.Loaded = false;
        EXPECT_TRUE(s.TotalNDS) << c.file;
        EXPECT_TRUE(s.ShowIncludingNDS) << c.file;
        EXPECT_EQ(s.NDSTax, c.nds) << c.file;
    }
}

TEST_F(Setup, StoringRewritesOnlyTheWrittenKeys)
{
    vxtest::WriteBytes(File, HandKeptSettings());
    {
        TvxfSetup s(File);
        ASSERT_TRUE(s.Loaded);
        s.DefProfSys = QString::fromUtf8("Рехау 70");
        s.DefFurnColor = QString::fromUtf8("Белый");
        s.FirmName = QString::fromUtf8("ЗАО \"Рама\"");
        s.NDSTax = 20.5f;
        s.TotalNDS = true;         // never written: the file keeps its own
        s.PriceGroupNames[0] = "changed";
        s.ftpPassword = "secret";
        s.TechnologMainWinState = 2;
        s.AutoLoadCurrency = false;
    }
    QByteArray expected = Cp("; Установлено инсталлятором\r\n"
                             "[Firm]\r\n"
                             "Name=ЗАО \"Рама\"\r\n"
                             "Address=г. Москва, ул. Ленина, д. 1\r\n"
                             "ZipCode=(495)\r\n"
                             "Phone1=123-45-67\r\n"
                             "Fax=765-43-21\r\n"
                             "Logo=\r\n"
                             "JustAddress=\r\n"
                             "Phone2=\r\n"
                             "Phone3=\r\n"
                             "EMail=\r\n"
                             "Internet=\r\n"
                             "INN=\r\n"
                             "Account=\r\n"
                             "Director=\r\n"
                             "BookKeeper=\r\n"
                             "\r\n"
                             "[Tax]\r\n"
                             "NDSTax= 20,5\r\n"
                             "TotalNDS=0\r\n"
                             "PriceGrpNo=3\r\n"
                             "\r\n"
                             "[PriceGroupNames]\r\n"
                             "1=Розница\r\n"
                             "2=Опт\r\n"
                             "\r\n"
                             "[Defaults]\r\n"
                             "DefProfSys=Рехау 70\r\n"
                             "DefFurnSysGroup=2\r\n"
                             "DefMaterial=3\r\n"
                             "DefProfWidth=58,5\r\n"
                             "UserDefineHeight=0\r\n"
                             "DefInnerProfColor=\r\n"
                             "DefOuterProfColor=\r\n"
                             "DefFurnSys=\r\n"
                             "DefFurnColor=Белый\r\n"
                             "DefHandle=\r\n"
                             "DefFalzType=0\r\n"
                             "DefStulpFalzType=0\r\n"
                             "DefFlugelType=0\r\n"
                             "DefDornType=0\r\n"
                             "DefProfThickness=0\r\n"
                             "\r\n"
                             "; чужая секция\r\n"
                             "[Dealer]\r\n"
                             "Code=ДЛ-01\r\n"
                             "\r\n"
                             "[FTP]\r\n"
                             "ftpHost=ftp.example.ru\r\n"
                             "ftpPort=2121\r\n"
                             "ftpUserName=6162\r\n"
                             "ftpPassword=736563726574\r\n"
                             "ftpUpload=1\r\n"
                             "ftpDir=\r\n"
                             "\r\n"
                             "[Report]\r\n"
                             "Logo=C:\\Logo\\Лого.bmp\r\n"
                             "\r\n"
                             "[Money]\r\n"
                             "CurCurrency=0\r\n");
    QByteArray written = vxtest::ReadBytes(File);
    EXPECT_EQ(vx::FromCp1251(written), vx::FromCp1251(expected));
    EXPECT_EQ(written, expected);
    EXPECT_EQ(RegistryValue("TechnologMainWinState", -1), 2);
    EXPECT_EQ(RegistryValue("AutoLoadCurrency", -1), 0);
    EXPECT_EQ(RegistryValue("TechnologDesignFormW", -1), 640);   // written back unchanged
    EXPECT_TRUE(UI.Shown.isEmpty());

    // A second run that changes nothing leaves the file as it is.
    { TvxfSetup again(File); }
    EXPECT_EQ(vxtest::ReadBytes(File), expected);
}

TEST_F(Setup, ANewFileGetsTheSectionsInTheWriteOrder)
{
    vxtest::WriteBytes(File, {});
    { TvxfSetup s(File); ASSERT_TRUE(s.Loaded); }
    TIniFile ini(File);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.Sections(), QStringList({"Defaults", "Money", "Tax", "Firm", "FTP"}));
    EXPECT_EQ(ini.Keys("Defaults"),
              QStringList({"DefProfSys", "DefInnerProfColor", "DefOuterProfColor", "DefFurnSys", "DefFurnColor",
                           "DefHandle", "DefMaterial", "DefFalzType", "DefStulpFalzType", "DefFlugelType",
                           "DefDornType", "DefProfWidth", "DefProfThickness"}));
    EXPECT_EQ(ini.Keys("Tax"), QStringList({"NDSTax"}));
    EXPECT_EQ(ini.Keys("FTP"), QStringList({"ftpHost", "ftpPort", "ftpUserName", "ftpPassword", "ftpDir", "ftpUpload"}));
    EXPECT_EQ(ini.ReadString("Tax", "NDSTax"), QString("18"));
    EXPECT_EQ(ini.ReadString("Defaults", "DefMaterial"), QString("1"));
}

TEST_F(Setup, HandEditsMadeWhileRunningSurviveTheStore)
{
    vxtest::WriteBytes(File, HandKeptSettings());
    {
        TvxfSetup s(File);
        s.DefHandle = "H1";
        // Someone edits the shared file meanwhile.
        TIniFile other(File);
        other.Load();
        other.WriteString("Tax", "TotalNDS", "1");
        other.WriteString("Dealer", "Code", "NEW");
        other.Save();
    }
    TIniFile ini(File);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Tax", "TotalNDS"), QString("1"));
    EXPECT_EQ(ini.ReadString("Dealer", "Code"), QString("NEW"));
    EXPECT_EQ(ini.ReadString("Defaults", "DefHandle"), QString("H1"));
}

TEST_F(Setup, AFailedStoreIsReported)
{
    vxtest::WriteBytes(File, HandKeptSettings());
    {
        TvxfSetup s(File);
        s.FirmName = "new";
        QDir(Path("cat")).removeRecursively();   // the catalog directory went away
    }
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_EQ(UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(UI.Shown[0].Text.startsWith(QString::fromUtf8("Ошибка сохранения файла настроек!\r\n("))) << UI.Shown[0].Text.toStdString();
    EXPECT_TRUE(UI.Shown[0].Text.contains("VXFurniture.ini"));
}

TEST_F(Setup, CreatesTheMissingServerDirectories)
{
    TRunPaths& p = RunPaths();
    p.ServerDir = Path("srv");
    p.OrdersDir = Path("srv") + "\\Orders";   // a configuration may give Windows separators
    p.SelectionDir = Path("srv/Selection");
    p.RecycledDir = Path("srv/Recycled");
    p.ArchiveDir = Path("srv/Archive");
    p.RegistryDir = Path("srv/Registry");
    p.ExportDir = Path("srv/Export");
    p.ReportDir = Path("rep");
    QDir().mkpath(Path("srv/ARCHIVE"));   // an existing directory under another case is taken
    vxtest::WriteBytes(File, HandKeptSettings());
    TvxfSetup s(File);
    s.Loaded = false;
    // Not the registry directory: the table engine makes that one.
    EXPECT_EQ(QDir(Path("srv")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"ARCHIVE", "Export", "Orders", "Recycled", "Selection"}));
    EXPECT_TRUE(QFileInfo(Path("rep")).isDir());
}

TEST(SetupText, FirmPhones)
{
    struct { const char* zip; const char* p1; const char* p2; const char* p3; const char* fax; const char* line; } cases[] = {
        {"(812)", "111", "222", "333", "444", "(812) 111,222,333,444"},
        {"(812)", "", "", "333", "", "(812) 333"},
        {"(812)", "", "222", "", "444", "(812) 222,444"},
        {"(812)", "", "", "", "", ""},
        {"", "111", "", "", "", " 111"},
    };
    for (const auto& c : cases) {
        TvxfSetup s(QString{});
        s.FirmZipCode = c.zip;
        s.FirmPhone1 = c.p1;
        s.FirmPhone2 = c.p2;
        s.FirmPhone3 = c.p3;
        s.FirmFax = c.fax;
        EXPECT_EQ(s.FirmPhones(), QString(c.line));
    }
}

TEST(SetupText, HexText)
{
    EXPECT_EQ(TvxfSetup::HexText("ab"), QString("6162"));
    EXPECT_EQ(TvxfSetup::HexText(""), QString(""));
    EXPECT_EQ(TvxfSetup::HexText(QString::fromUtf8("Пароль")), QString("cfe0f0eeebfc"));
    EXPECT_EQ(TvxfSetup::FromHexText("6162"), QString("ab"));
    EXPECT_EQ(TvxfSetup::FromHexText("6A6b"), QString("jk"));
    EXPECT_EQ(TvxfSetup::FromHexText("616"), QString("a") + QChar(6));     // last single digit
    EXPECT_EQ(TvxfSetup::FromHexText("6z61"), QString("`a"));              // non-digit counts as 0
    EXPECT_EQ(TvxfSetup::FromHexText(TvxfSetup::HexText(QString::fromUtf8("Ёж №1"))), QString::fromUtf8("Ёж №1"));
}
