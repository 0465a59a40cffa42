#include "OrderWorkspace.h"
#include "app/MainForm.h"
#include "app/VXDialogInteraction.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "editing/OrderForm.h"
#include "editing/SimplePosPropDlg.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurnComp.h"
#include "foundation/VXCommonTools.h"
#include "model/VXFOrder.h"
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

using namespace vx;
using namespace vxtest;

namespace {

// Runs the action on the next modal window with the object name.
void OnDialog(const QString& name, std::function<void(QDialog*)> action)
{
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, qApp, [=] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (w && w->objectName() == name) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(w);
        } else if (clock->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start(10);
}

// Fills the stand-in of the order properties and presses OK.
void AnswerProperties(const QString& number, const QString& customer = QString(), bool ok = true)
{
    OnDialog(QStringLiteral("OrderPropDlg"), [=](QDialog* d) {
        d->findChild<QLineEdit*>(QStringLiteral("OrderNoEdit"))->setText(number);
        if (!customer.isEmpty())
            d->findChild<QLineEdit*>(QStringLiteral("CustomerEdit"))->setText(customer);
        ok ? d->accept() : d->reject();
    });
}

std::unique_ptr<TvxfConstruction> MakePosition(TvxfOrder& order, const QString& no, const QString& name, int figure,
                                               double cost)
{
    auto p = std::make_unique<TvxfConstruction>(&order);
    p->PosNo = no;
    p->Name = name;
    p->Num = 2;
    TShapeRecord shape;
    shape.Width = 1000;
    shape.Height = 1200;
    shape.Figure = uint8_t(figure);
    shape.HX = 400;
    shape.HY = 600;
    p->BuildGeometry(shape, 0);
    p->Cost = TMoney::FromDouble(cost);
    return p;
}

} // namespace

class TestOrderForm : public QObject, private TOrderWorkspace {
    Q_OBJECT

    std::unique_ptr<TTestInstallation> Inst;
    TDialogInteraction Dialogs;

    TOrderForm* AddForm()
    {
        auto* form = new TOrderForm(Main.get());
        Main->AddChild(form);
        QApplication::processEvents();
        return form;
    }

    // An order file in the orders directory with the positions given as (number, name, figure,
    // cost).
    QString WriteOrder(const QString& no, const QList<std::tuple<QString, QString, int, double>>& positions,
                       const QString& name = QString())
    {
        TvxfOrder order;
        order.OrderNo = no;
        order.Customer = QStringLiteral("Иванов");
        for (const auto& [posNo, posName, figure, cost] : positions)
            order.AddPosition(MakePosition(order, posNo, posName, figure, cost));
        const QString file = Orders + QLatin1Char('/') + (name.isEmpty() ? SafeFileName(no) + QStringLiteral(".vfo370") : name);
        if (!order.SaveToFile(file))
            return QString();
        return file;
    }

    TOrderForm* Open(const QString& file)
    {
        TOrderForm* form = AddForm();
        if (!form->LoadOrder(file))
            return nullptr;
        return form;
    }

    static QStringList Column(TOrderForm* form, int column)
    {
        QStringList texts;
        for (int i = 0; i < form->ListView->topLevelItemCount(); ++i)
            texts << form->ListView->topLevelItem(i)->text(column);
        return texts;
    }

    static QStringList PosNos(TOrderForm* form)
    {
        QStringList numbers;
        for (int i = 0; i < form->Order().PositionCount(); ++i)
            numbers << form->Order().Position(i)->PosNo;
        return numbers;
    }

    QStringList RegistryRows()
    {
        TTable& t = DM().T_OrderList;
        t.Open();
        QStringList rows;
        for (t.First(); !t.Eof(); t.Next())
            rows << t.FieldByName(QStringLiteral("No"))->AsString() + QLatin1Char('|')
                        + t.FieldByName(QStringLiteral("OrderFile"))->AsString();
        t.Close();
        return rows;
    }

private Q_SLOTS:
    void init()
    {
        Inst = std::make_unique<TTestInstallation>();
        QVERIFY(StartWorkspace(QStringLiteral("Тест"), &Dialogs));
        // The window's own behaviour is tested on positions with their geometry only; the
        // fittings dialog has its own tests.
        TOrderForm::Hooks().SetFurnDialog = nullptr;
    }

    void cleanup()
    {
        StopWorkspace();
        Inst.reset();
    }

    void newOrderWithPositionsOfSeveralFigures()
    {
        // The new order opens its properties at once.
        AnswerProperties(QStringLiteral("З-1"), QStringLiteral("Петров"));
        Main->NewOrderItemClick();
        auto* form = qobject_cast<TOrderForm*>(Main->ActiveChildWidget());
        QVERIFY(form);
        QVERIFY(WaitFor([&] { return form->Order().OrderNo == QStringLiteral("З-1"); }));
        QCOMPARE(form->windowTitle(), QStringLiteral("NewOrder.vfo370"));
        QCOMPARE(form->StatusPanels[0]->text(), QStringLiteral("З-1"));
        QCOMPARE(form->StatusPanels[1]->text(), QStringLiteral("Петров"));
        QVERIFY(form->IsNewOrder());
        QVERIFY(!form->Saved());
        QVERIFY(Main->SaveItem->isEnabled());
        QCOMPARE(Main->menuBar()->actions().at(1)->text(), QStringLiteral("&Редактировать"));
        QCOMPARE(Main->menuBar()->actions().at(2)->text(), QStringLiteral("&Заказ"));
        QCOMPARE(Main->menuBar()->actions().at(3)->text(), QStringLiteral("Сервис"));

        // A cancelled dialog adds nothing.
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* d) { d->reject(); });
        Main->NewPosBut->trigger();
        QCOMPARE(form->Order().PositionCount(), 0);

        // A cancelled fittings dialog discards the new position as well.
        TOrderForm::Hooks().SetFurnDialog = [](QWidget*, TvxfConstruction&) { return false; };
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* d) { d->accept(); });
        form->NewPosition();
        QCOMPARE(form->Order().PositionCount(), 0);
        TOrderForm::Hooks().SetFurnDialog = nullptr;

        // One position per figure: rectangle, two sashes, triangle, arch.
        for (int figure : {0, 1, 5, 7}) {
            OnModal<TSimplePosPropDlg>([figure](TSimplePosPropDlg* d) {
                d->FigScroll->setValue(figure);
                d->accept();
            });
            form->NewPosition();
        }
        QCOMPARE(form->Order().PositionCount(), 4);
        QCOMPARE(Column(form, 1), QStringList({"001", "002", "003", "004"}));
        // Two sashes count both widths.
        QCOMPARE(Column(form, 2), QStringList({"700", "700", "700", "700"}));
        QCOMPARE(Column(form, 3), QStringList({"1400", "1400", "1400", "1400"}));
        QCOMPARE(form->Order().Position(1)->Layout != 2, true);
        QCOMPARE(form->ListView->topLevelItem(0)->checkState(0), Qt::Checked);
        QCOMPARE(form->SelectedIndex(), 3);
        QCOMPARE(form->ListView->headerItem()->text(7), QStringLiteral("Стоимость"));

        // The selected position is sketched and described.
        QVERIFY(form->ConstructionInfo->toPlainText().startsWith(QStringLiteral("Фурнитура: \nПрофиль: ")));
        QVERIFY(form->ConstructionInfo->toPlainText().contains(QStringLiteral("Дорнмасс (ств 1 / ств 2):")));
        const QImage sketch = form->PaintBox->grab().toImage();
        int drawn = 0;
        for (int y = 0; y < sketch.height(); ++y)
            for (int x = 0; x < sketch.width(); ++x)
                drawn += sketch.pixelColor(x, y) != QColor(Qt::white);
        QVERIFY(drawn > 200);
        form->SelectRow(-1);
        QApplication::processEvents();
        QVERIFY(form->ConstructionInfo->toPlainText().isEmpty());
        QVERIFY(!Main->DeletePosBut->isEnabled());
    }

    void deleteSortDragAndCheckBoxes()
    {
        const QString file = WriteOrder(QStringLiteral("A-1"), {{"2", "b", 0, 1}, {"10", "A", 0, 2}, {"1", "a", 0, 3}});
        TOrderForm* form = Open(file);
        QVERIFY(form);
        QVERIFY(form->Saved());
        QCOMPARE(form->windowTitle(), QFileInfo(file).absoluteFilePath());

        // Sorting by the position header compares bytes: "1", "10", "2".
        form->ListView->header()->sectionClicked(1);
        QCOMPARE(PosNos(form), QStringList({"1", "10", "2"}));
        QCOMPARE(Column(form, 1), QStringList({"1", "10", "2"}));
        QVERIFY(!form->Saved());
        form->ListView->header()->sectionClicked(5);
        QCOMPARE(Column(form, 5), QStringList({"A", "a", "b"}));
        form->ListView->header()->sectionClicked(3);   // other headers do nothing
        QCOMPARE(Column(form, 5), QStringList({"A", "a", "b"}));

        // Row 0 dragged onto row 2 lands at index 2 of the shortened list.
        form->ListViewDragDrop(0, 2);
        QCOMPARE(Column(form, 5), QStringList({"a", "b", "A"}));
        QCOMPARE(form->Order().Position(2)->Name, QStringLiteral("A"));
        // Drops from elsewhere are refused.
        QMimeData mime;
        mime.setText(QStringLiteral("x"));
        const QPoint at = form->ListView->visualItemRect(form->ListView->topLevelItem(0)).center();
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form->ListView->viewport(), &drop);
        QCOMPARE(Column(form, 5), QStringList({"a", "b", "A"}));

        // A check box goes into its position's flag; header 0 toggles them all.
        form->ListView->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!form->Order().Position(1)->Active);
        QCOMPARE(form->Order().ActiveCount(), 2);
        form->ListView->header()->sectionClicked(0);
        QCOMPARE(form->Order().ActiveCount(), 0);
        QVERIFY(!form->RecalcItem->isEnabled());
        form->ListView->header()->sectionClicked(0);
        QCOMPARE(form->Order().ActiveCount(), 3);

        // Delete asks; Cancel keeps the position.
        form->SelectRow(1);
        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("Отмена")});
        form->DeletePosition();
        QCOMPARE(form->Order().PositionCount(), 3);
        AnswerBoxes(&boxes, {QStringLiteral("OK")});
        Main->DeletePosBut->trigger();
        QCOMPARE(Texts(boxes), QStringList({"Удалить позицию?", "Удалить позицию?"}));
        QCOMPARE(Column(form, 5), QStringList({"a", "A"}));
        QCOMPARE(form->SelectedIndex(), 1);
        QCOMPARE(form->FocusedIndex(), 1);

        // Clearing asks as well.
        AnswerBoxes(&boxes, {QStringLiteral("OK")});
        form->ClearOrderItemClick();
        QCOMPARE(form->Order().PositionCount(), 0);
        QCOMPARE(form->ListView->topLevelItemCount(), 0);
        QVERIFY(!form->SelectAllItem->isEnabled());
    }

    void recalculationRestoresTheFailingPosition()
    {
        const QString file = WriteOrder(QStringLiteral("R-1"), {{"1", "first", 0, 10}, {"2", "second", 0, 50}, {"3", "third", 0, 77}});
        TOrderForm* form = Open(file);
        QVERIFY(form);
        // The second position prices an article the catalog does not have.
        TvxfFlugel* sash = form->Order().Position(1)->LeftFlugel.get();
        sash->FurnComp = std::make_unique<TvxfFurnComp>(sash);
        sash->FurnComp->AddItem(QStringLiteral("MISSING"), QString(), QString(), false, 0, QString(), 1, 0);

        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("Отмена")});
        form->RecalcItemClick();
        QCOMPARE(form->Order().Position(0)->Cost, TMoney::FromDouble(10));
        QVERIFY(form->Saved());

        AnswerBoxes(&boxes, {QStringLiteral("OK"), QStringLiteral("OK")});
        form->RecalcItemClick();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(Texts(boxes).at(1), QStringLiteral("Пересчитать выделенные изделия с текущими установками?"));
        QVERIFY(Texts(boxes).at(2).endsWith(QStringLiteral("\n[Позиция: 2]")));
        QCOMPARE(boxes.at(2).Icon, QMessageBox::Critical);
        QCOMPARE(form->Order().Position(0)->Cost, TMoney());                    // recalculated
        QCOMPARE(form->Order().Position(1)->Cost, TMoney::FromDouble(50));      // restored
        QCOMPARE(form->Order().Position(2)->Cost, TMoney::FromDouble(77));      // not reached
        QVERIFY(form->Order().Position(1)->LeftFlugel->FurnComp);
        QVERIFY(!form->Saved());
        QVERIFY(form->ListView->topLevelItem(0)->text(6).startsWith(QStringLiteral("0,0000")));
        QVERIFY(form->ListView->topLevelItem(1)->text(7).startsWith(QStringLiteral("100,0000")));
    }

    void savingUnderARegisteredNumber()
    {
        TTable& t = DM().T_OrderList;
        TOrderForm* first = Open(WriteOrder(QStringLiteral("Р-1"), {}));
        QVERIFY(first);
        t.Open();
        t.Append();
        t.FieldByName(QStringLiteral("No"))->SetAsString(QStringLiteral("Р-1"));
        t.FieldByName(QStringLiteral("RegDate"))->SetAsDateTime(TDateTime::FromDate(QDate(2024, 5, 6)));
        t.Post();
        t.Close();

        // A new order may not take it: the save fails and the properties open again.
        TOrderForm* form = AddForm();
        form->Order().OrderNo = QStringLiteral("р-1");
        form->ListView->setFocus();
        QList<TBoxSeen> boxes;
        ChooseFile(Orders + QStringLiteral("/new.vfo370"));
        AnswerBoxes(&boxes, {QStringLiteral("OK")});
        bool propertiesShown = false;
        OnDialog(QStringLiteral("OrderPropDlg"), [&](QDialog* d) {
            propertiesShown = true;
            d->reject();
        });
        QVERIFY(!Main->SaveChild(form));
        QVERIFY(WaitFor([&] { return propertiesShown; }));
        QCOMPARE(Texts(boxes), QStringList({"Заказ с номером р-1 был зарегистрирован 06.05.2024!\nУкажите другой номер заказа."}));
        QVERIFY(!QFileInfo::exists(Orders + QStringLiteral("/new.vfo370")));
        QVERIFY(form->IsNewOrder());

        // A loaded order keeps its registered number, and saving updates its row.
        first->Order().Customer = QStringLiteral("Сидоров");
        QVERIFY(Main->SaveChild(first));
        QVERIFY(first->Saved());
        QCOMPARE(RegistryRows(), QStringList({"Р-1|%Р-1.VFO370"}));
    }

    void changedNumberRenamesTheFile()
    {
        const QString file = WriteOrder(QStringLiteral("A-1"), {{"1", "x", 0, 5}});
        TOrderForm* form = Open(file);
        QVERIFY(form);
        AnswerProperties(QStringLiteral("B/2"));
        Main->OrderPropBut->trigger();
        QCOMPARE(form->Order().OrderNo, QStringLiteral("B/2"));
        QVERIFY(Main->SaveItem->isEnabled());

        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("OK")});
        QString proposed;
        OnModal<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(Orders + QStringLiteral("/B_2.vfo370"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        Main->SaveItemClick();
        QCOMPARE(Texts(boxes), QStringList({"Изменился номер заказа. Переименовать файл согласно нового номера?"}));
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("B_2.vfo370"));
        const QString renamed = Orders + QStringLiteral("/B_2.vfo370");
        QCOMPARE(form->DocumentFileName(), renamed);
        QCOMPARE(form->windowTitle(), renamed);
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(form->Saved());
        QVERIFY(!Main->SaveItem->isEnabled());
        // Registration on saving is on by default: the order's row carries the new number.
        QCOMPARE(RegistryRows(), QStringList({"B/2|%B_2.VFO370"}));
    }

    void closingWithUnsavedChanges()
    {
        const QString file = WriteOrder(QStringLiteral("C-1"), {{"1", "x", 0, 5}, {"2", "y", 0, 6}});
        TOrderForm* form = Open(file);
        QVERIFY(form);
        QPointer<TOrderForm> guard(form);
        form->SortNameItemClick();   // any change
        QVERIFY(!form->Saved());

        // Cancel keeps the window, and the main window with it.
        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("Отмена")});
        QVERIFY(!Main->close());
        QCOMPARE(Texts(boxes), QStringList({"Сохранить заказ?"}));
        QVERIFY(guard);
        QVERIFY(Main->isVisible());

        // No closes without saving.
        const QByteArray before = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        Main->StatusPanel(2)->setText(QStringLiteral("x"));
        AnswerBoxes(&boxes, {QStringLiteral("Нет")});
        Main->CloseItemClick();
        QVERIFY(WaitFor([&] { return !guard; }));
        QCOMPARE([&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }(), before);
        QVERIFY(Main->StatusPanel(2)->text().isEmpty());

        // Yes saves first; a new order goes through the save dialog.
        TOrderForm* fresh = AddForm();
        QPointer<TOrderForm> freshGuard(fresh);
        fresh->Order().OrderNo = QStringLiteral("C-2");
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* d) { d->accept(); });
        fresh->NewPosition();
        AnswerBoxes(&boxes, {QStringLiteral("Да")});
        ChooseFile(Orders + QStringLiteral("/C-2.vfo370"));
        Main->CloseAllItemClick();
        QVERIFY(WaitFor([&] { return !freshGuard; }));
        TvxfOrder saved;
        QVERIFY(saved.LoadFromFile(Orders + QStringLiteral("/C-2.vfo370")));
        QCOMPARE(saved.PositionCount(), 1);
        QCOMPARE(Main->ChildCount(), 0);
        QVERIFY(!Main->SaveAsItem->isEnabled());
        QVERIFY(!Main->OrderToolBar->isVisible());
    }

    void saveAllAndCommandStates()
    {
        TOrderForm* loaded = Open(WriteOrder(QStringLiteral("D-1"), {{"1", "x", 0, 5}}));
        QVERIFY(loaded);
        TOrderForm* fresh = AddForm();
        fresh->Order().OrderNo = QStringLiteral("D-2");

        // The fresh window: saved, nothing selected, nothing to print or recalculate.
        QCOMPARE(Main->ActiveChildWidget(), fresh);
        QVERIFY(!Main->SaveItem->isEnabled());
        QVERIFY(!Main->SaveBut->isEnabled());
        QVERIFY(Main->SaveAsItem->isEnabled());
        QVERIFY(!Main->SaveAllItem->isEnabled());
        QVERIFY(Main->NewPosBut->isEnabled());
        QVERIFY(!Main->DeletePosBut->isEnabled());
        QVERIFY(!Main->EditPosBut->isEnabled());
        QVERIFY(!fresh->RecalcItem->isEnabled());
        QVERIFY(Main->OrderToolBar->isVisible());
        QVERIFY(Main->CloseAllItem->isEnabled());

        // The loaded one, changed, with its row selected.
        Main->MDIArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(loaded->parentWidget()));
        QApplication::processEvents();
        loaded->SelectRow(0);
        loaded->SortPosItemClick();
        QVERIFY(Main->SaveItem->isEnabled());
        QVERIFY(Main->SaveBut->isEnabled());
        QVERIFY(Main->SaveAllItem->isEnabled());
        QVERIFY(Main->DeletePosBut->isEnabled());
        QVERIFY(loaded->RecalcItem->isEnabled());
        QVERIFY(loaded->CopyItem->isEnabled());
        QVERIFY(!loaded->PasteItem->isEnabled());
        QVERIFY(!Main->PrintBut->isEnabled());   // no report list yet
        // With the fittings dialog installed, editing works on a copy.
        TOrderForm::Hooks().SetFurnDialog = [](QWidget*, TvxfConstruction& p) {
            p.Name = QStringLiteral("edited");
            return true;
        };
        Main->UpdateMenuItems();
        QVERIFY(Main->EditPosBut->isEnabled());
        TvxfConstruction* before = loaded->Order().Position(0);
        Main->EditPosBut->trigger();
        QCOMPARE(loaded->Order().Position(0)->Name, QStringLiteral("edited"));
        QVERIFY(loaded->Order().Position(0) != before);
        QCOMPARE(loaded->ListView->topLevelItem(0)->text(5), QStringLiteral("edited"));
        TOrderForm::Hooks().SetFurnDialog = [](QWidget*, TvxfConstruction& p) {
            p.Name = QStringLiteral("dropped");
            return false;
        };
        loaded->EditPosition();
        QCOMPARE(loaded->Order().Position(0)->Name, QStringLiteral("edited"));

        // Copy here, paste into the other window: the number is kept where it is free.
        loaded->CopyItemClick();
        QVERIFY(loaded->PasteItem->isEnabled());
        fresh->PasteItemClick();
        fresh->PasteItemClick();
        QCOMPARE(PosNos(fresh), QStringList({"1", "002"}));
        QCOMPARE(fresh->Order().Position(0)->Name, QStringLiteral("edited"));
        QCOMPARE(fresh->Order().Position(0)->Order, &fresh->Order());

        // Save all: the new order through the dialog, the loaded one to its file.
        ChooseFile(Orders + QStringLiteral("/D-2.vfo370"));
        Main->SaveAllItemClick();
        QVERIFY(fresh->Saved());
        QVERIFY(loaded->Saved());
        QVERIFY(!fresh->IsNewOrder());
        TvxfOrder check;
        QVERIFY(check.LoadFromFile(Orders + QStringLiteral("/D-2.vfo370")));
        QCOMPARE(check.PositionCount(), 2);
        QVERIFY(!Main->SaveItem->isEnabled());
    }

    void aFileOfANewerVersionOpensNoWindow()
    {
        const QString file = WriteOrder(QStringLiteral("N-1"), {{"1", "a", 0, 1}});
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        const int at = int(bytes.indexOf("26.12.2019"));
        QVERIFY(at > 0);
        bytes.replace(at, 10, "01.02.2020");
        f.seek(0);
        f.write(bytes);
        f.close();
        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("OK")});
        auto* form = new TOrderForm(Main.get());
        // Such a window would hold an empty order and could save it over the file.
        QVERIFY(!form->LoadOrder(file));
        QCOMPARE(boxes.size(), 1);
        QVERIFY(Texts(boxes).at(0).startsWith(QStringLiteral("Вы пытаетесь открыть заказ, созданный более новой версией")));
        delete form;
    }

    void exportsAskFirst()
    {
        TOrderForm* form = Open(WriteOrder(QStringLiteral("X-1"), {{"1", "a", 0, 1}, {"2", "b", 0, 2}, {"3", "c", 0, 3}}));
        QVERIFY(form);
        QVERIFY(form->ServiceMenu->menuAction()->isVisible());
        QVERIFY(form->ExportXMLItem->isVisible());
        QVERIFY(!form->ExportTBMItem->isVisible());
        QVERIFY(!form->ExportVorneItem->isVisible());
        int exported = 0;
        TOrderForm::Hooks().ExportXML = [&](QWidget*, TvxfOrder& order) {
            QCOMPARE(&order, &form->Order());
            ++exported;
        };
        form->ListView->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("OK"), QStringLiteral("Отмена")});
        form->ExportXMLItem->trigger();
        QCOMPARE(exported, 0);
        AnswerBoxes(&boxes, {QStringLiteral("OK"), QStringLiteral("OK")});
        form->ExportXMLItem->trigger();
        QCOMPARE(exported, 1);
        QCOMPARE(Texts(boxes), QStringList({"Экспортировать данные в формат \"XML\"?",
                                            "Заказ включен в расчет не полностью!\nПродолжать работу с выборкой?",
                                            "Экспортировать данные в формат \"XML\"?",
                                            "Заказ включен в расчет не полностью!\nПродолжать работу с выборкой?"}));
        // With nothing active there is nothing to export, and nothing is asked.
        form->ListView->header()->sectionClicked(0);
        QCOMPARE(form->Order().ActiveCount(), 0);
        form->ExportXMLItem->trigger();
        QTest::qWait(50);
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(exported, 1);
    }

    void addFromFile()
    {
        const QString source = WriteOrder(QStringLiteral("E-1"), {{"7", "x", 0, 5}, {"8", "y", 1, 6}});
        TOrderForm* form = Open(WriteOrder(QStringLiteral("E-2"), {{"1", "z", 0, 1}}));
        QVERIFY(form);
        QList<TBoxSeen> boxes;
        ChooseFile(source);
        AnswerBoxes(&boxes, {QStringLiteral("OK"), QStringLiteral("Отмена")});
        form->MergeItemClick();
        QCOMPARE(PosNos(form), QStringList({"1", "7", "8"}));
        QCOMPARE(Column(form, 2), QStringList({"1000", "1000", "1000"}));
        QVERIFY(!form->Saved());
        // The deferred recalculation asks once the command has returned.
        QVERIFY(WaitFor([&] { return boxes.size() == 2; }));
        QCOMPARE(Texts(boxes), QStringList({"Для корректной работы необходимо пересчитать заказ!",
                                            "Пересчитать выделенные изделия с текущими установками?"}));
    }
};

QTEST_MAIN(TestOrderForm)
#include "test_orderform.moc"
