#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vx;

namespace {
QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }
} // namespace

TEST(SpecStream, WritesTheExactBytesOfEveryKind)
{
    TSpecStream s;
    s.WriteValue(QString());
    s.WriteValue(QStringLiteral("Ок№"));
    s.WriteValue(int32_t(-2));
    s.WriteValue(1.5);
    s.WriteValue(TMoney::FromRaw(123456));
    s.WriteValue(TDateTime{2.25});
    s.WriteValue(true);
    s.WriteValue(false);
    s.WriteByteValue(200);
    QByteArray expected = Hex("00000000")
        + Hex("03000000") + Hex("ceeab9")
        + Hex("0300000000000000" "feffffff00000000")
        + Hex("0500000000000000" "000000000000f83f")
        + Hex("0600000000000000" "40e2010000000000")
        + Hex("0700000000000000" "0000000000000240")
        + Hex("0b00000000000000" "ffff000000000000")
        + Hex("0b00000000000000" "0000000000000000")
        + Hex("1100000000000000" "c800000000000000");
    EXPECT_EQ(s.Data().toHex(), expected.toHex());

    s.Seek(0);
    EXPECT_EQ(s.ReadString(), QString());
    EXPECT_EQ(s.ReadString(), QStringLiteral("Ок№"));
    EXPECT_EQ(s.ReadInt(), -2);
    EXPECT_EQ(s.ReadDouble(), 1.5);
    EXPECT_EQ(s.ReadMoney().raw(), 123456);
    EXPECT_EQ(s.ReadDate().Value, 2.25);
    EXPECT_TRUE(s.ReadBool());
    EXPECT_FALSE(s.ReadBool());
    EXPECT_EQ(s.ReadByte(), 200);
    EXPECT_TRUE(s.AtEnd());
}

TEST(SpecStream, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    TSpecStream s;
    s.WriteValue(QString::fromUtf8("a€中😀b"));
    EXPECT_EQ(s.Data().mid(4), QByteArray("a\x88??b"));
    EXPECT_EQ(s.Data().left(4), Hex("05000000"));
}

TEST(SpecStream, ReadsByKindWithTheOrdinaryConversions)
{
    TSpecStream s;
    s.WriteValue(int32_t(7));    // integer into a double, a byte and money
    s.WriteValue(int32_t(7));
    s.WriteValue(int32_t(7));
    s.WriteValue(2.5);           // double into an integer: ties to even
    s.WriteValue(3.5);
    s.WriteValue(true);          // boolean into an 8-bit flag
    s.Write(Hex("0b00000000000000" "0100000000000000").constData(), 16); // payload 1 is true too
    s.WriteValue(2.5);           // a single-precision rate
    s.Seek(0);
    EXPECT_EQ(s.ReadDouble(), 7.0);
    EXPECT_EQ(s.ReadByte(), 7);
    EXPECT_EQ(s.ReadMoney(), TMoney::FromInt(7));
    EXPECT_EQ(s.ReadInt(), 2);
    EXPECT_EQ(s.ReadInt(), 4);
    EXPECT_NE(s.ReadByte(), 0);
    EXPECT_TRUE(s.ReadBool());
    EXPECT_EQ(s.ReadSingle(), 2.5f);
}

TEST(SpecStream, ZeroByteEndsTheText)
{
    TSpecStream s;
    QByteArray raw = Hex("05000000") + QByteArray("ab\0cd", 5);
    s.Write(raw.constData(), raw.size());
    s.WriteValue(int32_t(9));
    s.Seek(0);
    EXPECT_EQ(s.ReadString(), QStringLiteral("ab"));
    EXPECT_EQ(s.ReadInt(), 9); // the whole stored text was consumed
}

TEST(SpecStream, TruncatedStreamReportsOnceAndReadsEmptyValues)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    TSpecStream s;
    s.WriteValue(int32_t(5));
    s.WriteValue(QStringLiteral("Заказ 12"));
    QByteArray cut = s.Data().left(16 + 4 + 3);
    TSpecStream r(cut);
    EXPECT_EQ(r.ReadInt(), 5);
    EXPECT_EQ(r.ReadString(), QStringLiteral("Зак"));
    ASSERT_EQ(ui.Shown.size(), 1);
    EXPECT_EQ(ui.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(ui.Shown[0].Text,
              QStringLiteral("Ошибка чтения строки из потока!\r\nЗаказано: [8 символов], Считано: [3 символов]!"));
    // Everything after the end is empty, and no further message appears.
    EXPECT_EQ(r.ReadInt(), 0);
    EXPECT_EQ(r.ReadString(), QString());
    EXPECT_FALSE(r.ReadBool());
    EXPECT_EQ(r.ReadMoney(), TMoney());
    EXPECT_EQ(ui.Shown.size(), 1);
}

TEST(SpecStream, HugeOrNegativeCountsDoNotAllocate)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    for (const char* count : {"ffffff7f", "ffffffff"}) {
        TSpecStream r(Hex(count) + QByteArray("xy"));
        QString v = r.ReadString();
        EXPECT_LE(v.size(), 2);
    }
    EXPECT_EQ(ui.Shown.size(), 2);
}

TEST(SpecStream, UnknownTagIsAFormatError)
{
    TSpecStream r(Hex("0800000000000000" "0000000000000000"));
    EXPECT_THROW(r.ReadInt(), EValtrixError);
}

TEST(SpecStream, SavingReplacesTheFileOnlyWhenComplete)
{
    QTemporaryDir dir;
    QString name = vxtest::TempPath(dir, "order.vfo370");
    TSpecStream s;
    s.WriteValue(QStringLiteral("первый"));
    s.SaveToFile(name);
    TSpecStream back;
    back.LoadFromFile(name);
    EXPECT_EQ(back.ReadString(), QStringLiteral("первый"));

    // A target that cannot be written leaves nothing behind and reports the failure.
    EXPECT_THROW(s.SaveToFile(vxtest::TempPath(dir, "missing/dir/x.vfo370")), EValtrixError);
    EXPECT_THROW(back.LoadFromFile(vxtest::TempPath(dir, "nope.vfo370")), EValtrixError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"order.vfo370"});
}
