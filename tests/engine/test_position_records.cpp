#include "FurnTestCatalog.h"
#include "TestSupport.h"
#include "engine/VXFPositionRecords.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include <gtest/gtest.h>

using namespace vx;
using namespace vxtest;

namespace {

QByteArray Bytes(const TvxfConstruction& p)
{
    TSpecStream s;
    WritePosition(s, p);
    return s.Data();
}

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// A one-sash triangle with every field of every record set to something of its own.
void FillPosition(TvxfConstruction& p)
{
    p.BuildGeometry(Shape(5, 1000, 1400), 205);
    p.Active = false;
    p.PosNo = "007";
    p.Name = "Окно";
    p.Num = 2;
    p.ObjType = 1;
    p.FurnSys = "350";
    p.ProfSys = "PS1";
    p.Color = "RAL";
    p.Falz = 101;
    p.StulpType = 301;
    p.ProfWidth = 68.5f;
    p.Thickness = 70;
    p.OpenType = 401;
    p.Cost = TMoney::FromDouble(12.3456);
    p.ExtraLines = {"x", "y"};
    TvxfLine& l = *p.LeftFlugel->Lines[1];
    l.OpenMode = true;
    l.RotSide = 2;
    l.Handled = true;
    l.Drived = true;
    l.HandleHeight = 700;
    l.HandleMark = QPoint(5, -6);
    p.LeftFlugel->Lines[2]->R1 = 1.5f;
    p.LeftFlugel->Lines[2]->R2 = 2.5f;
    p.LeftFlugel->Lines[2]->Center = {3.5f, 4.5f};
    auto c = std::make_unique<TvxfFurnComp>(p.LeftFlugel.get());
    c->FurnSys = "350";
    c->ProfSys = "PS1";
    c->Color = "RAL";
    c->Complect = "C";
    c->Hinge = "HI";
    c->Handle = "HA";
    c->UserHandleHeight = 900;
    c->HeightUserDefined = true;
    c->Lock = "L";
    c->Cylinder = "CY";
    c->Drive = "D";
    c->Latch = "LA";
    c->ComplectImage = 1;
    c->HandleImage = 2;
    c->HingeImage = 3;
    c->DriveImage = 4;
    c->Image5 = 5;
    c->HandleScrColor = 6;
    c->HingeScrColor = 7;
    c->DriveScrColor = 8;
    c->ScrColor4 = 9;
    c->Props = {"1=120"};
    c->ExtraComplects = {"X1", "X2"};
    auto item = std::make_unique<TvxfFurnItem>();
    item->Article = "A-1";
    item->Length = 1250.5f;
    item->Count = 3;
    item->Origin = "o";
    item->Note = "n";
    item->SideNo = 2;
    item->Reserved1 = 11;
    item->Reserved2 = 12;
    item->Reserved3 = 13;
    item->ComplectKey = "C";
    item->Owner = c.get();
    c->Items.push_back(std::move(item));
    p.LeftFlugel->FurnComp = std::move(c);
    auto m = std::make_unique<TvxfMatListItem>();
    m->Article = "A-1";
    m->Quantity = 3.75f;
    m->Price = TMoney::FromDouble(1.5);
    m->Sum = TMoney::FromDouble(5.625);
    p.LeftFlugel->MatList.push_back(std::move(m));
}

} // namespace

TEST(PositionRecords, VersionKeys)
{
    const struct {
        QString text;
        int key;
    } cases[] = {{"26.12.2019", 737333}, {"27.11.2019", 737303}, {"01.02.2020", 737363},
                 {"26.12.19", 7333},     {" 1 . 2 . 2020 ", 737363}};
    for (const auto& c : cases)
        EXPECT_EQ(VersionKey(c.text), c.key) << c.text.toStdString();
    for (const QString& bad : {"2019", "a.b.c", "1.2.3.4", "", "1..2019"})
        EXPECT_EQ(ErrorOf([&] { VersionKey(bad); }), "Неверная дата версии формата [" + bad + "]!");
}

TEST(PositionRecords, TextLists)
{
    EXPECT_EQ(TextListToString({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(TextListToString({}), "");
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {{"a\r\nb\r\n", {"a", "b"}}, {"", {}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\r\n\r\nb", {"a", "", "b"}}};
    for (const auto& c : cases)
        EXPECT_EQ(TextListFromString(c.text), c.lines) << c.text.toStdString();
}

TEST(PositionRecords, ByteLayoutOfAPosition)
{
    TvxfConstruction p;
    FillPosition(p);

    // The records value by value, in file order.
    TSpecStream e;
    e.WriteValue(false);
    e.WriteValue(QString("007"));
    e.WriteValue(QString("Окно"));
    e.WriteValue(int32_t(2));
    e.WriteByteValue(1);
    for (const char* t : {"350", "PS1", "RAL"})
        e.WriteValue(QString(t));
    e.WriteValue(int32_t(101));
    e.WriteValue(int32_t(301));
    e.WriteValue(68.5);
    e.WriteValue(70.0);
    e.WriteValue(int32_t(401));
    e.WriteValue(TMoney::FromDouble(12.3456));
    e.WriteValue(QString("x\r\ny\r\n"));
    e.WriteByteValue(2);
    // Left sash: corners, sides.
    e.WriteValue(int32_t(3));
    for (auto [x, y] : {std::pair{0, 14000}, {10000, 0}, {10000, 14000}}) {
        e.WriteValue(int32_t(x));
        e.WriteValue(int32_t(y));
    }
    e.WriteValue(int32_t(3));
    for (int i = 0; i < 3; ++i) {
        const bool second = i == 1, third = i == 2;
        e.WriteValue(third ? 1.5 : 0.0);
        e.WriteValue(third ? 2.5 : 0.0);
        e.WriteValue(third ? 3.5 : 0.0);
        e.WriteValue(third ? 4.5 : 0.0);
        e.WriteValue(second);
        e.WriteValue(int32_t(second ? 2 : -1));
        e.WriteValue(second);
        e.WriteValue(false);
        e.WriteValue(second);
        e.WriteValue(int32_t(second ? 700 : 0));
        e.WriteValue(int32_t(second ? 5 : 0));
        e.WriteValue(int32_t(second ? -6 : 0));
    }
    e.WriteValue(int32_t(205));
    e.WriteValue(true);
    for (const char* t : {"350", "PS1", "RAL", "C", "HI", "HA"})
        e.WriteValue(QString(t));
    e.WriteValue(int32_t(900));
    e.WriteValue(true);
    for (const char* t : {"L", "CY", "D", "LA"})
        e.WriteValue(QString(t));
    for (int v = 1; v <= 9; ++v)
        e.WriteValue(int32_t(v));
    e.WriteValue(QString("1=120\r\n"));
    e.WriteValue(QString("X1\r\nX2\r\n"));
    e.WriteValue(int32_t(1));
    e.WriteValue(QString("A-1"));
    e.WriteValue(1250.5);
    e.WriteValue(int32_t(3));
    e.WriteValue(QString("o"));
    e.WriteValue(QString("n"));
    for (int v : {2, 11, 12, 13})
        e.WriteValue(int32_t(v));
    e.WriteValue(QString("C"));
    e.WriteValue(int32_t(1));
    p.LeftFlugel->MatList[0]->Write(e);
    // Right sash: empty, no complect.
    for (int v : {0, 0, 0})
        e.WriteValue(int32_t(v));
    e.WriteValue(false);
    e.WriteValue(int32_t(0));

    EXPECT_EQ(Bytes(p).toHex(), e.Data().toHex());

    TvxfConstruction back;
    TSpecStream s(e.Data());
    ReadPosition(s, back, OrderFileVersion);
    EXPECT_TRUE(s.AtEnd());
    EXPECT_EQ(Bytes(back).toHex(), e.Data().toHex());
    const TvxfFlugel& f = *back.LeftFlugel;
    EXPECT_EQ(f.Lines[2]->StartPoint, f.Points[2].get());
    EXPECT_EQ(f.Lines[2]->EndPoint, f.Points[0].get());
    EXPECT_EQ(f.Lines[0]->Owner, &f);
    EXPECT_EQ(f.FurnComp->Owner, &f);
    EXPECT_EQ(f.FurnComp->Items[0]->Owner, f.FurnComp.get());
}

TEST(PositionRecords, OlderVersionsLackTheirLaterFields)
{
    const struct {
        QString version;
        bool oldTexts, positionDorn, origin, note, itemTail;
    } cases[] = {
        {"01.01.2009", true, true, false, false, false},
        {"10.12.2009", false, true, false, false, false},
        {"06.10.2015", false, true, true, false, false},
        {"03.03.2019", false, true, true, true, false},
        {"23.07.2019", false, false, true, true, false},
        {"26.12.2019", false, false, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version.toStdString());
        TSpecStream s;
        s.WriteValue(true);
        for (const char* t : {"001", "Окно"})
            s.WriteValue(QString(t));
        s.WriteValue(int32_t(1));
        s.WriteByteValue(0);
        for (const char* t : {"350", "PS1", "RAL"})
            s.WriteValue(QString(t));
        if (c.oldTexts) {
            s.WriteValue(QString("old1"));
            s.WriteValue(QString("old2"));
        }
        s.WriteValue(int32_t(101));
        if (c.positionDorn)
            s.WriteValue(int32_t(207));
        s.WriteValue(int32_t(301));
        s.WriteValue(68.0);
        s.WriteValue(70.0);
        s.WriteValue(int32_t(401));
        s.WriteValue(TMoney::FromDouble(1.5));
        s.WriteValue(QString());
        s.WriteByteValue(2);
        for (int sash = 0; sash < 2; ++sash) {
            s.WriteValue(int32_t(0));
            s.WriteValue(int32_t(0));
            if (!c.positionDorn)
                s.WriteValue(int32_t(209));
            s.WriteValue(sash == 0);
            if (sash == 0) {
                for (int i = 0; i < 6; ++i)
                    s.WriteValue(QString());
                s.WriteValue(int32_t(0));
                s.WriteValue(false);
                for (int i = 0; i < 4; ++i)
                    s.WriteValue(QString());
                for (int i = 0; i < 9; ++i)
                    s.WriteValue(int32_t(0));
                s.WriteValue(QString());
                s.WriteValue(QString());
                s.WriteValue(int32_t(1));
                s.WriteValue(QString("A-1"));
                s.WriteValue(100.0);
                s.WriteValue(int32_t(4));
                if (c.origin)
                    s.WriteValue(QString("o"));
                if (c.note)
                    s.WriteValue(QString("n"));
                if (c.itemTail) {
                    for (int v : {3, 0, 0, 0})
                        s.WriteValue(int32_t(v));
                    s.WriteValue(QString("C"));
                }
            }
            s.WriteValue(int32_t(0));
        }
        s.Seek(0);
        TvxfConstruction p;
        ReadPosition(s, p, c.version);
        EXPECT_TRUE(s.AtEnd());
        EXPECT_EQ(p.Falz, 101);
        EXPECT_EQ(p.OpenType, 401);
        EXPECT_EQ(p.Cost, TMoney::FromDouble(1.5));
        const int dorn = c.positionDorn ? 207 : 209;
        EXPECT_EQ(p.LeftFlugel->Dorn, dorn);
        EXPECT_EQ(p.RightFlugel->Dorn, dorn);
        ASSERT_NE(p.LeftFlugel->FurnComp, nullptr);
        EXPECT_EQ(p.RightFlugel->FurnComp, nullptr);
        const TvxfFurnItem& item = *p.LeftFlugel->FurnComp->Items.at(0);
        EXPECT_EQ(item.Count, 4);
        EXPECT_EQ(item.Origin, c.origin ? "o" : "");
        EXPECT_EQ(item.Note, c.note ? "n" : "");
        EXPECT_EQ(item.SideNo, c.itemTail ? 3 : 0);
        EXPECT_EQ(item.ComplectKey, c.itemTail ? "C" : "");
    }
}

TEST(PositionRecords, DamagedRecordsAreRefused)
{
    TvxfConstruction good;
    FillPosition(good);
    const QByteArray bytes = Bytes(good);
    // Offsets of the left sash's corner and side counts: the sash records end the position.
    TSpecStream left, right;
    WriteFlugel(left, *good.LeftFlugel);
    WriteFlugel(right, *good.RightFlugel);
    const qsizetype pointCount = bytes.size() - left.Size() - right.Size();
    const qsizetype lineCount = pointCount + 16 + 3 * 32;

    const struct {
        const char* name;
        qsizetype offset;
        int32_t value;
        QString detail;
    } cases[] = {
        {"negative corner count", pointCount, -1,
         "Данные повреждены: число записей [-1] не соответствует объему данных!"},
        {"corner count beyond the data", pointCount, 1000000,
         "Данные повреждены: число записей [1000000] не соответствует объему данных!"},
        {"fewer sides than corners", lineCount, 2,
         "Данные повреждены: число сторон створки [2] не равно числу углов [3]!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray damaged = bytes;
        memcpy(damaged.data() + c.offset + 8, &c.value, 4);
        TSpecStream s(damaged);
        TvxfConstruction p;
        EXPECT_EQ(ErrorOf([&] { p.Restore(s); }),
                  "Ошибка восстановления объекта из резервной копии!\r\n(" + c.detail + ")");
    }
}

TEST(PositionRecords, CopyBackupAndRestoreGiveAnEqualPosition)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Sides("C", 4, {{3, TRow{{"Handled", 1}}}});
    fx.Comp("H");
    fx.Element("C", "ROD", "R-1", {{"UseLen", 1}, {"LenFormula", "FG(3) + 10"}, {"Number", 2}}, 10.1234);
    fx.Element("C", "P", "P-1", {{"Number", 3}, {"Note", "заметка"}}, 0.3333);
    TTestPosition source(Shape(2, 1300, 1500, 600, 700));
    source.Pos.PosNo = "001";
    source.Pos.ExtraLines = {"строка"};
    TFurnChoice choice = Choice("C", "C");
    choice.Left.Components.Handle = "H";
    choice.Left.Props = {"1=120"};
    choice.Right.ExtraComplects = {"C"};
    source.Pos.SetFittings("350", "PS1", choice);
    ASSERT_FALSE(source.Pos.LeftFlugel->MatList.empty());
    const QByteArray original = Bytes(source.Pos);

    TvxfOrder otherOrder;
    TvxfConstruction copy(&otherOrder);
    copy.BuildGeometry(Shape(0, 500, 500), 201);   // whatever it held is replaced
    copy.CopyFrom(source.Pos);
    EXPECT_EQ(Bytes(copy), original);
    EXPECT_EQ(copy.Order, &otherOrder);
    EXPECT_EQ(copy.Cost, source.Pos.Cost);
    EXPECT_EQ(ItemsText(*copy.RightFlugel), ItemsText(*source.Pos.RightFlugel));
    EXPECT_EQ(copy.LeftFlugel->Line(2)->HandleHeight, 750);
    // The copy resolves like its source.
    copy.SetFittings("350", "PS1", choice);
    EXPECT_EQ(Bytes(copy), original);

    TSpecStream backup;
    source.Pos.Backup(backup);
    source.Pos.LeftFlugel->ClearFittings();
    source.Pos.PosNo = "999";
    source.Pos.RecomputeCosts();
    source.Pos.Restore(backup);
    EXPECT_EQ(Bytes(source.Pos), original);
    source.Pos.Restore(backup);   // rewound every time
    EXPECT_EQ(Bytes(source.Pos), original);
}
