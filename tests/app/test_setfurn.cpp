#include "GuiTestSupport.h"
#include "app/NumEdit.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "editing/ChangeFurnDlg.h"
#include "editing/SelectComplectDlg.h"
#include "editing/SetFurnDlg.h"
#include "editing/VXFittingsApply.h"
#include "editing/VXOrderEditing.h"
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace vx;
using namespace vxtest;

namespace {

struct TCloser {
    QDialog* Dialog;
    ~TCloser()
    {
        if (Dialog->isVisible())
            Dialog->reject();
    }
};

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

} // namespace

class TestSetFurn : public QObject {
    Q_OBJECT

    QTemporaryDir Temp;
    std::unique_ptr<TvxfSetup> Settings;
    std::unique_ptr<TDM> Module;
    TScriptedInteraction Script;
    std::unique_ptr<TScopedUI> ScopedUI;
    std::unique_ptr<TvxfOrder> Order;
    std::unique_ptr<TSetFurnDlg> Dlg;

    std::unique_ptr<TvxfConstruction> NewPosition(int figure, int width, int height, std::optional<double> hx = {},
                                                  std::optional<int32_t> hy = {}, std::optional<double> radius = {},
                                                  int objType = 0)
    {
        auto pos = std::make_unique<TvxfConstruction>(Order.get());
        TPositionInput in;
        in.PosNo = QStringLiteral("001");
        in.Name = QStringLiteral("Окно");
        in.ObjType = uint8_t(objType);
        TShapeInput shape;
        shape.Figure = figure;
        shape.Width = width;
        shape.Height = height;
        shape.HX = hx;
        shape.HY = hy;
        shape.Radius = radius;
        in.Shape = CompleteShape(shape, objType);
        BuildPosition(TNewPositionContext::OfOrder(*Order), in, *pos);
        return pos;
    }

    void Open(TvxfConstruction* pos)
    {
        Dlg = std::make_unique<TSetFurnDlg>();
        Dlg->Prepare(pos);
        Dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(Dlg.get()));
    }

    // The keys a list offers when it opens; it closes again unchanged.
    static QStringList Offered(TFurnLookupCombo* combo)
    {
        combo->showPopup();
        QStringList keys;
        for (int i = 0; i < combo->count(); ++i)
            keys.append(combo->itemData(i).toString());
        combo->hidePopup();
        QCoreApplication::processEvents();
        keys.sort();
        return keys;
    }

    // Opens the list and picks the row with the key by the keyboard, as a user does.
    static bool Choose(TFurnLookupCombo* combo, const QString& key)
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

    QComboBox* PropValues(int category, const QString& caption)
    {
        QTreeWidgetItem* cat = Dlg->DI->topLevelItem(category);
        for (int i = 0; i < cat->childCount(); ++i)
            if (cat->child(i)->text(0) == caption)
                return qobject_cast<QComboBox*>(Dlg->DI->itemWidget(cat->child(i), 1));
        return nullptr;
    }

    // The engine's own result for a choice, on a fresh position of the same shape.
    TMoney EngineCost(std::unique_ptr<TvxfConstruction> pos, const TFurnChoice& choice, QStringList* items = nullptr)
    {
        ApplyFittings(*pos, QStringLiteral("110"), pos->ProfSys, choice);
        if (items)
            *items = ItemTexts(*pos);
        return pos->Cost;
    }

    TFurnChoice BaseChoice()
    {
        TFurnChoice c;
        c.Color = Order->FurnColor;
        c.Falz = Order->FalzType;
        c.StulpType = Order->StulpFalzType;
        c.OpenType = Order->FlugelType;
        c.ProfWidth = Setup().DefProfWidth;
        c.Thickness = Setup().DefProfThickness;
        c.Left.Dorn = c.Right.Dorn = Order->DornType;
        return c;
    }

    void Shot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("VALTRIX_SHOTS");
        if (!dir.isEmpty())
            Dlg->grab().save(dir + QLatin1Char('/') + name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString catalog = Temp.path() + QStringLiteral("/catalog");
        CreateDemoCatalog(catalog);
        Settings = std::make_unique<TvxfSetup>(catalog + QStringLiteral("/VXFurniture.ini"));
        SetSetup(Settings.get());
        Module = std::make_unique<TDM>();
        SetDM(Module.get());
        Module->ConnectCatalog(catalog);
        QVERIFY(Module->OpenCatalog());
        ScopedUI = std::make_unique<TScopedUI>(&Script);
    }

    void cleanupTestCase()
    {
        ScopedUI.reset();
        SetDM(nullptr);
        Module.reset();
        SetSetup(nullptr);
        Settings.reset();
    }

    void init()
    {
        Script.clear();
        Order = std::make_unique<TvxfOrder>();
        SetNewOrderDefaults(*Order);
        PublishOrderContext(*Order);
    }

    void cleanup()
    {
        Dlg.reset();
        Order.reset();
    }

    // One sash: lists, a property, a handle height and an additional complect, then the
    // specification page against the engine's result for the same choice.
    void oneSashWindow()
    {
        auto pos = NewPosition(0, 1000, 1400);
        Open(pos.get());
        QCOMPARE(Dlg->windowTitle(), QStringLiteral("Фурнитура"));
        QVERIFY(!Dlg->LeftFlugelRadio->isEnabled() && !Dlg->LeftFlugelRadio->isChecked());
        QVERIFY(!Dlg->RightFlugelRadio->isChecked());
        QVERIFY(!Dlg->LatchCombo->isEnabled());
        QCOMPARE(Dlg->FurnSysCombo->Key(), QStringLiteral("110"));
        QCOMPARE(Dlg->HandleCombo->Key(), QStringLiteral("VK-HANDLE"));
        QCOMPARE(Dlg->FalzSizeLab->text(), QStringLiteral("1000 x 1400"));
        QCOMPARE(Offered(Dlg->ComplectCombo), (QStringList{"VK-P-L", "VK-P-R", "VK-PO-L", "VK-PO-R"}));
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-PO-L")));
        QVERIFY(Choose(Dlg->HingeCombo, QStringLiteral("VK-HINGE")));
        QVERIFY(Dlg->DI->topLevelItem(0)->isExpanded());
        QVERIFY(Dlg->DI->topLevelItem(1)->isExpanded());
        QVERIFY(!Dlg->DI->topLevelItem(2)->isExpanded());
        QComboBox* airing = PropValues(0, QStringLiteral("Щелевое проветривание"));
        QVERIFY(airing);
        QCOMPARE(airing->currentText(), QStringLiteral("Без проветривания"));
        airing->setCurrentIndex(airing->findText(QStringLiteral("С проветриванием")));

        Dlg->UserDefineHeightCheck->click();
        QVERIFY(Dlg->UserDefineHeightEdit->isEnabled());
        QCOMPARE(Dlg->UserDefineHeightEdit->AsInteger(), 700);
        Dlg->UserDefineHeightEdit->SetAsInteger(650);
        Q_EMIT Dlg->UserDefineHeightEdit->editingFinished();
        QCOMPARE(Dlg->Preview()->LeftFlugel->FurnComp->Complect, QStringLiteral("VK-PO-L"));

        Dlg->PageControl->setCurrentIndex(1);
        OnModal<TSelectComplectDlg>([](TSelectComplectDlg* d) {
            TCloser closer{d};
            const QString name = ComplectName(QStringLiteral("VK-X-OGR"));
            for (int r = 0; r < d->Model->rowCount(); ++r)
                for (int c = 0; c < d->Model->columnCount(); ++c)
                    if (d->Model->index(r, c).data().toString() == name) {
                        d->Grid->SelectRow(r);
                        d->accept();
                        return;
                    }
        });
        Dlg->AddComplectBut->click();
        QCOMPARE(Dlg->ComplectListView->topLevelItemCount(), 1);
        QCOMPARE(Dlg->SashChoice(false).ExtraComplects, QStringList{QStringLiteral("VK-X-OGR")});
        QVERIFY(Dlg->DopCompExistsLab->isVisible());
        Shot(QStringLiteral("setfurn-2.png"));

        Dlg->PageControl->setCurrentIndex(2);
        QCOMPARE(Dlg->PageControl->currentIndex(), 2);
        QVERIFY(Script.Shown.isEmpty());
        QCOMPARE(Dlg->SashChoice(false).Props, (QStringList{"0=1052", "1=1011"}));

        TFurnChoice c = BaseChoice();
        c.Left.Components.Complect = QStringLiteral("VK-PO-L");
        c.Left.Components.Handle = QStringLiteral("VK-HANDLE");
        c.Left.Components.Hinge = QStringLiteral("VK-HINGE");
        c.Left.Props = {QStringLiteral("0=1052"), QStringLiteral("1=1011")};
        c.Left.HeightUserDefined = true;
        c.Left.UserHandleHeight = 650;
        c.Left.ExtraComplects = {QStringLiteral("VK-X-OGR")};
        QStringList engineItems;
        const TMoney engineCost = EngineCost(NewPosition(0, 1000, 1400), c, &engineItems);
        QCOMPARE(ItemTexts(*pos), engineItems);
        QCOMPARE(pos->Cost, engineCost);
        QCOMPARE(Dlg->ItemListView->topLevelItemCount(), int(engineItems.size()));
        QCOMPARE(Dlg->ItemListView->topLevelItem(0)->text(0), QStringLiteral("1."));
        TMoney total;
        for (const auto& item : pos->LeftFlugel->FurnComp->Items)
            total += ArticlePrice(item->Article) * TMoney::FromInt(item->Count);
        QCOMPARE(Dlg->CostPanel->text(), total.toString(4, QLatin1Char(',')));
        Shot(QStringLiteral("setfurn-3.png"));
        Dlg->OkBut->click();
        QCOMPARE(Dlg->result(), int(QDialog::Accepted));

        // Opened again, the dialog shows the choice as it was stored.
        Open(pos.get());
        QCOMPARE(Dlg->ComplectCombo->Key(), QStringLiteral("VK-PO-L"));
        QVERIFY(Dlg->UserDefineHeightCheck->isChecked());
        QCOMPARE(Dlg->UserDefineHeightEdit->AsInteger(), 650);
        QCOMPARE(PropValues(0, QStringLiteral("Щелевое проветривание"))->currentText(),
                 QStringLiteral("С проветриванием"));
        QCOMPARE(Dlg->ComplectListView->topLevelItemCount(), 1);
        QVERIFY(Dlg->DopCompExistsLab->isVisible());
    }

    // Two sashes, main right: the switch, both choices, the missing-complect errors and the
    // engine's result for the same choices.
    void stulpWindow()
    {
        auto pos = NewPosition(1, 1400, 1600, 700, 700);
        QCOMPARE(int(pos->Layout), 1);
        Open(pos.get());
        QVERIFY(Dlg->RightFlugelRadio->isChecked());
        QCOMPARE(Dlg->RightFlugelRadio->text(), QStringLiteral("Правая створка (Главная)"));
        QCOMPARE(Dlg->LeftFlugelRadio->text(), QStringLiteral("Левая створка"));
        QVERIFY(Dlg->LatchCombo->isEnabled());
        QCOMPARE(Offered(Dlg->ComplectCombo), QStringList{QStringLiteral("VK-ST-M21")});
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-ST-M21")));
        QVERIFY(Choose(Dlg->HingeCombo, QStringLiteral("VK-HINGE")));
        QComboBox* handleKind = PropValues(1, QStringLiteral("Исполнение ручки"));
        QVERIFY(handleKind);
        handleKind->setCurrentIndex(1);

        Dlg->OkBut->click();
        QCOMPARE(Script.texts(), QStringList{QStringLiteral("Не указан левый комплект фурнитуры!")});
        QVERIFY(Dlg->isVisible());
        QVERIFY(!pos->RightFlugel->FurnComp);

        Dlg->LeftFlugelRadio->click();
        QVERIFY(!Dlg->CurrentIsRight() && !Dlg->RightFlugelRadio->isChecked());
        QVERIFY(Dlg->ComplectCombo->Key().isEmpty());
        QCOMPARE(Offered(Dlg->ComplectCombo), QStringList{QStringLiteral("VK-ST-P12")});
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-ST-P12")));
        QVERIFY(Choose(Dlg->HingeCombo, QStringLiteral("VK-HINGE")));
        Dlg->RightFlugelRadio->click();
        QCOMPARE(Dlg->ComplectCombo->Key(), QStringLiteral("VK-ST-M21"));
        QCOMPARE(PropValues(1, QStringLiteral("Исполнение ручки"))->currentIndex(), 1);

        // The Delete key empties the main complect of the right sash.
        Dlg->ComplectCombo->setFocus();
        QTest::keyClick(Dlg->ComplectCombo, Qt::Key_Delete);
        Script.clear();
        Dlg->OkBut->click();
        QCOMPARE(Script.texts(), QStringList{QStringLiteral("Не указан правый комплект фурнитуры!")});
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-ST-M21")));
        QCOMPARE(PropValues(1, QStringLiteral("Исполнение ручки"))->currentIndex(), 1);
        Shot(QStringLiteral("setfurn-1.png"));

        // The specification page: the left sash's items, an empty row, the right sash's items.
        Script.clear();
        Dlg->PageControl->setCurrentIndex(2);
        QVERIFY(Script.Shown.isEmpty());
        const int leftItems = int(pos->LeftFlugel->FurnComp->Items.size());
        QCOMPARE(Dlg->ItemListView->topLevelItemCount(),
                 leftItems + 1 + int(pos->RightFlugel->FurnComp->Items.size()));
        QVERIFY(Dlg->ItemListView->topLevelItem(leftItems)->text(0).isEmpty());
        QCOMPARE(Dlg->ItemListView->topLevelItem(leftItems + 1)->text(0), QStringLiteral("1."));
        Shot(QStringLiteral("setfurn-3-two-sashes.png"));

        Dlg->OkBut->click();
        QVERIFY(Script.Shown.isEmpty());
        QCOMPARE(Dlg->result(), int(QDialog::Accepted));
        TFurnChoice c = BaseChoice();
        c.Right.Components = {QStringLiteral("VK-ST-M21"), QStringLiteral("VK-HINGE"), QStringLiteral("VK-HANDLE")};
        c.Right.Props = {QStringLiteral("0=1051"), QStringLiteral("1=1012")};
        c.Left.Components.Complect = QStringLiteral("VK-ST-P12");
        c.Left.Components.Hinge = QStringLiteral("VK-HINGE");
        QCOMPARE(Dlg->SashChoice(true).Props, c.Right.Props);
        QStringList engineItems;
        QCOMPARE(pos->Cost, EngineCost(NewPosition(1, 1400, 1600, 700, 700), c, &engineItems));
        QCOMPARE(ItemTexts(*pos), engineItems);
    }

    // An arch gets the arch complects only; the sketch copy follows the choice.
    void arch()
    {
        auto pos = NewPosition(7, 1200, 1800, 600, {}, 600);
        Open(pos.get());
        QCOMPARE(Offered(Dlg->ComplectCombo), (QStringList{"VK-ARCH-L", "VK-ARCH-R"}));
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-ARCH-L")));
        QVERIFY(Choose(Dlg->HingeCombo, QStringLiteral("VK-HINGE")));
        QCOMPARE(Dlg->Preview()->LeftFlugel->FurnComp->Complect, QStringLiteral("VK-ARCH-L"));
        QVERIFY(!pos->LeftFlugel->FurnComp);
        Dlg->OkBut->click();
        QVERIFY(Script.Shown.isEmpty());
        QCOMPARE(pos->LeftFlugel->FurnComp->Complect, QStringLiteral("VK-ARCH-L"));
        QVERIFY(pos->Cost > TMoney());
    }

    // A door: the door groups, and a lever set of group 34 limits the locks and clears the one chosen.
    void doorLocksFollowTheHandle()
    {
        auto pos = NewPosition(0, 1000, 2200, {}, {}, {}, 1);
        Open(pos.get());
        // Group 12 (tilt-turn, also balcony doors) is offered with the door complects.
        QCOMPARE(Offered(Dlg->ComplectCombo), (QStringList{"DR-MAIN-L", "DR-MAIN-R", "VK-PO-L", "VK-PO-R"}));
        QVERIFY(Choose(Dlg->HandleCombo, QStringLiteral("DR-HS92")));
        QVERIFY(Choose(Dlg->LockCombo, QStringLiteral("DR-LKM")));
        QVERIFY(Dlg->DI->topLevelItem(3)->isExpanded());
        QVERIFY(Choose(Dlg->HandleCombo, QStringLiteral("DR-HR85")));
        QVERIFY(Dlg->LockCombo->Key().isEmpty());
        QVERIFY(!Dlg->DI->topLevelItem(3)->isExpanded());
        QCOMPARE(Offered(Dlg->LockCombo), (QStringList{"DR-LATCH", "DR-LK85", "DR-ROLL"}));
    }

    // A hand-added article turns recalculation off and survives OK; the costs count it.
    void handAddedArticleKeptOnOk()
    {
        auto pos = NewPosition(0, 1000, 1400);
        Open(pos.get());
        QVERIFY(Choose(Dlg->ComplectCombo, QStringLiteral("VK-PO-R")));
        Dlg->PageControl->setCurrentIndex(2);
        const TMoney before = pos->Cost;
        const int rows = Dlg->ItemListView->topLevelItemCount();
        OnModal<TChangeFurnDlg>([](TChangeFurnDlg* d) {
            TCloser closer{d};
            d->ArticleEdit->setText(QStringLiteral("UN-6001"));
            d->NumEdit->SetAsInteger(3);
            d->CommentEdit->setText(QStringLiteral("вручную"));
            d->accept();
        });
        Dlg->AddArticleBut->click();
        QVERIFY(Dlg->NoRecalcCheck->isChecked());
        QCOMPARE(Dlg->ItemListView->topLevelItemCount(), rows + 1);
        // Deleting an engine row takes it out of the complect; leaving and entering the page keeps
        // the hand edits.
        const size_t items = pos->LeftFlugel->FurnComp->Items.size();
        Dlg->ItemListView->setCurrentItem(Dlg->ItemListView->topLevelItem(0));
        Dlg->DeleteArticleBut->click();
        QCOMPARE(pos->LeftFlugel->FurnComp->Items.size(), items - 1);
        Dlg->PageControl->setCurrentIndex(0);
        Dlg->PageControl->setCurrentIndex(2);
        QCOMPARE(Dlg->ItemListView->topLevelItemCount(), rows);
        Dlg->OkBut->click();
        QCOMPARE(Dlg->result(), int(QDialog::Accepted));
        const TvxfFurnItem* hand = nullptr;
        for (const auto& item : pos->LeftFlugel->FurnComp->Items)
            if (item->Note == QStringLiteral("вручную"))
                hand = item.get();
        QVERIFY(hand);
        QCOMPARE(hand->Article, QStringLiteral("UN-6001"));
        QCOMPARE(hand->Count, 3);
        QVERIFY(hand->ComplectKey.isEmpty());
        QVERIFY(pos->Cost > before);
    }

    // Cancel after the specification page resolved the choice leaves the position as it was;
    // OK without a complect is refused; no position is refused.
    void cancelAndMissingComplect()
    {
        auto pos = NewPosition(0, 1000, 1400);
        const QByteArray before = BackupBytes(*pos);
        OnModal<TSetFurnDlg>([this](TSetFurnDlg* d) {
            TCloser closer{d};
            d->OkBut->click();
            QCOMPARE(Script.texts(), QStringList{QStringLiteral("Не указан комплект фурнитуры!")});
            QVERIFY(d->isVisible());
            QVERIFY(Choose(d->ComplectCombo, QStringLiteral("VK-PO-L")));
            d->PageControl->setCurrentIndex(2);
            QVERIFY(d->ItemListView->topLevelItemCount() > 0);
            d->CancelBut->click();
        });
        QVERIFY(!ExecuteSetFurn(nullptr, pos.get()));
        QCOMPARE(BackupBytes(*pos), before);
        QVERIFY(!pos->LeftFlugel->FurnComp);

        Script.clear();
        QVERIFY(!ExecuteSetFurn(nullptr, nullptr));
        QCOMPARE(Script.texts(), QStringList{QStringLiteral("Указатель на текущий объект = nil!")});
    }
};

QTEST_MAIN(TestSetFurn)
#include "test_setfurn.moc"
