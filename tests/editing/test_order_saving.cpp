#include "CatalogFixture.h"
#include "TestSupport.h"
#include "config/CfgList.h"
#include "db/VXSchema.h"
#include "editing/VXOrderSaving.h"
#include "foundation/VXCodePage.h"
#include "model/VXFOrder.h"
#include "registry/VXOrderRegistry.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace vx;

namespace {

QByteArray ReadAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The number an order file holds.
QString NumberIn(const QString& file)
{
    TvxfOrder order;
    return order.LoadFromFile(file) ? order.OrderNo : QStringLiteral("<unreadable>");
}

class OrderSavingTest : public ::testing::Test {
protected:
    vxtest::TCatalogFixture Fx;
    QTemporaryDir Temp;
    QString OrdersDir;
    TvxfOrder Order;
    TOrderDocument Doc;
    TOrderSaveHooks Hooks;
    int PropertiesShown = 0;
    QStringList Chooser;          // answers of the save dialog, in turn
    QStringList ChooserAsked;     // "proposed|folder"

    void SetUp() override
    {
        RunPaths().Clear();
        OrdersDir = QFileInfo(Temp.path()).canonicalFilePath() + "/server/Orders";
        QDir().mkpath(OrdersDir);
        RunPaths().OrdersDir = OrdersDir;
        QDir().mkpath(Temp.path() + "/server/Registry");
        Fx.DM().ConnectRegistry(Temp.path() + "/server/Registry");
        EnsureSchema(Fx.DM().DB_Registry, Alias::Registry);
        Fx.Setup().AutoReg = false;
        Doc.Order = &Order;
        Hooks.ShowOrderProperties = [this] { ++PropertiesShown; };
        Hooks.ChooseFileName = [this](const QString& proposed, const QString& dir) {
            ChooserAsked << proposed + "|" + dir;
            return Chooser.isEmpty() ? QString() : Chooser.takeFirst();
        };
    }
    void TearDown() override
    {
        Fx.DM().T_OrderList.Close();
        RunPaths().Clear();
    }

    void Register(const QString& no, QDate date)
    {
        TTable& t = Fx.DM().T_OrderList;
        t.Open();
        t.Append();
        t.FieldByName("No")->SetAsString(no);
        t.FieldByName("RegDate")->SetAsDateTime(TDateTime::FromDate(date));
        t.Post();
        t.Close();
    }

    QStringList RegistryRows()
    {
        TTable& t = Fx.DM().T_OrderList;
        t.Open();
        QStringList rows;
        for (t.First(); !t.Eof(); t.Next())
            rows << t.FieldByName("No")->AsString() + "|" + t.FieldByName("OrderFile")->AsString();
        t.Close();
        return rows;
    }

    // An order saved once as <orders>/<name>, as a window holds it afterwards.
    void SavedAs(const QString& no, const QString& name)
    {
        Order.OrderNo = no;
        ASSERT_TRUE(SaveOrder(Doc, OrdersDir + "/" + name, Hooks));
        Fx.UI.clear();
        Doc.Saved = false;
    }

    QString LastNumber() { return ReadLastOrderNumber(); }
};

TEST(OrderSaving, DefaultFileNameReplacesWhatAFileNameMustNotHold)
{
    const QList<std::pair<QString, QString>> cases = {
        {"A/7", "A_7"},
        {"12-3", "12-3"},
        {"\\/:*?,;\"`!(){}[]<>|%'", QString(21, '_')},
        {"Заказ №5.1 (ИП)", "Заказ №5.1 _ИП_"},
        {"", ""},
    };
    for (const auto& [number, expected] : cases) {
        TvxfOrder order;
        order.OrderNo = number;
        EXPECT_EQ(DefaultFileName(order), expected) << number.toStdString();
    }
}

TEST_F(OrderSavingTest, LastOrderNumberFileHoldsALengthByteAnd30Characters)
{
    WriteLastOrderNumber("Заказ-7");
    QByteArray bytes = ReadAll(OrdersDir + "/Valtrix.lon");
    ASSERT_EQ(bytes.size(), 31);
    EXPECT_EQ(bytes[0], char(7));
    EXPECT_EQ(bytes.mid(1, 7), ToCp1251(u"Заказ-7"));
    EXPECT_EQ(LastNumber(), "Заказ-7");

    // A longer number keeps its first 30 characters; the file is written anew each time.
    const QString longNo = "ABCDEFGHIJ0123456789abcdefghijKLMNO";
    ASSERT_EQ(longNo.size(), 35);
    WriteLastOrderNumber(longNo);
    bytes = ReadAll(OrdersDir + "/Valtrix.lon");
    ASSERT_EQ(bytes.size(), 31);
    EXPECT_EQ(bytes[0], char(30));
    EXPECT_EQ(bytes.mid(1), longNo.left(30).toLatin1());
    WriteLastOrderNumber("1");
    bytes = ReadAll(OrdersDir + "/Valtrix.lon");
    EXPECT_EQ(bytes.size(), 31);
    EXPECT_EQ(LastNumber(), "1");
}

TEST_F(OrderSavingTest, NumberCheck)
{
    Register("ЗАКАЗ-5", QDate(2023, 11, 2));
    Order.OrderNo = "";
    EXPECT_FALSE(CheckOrderNumber(Order, true));
    Order.OrderNo = "заказ-5";
    EXPECT_FALSE(CheckOrderNumber(Order, true));
    EXPECT_TRUE(CheckOrderNumber(Order, false));   // a saved or loaded order keeps it
    Order.OrderNo = "заказ-6";
    EXPECT_TRUE(CheckOrderNumber(Order, true));
    EXPECT_EQ(Fx.UI.texts(), QStringList({"Не указан номер заказа!",
                                          "Заказ с номером заказ-5 был зарегистрирован 02.11.2023!\r\n"
                                          "Укажите другой номер заказа."}));
    EXPECT_FALSE(Fx.DM().T_OrderList.Active());
}

TEST_F(OrderSavingTest, NewOrderWithARegisteredNumberIsNotSaved)
{
    Register("A-1", QDate(2024, 1, 1));
    Order.OrderNo = "a-1";
    Doc.Saved = false;
    EXPECT_FALSE(SaveOrder(Doc, OrdersDir + "/a.vfo370", Hooks));
    EXPECT_EQ(PropertiesShown, 1);
    EXPECT_FALSE(QFileInfo::exists(OrdersDir + "/a.vfo370"));
    EXPECT_TRUE(Doc.IsNew);
    EXPECT_FALSE(Doc.Saved);
    EXPECT_EQ(Fx.UI.count(TMessageKind::Error), 1);
}

TEST_F(OrderSavingTest, SaveAsGoesIntoTheOrdersDirectoryAndRegisters)
{
    Fx.Setup().AutoReg = true;
    Order.OrderNo = "A/7";
    Order.Customer = "Петров";
    Order.ObjectName = "Дача";
    Doc.Saved = false;
    const QString elsewhere = Temp.path() + "/elsewhere/A_7.vfo370";
    EXPECT_TRUE(SaveOrder(Doc, elsewhere, Hooks));
    EXPECT_EQ(Doc.FileName, OrdersDir + "/A_7.vfo370");
    EXPECT_FALSE(QFileInfo::exists(elsewhere));
    EXPECT_EQ(NumberIn(Doc.FileName), "A/7");
    EXPECT_FALSE(Doc.IsNew);
    EXPECT_TRUE(Doc.Saved);
    EXPECT_EQ(Doc.LoadedNo, "A/7");
    EXPECT_EQ(Doc.LoadedCustomer, "Петров");
    EXPECT_EQ(Doc.LoadedObject, "Дача");
    EXPECT_EQ(LastNumber(), "A/7");
    EXPECT_EQ(RegistryRows(), QStringList({"A/7|%A_7.VFO370"}));
    EXPECT_TRUE(Fx.UI.Shown.isEmpty());
}

TEST_F(OrderSavingTest, ChangedNumberRenamesTheFileAndTheRegistryRowFollows)
{
    Fx.Setup().AutoReg = true;
    SavedAs("A-1", "A-1.vfo370");
    Order.OrderNo = "B-2";
    Fx.UI.ConfirmAnswers = {true};
    Chooser = {Temp.path() + "/B-2.vfo370"};   // the chosen folder gives way to the orders directory
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(ChooserAsked, QStringList({"B-2|" + OrdersDir}));
    EXPECT_EQ(Doc.FileName, OrdersDir + "/B-2.vfo370");
    EXPECT_FALSE(QFileInfo::exists(OrdersDir + "/A-1.vfo370"));
    EXPECT_EQ(NumberIn(Doc.FileName), "B-2");
    EXPECT_EQ(LastNumber(), "B-2");
    EXPECT_EQ(RegistryRows(), QStringList({"B-2|%B-2.VFO370"}));
    EXPECT_EQ(Fx.UI.texts(), QStringList({"Изменился номер заказа. Переименовать файл согласно нового номера?"}));
}

TEST_F(OrderSavingTest, RefusedOverwriteKeepsTheFileUnderItsOldName)
{
    SavedAs("A-1", "A-1.vfo370");
    {
        TvxfOrder other;
        other.OrderNo = "OTHER";
        ASSERT_TRUE(other.SaveToFile(OrdersDir + "/B-2.vfo370"));
    }
    Order.OrderNo = "B-2";
    Fx.UI.ConfirmAnswers = {true, false};
    Chooser = {OrdersDir + "/B-2.vfo370"};
    EXPECT_FALSE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(Fx.UI.texts().value(1), "Файл " + OrdersDir + "/B-2.vfo370 уже существует! Переписать поверх?");
    EXPECT_EQ(Doc.FileName, OrdersDir + "/A-1.vfo370");
    EXPECT_EQ(NumberIn(OrdersDir + "/A-1.vfo370"), "B-2");   // written before the question
    EXPECT_EQ(NumberIn(OrdersDir + "/B-2.vfo370"), "OTHER");
    EXPECT_FALSE(Doc.Saved);
    EXPECT_EQ(Doc.LoadedNo, "A-1");

    // Agreeing replaces the other file.
    Fx.UI.clear();
    Fx.UI.ConfirmAnswers = {true, true};
    Chooser = {OrdersDir + "/B-2.vfo370"};
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(Doc.FileName, OrdersDir + "/B-2.vfo370");
    EXPECT_EQ(NumberIn(Doc.FileName), "B-2");
    EXPECT_FALSE(QFileInfo::exists(OrdersDir + "/A-1.vfo370"));
    EXPECT_TRUE(Doc.Saved);
}

TEST_F(OrderSavingTest, DeclinedRenameOrCancelledDialog)
{
    SavedAs("A-1", "A-1.vfo370");
    WriteLastOrderNumber("X");
    Order.OrderNo = "B-2";
    // Cancel in the save dialog: nothing written.
    Fx.UI.ConfirmAnswers = {true};
    EXPECT_FALSE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(NumberIn(OrdersDir + "/A-1.vfo370"), "A-1");
    EXPECT_FALSE(Doc.Saved);
    // No rename: the file keeps its name, the number is remembered.
    Fx.UI.ConfirmAnswers = {false};
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(Doc.FileName, OrdersDir + "/A-1.vfo370");
    EXPECT_EQ(NumberIn(Doc.FileName), "B-2");
    EXPECT_EQ(LastNumber(), "B-2");
    EXPECT_EQ(Doc.LoadedNo, "B-2");
    // The same number again asks nothing.
    Fx.UI.clear();
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_TRUE(Fx.UI.Shown.isEmpty());
}

TEST_F(OrderSavingTest, FileOutsideTheOrdersDirectoryMovesIn)
{
    const QString outside = Temp.path() + "/old/A-1.vfo370";
    Order.OrderNo = "A-1";
    QDir().mkpath(Temp.path() + "/old");
    ASSERT_TRUE(Order.SaveToFile(outside));
    Doc.FileName = outside;
    Doc.IsNew = false;
    Doc.LoadedNo = "A-1";
    Doc.Saved = false;
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(Doc.FileName, OrdersDir + "/A-1.vfo370");
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_EQ(NumberIn(Doc.FileName), "A-1");
}

TEST_F(OrderSavingTest, FailedWriteKeepsTheChanges)
{
    // The orders directory cannot be made: a file stands in its place.
    const QString blocked = Temp.path() + "/blocked";
    QFile f(blocked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    RunPaths().OrdersDir = blocked + "/Orders";
    Order.OrderNo = "A-1";
    Doc.Saved = false;
    EXPECT_FALSE(SaveOrder(Doc, Temp.path() + "/A-1.vfo370", Hooks));
    EXPECT_TRUE(Doc.IsNew);
    EXPECT_FALSE(Doc.Saved);
    ASSERT_EQ(Fx.UI.count(TMessageKind::Error), 1);
    EXPECT_TRUE(Fx.UI.texts().value(0).startsWith("Ошибка сохранения заказа!\r\n("));
}

TEST_F(OrderSavingTest, RegistryFailureIsShownAndTheSaveStands)
{
    Fx.Setup().AutoReg = true;
    SavedAs("A-1", "A-1.vfo370");
    Register("B-2", QDate(2024, 2, 2));
    Order.OrderNo = "B-2";   // the row A-1 cannot take the number B-2: it is taken
    Fx.UI.ConfirmAnswers = {false};
    EXPECT_TRUE(SaveOrder(Doc, QString(), Hooks));
    EXPECT_EQ(Fx.UI.count(TMessageKind::Error), 1);
    EXPECT_TRUE(Doc.Saved);
    EXPECT_EQ(Doc.LoadedNo, "B-2");
    EXPECT_EQ(NumberIn(Doc.FileName), "B-2");
    EXPECT_EQ(RegistryRows(), QStringList({"A-1|%A-1.VFO370", "B-2|"}));
}

} // namespace
