#include "OrderTestFiles.h"
#include "TestSupport.h"
#include "foundation/VXError.h"
#include <gtest/gtest.h>

using namespace vx;
using namespace vxtest;

namespace {

std::unique_ptr<TvxfConstruction> Pos(const QString& posNo, const QString& name = {}, bool active = true,
                                      double cost = 0, int num = 1)
{
    auto p = std::make_unique<TvxfConstruction>();
    p->PosNo = posNo;
    p->Name = name;
    p->Active = active;
    p->Cost = TMoney::FromDouble(cost);
    p->Num = num;
    return p;
}

QStringList Numbers(const TvxfOrder& o)
{
    QStringList out;
    for (int i = 0; i < o.PositionCount(); ++i)
        out << o.Position(i)->PosNo;
    return out;
}

QStringList Names(const TvxfOrder& o)
{
    QStringList out;
    for (int i = 0; i < o.PositionCount(); ++i)
        out << o.Position(i)->Name;
    return out;
}

void AddMaterial(TvxfFlugel& f, const QString& article, float quantity, double price, double sum)
{
    auto m = std::make_unique<TvxfMatListItem>();
    m->Article = article;
    m->Quantity = quantity;
    m->Price = m->NetPrice = TMoney::FromDouble(price);
    m->Sum = TMoney::FromDouble(sum);
    f.MatList.push_back(std::move(m));
}

} // namespace

TEST(Order, NewOrderDefaults)
{
    TvxfOrder o;
    EXPECT_EQ(o.Signature, "Valtrix Furniture Order File");
    EXPECT_EQ(o.Version, "26.12.2019");
    EXPECT_EQ(o.Created, o.Modified);
    EXPECT_EQ(o.RegDate.date(), QDate::currentDate());
    EXPECT_TRUE(o.RegDateSet);
    EXPECT_EQ(o.PositionCount(), 0);
    EXPECT_EQ(o.RateCount(), 0);
    EXPECT_FALSE(o.TotalNDS);
}

TEST(Order, PositionList)
{
    TvxfOrder o;
    for (const char* n : {"1", "001", "a-7"})
        o.AddPosition(Pos(n));
    EXPECT_EQ(o.Position(1)->Order, &o);
    EXPECT_EQ(o.FindPosition("001"), o.Position(1));   // not "1"
    EXPECT_EQ(o.FindPosition("A-7"), o.Position(2));   // case is ignored
    EXPECT_EQ(o.FindPosition("2"), nullptr);
    EXPECT_EQ(o.Position(3), nullptr);

    o.RemovePosition(0);
    EXPECT_EQ(Numbers(o), QStringList({"001", "a-7"}));
    // Moving a row: take out, insert at the index the target had in the shortened list.
    o.InsertPosition(1, o.TakePosition(0));
    EXPECT_EQ(Numbers(o), QStringList({"a-7", "001"}));
    o.ReplacePosition(0, Pos("X"));
    EXPECT_EQ(Numbers(o), QStringList({"X", "001"}));
    EXPECT_EQ(o.Position(0)->Order, &o);

    EXPECT_THROW(o.RemovePosition(2), EValtrixError);
    EXPECT_THROW(o.InsertPosition(3, Pos("Y")), EValtrixError);
    EXPECT_THROW(o.AddPosition(nullptr), EValtrixError);
    o.ClearPositions();
    EXPECT_EQ(o.PositionCount(), 0);
}

TEST(Order, ActiveWalk)
{
    TvxfOrder o;
    EXPECT_EQ(o.FirstActive(), nullptr);
    for (bool active : {false, true, false, true, false})
        o.AddPosition(Pos(QString::number(o.PositionCount()), {}, active));
    EXPECT_EQ(o.ActiveCount(), 2);
    EXPECT_TRUE(o.HasActive());
    QStringList walked;
    for (TvxfConstruction* p = o.FirstActive(); p; p = o.NextActive())
        walked << p->PosNo;
    EXPECT_EQ(walked, QStringList({"1", "3"}));
    EXPECT_EQ(o.NextActive(), nullptr);           // stays at the end
    EXPECT_EQ(o.FirstActive(), o.Position(1));    // and starts over
    EXPECT_EQ(o.NextActive(), o.Position(3));

    for (int i = 0; i < o.PositionCount(); ++i)
        o.Position(i)->Active = false;
    EXPECT_FALSE(o.HasActive());
    EXPECT_EQ(o.FirstActive(), nullptr);
}

TEST(Order, TotalsAndVat)
{
    struct TPos {
        double cost;
        int num;
        bool active;
    };
    const struct {
        const char* name;
        QList<TPos> positions;
        bool totalNds;
        float tax;
        double total, vat, gross;
    } cases[] = {
        {"no active position", {{100, 1, false}}, true, 20, 0, 0, 0},
        {"VAT not added", {{100, 2, true}}, false, 20, 200, 0, 200},
        {"pieces and inactive rows", {{1234.5678, 3, true}, {1000, 1, false}, {0.0001, 1, true}}, true, 18,
         3703.7035, 666.6666, 4370.3701},
        // 0.0901 × 0.5 = 0.04505 is rounded to 0.0450 first (ties to even), then / 100 gives
        // 0.00045, rounded to 0.0004; one rounding of 0.0004505 would give 0.0005.
        {"rounded at each step", {{0.0901, 1, true}}, true, 0.5f, 0.0901, 0.0004, 0.0905},
        // The rate is a single: 13.3 is 13.30000019...
        {"single-precision rate", {{100, 1, true}}, true, 13.3f, 100, 13.3, 113.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TvxfOrder o;
        for (const TPos& p : c.positions)
            o.AddPosition(Pos("p", {}, p.active, p.cost, p.num));
        o.TotalNDS = c.totalNds;
        o.NDSTax = c.tax;
        EXPECT_EQ(o.PositionsTotal(), TMoney::FromDouble(c.total));
        EXPECT_EQ(o.VatAmount(), TMoney::FromDouble(c.vat));
        EXPECT_EQ(o.GrossTotal(), TMoney::FromDouble(c.gross));
    }

    // A total beyond the money range is an error, not a wrapped number.
    TvxfOrder o;
    for (int i = 0; i < 2; ++i) {
        o.AddPosition(Pos("p"));
        o.Position(i)->Cost = TMoney::FromRaw(INT64_MAX / 2 + 1);
    }
    EXPECT_THROW(o.PositionsTotal(), EValtrixError);
}

TEST(Order, SortsCompareTheStoredBytes)
{
    TvxfOrder o;
    // "ё" lies below "а" in the files' code page, above "я" in Unicode.
    for (auto [no, name] : {std::pair{"2", "b"}, {"10", "я"}, {"1", "A"}, {"3", "a"}, {"1", "ё"}, {"4", "а"}})
        o.AddPosition(Pos(no, name));
    o.SortByName();
    EXPECT_EQ(Names(o), QStringList({"A", "a", "b", "ё", "а", "я"}));
    o.SortByPosNo();
    EXPECT_EQ(Numbers(o), QStringList({"1", "1", "10", "2", "3", "4"}));
    EXPECT_EQ(Names(o).mid(0, 2), QStringList({"A", "ё"}));   // equal numbers keep their order
}

TEST(Order, CollectMaterialsPricesTheMergedLines)
{
    TvxfOrder o;
    o.AddPosition(Pos("1", {}, true, 0, 3));
    AddMaterial(*o.Position(0)->LeftFlugel, "A", 2, 905, 1810);
    AddMaterial(*o.Position(0)->RightFlugel, "B", 1.5f, 10.01, 15.015);
    o.AddPosition(Pos("2", {}, false, 0, 5));
    AddMaterial(*o.Position(1)->LeftFlugel, "A", 1, 905, 905);
    o.AddPosition(Pos("3", {}, true, 0, 1));
    AddMaterial(*o.Position(2)->LeftFlugel, "A", 1, 900, 900);   // a later, other price: the first one stays
    AddMaterial(*o.Position(2)->LeftFlugel, "b", 1, 1, 1);

    o.CollectMaterials(nullptr);
    TMatList list;
    o.CollectMaterials(&list);
    ASSERT_EQ(list.size(), 3u);
    const struct {
        const char* article;
        float quantity;
        double sum;
    } expected[] = {{"A", 7, 6335}, {"B", 4.5f, 45.045}, {"b", 1, 1}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(list[i]->Article, expected[i].article);
        EXPECT_FLOAT_EQ(list[i]->Quantity, expected[i].quantity);
        EXPECT_EQ(list[i]->Sum, TMoney::FromDouble(expected[i].sum)) << list[i]->Article.toStdString();
    }
    EXPECT_EQ(list[0]->NetPrice, TMoney::FromInt(905));
    // The positions' own lists are untouched.
    EXPECT_EQ(o.Position(0)->LeftFlugel->MatList[0]->Quantity, 2.0f);
}

TEST(Order, CopyPosition)
{
    auto o = SampleOrder(1, 4);
    const TvxfConstruction& source = *o->Position(0);
    std::unique_ptr<TvxfConstruction> copy = o->CopyPosition(source);
    EXPECT_EQ(copy->Order, o.get());
    EXPECT_EQ(o->PositionCount(), 1);   // the caller decides where the copy goes
    TSpecStream a, b;
    WritePosition(a, source);
    WritePosition(b, *copy);
    EXPECT_EQ(a.Data(), b.Data());

    // A position whose sides do not match its corners cannot be read back.
    TvxfConstruction broken;
    broken.LeftFlugel->Lines.push_back(std::make_unique<TvxfLine>());
    try {
        o->CopyPosition(broken);
        ADD_FAILURE();
    } catch (const EValtrixError& e) {
        EXPECT_EQ(e.message(), "Ошибка копирования позиции!\r\n(Данные повреждены: число сторон створки [1] не "
                               "равно числу углов [0]!)");
    }
}
