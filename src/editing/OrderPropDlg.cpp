#include "editing/OrderPropDlg.h"
#include "app/NumEdit.h"
#include "app/VXDialogInteraction.h"
#include "db/VXDataModule.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "model/VXFOrder.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx {

// ---------------------------------------------------------------------------------------------
// Look-up list

TLookupCombo::TLookupCombo(QWidget* parent, TTable* table, const QString& keyField, const QString& shownField,
                           bool fixed)
    : QComboBox(parent), FTable(table), FKeyField(keyField), FShownField(shownField), FFixed(fixed)
{
    setMinimumContentsLength(24);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, [this](int index) {
        const QString key = itemData(index).toString();
        if (key != FKey) {
            FKey = key;
            Q_EMIT KeyChanged();
        }
    });
}

void TLookupCombo::Fill(const QList<TLookupRow>& rows)
{
    const bool blocked = blockSignals(true);
    clear();
    bool found = false;
    for (const TLookupRow& row : rows) {
        addItem(row.Text, row.Key);
        found = found || row.Key == FKey;
    }
    // The current choice stays visible even when the filter leaves it out.
    if (!found && !FKey.isEmpty() && FTable)
        insertItem(0, LookupText(*FTable, FKeyField, FShownField, FKey), FKey);
    setCurrentIndex(findData(FKey));
    blockSignals(blocked);
}

void TLookupCombo::SetKey(const QString& key)
{
    FKey = key;
    if (FFixed && FTable) {
        Fill(LookupRows(*FTable, FKeyField, FShownField));
        return;
    }
    Fill({});
}

void TLookupCombo::LoadRows()
{
    if (!FTable)
        return;
    Fill(LookupRows(*FTable, FKeyField, FShownField, FilterText ? FilterText() : QString()));
}

void TLookupCombo::showPopup()
{
    if (!FFixed) {
        try {
            LoadRows();
        } catch (const std::exception& e) {
            ShowError(ExceptionText(e));
            return;
        }
    }
    QComboBox::showPopup();
}

void TLookupCombo::keyPressEvent(QKeyEvent* event)
{
    if (Clearable && event->key() == Qt::Key_Delete) {
        if (!FKey.isEmpty()) {
            FKey.clear();
            Fill({});
            Q_EMIT KeyChanged();
        }
        return;
    }
    QComboBox::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Dialog

namespace {

QLineEdit* TextEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

TLookupCombo* Lookup(QWidget* parent, const char* name, TTable* table, const char* key, const char* shown,
                     bool fixed = false)
{
    auto* combo = new TLookupCombo(parent, table, QLatin1String(key), QLatin1String(shown), fixed);
    combo->setObjectName(QLatin1String(name));
    return combo;
}

} // namespace

TOrderPropDlg::TOrderPropDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrderPropDlg"));
    setWindowTitle(QStringLiteral("Заказ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    TS_1 = MakeRequisitesPage();
    TS_2 = MakeTechPage();
    TS_5 = MakeCurrencyPage();
    TS_7 = MakeNotesPage();
    PageControl->addTab(TS_1, QStringLiteral("Реквизиты"));
    PageControl->addTab(TS_2, QStringLiteral("Тех. данные"));
    PageControl->addTab(TS_5, QStringLiteral("Валюта"));
    PageControl->addTab(TS_7, QStringLiteral("Примечания"));
    // FormCreate: the first page.
    PageControl->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addWidget(buttons);
    resize(560, 430);
}

QWidget* TOrderPropDlg::MakeRequisitesPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_1"));
    OrderNoEdit = TextEdit(page, "OrderNoEdit");
    OrderNoEdit->setToolTip(QStringLiteral("Ctrl+Enter: номер последнего заказа"));
    OrderNoEdit->installEventFilter(this);
    RegDateCheck = new QCheckBox(page);
    RegDateCheck->setObjectName(QStringLiteral("RegDateCheck"));
    RegDateEdit = new QDateEdit(page);
    RegDateEdit->setObjectName(QStringLiteral("RegDateEdit"));
    RegDateEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    RegDateEdit->setCalendarPopup(true);
    connect(RegDateCheck, &QCheckBox::toggled, RegDateEdit, &QWidget::setEnabled);
    AltOrderNoEdit = TextEdit(page, "AltOrderNoEdit");
    CustomerEdit = TextEdit(page, "CustomerEdit");
    ObjectNameEdit = TextEdit(page, "ObjectNameEdit");
    AddressEdit = TextEdit(page, "AddressEdit");
    PhonesEdit = TextEdit(page, "PhonesEdit");
    RemEdit = TextEdit(page, "RemEdit");
    RemEdit->setMaxLength(OrderRemLength);

    auto* number = new QHBoxLayout;
    number->addWidget(OrderNoEdit, 1);
    number->addSpacing(12);
    number->addWidget(new QLabel(QStringLiteral("От"), page));
    number->addWidget(RegDateCheck);
    number->addWidget(RegDateEdit);
    const int shortWidth = fontMetrics().averageCharWidth() * 22;
    AltOrderNoEdit->setMaximumWidth(shortWidth);
    RemEdit->setMaximumWidth(shortWidth);

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Заказ №"), number);
    form->addRow(QStringLiteral("Служебный №"), AltOrderNoEdit);
    form->addRow(QStringLiteral("Заказчик"), CustomerEdit);
    form->addRow(QStringLiteral("Наименование объекта"), ObjectNameEdit);
    form->addRow(QStringLiteral("Адрес объекта"), AddressEdit);
    form->addRow(QStringLiteral("Контактный телефон"), PhonesEdit);
    form->addRow(QStringLiteral("Метка"), RemEdit);
    return page;
}

QWidget* TOrderPropDlg::MakeTechPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_2"));
    TDM* dm = HasDM() ? &DM() : nullptr;
    auto table = [dm](TTable TDM::*member) { return dm ? &(dm->*member) : nullptr; };
    FurnSysEdit = Lookup(page, "FurnSysEdit", table(&TDM::T_SysList), "ID", "Name");
    FurnSysEdit->FilterText = [] { return FurnSysFilter(); };
    MaterialEdit = Lookup(page, "MaterialEdit", table(&TDM::T_Material), "ID", "Name");
    ProfSysEdit = Lookup(page, "ProfSysEdit", table(&TDM::T_SysProf), "SchlSysID", "Name");
    ProfSysEdit->FilterText = [this] { return ProfSysFilter(FurnSysEdit->Key()); };
    ProfSysEdit->Clearable = true;
    FurnColorEdit = Lookup(page, "FurnColorEdit", table(&TDM::T_SysColor), "ID", "ColorName");
    FurnColorEdit->FilterText = [this] { return FurnColorFilter(FurnSysEdit->Key()); };
    InnerProfColorEdit = Lookup(page, "InnerProfColorEdit", table(&TDM::T_Color), "Color", "Name");
    OuterProfColorEdit = Lookup(page, "OuterProfColorEdit", table(&TDM::T_Color), "Color", "Name");
    HandleEdit = Lookup(page, "HandleEdit", table(&TDM::T_FrnComp), "ID", "Name");
    HandleEdit->FilterText = [this] { return HandleFilter(FurnSysEdit->Key()); };
    HandleEdit->Clearable = true;
    FalzCombo = Lookup(page, "FalzCombo", table(&TDM::T_FalzList), "ID", "Name", true);
    DornCombo = Lookup(page, "DornCombo", table(&TDM::T_DornList), "ID", "Name", true);
    StulpTypeCombo = Lookup(page, "StulpTypeCombo", table(&TDM::T_StulpList), "ID", "Name", true);
    OpenTypeCombo = Lookup(page, "OpenTypeCombo", table(&TDM::T_OpenList), "ID", "Name", true);

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Фурнитура"), FurnSysEdit);
    form->addRow(QStringLiteral("Материал"), MaterialEdit);
    form->addRow(QStringLiteral("Система отв. планок"), ProfSysEdit);
    form->addRow(QStringLiteral("Цвет декор. накладок"), FurnColorEdit);
    form->addRow(QStringLiteral("Цвет профиля (изнутри)"), InnerProfColorEdit);
    form->addRow(QStringLiteral("Цвет профиля (снаружи)"), OuterProfColorEdit);
    form->addRow(QStringLiteral("Ручка"), HandleEdit);
    form->addRow(QStringLiteral("Параметры фальца: "), FalzCombo);
    form->addRow(QStringLiteral("Дорнмасс: "), DornCombo);
    form->addRow(QStringLiteral("Тип штульпа: "), StulpTypeCombo);
    form->addRow(QStringLiteral("Тип створки: "), OpenTypeCombo);
    return page;
}

QWidget* TOrderPropDlg::MakeCurrencyPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_5"));
    CurrencyCombo = new QComboBox(page);
    CurrencyCombo->setObjectName(QStringLiteral("CurrencyCombo"));
    CurrencyCombo->setMinimumContentsLength(12);
    CurrencyCombo->setMaximumWidth(fontMetrics().averageCharWidth() * 24 + 30);
    ListView = new QTreeWidget(page);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setColumnCount(2);
    ListView->setHeaderHidden(true);
    ListView->setRootIsDecorated(false);
    ListView->setAllColumnsShowFocus(true);
    ListView->setColumnWidth(0, fontMetrics().averageCharWidth() * 16);
    ListView->setMaximumWidth(fontMetrics().averageCharWidth() * 44);
    ListView->installEventFilter(this);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { ListViewClick(item); });
    RateEdit = new TNumEdit(ListView->viewport(), nsFloat, 8, 4);
    RateEdit->setObjectName(QStringLiteral("RateEdit"));
    RateEdit->setAlignment(Qt::AlignRight);
    RateEdit->hide();
    RateEdit->installEventFilter(this);
    CurrencyBut = new QPushButton(QStringLiteral("Установить текущий курс"), page);
    CurrencyBut->setObjectName(QStringLiteral("CurrencyBut"));
    connect(CurrencyBut, &QPushButton::clicked, this, &TOrderPropDlg::CurrencyButClick);
    NDSTaxEdit = new TNumEdit(page, nsFloat, 5, 2);
    NDSTaxEdit->setObjectName(QStringLiteral("NDSTaxEdit"));
    NDSTaxEdit->setMaximumWidth(fontMetrics().averageCharWidth() * 12 + 12);

    auto* rates = new QVBoxLayout;
    rates->addWidget(new QLabel(QStringLiteral("Курсы валют"), page));
    rates->addWidget(ListView, 1);
    auto* rateButtons = new QHBoxLayout;
    rateButtons->addWidget(CurrencyBut);
    rateButtons->addStretch();
    rates->addLayout(rateButtons);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Валюта"), CurrencyCombo);
    form->addRow(QStringLiteral("Ставка НДС, %"), NDSTaxEdit);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(rates, 1);
    return page;
}

QWidget* TOrderPropDlg::MakeNotesPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TS_7"));
    Memo = new QPlainTextEdit(page);
    Memo->setObjectName(QStringLiteral("Memo"));
    ClearBut = new QPushButton(QStringLiteral("Очистить"), page);
    ClearBut->setObjectName(QStringLiteral("ClearBut"));
    connect(ClearBut, &QPushButton::clicked, this, &TOrderPropDlg::ClearButClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ClearBut);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttons);
    return page;
}

void TOrderPropDlg::Prepare(const TvxfOrder& order)
{
    const TOrderProps p = ReadOrderProps(order);
    OrderNoEdit->setText(p.OrderNo);
    RegDateCheck->setChecked(p.RegDateSet);
    RegDateEdit->setEnabled(p.RegDateSet);
    RegDateEdit->setDate(p.RegDate.date());
    AltOrderNoEdit->setText(p.AltOrderNo);
    CustomerEdit->setText(p.Customer);
    ObjectNameEdit->setText(p.ObjectName);
    AddressEdit->setText(p.Address);
    PhonesEdit->setText(p.Phones);
    RemEdit->setText(p.Rem);

    FurnSysEdit->SetKey(p.FurnSys);
    MaterialEdit->SetKey(p.Material);
    ProfSysEdit->SetKey(p.ProfSys);
    FurnColorEdit->SetKey(p.FurnColor);
    InnerProfColorEdit->SetKey(p.InnerProfColor);
    OuterProfColorEdit->SetKey(p.OuterProfColor);
    HandleEdit->SetKey(p.Handle);
    FalzCombo->SetKey(p.FalzType);
    DornCombo->SetKey(p.DornType);
    StulpTypeCombo->SetKey(p.StulpFalzType);
    OpenTypeCombo->SetKey(p.FlugelType);

    NDSTaxEdit->SetAsFloat(p.NDSTax);
    FillRates(p.Rates, order.Currency);
    Memo->setPlainText(p.Notes.join(QLatin1Char('\n')));

    FOpeningCurrency = order.Currency;
    FOpeningNo = order.OrderNo;
    FOpeningDate = order.RegDate;
}

void TOrderPropDlg::FillRates(const QList<TRateEntry>& rates, int selectCurrency)
{
    FRates = rates;
    FEditRow = -1;
    RateEdit->hide();
    CurrencyCombo->clear();
    ListView->clear();
    int selected = -1;
    for (int i = 0; i < FRates.size(); ++i) {
        const QString name = CurrencyName(FRates.at(i).ID);
        CurrencyCombo->addItem(name);
        auto* item = new QTreeWidgetItem(ListView, {name, RateText(FRates.at(i).Rate)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (selected < 0 && FRates.at(i).ID == selectCurrency)
            selected = i;
    }
    CurrencyCombo->setCurrentIndex(selected);
}

TOrderProps TOrderPropDlg::Props() const
{
    TOrderProps p;
    p.OrderNo = OrderNoEdit->text();
    p.AltOrderNo = AltOrderNoEdit->text();
    p.Customer = CustomerEdit->text();
    p.ObjectName = ObjectNameEdit->text();
    p.Address = AddressEdit->text();
    p.Phones = PhonesEdit->text();
    p.Rem = RemEdit->text();
    // An untouched date keeps the order's value, time of day included.
    p.RegDate = RegDateEdit->date() == FOpeningDate.date() ? FOpeningDate : TDateTime::FromDate(RegDateEdit->date());
    p.RegDateSet = RegDateCheck->isChecked();
    p.ProfSys = ProfSysEdit->Key();
    p.InnerProfColor = InnerProfColorEdit->Key();
    p.OuterProfColor = OuterProfColorEdit->Key();
    p.FurnSys = FurnSysEdit->Key();
    p.FurnColor = FurnColorEdit->Key();
    p.Handle = HandleEdit->Key();
    p.Material = MaterialEdit->Key();
    p.FalzType = FalzCombo->Key();
    p.DornType = DornCombo->Key();
    p.StulpFalzType = StulpTypeCombo->Key();
    p.FlugelType = OpenTypeCombo->Key();
    p.NDSTax = float(NDSTaxEdit->AsFloat());
    p.Rates = FRates;
    p.CurrencyIndex = CurrencyCombo->currentIndex();
    const QString notes = Memo->toPlainText();
    p.Notes = notes.isEmpty() ? QStringList() : notes.split(QLatin1Char('\n'));
    return p;
}

bool TOrderPropDlg::Execute(TvxfOrder& order, bool& priceChanged)
{
    priceChanged = false;
    Prepare(order);
    if (exec() != QDialog::Accepted)
        return false;
    priceChanged = WriteOrderProps(Props(), order);
    if (HasSetup())
        StoreOrderDefaults(order, Setup());
    return true;
}

void TOrderPropDlg::done(int result)
{
    // FormClose: OK only with a number that no other registered order has.
    if (result == QDialog::Accepted) {
        if (FEditRow >= 0)
            RateEditExit();
        QString warning;
        try {
            warning = ValidateOrderNo(OrderNoEdit->text(), FOpeningNo);
        } catch (const std::exception& e) {
            ShowError(ExceptionText(e));
            return;
        }
        if (!warning.isEmpty()) {
            ShowWarning(warning);
            PageControl->setCurrentWidget(TS_1);
            OrderNoEdit->setFocus();
            return;
        }
    }
    QDialog::done(result);
}

void TOrderPropDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // FormActivate: the number first.
    QTimer::singleShot(0, this, [this] {
        if (PageControl->currentWidget() == TS_1)
            OrderNoEdit->setFocus();
    });
}

void TOrderPropDlg::NextNoButClick()
{
    ShowInfo(LastOrderNoText());
}

void TOrderPropDlg::ListViewClick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const int row = ListView->indexOfTopLevelItem(item);
    if (row < 0 || row >= FRates.size())
        return;
    FEditRow = row;
    FCancelled = false;
    const QRect cell = ListView->visualItemRect(item);
    const int left = ListView->columnWidth(0) + 2;
    RateEdit->setGeometry(left, cell.top(), qMax(60, ListView->viewport()->width() - left - 2), cell.height() + 2);
    RateEdit->SetAsFloat(RoundRate(FRates.at(row).Rate));
    RateEdit->show();
    RateEdit->raise();
    RateEdit->setFocus();
    RateEdit->selectAll();
}

void TOrderPropDlg::RateEditExit()
{
    if (FEditRow < 0)
        return;
    const int row = FEditRow;
    FEditRow = -1;
    RateEdit->hide();
    if (FCancelled || row >= FRates.size())
        return;
    FRates[row].Rate = float(RoundRate(RateEdit->AsFloat()));
    if (QTreeWidgetItem* item = ListView->topLevelItem(row))
        item->setText(1, RateText(FRates.at(row).Rate));
}

void TOrderPropDlg::CurrencyButClick()
{
    QList<TRateEntry> rates;
    try {
        LoadRates(rates);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return;
    }
    FillRates(rates, FOpeningCurrency);
}

void TOrderPropDlg::ClearButClick()
{
    Memo->clear();
}

bool TOrderPropDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OrderNoEdit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ControlModifier)) {
            NextNoButClick();
            return true;
        }
    } else if (watched == ListView) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ListViewClick(ListView->currentItem());
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // ListViewEnter
            FCancelled = false;
        }
    } else if (watched == RateEdit) {
        if (event->type() == QEvent::KeyPress) {
            // RateEditKeyDown
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ListView->setFocus();
                if (FEditRow >= 0)
                    RateEditExit();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                FCancelled = true;
                ListView->setFocus();
                if (FEditRow >= 0)
                    RateEditExit();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
                RateEditExit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ExecuteOrderProp(QWidget* parent, TvxfOrder& order, bool& priceChanged)
{
    TOrderPropDlg dialog(parent ? parent : DialogParent());
    return dialog.Execute(order, priceChanged);
}

} // namespace vx
