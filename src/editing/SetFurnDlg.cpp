#include "editing/SetFurnDlg.h"
#include "app/NumEdit.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "editing/ChangeFurnDlg.h"
#include "editing/SelectComplectDlg.h"
#include "editing/VXFSizing.h"
#include "editing/VXFittingsApply.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx {

namespace {

const char* const CategoryCaptions[FurnPartCount] = {
    "Свойства комплекта", "Свойства ручки", "Свойства петель", "Свойства замка",
    "Свойства цилиндра", "Свойства доводчика", "Свойства шпингалетов"};

const QString MainSuffix = QStringLiteral(" (Главная)");

QString NameOfComplect(const QString& id)
{
    QString name;
    if (!id.isEmpty() && ComplectNameOpt(id, name))
        return name;
    return id;
}

QString ParamKey(int code)
{
    return code != 0 ? QString::number(code) : QString();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TFurnLookupCombo

TFurnLookupCombo::TFurnLookupCombo(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(18);
}

QString TFurnLookupCombo::Key() const
{
    return currentIndex() >= 0 ? currentData().toString() : QString();
}

void TFurnLookupCombo::SetKey(const QString& key, const QString& name)
{
    const QSignalBlocker block(this);
    clear();
    if (!key.isEmpty()) {
        addItem(name.isEmpty() ? key : name, key);
        setCurrentIndex(0);
    } else {
        setCurrentIndex(-1);
    }
}

void TFurnLookupCombo::showPopup()
{
    FOpenKey = Key();
    FOpenName = currentText();
    if (Rows) {
        const QList<TListRow> rows = Rows();
        const QSignalBlocker block(this);
        clear();
        for (const TListRow& r : rows)
            addItem(r.Name.isEmpty() ? r.Key : r.Name, r.Key);
        setCurrentIndex(findData(FOpenKey));
    }
    FOpen = true;
    QComboBox::showPopup();
}

void TFurnLookupCombo::hidePopup()
{
    QComboBox::hidePopup();
    if (!FOpen)
        return;
    FOpen = false;
    // A choice by the keyboard is made only after the list has closed: look at it then.
    QMetaObject::invokeMethod(this, &TFurnLookupCombo::FinishPopup, Qt::QueuedConnection);
}

void TFurnLookupCombo::FinishPopup()
{
    if (currentIndex() < 0 && !FOpenKey.isEmpty()) {
        SetKey(FOpenKey, FOpenName);
    } else if (currentIndex() >= 0) {
        // Only the chosen row stays: the list is read again when it next opens.
        const QString key = Key(), name = currentText();
        SetKey(key, name);
    }
    if (Key() != FOpenKey)
        Q_EMIT KeyChanged();
    Q_EMIT CloseUp();
}

void TFurnLookupCombo::keyPressEvent(QKeyEvent* event)
{
    if (Clearable && event->key() == Qt::Key_Delete) {
        const bool had = !Key().isEmpty();
        SetKey(QString(), QString());
        if (had)
            Q_EMIT KeyChanged();
        Q_EMIT CloseUp();
        return;
    }
    QComboBox::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------------
// TFurnSketch

TFurnSketch::TFurnSketch(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(260, 260);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TFurnSketch::paintEvent(QPaintEvent*)
{
    if (!Construction)
        return;
    QPainter painter(this);
    try {
        DrawConstructionSketch(painter, rect(), *Construction, TvxfSizeOptions());
    } catch (const std::exception&) {
        // A sketch that cannot be drawn is left empty.
    }
}

// ---------------------------------------------------------------------------------------------
// TSetFurnDlg: construction

TSetFurnDlg::TSetFurnDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Фурнитура"));
    PageControl = new QTabWidget(this);
    TS_1 = new QWidget;
    TS_2 = new QWidget;
    TS_3 = new QWidget;
    PageControl->addTab(TS_1, QStringLiteral("Основной комплект"));
    PageControl->addTab(TS_2, QStringLiteral("Доп. комплектация"));
    PageControl->addTab(TS_3, QStringLiteral("Спецификация"));
    BuildPage1();
    BuildPage2();
    BuildPage3();

    DopCompExistsLab = new QLabel(QStringLiteral(">> Смотри также дополнительную комплектацию <<"));
    QPalette red = DopCompExistsLab->palette();
    red.setColor(QPalette::WindowText, Qt::darkRed);
    DopCompExistsLab->setPalette(red);
    DopCompExistsLab->setVisible(false);
    OkBut = new QPushButton(QStringLiteral("OK"));
    CancelBut = new QPushButton(QStringLiteral("Отмена"));
    OkBut->setDefault(true);
    connect(OkBut, &QPushButton::clicked, this, &TSetFurnDlg::accept);
    connect(CancelBut, &QPushButton::clicked, this, &TSetFurnDlg::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(DopCompExistsLab);
    bottom->addStretch();
    bottom->addWidget(OkBut);
    bottom->addWidget(CancelBut);

    auto* main = new QVBoxLayout(this);
    main->addWidget(PageControl);
    main->addLayout(bottom);
    connect(PageControl, &QTabWidget::currentChanged, this, &TSetFurnDlg::PageControlChange);

    FPreview = std::make_unique<TvxfConstruction>();
    PaintBox->Construction = FPreview.get();
    SetupLists();
    resize(1240, 680);
}

TSetFurnDlg::~TSetFurnDlg() = default;

void TSetFurnDlg::BuildPage1()
{
    auto combo = [](bool clearable = false) {
        auto* c = new TFurnLookupCombo;
        c->Clearable = clearable;
        return c;
    };
    PosNoEdit = new QLineEdit;
    PosNoEdit->setMaximumWidth(90);
    NumEdit = new TNumEdit(nullptr, nsInteger, 5);
    NumEdit->setMaximumWidth(70);
    FurnSysCombo = combo();
    ProfSysCombo = combo();
    ColorCombo = combo();

    auto* header = new QGridLayout;
    header->addWidget(new QLabel(QStringLiteral("Позиция №")), 0, 0);
    header->addWidget(PosNoEdit, 0, 1);
    header->addWidget(new QLabel(QStringLiteral("Кол-во, комп.:")), 1, 0);
    header->addWidget(NumEdit, 1, 1);
    header->addWidget(new QLabel(QStringLiteral("Фурнитура: ")), 0, 2);
    header->addWidget(FurnSysCombo, 0, 3);
    header->addWidget(new QLabel(QStringLiteral("Отв. планка:")), 1, 2);
    header->addWidget(ProfSysCombo, 1, 3);
    header->addWidget(new QLabel(QStringLiteral("Цвет накладок: ")), 0, 4);
    header->addWidget(ColorCombo, 0, 5);
    header->setColumnStretch(3, 1);
    header->setColumnStretch(5, 1);

    FalzCombo = combo();
    DornCombo = combo();
    StulpTypeCombo = combo();
    OpenTypeCombo = combo();
    WidthEdit = new TNumEdit(nullptr, nsFloat, 5, 1);
    ThicknessEdit = new TNumEdit(nullptr, nsFloat, 5, 1);
    auto* profile = new QGroupBox(QStringLiteral("ПАРАМЕТРЫ ПРОФИЛЯ:"));
    auto* pf = new QFormLayout(profile);
    pf->addRow(QStringLiteral("Фальц: "), FalzCombo);
    pf->addRow(QStringLiteral("Дорнмасс: "), DornCombo);
    StulpTypeLabel = new QLabel(QStringLiteral("Тип штульпа: "));
    pf->addRow(StulpTypeLabel, StulpTypeCombo);
    pf->addRow(QStringLiteral("Тип створки: "), OpenTypeCombo);
    pf->addRow(QStringLiteral("Ширина профиля:"), WidthEdit);
    pf->addRow(QStringLiteral("Толщина профиля:"), ThicknessEdit);

    ComplectCombo = combo(true);
    ComplectCombo->setMinimumContentsLength(30);
    HandleCombo = combo(true);
    HingeCombo = combo(true);
    LockCombo = combo(true);
    CylinderCombo = combo(true);
    DriveCombo = combo(true);
    LatchCombo = combo(true);
    auto* parts = new QGroupBox(QStringLiteral("КОМПЛЕКТАЦИЯ СТВОРКИ:"));
    auto* cf = new QFormLayout(parts);
    cf->addRow(QStringLiteral("Осн. комплект"), ComplectCombo);
    cf->addRow(QStringLiteral("Ручка"), HandleCombo);
    cf->addRow(QStringLiteral("Комплект петель"), HingeCombo);
    cf->addRow(QStringLiteral("Замок дверной"), LockCombo);
    cf->addRow(QStringLiteral("Цилиндр"), CylinderCombo);
    cf->addRow(QStringLiteral("Доводчик"), DriveCombo);
    cf->addRow(QStringLiteral("Шпингалеты"), LatchCombo);

    auto* left = new QVBoxLayout;
    left->addWidget(profile);
    left->addWidget(parts);
    left->addStretch();

    LeftFlugelRadio = new QRadioButton(QStringLiteral("Левая створка"));
    RightFlugelRadio = new QRadioButton(QStringLiteral("Правая створка"));
    LeftFlugelRadio->setAutoExclusive(false);
    RightFlugelRadio->setAutoExclusive(false);
    auto* show = new QGroupBox(QStringLiteral("ПОКАЗАТЬ:"));
    auto* sl = new QHBoxLayout(show);
    sl->addWidget(LeftFlugelRadio);
    sl->addWidget(RightFlugelRadio);
    sl->addStretch();
    FalzSizeLab = new QLabel(QStringLiteral("0 x 0"));
    auto* size = new QHBoxLayout;
    size->addWidget(new QLabel(QStringLiteral("РАЗМЕР")));
    size->addWidget(FalzSizeLab);
    size->addStretch();
    PaintBox = new TFurnSketch;
    auto* middle = new QVBoxLayout;
    middle->addWidget(show);
    middle->addLayout(size);
    middle->addWidget(PaintBox, 1);

    UserDefineHeightCheck = new QCheckBox(QStringLiteral("Определить свою высоту ручки"));
    UserDefineHeightEdit = new TNumEdit(nullptr, nsInteger, 5);
    UserDefineHeightEdit->setMaximumWidth(80);
    UserDefineHeightEdit->setEnabled(false);
    auto* height = new QHBoxLayout;
    height->addWidget(UserDefineHeightCheck);
    height->addWidget(UserDefineHeightEdit);
    height->addStretch();
    DI = new QTreeWidget;
    DI->setMinimumWidth(380);
    DI->setColumnCount(2);
    DI->setHeaderLabels({QStringLiteral("Свойство"), QStringLiteral("Значение")});
    DI->setRootIsDecorated(true);
    DI->setSelectionMode(QAbstractItemView::NoSelection);
    DI->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    DI->header()->setStretchLastSection(true);
    for (int c = 0; c < FurnPartCount; ++c) {
        auto* cat = new QTreeWidgetItem(DI, {QString::fromUtf8(CategoryCaptions[c])});
        QFont f = cat->font(0);
        f.setBold(true);
        cat->setFont(0, f);
        cat->setFirstColumnSpanned(true);
        cat->setData(0, Qt::UserRole, c);
        FCategories[size_t(c)] = cat;
    }
    auto* right = new QVBoxLayout;
    right->addLayout(height);
    right->addWidget(DI, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 4);
    auto* page = new QVBoxLayout(TS_1);
    page->addLayout(header);
    page->addLayout(columns, 1);
}

void TSetFurnDlg::BuildPage2()
{
    ComplectListView = new QTreeWidget;
    ComplectListView->setHeaderLabels({QStringLiteral("№"), QStringLiteral("Комплект")});
    ComplectListView->setRootIsDecorated(false);
    ComplectListView->header()->resizeSection(0, 50);
    AddComplectBut = new QPushButton(QStringLiteral("Добавить"));
    DeleteComplectBut = new QPushButton(QStringLiteral("Удалить"));
    connect(AddComplectBut, &QPushButton::clicked, this, &TSetFurnDlg::AddComplectButClick);
    connect(DeleteComplectBut, &QPushButton::clicked, this, &TSetFurnDlg::DeleteComplectButClick);
    auto* ins = new QShortcut(QKeySequence(Qt::Key_Insert), ComplectListView, nullptr, nullptr, Qt::WidgetShortcut);
    connect(ins, &QShortcut::activated, this, &TSetFurnDlg::AddComplectButClick);
    auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), ComplectListView, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &TSetFurnDlg::DeleteComplectButClick);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddComplectBut);
    buttons->addWidget(DeleteComplectBut);
    buttons->addStretch();
    auto* page = new QHBoxLayout(TS_2);
    page->addWidget(ComplectListView, 1);
    page->addLayout(buttons);
}

void TSetFurnDlg::BuildPage3()
{
    ItemListView = new QTreeWidget;
    ItemListView->setHeaderLabels({QStringLiteral("№"), QStringLiteral("Артикул #1"), QStringLiteral("Артикул #2"),
                                   QStringLiteral("Длина, мм"), QStringLiteral("Сторона №"), QStringLiteral("Кол."),
                                   QStringLiteral("Наименование"), QStringLiteral("Цена"), QStringLiteral("Стоимость"),
                                   QStringLiteral("Комплект"), QStringLiteral("Комментарий")});
    ItemListView->setRootIsDecorated(false);
    ItemListView->setAlternatingRowColors(true);
    ItemListView->setUniformRowHeights(true);
    connect(ItemListView, &QTreeWidget::itemDoubleClicked, this, [this] { EditArticleButClick(); });
    CalcLab = new QLabel(QStringLiteral("Расчет комплекта фурнитуры..."));
    CalcLab->setAlignment(Qt::AlignCenter);
    auto* listHolder = new QWidget;
    auto* stack = new QStackedLayout(listHolder);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(ItemListView);
    stack->addWidget(CalcLab);
    stack->setCurrentWidget(ItemListView);

    CostPanel = new QLabel(QStringLiteral("0,0000"));
    CostPanel->setFrameShape(QFrame::Panel);
    CostPanel->setFrameShadow(QFrame::Sunken);
    CostPanel->setMinimumWidth(120);
    CostPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddArticleBut = new QPushButton(QStringLiteral("Добавить"));
    EditArticleBut = new QPushButton(QStringLiteral("Изменить"));
    DeleteArticleBut = new QPushButton(QStringLiteral("Удалить"));
    NoRecalcCheck = new QCheckBox(QStringLiteral("Не пересчитывать комплект"));
    connect(AddArticleBut, &QPushButton::clicked, this, &TSetFurnDlg::AddArticleButClick);
    connect(EditArticleBut, &QPushButton::clicked, this, &TSetFurnDlg::EditArticleButClick);
    connect(DeleteArticleBut, &QPushButton::clicked, this, &TSetFurnDlg::DeleteArticleButClick);
    auto* bar = new QHBoxLayout;
    bar->addWidget(AddArticleBut);
    bar->addWidget(EditArticleBut);
    bar->addWidget(DeleteArticleBut);
    bar->addSpacing(12);
    bar->addWidget(NoRecalcCheck);
    bar->addStretch();
    bar->addWidget(new QLabel(QStringLiteral("ИТОГО:")));
    bar->addWidget(CostPanel);
    auto* page = new QVBoxLayout(TS_3);
    page->addWidget(listHolder, 1);
    page->addLayout(bar);
}

TFurnLookupCombo* TSetFurnDlg::PartCombo(int part) const
{
    switch (part) {
    case fpHandle: return HandleCombo;
    case fpHinge: return HingeCombo;
    case fpLock: return LockCombo;
    case fpCylinder: return CylinderCombo;
    case fpDrive: return DriveCombo;
    case fpLatch: return LatchCombo;
    default: return ComplectCombo;
    }
}

void TSetFurnDlg::SetupLists()
{
    const QString id = QStringLiteral("ID"), name = QStringLiteral("Name");
    FurnSysCombo->Rows = [=] { return FilteredRows(DM().T_SysList, FurnSysListFilter(), id, name); };
    ProfSysCombo->Rows = [=, this] {
        return FilteredRows(DM().T_SysProf, ProfSysListFilter(FurnSysCombo->Key()), QStringLiteral("SchlSysID"), name);
    };
    ColorCombo->Rows = [=, this] {
        return FilteredRows(DM().T_SysColor, ColorListFilter(FurnSysCombo->Key()), id, QStringLiteral("ColorName"));
    };
    FalzCombo->Rows = [=] { return FilteredRows(DM().T_FalzList, QString(), id, name); };
    DornCombo->Rows = [=] { return FilteredRows(DM().T_DornList, QString(), id, name); };
    StulpTypeCombo->Rows = [=] { return FilteredRows(DM().T_StulpList, QString(), id, name); };
    OpenTypeCombo->Rows = [=] { return FilteredRows(DM().T_OpenList, QString(), id, name); };

    ComplectCombo->Rows = [this] {
        TvxfFlugel* sash = CurrentSash();
        if (!sash)
            return QList<TListRow>();
        const QString filter = ComplectFilter(FSys, FCodes.Complect.front(),
                                              ComplectSubGroups(FPosition ? FPosition->Layout : 2, FCurrentRight),
                                              FMaterial);
        return ComplectRows(filter, *sash);
    };
    auto comp = [](std::function<QString()> filter) {
        return [filter] {
            return FilteredRows(DM().T_FrnComp, filter(), QStringLiteral("ID"), QStringLiteral("Name"));
        };
    };
    HandleCombo->Rows = comp([this] { return HandleListFilter(FSys, FCodes, FMaterial); });
    HingeCombo->Rows = comp([this] { return HingeFilter(FSys, FCodes, FMaterial); });
    LockCombo->Rows = comp([this] {
        const QString handle = HandleCombo->Key();
        return LockFilter(FSys, FCodes, handle.isEmpty() ? 0 : ComplectGroup(handle), FMaterial);
    });
    CylinderCombo->Rows = comp([this] { return CylinderFilter(FSys, FMaterial); });
    DriveCombo->Rows = comp([this] { return DriveFilter(FSys, FMaterial); });
    LatchCombo->Rows = comp([this] { return LatchFilter(FSys); });

    connect(FurnSysCombo, &TFurnLookupCombo::KeyChanged, this, &TSetFurnDlg::FurnSysComboChange);
    for (int p = 0; p < FurnPartCount; ++p) {
        connect(PartCombo(p), &TFurnLookupCombo::KeyChanged, this, [this, p] { PartChange(p); });
        connect(PartCombo(p), &TFurnLookupCombo::CloseUp, this, [this, p] { PartCloseUp(p); });
    }
    connect(LeftFlugelRadio, &QRadioButton::clicked, this, &TSetFurnDlg::LeftFlugelRadioClick);
    connect(RightFlugelRadio, &QRadioButton::clicked, this, &TSetFurnDlg::RightFlugelRadioClick);
    connect(UserDefineHeightCheck, &QCheckBox::clicked, this, &TSetFurnDlg::UserDefineHeightCheckClick);
    connect(UserDefineHeightEdit, &QLineEdit::editingFinished, this, &TSetFurnDlg::RebuildPreview);
}

// ---------------------------------------------------------------------------------------------
// Opening

TvxfFlugel* TSetFurnDlg::CurrentSash() const
{
    if (!FPosition)
        return nullptr;
    return FCurrentRight ? FPosition->RightFlugel.get() : FPosition->LeftFlugel.get();
}

void TSetFurnDlg::Prepare(TvxfConstruction* position)
{
    FPosition = position;
    FOrder = position->Order;
    const TvxfSetup& setup = Setup();

    PosNoEdit->setText(position->PosNo);
    NumEdit->SetAsInteger(position->Num);
    FPreview->Order = FOrder;
    FPreview->CopyFrom(*position);
    FMaterial = FOrder ? FOrder->Material : 0;

    const int layout = position->Layout;
    const bool two = position->HasTwoFlugels();
    LeftFlugelRadio->setText(QStringLiteral("Левая створка") + (two && layout == 0 ? MainSuffix : QString()));
    RightFlugelRadio->setText(QStringLiteral("Правая створка") + (layout == 1 ? MainSuffix : QString()));
    LeftFlugelRadio->setChecked(two && layout == 0);
    RightFlugelRadio->setChecked(layout == 1);
    LeftFlugelRadio->setEnabled(two);
    RightFlugelRadio->setEnabled(two);
    StulpTypeCombo->setEnabled(two);
    StulpTypeLabel->setEnabled(two);
    LatchCombo->setEnabled(two);
    FCurrentRight = layout == 1;
    FChoice[0] = ChoiceOfSash(position->LeftFlugel.get());
    FChoice[1] = two ? ChoiceOfSash(position->RightFlugel.get()) : TSashChoice();

    FCodes = GroupCodesOf(position->ObjType);

    TvxfFlugel* sash = CurrentSash();
    const TvxfFurnComp* comp = sash ? sash->FurnComp.get() : nullptr;
    if (comp && !comp->FurnSys.isEmpty()) {
        FurnSysCombo->SetKey(comp->FurnSys, SystemName(comp->FurnSys));
        ProfSysCombo->SetKey(comp->ProfSys, ProfSysName(comp->ProfSys));
        ColorCombo->SetKey(comp->Color, ColorName(comp->Color));
        FalzCombo->SetKey(ParamKey(position->Falz), FalzName(position->Falz));
        StulpTypeCombo->SetKey(ParamKey(position->StulpType), StulpName(position->StulpType));
        OpenTypeCombo->SetKey(ParamKey(position->OpenType), OpenName(position->OpenType));
        WidthEdit->SetAsFloat(position->ProfWidth);
        ThicknessEdit->SetAsFloat(position->Thickness);
    } else {
        FurnSysCombo->SetKey(position->FurnSys, SystemName(position->FurnSys));
        ProfSysCombo->SetKey(position->ProfSys, ProfSysName(position->ProfSys));
        ColorCombo->SetKey(position->Color, ColorName(position->Color));
        const int falz = FOrder ? FOrder->FalzType : position->Falz;
        const int stulp = FOrder ? FOrder->StulpFalzType : position->StulpType;
        const int open = FOrder ? FOrder->FlugelType : position->OpenType;
        FalzCombo->SetKey(ParamKey(falz), FalzName(falz));
        StulpTypeCombo->SetKey(ParamKey(stulp), StulpName(stulp));
        OpenTypeCombo->SetKey(ParamKey(open), OpenName(open));
        WidthEdit->SetAsFloat(setup.DefProfWidth);
        ThicknessEdit->SetAsFloat(setup.DefProfThickness);
        if (FOrder && FChoice[FCurrentRight ? 1 : 0].Components.Handle.isEmpty())
            FChoice[FCurrentRight ? 1 : 0].Components.Handle = FOrder->Handle;
    }
    FSys = SystemGroupOf(SystemCommonGrp(FurnSysCombo->Key(), true));

    UserDefineHeightCheck->setEnabled(setup.UserDefineHeight);
    if (!setup.UserDefineHeight)
        for (TSashChoice& c : FChoice)
            c.HeightUserDefined = false;
    LoadChoice();
    RebuildPreview();
    PageControl->setCurrentIndex(0);
}

bool TSetFurnDlg::Execute(TvxfConstruction* position)
{
    if (!position) {
        ShowError(QStringLiteral("Указатель на текущий объект = nil!"));
        return false;
    }
    Prepare(position);
    const bool ok = exec() == QDialog::Accepted;
    Setup().DefProfWidth = float(WidthEdit->AsFloat());
    Setup().DefProfThickness = float(ThicknessEdit->AsFloat());
    return ok;
}

void TSetFurnDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    PageControl->setCurrentIndex(0);
}

// ---------------------------------------------------------------------------------------------
// Sash choices

void TSetFurnDlg::StoreChoice()
{
    TSashChoice& c = FChoice[FCurrentRight ? 1 : 0];
    for (int p = 0; p < FurnPartCount; ++p)
        PartOf(c.Components, p) = PartCombo(p)->Key();
    c.HeightUserDefined = UserDefineHeightCheck->isChecked();
    c.UserHandleHeight = UserDefineHeightEdit->AsInteger();
    c.Dorn = CodeOfText(DornCombo->Key());
    c.Props = StorePropChoices(FProps);
}

void TSetFurnDlg::LoadChoice()
{
    const TSashChoice& c = FChoice[FCurrentRight ? 1 : 0];
    for (int p = 0; p < FurnPartCount; ++p) {
        const QString id = PartOf(c.Components, p);
        PartCombo(p)->SetKey(id, NameOfComplect(id));
    }
    UserDefineHeightCheck->setChecked(c.HeightUserDefined);
    UserDefineHeightEdit->setEnabled(c.HeightUserDefined);
    UserDefineHeightEdit->SetAsInteger(c.HeightUserDefined ? c.UserHandleHeight : 0);
    DornCombo->SetKey(ParamKey(c.Dorn), DornName(c.Dorn));
    FillAllProps(false);
    RestorePropChoices(FProps, c.Props);
    ShowProps();
    ShowSashInfo();
}

void TSetFurnDlg::ShowSashInfo()
{
    int32_t w = 0, h = 0;
    if (TvxfFlugel* sash = CurrentSash(); sash && sash->HasOutline())
        sash->Size(w, h);
    FalzSizeLab->setText(QStringLiteral("%1 x %2").arg(w).arg(h));
    FillComplectList(0);
}

void TSetFurnDlg::SwitchSash(bool right)
{
    if (!FPosition || !FPosition->HasTwoFlugels()) {
        LeftFlugelRadio->setChecked(false);
        RightFlugelRadio->setChecked(false);
        return;
    }
    (right ? RightFlugelRadio : LeftFlugelRadio)->setChecked(true);
    (right ? LeftFlugelRadio : RightFlugelRadio)->setChecked(false);
    if (right == FCurrentRight)
        return;
    StoreChoice();
    FCurrentRight = right;
    LoadChoice();
    PaintBox->update();
}

void TSetFurnDlg::LeftFlugelRadioClick()
{
    SwitchSash(false);
}

void TSetFurnDlg::RightFlugelRadioClick()
{
    SwitchSash(true);
}

TFurnChoice TSetFurnDlg::FurnChoice()
{
    StoreChoice();
    TFurnChoice c;
    c.Color = ColorCombo->Key();
    c.Falz = CodeOfText(FalzCombo->Key());
    c.StulpType = CodeOfText(StulpTypeCombo->Key());
    c.OpenType = CodeOfText(OpenTypeCombo->Key());
    c.ProfWidth = float(WidthEdit->AsFloat());
    c.Thickness = float(ThicknessEdit->AsFloat());
    c.Left = FChoice[0];
    c.Right = FChoice[1];
    return c;
}

// ---------------------------------------------------------------------------------------------
// Property list

void TSetFurnDlg::FillAllProps(bool keepChoices)
{
    QStringList chosen;
    if (keepChoices)
        chosen = StorePropChoices(FProps);
    std::array<int, FurnPartCount> keys{};
    for (int p = 0; p < FurnPartCount; ++p)
        keys[size_t(p)] = ComponentPropKey(PartCombo(p)->Key());
    try {
        FProps = BuildPropRows(ReadPropRows(keys), keys);
    } catch (const std::exception& e) {
        FProps = TPropCategories();
        ShowError(ExceptionText(e));
    }
    if (keepChoices)
        RestorePropChoices(FProps, chosen);
}

void TSetFurnDlg::FillPropCategory(int part)
{
    std::array<int, FurnPartCount> keys{};
    keys[size_t(part)] = ComponentPropKey(PartCombo(part)->Key());
    try {
        FProps[size_t(part)] = BuildPropRows(ReadPropRows(keys), keys)[size_t(part)];
    } catch (const std::exception& e) {
        FProps[size_t(part)].clear();
        ShowError(ExceptionText(e));
    }
}

void TSetFurnDlg::ShowProps()
{
    for (int c = 0; c < FurnPartCount; ++c) {
        QTreeWidgetItem* cat = FCategories[size_t(c)];
        qDeleteAll(cat->takeChildren());
        const QList<TPropRow>& rows = FProps[size_t(c)];
        for (int r = 0; r < rows.size(); ++r) {
            auto* item = new QTreeWidgetItem(cat, {rows[r].Caption});
            item->setData(0, Qt::UserRole, rows[r].GroupID);
            auto* values = new QComboBox;
            values->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            values->addItems(rows[r].Values);
            values->setCurrentIndex(rows[r].Value);
            connect(values, &QComboBox::currentIndexChanged, this, [this, c, r](int index) {
                if (r < FProps[size_t(c)].size())
                    FProps[size_t(c)][r].Value = index;
            });
            DI->setItemWidget(item, 1, values);
        }
        cat->setExpanded(!rows.isEmpty());
    }
}

// ---------------------------------------------------------------------------------------------
// Changes

void TSetFurnDlg::FurnSysComboChange()
{
    const QString system = FurnSysCombo->Key();
    if (system.isEmpty())
        return;
    try {
        FSys = SystemGroupOf(SystemCommonGrp(system));
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
    ProfSysCombo->SetKey(QString(), QString());
}

void TSetFurnDlg::PartChange(int part)
{
    if (PartCombo(part)->Key().isEmpty())
        FProps[size_t(part)].clear();
    else
        FillPropCategory(part);
    if (part == fpHandle && !LockCombo->Key().isEmpty()) {
        // The locks a handle admits depend on its group.
        LockCombo->SetKey(QString(), QString());
        FProps[fpLock].clear();
    }
    ShowProps();
}

void TSetFurnDlg::PartCloseUp(int part)
{
    if (part == fpComplect) {
        FillAllProps(true);
        ShowProps();
    }
    RebuildPreview();
}

void TSetFurnDlg::UserDefineHeightCheckClick()
{
    const bool on = UserDefineHeightCheck->isChecked();
    UserDefineHeightEdit->setEnabled(on);
    int32_t w = 0, h = 0;
    if (TvxfFlugel* sash = CurrentSash(); on && sash && sash->HasOutline())
        sash->Size(w, h);
    UserDefineHeightEdit->SetAsInteger(on ? h / 2 : 0);
    RebuildPreview();
}

void TSetFurnDlg::RebuildPreview()
{
    if (!FPosition)
        return;
    StoreChoice();
    TSpecStream backup;
    try {
        FPreview->Backup(backup);
        FPreview->SetPreview(FChoice[0], FChoice[1]);
    } catch (const std::exception& e) {
        try {
            FPreview->Restore(backup);
        } catch (const std::exception&) {
        }
        ShowError(ExceptionText(e));
    }
    PaintBox->update();
}

// ---------------------------------------------------------------------------------------------
// Apply and OK

bool TSetFurnDlg::Apply()
{
    const TFurnChoice choice = FurnChoice();
    const QString missing = MissingComplectMessage(*FPosition, choice);
    if (!missing.isEmpty()) {
        ShowError(missing);
        return false;
    }
    const QString oldPosNo = FPosition->PosNo;
    const int32_t oldNum = FPosition->Num;
    FPosition->PosNo = PosNoEdit->text();
    FPosition->Num = NumEdit->AsInteger();
    try {
        ApplyFittings(*FPosition, FurnSysCombo->Key(), ProfSysCombo->Key(), choice);
    } catch (const std::exception& e) {
        FPosition->PosNo = oldPosNo;
        FPosition->Num = oldNum;
        ShowError(ExceptionText(e));
        return false;
    }
    return true;
}

void TSetFurnDlg::accept()
{
    if (!FPosition)
        return;
    if (NoRecalcCheck->isChecked()) {
        FPosition->RecomputeCosts();
        QDialog::accept();
        return;
    }
    if (Apply())
        QDialog::accept();
}

// ---------------------------------------------------------------------------------------------
// Additional complects

void TSetFurnDlg::FillComplectList(int select)
{
    const QStringList& ids = FChoice[FCurrentRight ? 1 : 0].ExtraComplects;
    ComplectListView->clear();
    for (int i = 0; i < ids.size(); ++i) {
        QString name;
        if (!ComplectNameOpt(ids[i], name))
            name = QStringLiteral("------ НЕИЗВЕСТНЫЙ КОМПЛЕКТ: ПРОВЕРЬТЕ ДАННЫЕ ------");
        new QTreeWidgetItem(ComplectListView, {QStringLiteral("%1.").arg(i + 1), name});
    }
    if (!ids.isEmpty())
        ComplectListView->setCurrentItem(ComplectListView->topLevelItem(qBound(0, select, int(ids.size()) - 1)));
    DopCompExistsLab->setVisible(!ids.isEmpty());
}

void TSetFurnDlg::AddComplectButClick()
{
    QString id;
    if (!SelectComplect(this, id) || id.isEmpty())
        return;
    QStringList& ids = FChoice[FCurrentRight ? 1 : 0].ExtraComplects;
    ids.append(id);
    FillComplectList(int(ids.size()) - 1);
}

void TSetFurnDlg::DeleteComplectButClick()
{
    QStringList& ids = FChoice[FCurrentRight ? 1 : 0].ExtraComplects;
    QTreeWidgetItem* item = ComplectListView->currentItem();
    if (!item)
        return;
    const int index = ComplectListView->indexOfTopLevelItem(item);
    if (index < 0 || index >= ids.size())
        return;
    ids.removeAt(index);
    FillComplectList(index);
}

// ---------------------------------------------------------------------------------------------
// Specification page

void TSetFurnDlg::PageControlChange(int index)
{
    if (index != PageControl->indexOf(TS_3) || !FPosition)
        return;
    ItemListView->setVisible(false);
    CalcLab->setVisible(true);
    CalcLab->repaint();
    // Hand-edited items are kept: with the box on, the page only shows what is there.
    if (!NoRecalcCheck->isChecked() && !Apply()) {
        ItemListView->setVisible(true);
        CalcLab->setVisible(false);
        PageControl->setCurrentIndex(0);
        return;
    }
    FillItemList();
    ItemListView->setVisible(true);
    CalcLab->setVisible(false);
}

void TSetFurnDlg::FillItemList()
{
    ItemListView->clear();
    TMoney total;
    QList<TSpecRow> rows;
    try {
        rows = SpecRows(*FPosition, total);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
    for (const TSpecRow& r : rows) {
        auto* item = new QTreeWidgetItem(ItemListView, r.Texts);
        item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(r.Item)));
        for (int c : {3, 4, 5, 7, 8})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 0; c < ItemListView->columnCount(); ++c) {
        ItemListView->resizeColumnToContents(c);
        // Long names are cut so that prices and costs stay in sight.
        if (ItemListView->columnWidth(c) > 300)
            ItemListView->setColumnWidth(c, 300);
    }
    CostPanel->setText(total.toString(4, QLatin1Char(',')));
}

namespace {

TvxfFurnItem* RowItem(QTreeWidgetItem* row)
{
    return row ? static_cast<TvxfFurnItem*>(row->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

} // namespace

void TSetFurnDlg::AddArticleButClick()
{
    QString article, comment;
    int side = 0, count = 1;
    double length = 0;
    if (!ExecuteChangeFurn(this, article, side, comment, length, count) || article.isEmpty())
        return;
    TvxfFlugel* sash = FPosition->LeftFlugel.get();
    if (!sash)
        return;
    if (!sash->FurnComp)
        sash->FurnComp = std::make_unique<TvxfFurnComp>(sash);
    try {
        AddHandItem(*sash->FurnComp, article, side, comment, count);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
    NoRecalcCheck->setChecked(true);
    FillItemList();
}

void TSetFurnDlg::EditArticleButClick()
{
    TvxfFurnItem* item = RowItem(ItemListView->currentItem());
    if (!item)
        return;
    QString article = item->Article, comment = item->Note;
    int side = item->SideNo, count = item->Count;
    double length = item->Length;
    if (!ExecuteChangeFurn(this, article, side, comment, length, count) || article.isEmpty())
        return;
    item->Article = article;
    item->Count = count;
    item->Length = float(length);
    item->Note = comment;
    item->SideNo = side;
    NoRecalcCheck->setChecked(true);
    FillItemList();
}

void TSetFurnDlg::DeleteArticleButClick()
{
    TvxfFurnItem* item = RowItem(ItemListView->currentItem());
    if (!item)
        return;
    const int row = ItemListView->indexOfTopLevelItem(ItemListView->currentItem());
    DeleteItem(*FPosition, item);
    NoRecalcCheck->setChecked(true);
    FillItemList();
    if (ItemListView->topLevelItemCount() > 0)
        ItemListView->setCurrentItem(ItemListView->topLevelItem(qMin(row, ItemListView->topLevelItemCount() - 1)));
}

// ---------------------------------------------------------------------------------------------

bool ExecuteSetFurn(QWidget* parent, TvxfConstruction* position)
{
    if (!position) {
        ShowError(QStringLiteral("Указатель на текущий объект = nil!"));
        return false;
    }
    // The position comes back as it was unless the dialog ends with OK.
    TSpecStream backup;
    position->Backup(backup);
    bool ok = false;
    {
        TSetFurnDlg dlg(parent);
        ok = dlg.Execute(position);
    }
    if (!ok) {
        position->Restore(backup);
    }
    return ok;
}

} // namespace vx
