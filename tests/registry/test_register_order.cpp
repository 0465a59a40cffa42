#include "CatalogFixture.h"
#include "TestSupport.h"
#include "config/CfgList.h"
#include "db/VXSchema.h"
#include "model/VXFOrder.h"
#include "engine/VXFConstruction.h"
#include "registry/VXOrderRegistry.h"
#include <gtest/gtest.h>
#include <QDir>

using namespace vx;

namespace {

// A catalog fixture with a registry database of the real schema and an orders directory.
class RegisterOrderTest : public ::testing::Test {
protected:
    vxtest::TCatalogFixture Fx;
    QTemporaryDir Temp;
    QString OrdersDir;

    void SetUp() override
    {
        RunPaths().Clear();
        OrdersDir = Temp.path() + QStringLiteral("/server/Orders");
        QDir().mkpath(OrdersDir);
        RunPaths().OrdersDir = OrdersDir;
        QDir().mkpath(Temp.path() + QStringLiteral("/server/Registry"));
        Fx.DM().ConnectRegistry(Temp.path() + QStringLiteral("/server/Registry"));
        EnsureSchema(Fx.DM().DB_Registry, Alias::Registry);
    }
    void TearDown() override
    {
        Fx.DM().T_OrderList.Close();
        RunPaths().Clear();
    }

    TTable& T() { return Fx.DM().T_OrderList; }

    void AddRow(const QString& no, const QString& customer = QString())
    {
        TTable& t = T();
        const bool open = t.Active();
        if (!open)
            t.Open();
        t.Append();
        t.FieldByName("No")->SetAsString(no);
        t.FieldByName("Customer")->SetAsString(customer);
        t.Post();
        if (!open)
            t.Close();
    }

    // Rows as "No|Customer|OrderFile", in key order.
    QStringList Rows()
    {
        TTable& t = T();
        const bool open = t.Active();
        if (!open)
            t.Open();
        QStringList rows;
        for (t.First(); !t.Eof(); t.Next())
            rows << t.FieldByName("No")->AsString() + "|" + t.FieldByName("Customer")->AsString() + "|"
                        + t.FieldByName("OrderFile")->AsString();
        if (!open)
            t.Close();
        return rows;
    }

    static void Fill(TvxfOrder& order, const QString& no)
    {
        order.OrderNo = no;
        order.Customer = "Иванов";
        order.Phones = "123-45-67";
        order.ObjectName = "Кухня";
        order.Address = "ул. Садовая, 1";
        order.RegDate = TDateTime::FromDate(QDate(2024, 3, 15));
        order.Currency = 2;
        order.TotalNDS = true;
        order.NDSTax = 20;
        auto p = std::make_unique<TvxfConstruction>(&order);
        p->Cost = TMoney::FromDouble(100.5);
        p->Num = 2;
        order.AddPosition(std::move(p));
    }
};

TEST_F(RegisterOrderTest, AppendsTheOrderWithItsFieldsAndStoredPath)
{
    TvxfOrder order;
    Fill(order, "A-1");
    Fx.UI.ConfirmAnswers = {false};
    EXPECT_FALSE(RegisterOrder(order, OrdersDir + "/Иванов (кухня).vfo370", QString(), false));
    EXPECT_TRUE(Rows().isEmpty());
    ASSERT_EQ(Fx.UI.Shown.size(), 1);
    EXPECT_EQ(Fx.UI.Shown[0].Text, "Зарегистрировать заказ / обновить данные в реестре?");

    Fx.UI.ConfirmAnswers = {true};
    EXPECT_TRUE(RegisterOrder(order, OrdersDir + "/Иванов (кухня).vfo370", QString(), false));
    TTable& t = T();
    EXPECT_FALSE(t.Active());   // closed again: it was closed before
    t.Open();
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName("No")->AsString(), "A-1");
    EXPECT_EQ(t.FieldByName("RegDate")->AsDateTime().date(), QDate(2024, 3, 15));
    EXPECT_EQ(t.FieldByName("Customer")->AsString(), "Иванов");
    EXPECT_EQ(t.FieldByName("Phone")->AsString(), "123-45-67");
    EXPECT_EQ(t.FieldByName("Object")->AsString(), "Кухня");
    EXPECT_EQ(t.FieldByName("Address")->AsString(), "ул. Садовая, 1");
    EXPECT_EQ(t.FieldByName("Cost")->AsCurrency(), TMoney::FromDouble(241.2));   // 201 + 20 % VAT
    EXPECT_EQ(t.FieldByName("Currency")->AsInteger(), 2);
    EXPECT_EQ(t.FieldByName("OrderFile")->AsString(), "%ИВАНОВ (КУХНЯ).VFO370");
    EXPECT_EQ(ExpandOrderFile(t.FieldByName("OrderFile")->AsString()).replace('\\', '/'),
              (OrdersDir + "/ИВАНОВ (КУХНЯ).VFO370").toUpper());
}

// Which row a registration writes, by the loaded number and the rows already there.
TEST_F(RegisterOrderTest, RenumberedOrderKeepsItsRow)
{
    struct Case {
        const char* Name;
        QStringList Existing;
        QString LoadedNo;
        QString OrderNo;
        QStringList Expected;
    };
    const QString file = "%A.VFO370";
    const QList<Case> cases = {
        {"new number appended", {"B-9"}, "", "A-1", {"A-1|Иванов|" + file, "B-9||"}},
        {"same number updated in any case", {"a-1"}, "", "A-1", {"A-1|Иванов|" + file}},
        {"renumbered row follows", {"A-1", "B-9"}, "a-1", "A-2", {"A-2|Иванов|" + file, "B-9||"}},
        {"renumbered without old row updates the new one", {"A-2"}, "A-1", "A-2", {"A-2|Иванов|" + file}},
        {"renumbered without any row appends", {}, "A-1", "A-2", {"A-2|Иванов|" + file}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        T().EmptyTable();
        for (const QString& no : c.Existing)
            AddRow(no);
        TvxfOrder order;
        Fill(order, c.OrderNo);
        EXPECT_TRUE(RegisterOrder(order, OrdersDir + "/a.vfo370", c.LoadedNo, true));
        EXPECT_EQ(Rows(), c.Expected);
        EXPECT_TRUE(Fx.UI.Shown.isEmpty());
    }
}

TEST_F(RegisterOrderTest, OrderWithoutNumberIsRefused)
{
    TvxfOrder order;
    Fill(order, "");
    EXPECT_FALSE(RegisterOrder(order, OrdersDir + "/a.vfo370", QString(), true));
    EXPECT_TRUE(Rows().isEmpty());
    ASSERT_EQ(Fx.UI.Shown.size(), 1);
    EXPECT_EQ(Fx.UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Fx.UI.Shown[0].Text, "Заказ не имеет номера!\r\nДля учета заказа необходимо наличие номера.");
}

// A failing write is passed on, and the table the registry window shows is put back as it was:
// its filter, its current row, its state.
TEST_F(RegisterOrderTest, FailureRaisesAndLeavesTheTableAsItWas)
{
    AddRow("A-1", "first");
    AddRow("B-2", "second");
    AddRow("C-3", "third");
    TTable& t = T();
    t.Open();
    t.SetFilter("Customer <> 'first'");
    t.SetFiltered(true);
    t.Last();
    ASSERT_EQ(t.FieldByName("No")->AsString(), "C-3");

    TvxfOrder order;
    Fill(order, "B-2");   // renumbering A-1 to B-2 collides with the key of B-2
    EXPECT_ANY_THROW(RegisterOrder(order, OrdersDir + "/b.vfo370", "A-1", true));
    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(t.Filtered());
    EXPECT_EQ(t.State(), TDataSetState::Browse);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.FieldByName("No")->AsString(), "C-3");
    t.SetFiltered(false);
    EXPECT_EQ(Rows(), QStringList({"A-1|first|", "B-2|second|", "C-3|third|"}));

    // A successful registration keeps them as well.
    t.SetFiltered(true);
    t.Last();
    Fill(order, "D-4");
    EXPECT_TRUE(RegisterOrder(order, OrdersDir + "/d.vfo370", QString(), true));
    EXPECT_TRUE(t.Filtered());
    EXPECT_EQ(t.FieldByName("No")->AsString(), "C-3");
}

TEST_F(RegisterOrderTest, LookUpIgnoresCaseAndCreatesAMissingTable)
{
    Fx.DM().DB_Registry.DropTable(TableFile::OrderLst);
    EXPECT_FALSE(FindRegisteredOrder("Заказ-1").Found);   // the table is made on the way
    AddRow("ЗАКАЗ-1");
    const TRegisteredOrder found = FindRegisteredOrder("заказ-1");
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.OrderNo, "ЗАКАЗ-1");
    EXPECT_FALSE(FindRegisteredOrder("ЗАКАЗ").Found);      // whole values only
    EXPECT_FALSE(T().Active());
}

} // namespace
