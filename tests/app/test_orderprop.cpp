#include "GuiTestSupport.h"
#include "app/NumEdit.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "db/VXSchema.h"
#include "editing/OrderPropDlg.h"
#include "editing/VXOrderSaving.h"
#include "engine/VXFService.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace vx;
using namespace vxtest;

namespace {

// Closes a dialog left open by a failed check, so that the test goes on.
struct TCloser {
    QDialog* Dialog;
    ~TCloser()
    {
        if (Dialog->isVisible())
            Dialog->reject();
    }
};

QStringList Keys(TLookupCombo* combo)
{
    QStringList keys;
    for (int i = 0; i < combo->count(); ++i)
        keys << combo->itemData(i).toString();
    return keys;
}

QStringList RateTexts(QTreeWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0) + QLatin1Char('=') + list->topLevelItem(i)->text(1);
    return texts;
}

} // namespace

class TestOrderProp : public QObject {
    Q_OBJECT

    QTemporaryDir Temp;
    std::unique_ptr<TvxfSetup> Settings;
    std::unique_ptr<TDM> Module;
    TScriptedInteraction Script;
    std::unique_ptr<TScopedUI> ScopedUI;
    std::unique_ptr<TvxfOrder> Order;

    void Register(const QString& no, QDate date)
    {
        TTable& t = DM().T_OrderList;
        t.Open();
        t.Append();
        t.FieldByName(QStringLiteral("No"))->SetAsString(no);
        t.FieldByName(QStringLiteral("RegDate"))->SetAsDateTime(TDateTime::FromDate(date));
        t.Post();
        t.Close();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString catalog = Temp.path() + QStringLiteral("/catalog");
        CreateDemoCatalog(catalog);
        Settings = std::make_unique<TvxfSetup>(Temp.path() + QStringLiteral("/absent.ini"));
        SetSetup(Settings.get());
        Module = std::make_unique<TDM>();
        SetDM(Module.get());
        Module->ConnectCatalog(catalog);
        QVERIFY(Module->OpenCatalog());
        QDir().mkpath(Temp.path() + QStringLiteral("/registry"));
        Module->ConnectRegistry(Temp.path() + QStringLiteral("/registry"));
        EnsureSchema(Module->DB_Registry, Alias::Registry);
        RunPaths().OrdersDir = Temp.path() + QStringLiteral("/orders");
        QDir().mkpath(RunPaths().OrdersDir);
        ScopedUI = std::make_unique<TScopedUI>(&Script);
        Register(QStringLiteral("A-7"), QDate(2024, 3, 5));
        Register(QStringLiteral("B-2"), QDate(2023, 11, 30));
    }

    void cleanupTestCase()
    {
        ScopedUI.reset();
        SetDM(nullptr);
        Module.reset();
        SetSetup(nullptr);
        Settings.reset();
        RunPaths().Clear();
    }

    void init()
    {
        Script.clear();
        Order = std::make_unique<TvxfOrder>();
        Order->OrderNo = QStringLiteral("A-7");
        Order->Customer = QStringLiteral("Иванов");
        Order->RegDate = TDateTime::FromDate(QDate(2024, 3, 5));
        Order->FurnSys = QStringLiteral("110");
        Order->ProfSys = QStringLiteral("V70");
        Order->Handle = QStringLiteral("VK-HANDLE");
        Order->Material = 1;
        Order->NDSTax = 18;
        Order->Currency = 1;
        LoadRates(Order->Rates);
    }

    // OK without changes never finds the order's own registered number; only the customer
    // changed is no price-relevant change.
    void okWithoutChangesAndCustomerOnly()
    {
        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            QCOMPARE(d->windowTitle(), QStringLiteral("Заказ"));
            QCOMPARE(d->PageControl->currentWidget(), d->TS_1);
            QCOMPARE(d->OrderNoEdit->text(), QStringLiteral("A-7"));
            QCOMPARE(d->RegDateEdit->date(), QDate(2024, 3, 5));
            QCOMPARE(d->FurnSysEdit->currentText(), SystemName(QStringLiteral("110")));
            d->CustomerEdit->setText(QStringLiteral("  Петров "));
            d->accept();
        });
        bool priceChanged = true;
        QVERIFY(ExecuteOrderProp(nullptr, *Order, priceChanged));
        QVERIFY(Script.Shown.isEmpty());
        QVERIFY(!priceChanged);
        QCOMPARE(Order->Customer, QStringLiteral("Петров"));
        QCOMPARE(Order->OrderNo, QStringLiteral("A-7"));
        QCOMPARE(Order->Handle, QStringLiteral("VK-HANDLE"));
        QCOMPARE(Order->RateCount(), 3);
        QCOMPARE(Setup().DefFurnSys, QStringLiteral("110"));
    }

    // A number registered in any letter case keeps the dialog open with a warning; Cancel writes
    // nothing.
    void numberValidation()
    {
        Setup().DefHandle = QStringLiteral("before");
        QStringList warnings;
        bool stayedOpen = true;
        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            d->PageControl->setCurrentWidget(d->TS_2);
            d->OrderNoEdit->setText(QStringLiteral("b-2"));
            d->accept();
            stayedOpen = stayedOpen && d->isVisible() && d->PageControl->currentWidget() == d->TS_1;
            d->OrderNoEdit->setText(QStringLiteral(" "));
            d->accept();
            stayedOpen = stayedOpen && d->isVisible();
            warnings = Script.texts();
            d->reject();
        });
        bool priceChanged = false;
        QVERIFY(!ExecuteOrderProp(nullptr, *Order, priceChanged));
        QVERIFY(stayedOpen);
        QCOMPARE(warnings, QStringList({QStringLiteral("Заказ с номером b-2 был зарегистрирован 30.11.2023!\r\n"
                                                       "Укажите другой номер заказа."),
                                        QStringLiteral("Не указан номер заказа!")}));
        QCOMPARE(Order->OrderNo, QStringLiteral("A-7"));
        QCOMPARE(Setup().DefHandle, QStringLiteral("before"));

        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            d->OrderNoEdit->setText(QStringLiteral("C-3"));
            d->accept();
        });
        QVERIFY(ExecuteOrderProp(nullptr, *Order, priceChanged));
        QCOMPARE(Order->OrderNo, QStringLiteral("C-3"));
    }

    // The in-place editor: Enter keeps the value, Escape the previous rate; the current rates come
    // back from the table with the opening currency selected; currency and VAT are price-relevant.
    void ratesAndCurrency()
    {
        Order->Currency = 2;
        Order->Rate(1)->Rate = 100;
        QStringList afterEnter, afterEscape, afterReset;
        int comboAfterReset = -2;
        bool editorShown = false, editorAtCell = false;
        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            d->PageControl->setCurrentWidget(d->TS_5);
            QCOMPARE(d->CurrencyCombo->currentIndex(), 1);
            QTreeWidgetItem* eur = d->ListView->topLevelItem(1);
            d->ListView->setFocus();
            d->ListView->setCurrentItem(eur);
            QTest::keyClick(d->ListView, Qt::Key_Return);
            editorShown = d->RateEdit->isVisible() && d->RateEditing();
            editorAtCell = d->RateEdit->x() == d->ListView->columnWidth(0) + 2
                           && d->RateEdit->y() == d->ListView->visualItemRect(eur).top();
            QCOMPARE(d->RateEdit->text(), QStringLiteral("100,0000"));
            d->RateEdit->selectAll();
            QTest::keyClicks(d->RateEdit, QStringLiteral("3,5123"));
            QTest::keyClick(d->RateEdit, Qt::Key_Return);
            afterEnter = RateTexts(d->ListView);
            QVERIFY(!d->RateEdit->isVisible());

            Q_EMIT d->ListView->itemDoubleClicked(eur, 1);
            d->RateEdit->selectAll();
            QTest::keyClicks(d->RateEdit, QStringLiteral("9"));
            QTest::keyClick(d->RateEdit, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            afterEscape = RateTexts(d->ListView);
            QCOMPARE(d->WorkingRates().at(1).Rate, 3.5123f);

            d->CurrencyCombo->setCurrentIndex(2);
            d->CurrencyBut->click();
            afterReset = RateTexts(d->ListView);
            comboAfterReset = d->CurrencyCombo->currentIndex();

            d->CurrencyCombo->setCurrentIndex(2);
            d->NDSTaxEdit->SetValueText(QStringLiteral("20"));
            d->accept();
        });
        bool priceChanged = false;
        QVERIFY(ExecuteOrderProp(nullptr, *Order, priceChanged));
        QVERIFY(editorShown);
        QVERIFY(editorAtCell);
        const QStringList edited = {QStringLiteral("руб.=1,0000"), QStringLiteral("EUR=3,5123"), QStringLiteral("USD=91,2500")};
        QCOMPARE(afterEnter, edited);
        QCOMPARE(afterEscape, edited);
        QCOMPARE(afterReset, QStringList({QStringLiteral("руб.=1,0000"), QStringLiteral("EUR=98,5000"),
                                          QStringLiteral("USD=91,2500")}));
        QCOMPARE(comboAfterReset, 1);
        QVERIFY(priceChanged);
        QCOMPARE(Order->Currency, 3);
        QCOMPARE(Order->NDSTax, 20.0f);
        QCOMPARE(Order->Rate(1)->Rate, 98.5f);
        QCOMPARE(Setup().CurCurrency, 3);
        QCOMPARE(Setup().NDSTax, 20.0f);
    }

    // The look-up lists read their rows under the filter of the moment and leave the tables
    // unfiltered; Delete clears the handle; the codes go back as integers.
    void lookUpLists()
    {
        QStringList systems, handles, falz;
        QString handleAfterDelete;
        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            d->FurnSysEdit->LoadRows();
            systems = Keys(d->FurnSysEdit);
            d->HandleEdit->LoadRows();
            handles = Keys(d->HandleEdit);
            falz = Keys(d->FalzCombo);
            d->PageControl->setCurrentWidget(d->TS_2);
            d->HandleEdit->setFocus();
            QTest::keyClick(d->HandleEdit, Qt::Key_Delete);
            handleAfterDelete = d->HandleEdit->Key();
            d->FalzCombo->setCurrentIndex(1);
            Q_EMIT d->FalzCombo->activated(1);
            // Without a fittings system the handle list cannot be filtered.
            d->FurnSysEdit->SetKey(QString());
            d->HandleEdit->showPopup();
            d->accept();
        });
        bool priceChanged = false;
        QVERIFY(ExecuteOrderProp(nullptr, *Order, priceChanged));
        QCOMPARE(systems, QStringList({QStringLiteral("110"), QStringLiteral("210")}));
        QVERIFY(handles.contains(QStringLiteral("VK-HANDLE")));
        for (const QString& h : handles) {
            QVERIFY(FindComplect(h));
            const int group = ComplectGroup(h);
            QVERIFY2(group >= 30 && group <= 32, qPrintable(h));
        }
        QVERIFY(!DM().T_SysList.Filtered());
        QVERIFY(!DM().T_FrnComp.Filtered());
        QCOMPARE(handleAfterDelete, QString());
        QCOMPARE(Order->Handle, QString());
        QCOMPARE(Order->FurnSys, QString());
        QCOMPARE(Order->FalzType, falz.at(1).toInt());
        QVERIFY(falz.size() > 1);
        QCOMPARE(Script.texts(), QStringList({QStringLiteral("В БД отсутствуют данные для системы []!")}));
    }

    void lastOrderNumberAndNotes()
    {
        QStringList infos;
        OnModal<TOrderPropDlg>([&](TOrderPropDlg* d) {
            TCloser closer{d};
            QTest::keyClick(d->OrderNoEdit, Qt::Key_Return, Qt::ControlModifier);
            WriteLastOrderNumber(QStringLiteral("З-15"));
            d->NextNoButClick();
            infos = Script.texts();
            QCOMPARE(d->OrderNoEdit->text(), QStringLiteral("A-7"));
            d->Memo->setPlainText(QStringLiteral("первая\nвторая"));
            d->accept();
        });
        bool priceChanged = false;
        QVERIFY(ExecuteOrderProp(nullptr, *Order, priceChanged));
        QCOMPARE(infos, QStringList({QStringLiteral("Номер последнего заказа: ???"),
                                     QStringLiteral("Номер последнего заказа: З-15")}));
        QCOMPARE(Order->Notes, QStringList({QStringLiteral("первая"), QStringLiteral("вторая")}));
        QFile::remove(LastOrderNumberFile());
    }

    // With VALTRIX_SHOTS set to a directory, each page is saved as a picture there.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("VALTRIX_SHOTS");
        if (dir.isEmpty())
            QSKIP("VALTRIX_SHOTS not set");
        Order->AltOrderNo = QStringLiteral("С-0042");
        Order->ObjectName = QStringLiteral("Коттедж, 2 этаж");
        Order->Address = QStringLiteral("г. Тверь, ул. Садовая, 12");
        Order->Phones = QStringLiteral("+7 4822 55-12-34");
        Order->Rem = QStringLiteral("срочно");
        Order->InnerProfColor = Order->OuterProfColor = QStringLiteral("WHITE");
        Order->FurnColor = QStringLiteral("SILVER");
        Order->FalzType = 101;
        Order->Notes = {QStringLiteral("Монтаж в мае.")};
        TOrderPropDlg d;
        d.Prepare(*Order);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        for (int i = 0; i < d.PageControl->count(); ++i) {
            d.PageControl->setCurrentIndex(i);
            QTest::qWait(50);
            QVERIFY(d.grab().save(QStringLiteral("%1/orderprop_%2.png").arg(dir).arg(i + 1)));
        }
    }
};

QTEST_MAIN(TestOrderProp)
#include "test_orderprop.moc"
