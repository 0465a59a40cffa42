#include "CatalogFixture.h"
#include "OrderTestFiles.h"
#include "TestSupport.h"
#include "config/CfgList.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vx;
using namespace vxtest;

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// An orders directory of its own for the test's life.
struct TOrdersDir {
    QTemporaryDir Dir;
    QString Previous = RunPaths().OrdersDir;
    TOrdersDir() { RunPaths().OrdersDir = Dir.path(); }
    ~TOrdersDir() { RunPaths().OrdersDir = Previous; }
    QString Path(const QString& name) const { return Dir.filePath(name); }
};

TvxfOrderSelectionItem* AddItem(TvxfOrderSelection& sel, const QString& file, const QString& orderNo,
                                const QString& posNo, const QString& name = {}, bool active = true)
{
    auto item = std::make_unique<TvxfOrderSelectionItem>();
    item->OrderFile = file;
    item->OrderNo = orderNo;
    item->PosNo = posNo;
    item->Name = name;
    item->Active = active;
    item->Width = 1000;
    item->Height = 2000;
    return sel.AddItem(std::move(item));
}

QString Names(const TvxfOrderSelection& sel)
{
    QStringList out;
    for (int i = 0; i < sel.ItemCount(); ++i)
        out << sel.Item(i)->Name;
    return out.join(' ');
}

} // namespace

TEST(OrderSelection, FileLayoutAndRoundTrip)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    QTemporaryDir dir;
    const QString path = TempPath(dir, "sel.vfs370");
    auto sel = SampleSelection();
    sel->Version = "01.01.2000";
    ASSERT_TRUE(sel->SaveToFile(path));
    EXPECT_EQ(sel->Version, "06.10.2015");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();

    const QByteArray head = QByteArray::fromHex("20000000") + "Valtrix Furniture Selection File"
        + QByteArray::fromHex("0a000000") + "06.10.2015";
    EXPECT_EQ(bytes.left(head.size()).toHex(), head.toHex());

    TSpecStream e;
    e.WriteValue(QString("Valtrix Furniture Selection File"));
    e.WriteValue(QString("06.10.2015"));
    for (int32_t v : {7, 0})
        e.WriteValue(v);
    e.WriteValue(TDateTime{44000.25});
    e.WriteValue(TDateTime{44001.75});
    e.WriteValue(int32_t(0));
    e.WriteValue(QString("В-3"));
    e.WriteValue(TDateTime{44000});
    e.WriteValue(QString("Выборка фурнитуры"));
    e.WriteValue(int32_t(1));
    e.WriteValue(int32_t(2));
    e.WriteValue(2.5);
    e.WriteValue(int32_t(2));
    e.WriteValue(int32_t(1));
    e.WriteValue(20.0);
    e.WriteByteValue(2);
    e.WriteValue(QString("заметка\r\n"));
    e.WriteValue(int32_t(3));
    for (auto [active, orderNo, posNo, name, file] :
         {std::tuple{true, "N1", "001", "Окно", "%F1.VFO370"}, {false, "N1", "002", "Дверь", "%F1.VFO370"},
          {true, "N2", "001", "Балкон", "/ABS/F2.VFO370"}}) {
        e.WriteValue(active);
        e.WriteValue(QString(orderNo));
        e.WriteValue(QString(posNo));
        e.WriteValue(1300.0);
        e.WriteValue(1500.5);
        e.WriteValue(int32_t(2));
        e.WriteValue(QString(name));
        e.WriteValue(QString(file));
    }
    EXPECT_EQ(bytes.toHex(), e.Data().toHex());

    TvxfOrderSelection back;
    AddItem(back, "X", "X", "X");
    bool converted = true;
    ASSERT_TRUE(back.LoadFromFile(path.toUpper(), &converted));
    EXPECT_FALSE(converted);
    EXPECT_TRUE(ui.Shown.isEmpty());
    EXPECT_EQ(Bytes(back), bytes);
    ASSERT_EQ(back.ItemCount(), 3);
    EXPECT_EQ(back.Item(2)->Owner, &back);
    EXPECT_EQ(back.ActiveCount(), 2);
}

TEST(OrderSelection, SignatureAndVersions)
{
    QTemporaryDir dir;
    const QString path = TempPath(dir, "sel.vfs370");
    const QByteArray good = Bytes(*SampleSelection());
    auto withVersion = [&](const char* version) {
        QByteArray b = good;
        return b.replace(QByteArray("06.10.2015"), QByteArray(version));
    };
    const QString newer = "Вы пытаетесь открыть выборку, созданную более новой версией программы, чем текущая.\r\n"
                          "Данный модуль поддерживает файлы выборки\r\nверсии не старше: 06.10.2015!\r\n"
                          "Загружаемая версия: 07.10.2015";
    const struct {
        const char* name;
        QByteArray file;
        bool answer;
        QString message;
        bool converted;
        bool loaded;
    } cases[] = {
        {"an order file", Bytes(TvxfOrder()), true, "Данный файл не является файлом Kestra Tessaron!", false, false},
        {"older, converted", withVersion("01.01.2010"), true,
         "Необходимо конвертировать файл выборки!\r\nЗагружаемая версия: 01.01.2010\r\nТекущая версия: 06.10.2015", true,
         true},
        {"older, cancelled", withVersion("01.01.2010"), false, "", false, false},
        {"newer", withVersion("07.10.2015"), true, newer, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TScriptedInteraction ui;
        ui.ConfirmAnswers = {c.answer};
        TScopedUI scope(&ui);
        WriteAll(path, c.file);
        TvxfOrderSelection sel;
        sel.Name = "прежняя";
        AddItem(sel, "F", "N", "P");
        bool converted = false;
        EXPECT_TRUE(sel.LoadFromFile(path, &converted));   // a refused file still counts as loaded
        EXPECT_EQ(converted, c.converted);
        ASSERT_EQ(ui.Shown.size(), 1);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(ui.Shown[0].Text, c.message);
        }
        EXPECT_EQ(sel.Signature, "Valtrix Furniture Selection File");
        EXPECT_EQ(sel.Name, c.loaded ? "Выборка фурнитуры" : "прежняя");
        EXPECT_EQ(sel.ItemCount(), c.loaded ? 3 : 1);
    }

    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    TvxfOrderSelection sel;
    EXPECT_FALSE(sel.SaveToFile(TempPath(dir, "missing/sel.vfs370")));
    EXPECT_FALSE(sel.LoadFromFile(TempPath(dir, "none.vfs370")));
    ASSERT_EQ(ui.Shown.size(), 2);
    EXPECT_TRUE(ui.Shown[0].Text.startsWith("Ошибка сохранения выборки!\r\n(")) << ui.Shown[0].Text.toStdString();
    EXPECT_TRUE(ui.Shown[1].Text.startsWith("Ошибка загрузки выборки!\r\n(")) << ui.Shown[1].Text.toStdString();
}

TEST(OrderSelection, FindSortAndOrderNumbers)
{
    TOrdersDir orders;
    TvxfOrderSelection sel;
    AddItem(sel, "%f1.vfo370", "A-1", "2", "d");
    AddItem(sel, "%F1.VFO370", "A-1", "10", "c");
    AddItem(sel, "%F2.VFO370", "B", "001", "b");
    AddItem(sel, orders.Path("f1.vfo370"), "A-1", "001", "a");   // the same file, stored in full
    AddItem(sel, "%F2.VFO370", "A-1", "001", "b");

    EXPECT_EQ(sel.FindItem("a-1", "001"), 3);
    EXPECT_EQ(sel.FindItem("b", "001"), 2);
    EXPECT_EQ(sel.FindItem("A-1", "1"), -1);

    const struct {
        const char* name;
        void (TvxfOrderSelection::*sort)();
        const char* order;
    } sorts[] = {
        {"order, position", &TvxfOrderSelection::SortByOrderPos, "a b c d b"},
        {"position, order", &TvxfOrderSelection::SortByPosOrder, "a b b c d"},
        {"name, order, position", &TvxfOrderSelection::SortByName, "a b b c d"},
        {"file, order, position", &TvxfOrderSelection::SortByFile, "c b b d a"},   // "%F" < "%f" < "/"
    };
    for (const auto& s : sorts) {
        (sel.*s.sort)();
        EXPECT_EQ(Names(sel), s.order) << s.name;
    }
    // Within equal names the order number decides, then the position number.
    sel.SortByName();
    EXPECT_EQ(sel.Item(1)->OrderNo, "A-1");
    EXPECT_EQ(sel.Item(2)->OrderNo, "B");
    sel.RemoveItem(0);
    EXPECT_EQ(sel.ItemCount(), 4);
    EXPECT_THROW(sel.RemoveItem(4), EValtrixError);

    // One number for each run of items of one file, however the file is written.
    TvxfOrderSelection runs;
    AddItem(runs, "%F1.VFO370", "N1", "001");
    AddItem(runs, orders.Path("f1.vfo370"), "N1", "002");
    AddItem(runs, "%F2.VFO370", "N2", "001");
    EXPECT_EQ(runs.OrderNumbers(), "N1,N2");
    AddItem(runs, "%f1.vfo370", "N1", "003");
    EXPECT_EQ(runs.OrderNumbers(), "N1,N2,N1");
}

TEST(OrderSelection, RefreshLoadsEachFileOncePerRun)
{
    TOrdersDir orders;
    // Older files ask for conversion at every load: the questions count the loads.
    WriteAll(orders.Path("F1.vfo370"), LegacyOrderFile("03.03.2019", {{"001", "Окно", 3, false}, {"002", "Дверь", 1, true}}, "N1"));
    WriteAll(orders.Path("f2.VFO370"), LegacyOrderFile("03.03.2019", {{"001", "Балкон", 2, true}}, "N2"));
    TvxfOrderSelection sel;
    AddItem(sel, "%F1.VFO370", "старый", "001", "старое имя");
    AddItem(sel, "%f1.vfo370", "N1", "002");
    AddItem(sel, "%F2.VFO370", "N2", "001");
    AddItem(sel, "%F1.VFO370", "N1", "009", "нет такой");
    AddItem(sel, "%GONE.VFO370", "N3", "001", "файла нет");

    TScriptedInteraction ui;
    ui.DefaultConfirm = true;
    TScopedUI scope(&ui);
    sel.Refresh(true);
    EXPECT_EQ(ui.count(TMessageKind::Confirm), 3);   // F1, F2, F1 again
    EXPECT_EQ(ui.Shown.size(), 3);

    const TvxfOrderSelectionItem& first = *sel.Item(0);
    EXPECT_FALSE(first.Active);
    EXPECT_EQ(first.OrderNo, "N1");
    EXPECT_EQ(first.Name, "Окно");
    EXPECT_EQ(first.Num, 3);
    EXPECT_EQ(first.Width, 0.0f);
    EXPECT_EQ(first.Height, 0.0f);
    EXPECT_EQ(sel.Item(2)->Name, "Балкон");
    for (int i : {3, 4}) {   // not found: unchanged
        EXPECT_TRUE(sel.Item(i)->Active);
        EXPECT_EQ(sel.Item(i)->Width, 1000.0f);
    }
    EXPECT_EQ(sel.Item(3)->Name, "нет такой");

    sel.Item(0)->Active = true;
    sel.Refresh(false);
    EXPECT_TRUE(sel.Item(0)->Active);

    // One item's position, in an order that belongs to the caller.
    ui.clear();
    TLoadedPosition loaded = sel.LoadItemPosition(*sel.Item(1));
    ASSERT_NE(loaded.Position, nullptr);
    EXPECT_EQ(loaded.Position->Name, "Дверь");
    EXPECT_EQ(loaded.Position->Order, loaded.Order.get());
    EXPECT_EQ(ui.count(TMessageKind::Confirm), 1);
    loaded = sel.LoadItemPosition(*sel.Item(4));
    EXPECT_EQ(loaded.Order, nullptr);
    EXPECT_EQ(loaded.Position, nullptr);
}

TEST(OrderSelection, CollectMaterialsRepricesTheSortedList)
{
    TCatalogFixture fx;
    fx.AddRows("Currency.DB", {"ID", "Name", "Value", "Dec"}, {{1, "руб", 1, 2}});
    fx.SetOrderContext(1, {{1, 1.0f}});
    fx.AddRows("Catalog.DB", {"ID", "Name", "Price", "Currency"}, {{"A-1", "Ручка", 1000, 1}, {"B-2", "Петля", 3.3333, 1}});
    TOrdersDir orders;
    // Every position holds A-1 with quantity 2 at 905.
    WriteAll(orders.Path("F1.vfo370"), LegacyOrderFile("26.12.2019", {{"001", "Окно", 3, true}, {"002", "Дверь", 5, true}}));
    WriteAll(orders.Path("F2.vfo370"), LegacyOrderFile("26.12.2019", {{"001", "Балкон", 2, true}}));
    TvxfOrderSelection sel;
    AddItem(sel, "%F1.VFO370", "N1", "001");
    AddItem(sel, "%F1.VFO370", "N1", "002", {}, false);
    AddItem(sel, "%F2.VFO370", "N2", "001");
    AddItem(sel, "%F3.VFO370", "N3", "001");   // gone: skipped

    TMatList list;
    auto b = std::make_unique<TvxfMatListItem>();
    b->Article = "B-2";
    b->Quantity = 1.5f;
    b->Sum = TMoney::FromInt(99);
    list.push_back(std::move(b));
    sel.CollectMaterials(nullptr);
    sel.CollectMaterials(&list);
    EXPECT_TRUE(fx.UI.Shown.isEmpty()) << fx.UI.texts().join("|").toStdString();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->Article, "A-1");
    EXPECT_EQ(list[0]->Quantity, 10.0f);   // 2 × 3 + 2 × 2
    EXPECT_EQ(list[0]->Price, TMoney::FromInt(1000));
    EXPECT_EQ(list[0]->NetPrice, TMoney::FromInt(1000));
    EXPECT_EQ(list[0]->Sum, TMoney::FromInt(10000));
    EXPECT_EQ(list[1]->Article, "B-2");
    EXPECT_EQ(list[1]->Sum, TMoney::FromDouble(5));   // 1.5 × 3.3333 = 4.99995, ties to even
}
