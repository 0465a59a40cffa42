#include "OrderWorkspace.h"
#include "app/MainForm.h"
#include "app/NumEdit.h"
#include "app/VXDialogInteraction.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "editing/ChangeFurnDlg.h"
#include "editing/OrderForm.h"
#include "editing/OrderPropDlg.h"
#include "editing/SetFurnDlg.h"
#include "editing/SimplePosPropDlg.h"
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurnComp.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QScrollBar>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace vx;
using namespace vxtest;

namespace {

// Opens the list and picks the row with the key by the keyboard, as a user does.
bool Choose(TFurnLookupCombo* combo, const QString& key)
{
    combo->showPopup();
    const int index = combo->findData(key);
    if (index < 0) {
        combo->hidePopup();
        QCoreApplication::processEvents();
        return false;
    }
    combo->view()->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    return combo->Key() == key && !combo->view()->isVisible();
}

// Types into a field as the user does.
void Type(TNumEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QStringList ItemTexts(const TvxfConstruction& pos)
{
    QStringList texts;
    for (const TvxfFlugel* sash : {pos.LeftFlugel.get(), pos.RightFlugel.get()})
        if (sash && sash->FurnComp)
            for (const auto& item : sash->FurnComp->Items)
                texts.append(QStringLiteral("%1 %2 %3 %4 %5").arg(item->Article).arg(item->Count).arg(item->Length)
                                 .arg(item->SideNo).arg(item->ComplectKey));
    return texts;
}

QByteArray BackupBytes(const TvxfConstruction& pos)
{
    TSpecStream s;
    pos.Backup(s);
    return s.Data();
}

// One position as the user enters it: the shape in the position dialog, then the fittings.
struct TPlanned {
    int Figure = 0;
    QString Width;          // typed over the default when given
    TShapeRecord Shape;     // as the dialog gave it
    TFurnChoice Choice;     // what the user picks, for the engine
};

} // namespace

class TestMainJob : public QObject, private TOrderWorkspace {
    Q_OBJECT

    std::unique_ptr<TTestInstallation> Inst;
    TDialogInteraction Dialogs;

    // New position through the main window: the position dialog, then the fittings dialog
    // where pick runs as the user.
    void AddPosition(TOrderForm* form, TPlanned& plan, std::function<void(TSetFurnDlg*)> pick)
    {
        auto picked = std::make_shared<bool>(false);
        OnModal<TSimplePosPropDlg>([&plan](TSimplePosPropDlg* d) {
            d->FigScroll->setValue(plan.Figure);
            if (!plan.Width.isEmpty())
                Type(d->WidthEdit, plan.Width);
            plan.Shape = d->ShapeRecord();
            d->accept();
        });
        OnModal<TSetFurnDlg>([picked, pick](TSetFurnDlg* d) {
            pick(d);
            *picked = true;
            if (d->isVisible())
                d->reject();
        });
        const int before = form->Order().PositionCount();
        Main->NewPosBut->trigger();
        QVERIFY(*picked);
        QCOMPARE(form->Order().PositionCount(), before + 1);
    }

    TFurnChoice BaseChoice(const TvxfOrder& order) const
    {
        TFurnChoice c;
        c.Color = order.FurnColor;
        c.Falz = order.FalzType;
        c.StulpType = order.StulpFalzType;
        c.OpenType = order.FlugelType;
        c.ProfWidth = Setup().DefProfWidth;
        c.Thickness = Setup().DefProfThickness;
        c.Left.Dorn = c.Right.Dorn = order.DornType;
        return c;
    }

    // The engine's result for the planned choice on a fresh position of the same shape.
    std::unique_ptr<TvxfConstruction> Engine(TvxfOrder& order, const TPlanned& plan)
    {
        auto pos = std::make_unique<TvxfConstruction>(&order);
        TPositionInput in;
        in.PosNo = QStringLiteral("000");
        in.Name = QStringLiteral("Окно");
        in.Shape = plan.Shape;
        BuildPosition(TNewPositionContext::OfOrder(order), in, *pos);
        pos->SetFittings(order.FurnSys, order.ProfSys, plan.Choice);
        return pos;
    }

private Q_SLOTS:
    void init()
    {
        Inst = std::make_unique<TTestInstallation>(QStringList{QStringLiteral("Демо")}, false);
        const QString catalog = Inst->ConfigDir(QStringLiteral("Демо")) + QStringLiteral("/catalog");
        QVERIFY(QDir(catalog).removeRecursively());
        CreateDemoCatalog(catalog);
        QVERIFY(StartWorkspace(QStringLiteral("Демо"), &Dialogs));
    }

    void cleanup()
    {
        StopWorkspace();
        Inst.reset();
    }

    // A new order priced on the demo catalog through the real windows, saved, opened again and
    // held against the fittings engine.
    void newOrderToSavedFile()
    {
        // The new order opens its properties by itself.
        OnModal<TOrderPropDlg>([](TOrderPropDlg* d) {
            d->OrderNoEdit->setText(QStringLiteral("Д-101"));
            d->CustomerEdit->setText(QStringLiteral("Петров"));
            d->accept();
        });
        Main->NewOrderItemClick();
        auto* form = qobject_cast<TOrderForm*>(Main->ActiveChildWidget());
        QVERIFY(form);
        QVERIFY(WaitFor([&] { return form->Order().OrderNo == QStringLiteral("Д-101"); }));
        QCOMPARE(form->Order().Customer, QStringLiteral("Петров"));
        QCOMPARE(form->Order().FurnSys, QStringLiteral("110"));
        TvxfOrder& order = form->Order();

        // One sash, tilt-turn with the order's handle.
        TPlanned one;
        one.Width = QStringLiteral("1000");
        one.Choice = BaseChoice(order);
        one.Choice.Left.Components.Complect = QStringLiteral("VK-PO-L");
        one.Choice.Left.Components.Hinge = QStringLiteral("VK-HINGE");
        one.Choice.Left.Components.Handle = QStringLiteral("VK-HANDLE");
        one.Choice.Left.Props = {QStringLiteral("0=1051"), QStringLiteral("1=1011")};
        AddPosition(form, one, [](TSetFurnDlg* d) {
            QCOMPARE(d->HandleCombo->Key(), QStringLiteral("VK-HANDLE"));
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-PO-L")));
            QVERIFY(Choose(d->HingeCombo, QStringLiteral("VK-HINGE")));
            d->OkBut->click();
        });
        if (QTest::currentTestFailed())
            return;

        // Two sashes, main right: a new position takes the order's stulp type, which the user
        // sets to the stulp with the main sash on the right before the complects.
        TPlanned stulp;
        stulp.Figure = 1;
        stulp.Width = QStringLiteral("1400");
        stulp.Choice = BaseChoice(order);
        stulp.Choice.StulpType = 302;
        stulp.Choice.Right.Components.Complect = QStringLiteral("VK-ST-M21");
        stulp.Choice.Right.Components.Hinge = QStringLiteral("VK-HINGE");
        stulp.Choice.Right.Components.Handle = QStringLiteral("VK-HANDLE");
        stulp.Choice.Right.Props = {QStringLiteral("0=1051"), QStringLiteral("1=1011")};
        stulp.Choice.Left.Components.Complect = QStringLiteral("VK-ST-P12");
        stulp.Choice.Left.Components.Hinge = QStringLiteral("VK-HINGE");
        const QString orderStulp = QString::number(order.StulpFalzType);
        AddPosition(form, stulp, [orderStulp](TSetFurnDlg* d) {
            QCOMPARE(d->StulpTypeCombo->Key(), orderStulp);
            QVERIFY(Choose(d->StulpTypeCombo, QStringLiteral("302")));
            QVERIFY(d->RightFlugelRadio->isChecked());
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-ST-M21")));
            QVERIFY(Choose(d->HingeCombo, QStringLiteral("VK-HINGE")));
            d->LeftFlugelRadio->click();
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-ST-P12")));
            QVERIFY(Choose(d->HingeCombo, QStringLiteral("VK-HINGE")));
            d->OkBut->click();
        });
        if (QTest::currentTestFailed())
            return;

        // An arch with the defaults of the position dialog.
        TPlanned arch;
        arch.Figure = 7;
        arch.Choice = BaseChoice(order);
        arch.Choice.Left.Components.Complect = QStringLiteral("VK-ARCH-L");
        arch.Choice.Left.Components.Hinge = QStringLiteral("VK-HINGE");
        arch.Choice.Left.Components.Handle = QStringLiteral("VK-HANDLE");
        arch.Choice.Left.Props = {QStringLiteral("0=1051"), QStringLiteral("1=1011")};
        AddPosition(form, arch, [](TSetFurnDlg* d) {
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-ARCH-L")));
            QVERIFY(Choose(d->HingeCombo, QStringLiteral("VK-HINGE")));
            d->OkBut->click();
        });
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(order.PositionCount(), 3);
        QCOMPARE(form->ListView->topLevelItemCount(), 3);
        QCOMPARE(int(order.Position(1)->Layout), 1);
        QCOMPARE(order.Position(1)->StulpType, 302);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(order.Position(i)->Cost > TMoney(), qPrintable(order.Position(i)->PosNo));

        // Edit and add an article by hand: it stays after OK and counts in the cost.
        form->SelectRow(0);
        const QString handRow = form->ListView->topLevelItem(0)->text(7);
        const TMoney oneCost = order.Position(0)->Cost;
        bool added = false;
        OnModal<TSetFurnDlg>([&](TSetFurnDlg* d) {
            d->PageControl->setCurrentIndex(2);
            OnModal<TChangeFurnDlg>([](TChangeFurnDlg* c) {
                c->ArticleEdit->setText(QStringLiteral("UN-6001"));
                c->NumEdit->SetAsInteger(3);
                c->CommentEdit->setText(QStringLiteral("вручную"));
                c->accept();
            });
            d->AddArticleBut->click();
            added = d->NoRecalcCheck->isChecked();
            d->OkBut->click();
        });
        Main->EditPosBut->trigger();
        QVERIFY(added);
        QVERIFY(order.Position(0)->Cost > oneCost);
        QVERIFY(ItemTexts(*order.Position(0)).contains(QStringLiteral("UN-6001 3 0 0 ")));
        QVERIFY(form->ListView->topLevelItem(0)->text(7) != handRow);

        // Euros in the properties: the window warns and recalculates the order after asking.
        QList<TMoney> costs;
        for (int i = 0; i < order.PositionCount(); ++i)
            costs.append(order.Position(i)->Cost);
        QList<TBoxSeen> boxes;
        AnswerBoxes(&boxes, {QStringLiteral("OK"), QStringLiteral("OK")});
        OnModal<TOrderPropDlg>([](TOrderPropDlg* d) {
            QCOMPARE(d->OrderNoEdit->text(), QStringLiteral("Д-101"));
            d->PageControl->setCurrentWidget(d->TS_5);
            d->CurrencyCombo->setCurrentIndex(d->CurrencyCombo->findText(QStringLiteral("EUR")));
            d->accept();
        });
        form->PropertyItem->trigger();
        QVERIFY(WaitFor([&] { return boxes.size() == 2; }));
        QCOMPARE(Texts(boxes), QStringList({QStringLiteral("Были изменены настройки, влияющие на цену изделий.\nДля корректной "
                                                    "работы необходимо пересчитать заказ!"),
                                     QStringLiteral("Пересчитать выделенные изделия с текущими установками?")}));
        QCOMPARE(order.Currency, 2);
        for (int i = 0; i < order.PositionCount(); ++i) {
            QVERIFY(order.Position(i)->Cost < costs.at(i));
            costs[i] = order.Position(i)->Cost;
        }
        QVERIFY(ItemTexts(*order.Position(0)).contains(QStringLiteral("UN-6001 3 0 0 ")));

        // Save as into the orders directory.
        const QString file = Orders + QStringLiteral("/Д-101.vfo370");
        ChooseFile(file);
        Main->SaveAsItemClick();
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(form->Saved());
        QVERIFY(!form->IsNewOrder());

        // Edit and Cancel, after the specification page resolved another choice: the saved order
        // stays as it was.
        QList<QByteArray> before;
        for (int i = 0; i < order.PositionCount(); ++i)
            before.append(BackupBytes(*order.Position(i)));
        const QString rowText = form->ListView->topLevelItem(0)->text(7);
        form->SelectRow(0);
        bool cancelled = false;
        OnModal<TSetFurnDlg>([&](TSetFurnDlg* d) {
            QCOMPARE(d->ComplectCombo->Key(), QStringLiteral("VK-PO-L"));
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-PO-R")));
            d->PageControl->setCurrentIndex(2);
            QVERIFY(d->ItemListView->topLevelItemCount() > 0);
            d->CancelBut->click();
            cancelled = true;
        });
        Main->EditPosBut->trigger();
        QVERIFY(cancelled);
        QCOMPARE(order.PositionCount(), 3);
        for (int i = 0; i < order.PositionCount(); ++i)
            QCOMPARE(BackupBytes(*order.Position(i)), before.at(i));
        QCOMPARE(form->ListView->topLevelItem(0)->text(7), rowText);
        QVERIFY(form->Saved());

        Main->CloseItem->trigger();
        QVERIFY(WaitFor([&] { return !Main->CloseItem->isEnabled(); }));

        // Opened again: positions and prices as the engine gives them for the same choices.
        ChooseFile(file);
        Main->OpenItemClick(-1);
        auto* reopened = qobject_cast<TOrderForm*>(Main->ActiveChildWidget());
        QVERIFY(reopened);
        TvxfOrder& loaded = reopened->Order();
        QCOMPARE(loaded.OrderNo, QStringLiteral("Д-101"));
        QCOMPARE(loaded.Customer, QStringLiteral("Петров"));
        QCOMPARE(loaded.PositionCount(), 3);
        QCOMPARE(reopened->ListView->topLevelItemCount(), 3);
        const TPlanned* plans[] = {&one, &stulp, &arch};
        for (int i = 0; i < 3; ++i) {
            const TvxfConstruction& saved = *loaded.Position(i);
            QCOMPARE(saved.PosNo, QString::asprintf("%.3d", i + 1));
            QCOMPARE(int(saved.Layout), int(TvxfConstruction::LayoutOfFigure(plans[i]->Shape.Figure)));
            auto engine = Engine(loaded, *plans[i]);
            QVERIFY(engine->Cost > TMoney());
            if (i == 0) {
                // The engine's items and the hand-added one after them.
                engine->LeftFlugel->FurnComp->AddItem(QStringLiteral("UN-6001"), QString(), QString(), true, 0,
                                                      QStringLiteral("вручную"), 3, 0);
                engine->RecomputeCosts();
            }
            QCOMPARE(ItemTexts(saved), ItemTexts(*engine));
            QCOMPARE(saved.Cost, engine->Cost);
        }
        QCOMPARE(loaded.Position(0)->Cost, costs.at(0));
    }
};

QTEST_MAIN(TestMainJob)
#include "test_mainjob.moc"
