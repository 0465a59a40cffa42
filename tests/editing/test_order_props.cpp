#include "CatalogFixture.h"
#include "TestSupport.h"
#include "config/CfgList.h"
#include "db/VXSchema.h"
#include "editing/VXOrderEditing.h"
#include "editing/VXOrderProps.h"
#include "editing/VXOrderSaving.h"
#include "foundation/VXError.h"
#include "model/VXFOrder.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

using namespace vx;

namespace {

class OrderPropsTest : public ::testing::Test {
protected:
    vxtest::TCatalogFixture Fx;
    QTemporaryDir Temp;

    void SetUp() override
    {
        RunPaths().Clear();
        RunPaths().OrdersDir = QFileInfo(Temp.path()).canonicalFilePath();
        QDir().mkpath(Temp.path() + "/Registry");
        Fx.DM().ConnectRegistry(Temp.path() + "/Registry");
        EnsureSchema(Fx.DM().DB_Registry, Alias::Registry);
        Fx.AddRows("SysList.DB", {"ID", "Group", "Name", "Use", "CommonGrp", "BaseColor"},
                   {{"110", 1, "Вектор", 1, 110, "SILVER"}, {"V70", 2, "Профиль 70", 1, 100, "WHITE"}});
    }
    void TearDown() override
    {
        Fx.DM().T_OrderList.Close();
        RunPaths().Clear();
    }

    void Register(const QString& no, QDate date)
    {
        TTable& t = Fx.DM().T_OrderList;
        const bool open = t.Active();
        t.Open();
        t.Append();
        t.FieldByName("No")->SetAsString(no);
        t.FieldByName("RegDate")->SetAsDateTime(TDateTime::FromDate(date));
        t.Post();
        if (!open)
            t.Close();
    }

    static void AddRate(TvxfOrder& order, int id, float rate)
    {
        auto item = std::make_unique<TvxfCurrencyItem>();
        item->ID = id;
        item->Rate = rate;
        order.Rates.push_back(std::move(item));
    }
};

TEST_F(OrderPropsTest, NumberIsCheckedAgainstTheRegistryOnlyWhenChanged)
{
    Register("A-7", QDate(2024, 3, 5));
    Register("B-2", QDate(2023, 11, 30));
    const QString taken = "Заказ с номером %1 был зарегистрирован %2!\r\nУкажите другой номер заказа.";
    struct TCase {
        QString Number, Opening, Warning;
    };
    const QList<TCase> cases = {
        {"", "A-7", "Не указан номер заказа!"},
        {"   ", "", "Не указан номер заказа!"},
        {"A-7", "A-7", ""},                        // its own number, never looked up
        {"b-2", "A-7", taken.arg("b-2", "30.11.2023")},
        {"a-7", "A-7", taken.arg("a-7", "05.03.2024")},   // the comparison with the opening number is exact
        {"C-3", "A-7", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ValidateOrderNo(c.Number, c.Opening), c.Warning) << c.Number.toStdString();
}

TEST_F(OrderPropsTest, RegistryLookUpPutsTheTableBack)
{
    Register("A-7", QDate(2024, 3, 5));
    Register("B-2", QDate(2023, 11, 30));
    TTable& t = Fx.DM().T_OrderList;
    EXPECT_FALSE(ValidateOrderNo("B-2", "").isEmpty());
    EXPECT_FALSE(t.Active());

    // Open, filtered to another row and standing on it: all of that stays.
    t.Open();
    t.SetFilter("No='A-7'");
    t.SetFiltered(true);
    t.First();
    EXPECT_FALSE(ValidateOrderNo("b-2", "").isEmpty());
    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(t.Filtered());
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName("No")->AsString(), "A-7");
}

TEST_F(OrderPropsTest, WritingBackReportsOnlyPriceRelevantChanges)
{
    TvxfOrder order;
    order.OrderNo = "A-7";
    order.NDSTax = 18;
    AddRate(order, 1, 1);
    AddRate(order, 2, 90.5f);
    order.Currency = 1;

    TOrderProps p = ReadOrderProps(order);
    EXPECT_EQ(p.CurrencyIndex, 0);
    p.Customer = "  Иванов  ";
    p.OrderNo = " A-8 ";
    p.Rem = "метка-длиннее-пятнадцати";
    p.FalzType = "101";
    p.Material = "2";
    EXPECT_FALSE(WriteOrderProps(p, order));
    EXPECT_EQ(order.Customer, "Иванов");
    EXPECT_EQ(order.OrderNo, "A-8");
    EXPECT_EQ(order.Rem.size(), OrderRemLength);
    EXPECT_EQ(order.FalzType, 101);
    EXPECT_EQ(order.Material, 2);

    p = ReadOrderProps(order);
    p.NDSTax = 20;
    EXPECT_TRUE(WriteOrderProps(p, order));
    EXPECT_FLOAT_EQ(order.NDSTax, 20);

    // Another currency; edited rates replace the order's in list order.
    p = ReadOrderProps(order);
    p.CurrencyIndex = 1;
    p.Rates[1].Rate = 3.5123f;
    EXPECT_TRUE(WriteOrderProps(p, order));
    EXPECT_EQ(order.Currency, 2);
    ASSERT_EQ(order.RateCount(), 2);
    EXPECT_FLOAT_EQ(order.Rate(1)->Rate, 3.5123f);

    // No currency chosen: the order keeps its own.
    p = ReadOrderProps(order);
    p.CurrencyIndex = -1;
    EXPECT_FALSE(WriteOrderProps(p, order));
    EXPECT_EQ(order.Currency, 2);
}

TEST_F(OrderPropsTest, NextNewOrderStartsWithThisOrdersValues)
{
    TvxfOrder order;
    order.ProfSys = "V70";
    order.FurnSys = "110";
    order.InnerProfColor = order.OuterProfColor = "OAK";
    order.FurnColor = "GOLD";
    order.Handle = "H-1";
    order.Material = 2;
    order.FalzType = 101;
    order.DornType = 201;
    order.StulpFalzType = 301;
    order.FlugelType = 401;
    order.Currency = 2;
    order.NDSTax = 20;
    StoreOrderDefaults(order, Fx.Setup());

    TvxfOrder next;
    SetNewOrderDefaults(next);
    EXPECT_EQ(next.ProfSys, "V70");
    EXPECT_EQ(next.FurnSys, "110");
    EXPECT_EQ(next.Handle, "H-1");
    EXPECT_EQ(next.Material, 2);
    EXPECT_EQ(next.FalzType, 101);
    EXPECT_EQ(next.DornType, 201);
    EXPECT_EQ(next.StulpFalzType, 301);
    EXPECT_EQ(next.FlugelType, 401);
    EXPECT_EQ(next.Currency, 2);
    EXPECT_FLOAT_EQ(next.NDSTax, 20);
    // The colours come from the systems, not from the stored defaults.
    EXPECT_EQ(Fx.Setup().DefFurnColor, "GOLD");
    EXPECT_EQ(next.InnerProfColor, "WHITE");
    EXPECT_EQ(next.FurnColor, "SILVER");
}

TEST_F(OrderPropsTest, LookUpFilters)
{
    EXPECT_EQ(FurnSysFilter(), "Group=1 and Use=1");
    EXPECT_EQ(ProfSysFilter("110"), "FurnSysID='100'");
    EXPECT_EQ(ProfSysFilter(""), "");
    EXPECT_EQ(FurnColorFilter("110"), "SYSTEM='110'");
    EXPECT_EQ(HandleFilter("110"), "(Group=30 or Group=31 or Group=32) and Use=1 and "
                                   "(CommonGrp=110 or CommonGrp=100 or CommonGrp=0)");
    for (const QString& system : {QString(), QString("999")}) {
        try {
            HandleFilter(system);
            ADD_FAILURE() << "no error for [" << system.toStdString() << "]";
        } catch (const EValtrixError& e) {
            EXPECT_EQ(e.message(), QString("В БД отсутствуют данные для системы [%1]!").arg(system));
        }
    }
}

TEST_F(OrderPropsTest, LookUpRowsLeaveTheTableAsTheyFoundIt)
{
    Fx.AddRows("FrnComp.DB", {"ID", "Group", "Name", "Use", "CommonGrp"},
               {{"K-1", 10, "Комплект", 1, 110}, {"H-1", 30, "Ручка Вектор", 1, 110},
                {"H-2", 31, "Ручка дверная", 1, 0}, {"H-3", 30, "Ручка чужая", 1, 210},
                {"H-4", 32, "Ручка снятая", 0, 110}});
    TTable& t = Fx.DM().T_FrnComp;
    t.SetFilter("Group=10");
    t.SetFiltered(false);
    t.Locate("ID", "H-3");
    const QList<TLookupRow> rows = LookupRows(t, "ID", "Name", HandleFilter("110"));
    EXPECT_EQ(rows, (QList<TLookupRow>{{"H-1", "Ручка Вектор"}, {"H-2", "Ручка дверная"}}));
    EXPECT_EQ(t.Filter(), "Group=10");
    EXPECT_FALSE(t.Filtered());
    EXPECT_EQ(t.FieldByName("ID")->AsString(), "H-3");

    // A filter that does not parse raises, and the table is still put back.
    EXPECT_THROW(LookupRows(t, "ID", "Name", "Group=="), EValtrixError);
    EXPECT_EQ(t.Filter(), "Group=10");
    EXPECT_FALSE(t.Filtered());
    EXPECT_EQ(t.RecordCount(), 5);
    EXPECT_EQ(LookupText(t, "ID", "Name", "H-2"), "Ручка дверная");
    EXPECT_EQ(LookupText(t, "ID", "Name", "none"), "");
}

TEST_F(OrderPropsTest, ViewStatePutsFilterAndOrderBack)
{
    TTable& t = Fx.DM().T_Catalog;
    t.SetIndexName("Name");
    t.SetFilter("Group=200");
    t.SetFiltered(true);
    {
        TTableViewState keep(&t);
        t.SetIndexFieldNames("ID");
        t.SetFilter("Group=1000");
        t.SetFiltered(false);
    }
    EXPECT_EQ(t.IndexName(), "Name");
    EXPECT_EQ(t.IndexFieldNames(), "");
    EXPECT_EQ(t.Filter(), "Group=200");
    EXPECT_TRUE(t.Filtered());
    t.SetFiltered(false);
    t.SetIndexName("");
}

TEST_F(OrderPropsTest, LastOrderNumberAndRateTexts)
{
    EXPECT_EQ(LastOrderNoText(), "Номер последнего заказа: ???");
    WriteLastOrderNumber("З-15");
    EXPECT_EQ(LastOrderNoText(), "Номер последнего заказа: З-15");
    EXPECT_EQ(RateText(3.5123), "3,5123");
    EXPECT_EQ(RateText(float(90.5)), "90,5000");
    EXPECT_DOUBLE_EQ(RoundRate(1.23456), 1.2346);
}

} // namespace
