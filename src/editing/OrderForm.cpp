#include "editing/OrderForm.h"
#include "app/AniForm.h"
#include "app/MainForm.h"
#include "app/VXDialogInteraction.h"
#include "config/VXFSetupX.h"
#include "editing/SimplePosPropDlg.h"
#include "editing/VXFSizing.h"
#include "editing/VXOrderEditing.h"
#include "engine/VXFCatalogNames.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFPositionRecords.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "registry/VXOrderRegistry.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragMoveEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace vx {

namespace {

// The window's own deferred requests.
const QEvent::Type ShowPropertiesRequest = QEvent::Type(QEvent::User + 424);
const QEvent::Type RecalcRequest = QEvent::Type(QEvent::User + 429);
const QEvent::Type ShowNotesRequest = QEvent::Type(QEvent::User + 430);

enum Column { ColActive, ColPosNo, ColWidth, ColHeight, ColNum, ColName, ColPrice, ColCost, ColumnCount };

// Names of the fittings components for the description, from the catalog.
class TServiceNames : public TCatalogNames {
public:
    QString ComponentName(const QString& frnCompId) const override
    {
        QString name;
        try {
            ComplectNameOpt(frnCompId, name);
        } catch (const std::exception&) {
            name.clear();
        }
        return name;
    }
};

// A catalog name; a code without an entry, or a catalog that cannot answer, gives "".
template <class F>
QString NameOf(F lookup)
{
    try {
        return lookup();
    } catch (const std::exception&) {
        return QString();
    }
}

// Until the order properties dialog comes: number, service number, customer, object, address
// and telephone, so that a new order can be given its number and saved.
bool EditOrderHeader(QWidget* parent, TvxfOrder& order, bool& priceChanged)
{
    priceChanged = false;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OrderPropDlg"));
    dialog.setWindowTitle(QStringLiteral("Реквизиты заказа"));
    auto* form = new QFormLayout;
    auto field = [&](const char* name, const QString& caption, const QString& value, int maxLength) {
        auto* edit = new QLineEdit(value, &dialog);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(maxLength);
        edit->setMinimumWidth(260);
        form->addRow(caption, edit);
        return edit;
    };
    QLineEdit* no = field("OrderNoEdit", QStringLiteral("Заказ №"), order.OrderNo, 30);
    QLineEdit* altNo = field("AltOrderNoEdit", QStringLiteral("Служебный №"), order.AltOrderNo, 30);
    QLineEdit* customer = field("CustomerEdit", QStringLiteral("Заказчик"), order.Customer, 40);
    QLineEdit* object = field("ObjectNameEdit", QStringLiteral("Наименование объекта"), order.ObjectName, 40);
    QLineEdit* address = field("AddressEdit", QStringLiteral("Адрес объекта"), order.Address, 80);
    QLineEdit* phones = field("PhonesEdit", QStringLiteral("Контактный телефон"), order.Phones, 40);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    no->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    order.OrderNo = no->text().trimmed();
    order.AltOrderNo = altNo->text();
    order.Customer = customer->text();
    order.ObjectName = object->text();
    order.Address = address->text();
    order.Phones = phones->text();
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The list and the sketch box

TOrderListView::TOrderListView(TOrderForm* form) : QTreeWidget(form), Form(form)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void TOrderListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TOrderListView::dragMoveEvent(QDragMoveEvent* event)
{
    // Only a row of this list onto another row of it.
    if (event->source() == this && itemAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TOrderListView::dropEvent(QDropEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    QTreeWidgetItem* source = currentItem();
    if (event->source() != this || !target || !source) {
        event->ignore();
        return;
    }
    // The window moves the position itself; the view must not remove the dragged row.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Form->ListViewDragDrop(indexOfTopLevelItem(source), indexOfTopLevelItem(target));
}

TSketchBox::TSketchBox(TOrderForm* form) : QWidget(form), Form(form)
{
    setAutoFillBackground(false);
}

void TSketchBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Form->PaintBoxPaint(painter, rect());
}

// ---------------------------------------------------------------------------------------------

TOrderFormHooks& TOrderForm::Hooks()
{
    static TOrderFormHooks hooks;
    return hooks;
}

QWidget* NewOrderWindow(TMainForm& main)
{
    return new TOrderForm(&main);
}

TOrderForm::TOrderForm(TMainForm* main, QWidget* parent) : QWidget(parent), FMain(main), FOrder(std::make_unique<TvxfOrder>())
{
    setObjectName(QStringLiteral("OrderForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    Doc.Order = FOrder.get();

    // The status bar stands at the top of the window.
    auto* statusBar = new QWidget(this);
    auto* statusLayout = new QHBoxLayout(statusBar);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(2);
    const int widths[4] = {70, 150, 150, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(statusBar);
        panel->setObjectName(QStringLiteral("OrderStatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        if (i < 3)
            panel->setMaximumWidth(widths[i]);
        panel->setTextFormat(Qt::PlainText);
        statusLayout->addWidget(panel, i == 3 ? 1 : 0);
        StatusPanels[i] = panel;
    }

    ListView = new TOrderListView(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setColumnCount(ColumnCount);
    ListView->setHeaderLabels({QStringLiteral("[..]"), QStringLiteral("Позиция"), QStringLiteral("Ширина"),
                               QStringLiteral("Высота"), QStringLiteral("Кол-во"), QStringLiteral("Наименование"),
                               QStringLiteral("Цена"), QStringLiteral("Стоимость")});
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setItemsExpandable(false);
    ListView->setAllColumnsShowFocus(true);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSortingEnabled(false);
    ListView->header()->setSectionsClickable(true);
    ListView->header()->setSectionsMovable(false);
    ListView->header()->setStretchLastSection(false);
    for (int c : {int(ColWidth), int(ColHeight), int(ColNum), int(ColPrice), int(ColCost)})
        ListView->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    QFont listFont = ListView->font();
    listFont.setBold(true);
    listFont.setPixelSize(12);
    ListView->setFont(listFont);
    // Grid lines between the cells.
    ListView->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid #d4d4d4; "
                                           "border-bottom: 1px solid #d4d4d4; padding: 1px 3px; }"
                                           "QTreeView::item:selected { background: palette(highlight); "
                                           "color: palette(highlighted-text); }"));
    ListView->setColumnWidth(ColName, 300);
    ListView->setColumnWidth(ColPrice, 120);
    ListView->setColumnWidth(ColCost, 150);
    ListView->installEventFilter(this);

    InfoPanel = new QWidget(this);
    InfoPanel->setObjectName(QStringLiteral("InfoPanel"));
    InfoPanel->setAutoFillBackground(true);
    QPalette panelPalette = InfoPanel->palette();
    panelPalette.setColor(QPalette::Window, QColor(255, 255, 225));
    InfoPanel->setPalette(panelPalette);
    InfoPanel->installEventFilter(this);
    PaintBox = new TSketchBox(this);
    PaintBox->setObjectName(QStringLiteral("PaintBox"));
    PaintBox->setParent(InfoPanel);
    PaintBox->setFixedHeight(180);
    QFont sketchFont(QStringLiteral("Arial"));
    sketchFont.setPixelSize(12);
    PaintBox->setFont(sketchFont);
    ConstructionInfo = new QPlainTextEdit(InfoPanel);
    ConstructionInfo->setObjectName(QStringLiteral("ConstructionInfo"));
    ConstructionInfo->setReadOnly(true);
    ConstructionInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* infoLayout = new QVBoxLayout(InfoPanel);
    infoLayout->setContentsMargins(2, 2, 2, 2);
    infoLayout->setSpacing(2);
    infoLayout->addWidget(PaintBox);
    infoLayout->addWidget(ConstructionInfo, 1);

    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->addWidget(ListView);
    Splitter->addWidget(InfoPanel);
    Splitter->setStretchFactor(0, 1);
    Splitter->setStretchFactor(1, 0);
    Splitter->setChildrenCollapsible(false);
    InfoPanel->setMinimumWidth(120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(statusBar);
    layout->addWidget(Splitter, 1);
    resize(642, 346);
    Splitter->setSizes({642 - 239, 239});

    CreateMenus();

    connect(ListView, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int column) {
        if (!FFilling && column == ColActive)
            ListViewClick();
    });
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!FFilling)
            ListViewChange();
    });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { EditPosition(); });
    connect(ListView->header(), &QHeaderView::sectionClicked, this, &TOrderForm::ListViewColumnClick);

    // A new, empty order with the defaults of the settings.
    SetNewOrderDefaults(*FOrder);
    Doc.FileName = NewOrderFileName;
    Doc.IsNew = true;
    Doc.Saved = true;
    FFocused = 0;
    for (int c = ColActive; c <= ColNum; ++c)
        ListView->resizeColumnToContents(c);
    UpdateStatusBar();
    UpdateCaption();
    UpdateOwnCommands();
}

TOrderForm::~TOrderForm() = default;

void TOrderForm::CreateMenus()
{
    auto action = [this](QMenu* menu, const QString& text, void (TOrderForm::*slot)(), const QKeySequence& key = {}) {
        QAction* a = menu->addAction(text);
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    EditMenu = new QMenu(QStringLiteral("&Редактировать"), this);
    CopyItem = action(EditMenu, QStringLiteral("&Копировать"), &TOrderForm::CopyItemClick, QKeySequence(Qt::CTRL | Qt::Key_C));
    PasteItem = action(EditMenu, QStringLiteral("&Вставить"), &TOrderForm::PasteItemClick, QKeySequence(Qt::CTRL | Qt::Key_V));
    SelectAllItem = action(EditMenu, QStringLiteral("&Выделить все"), &TOrderForm::SelectAllItemClick,
                           QKeySequence(Qt::CTRL | Qt::Key_A));
    ClearOrderItem = action(EditMenu, QStringLiteral("Очистить "), &TOrderForm::ClearOrderItemClick);
    EditMenu->addSeparator();
    MergeItem = action(EditMenu, QStringLiteral("&Добавить из файла..."), &TOrderForm::MergeItemClick);

    OrderMenu = new QMenu(QStringLiteral("&Заказ"), this);
    PropertyItem = action(OrderMenu, QStringLiteral("&Реквизиты..."), &TOrderForm::PropertyItemClick);
    OrderMenu->addSeparator();
    NewPosItem = action(OrderMenu, QStringLiteral("Новая позиция..."), &TOrderForm::NewPosition, QKeySequence(Qt::Key_Insert));
    EditPosItem = action(OrderMenu, QStringLiteral("Изменить позицию ..."), &TOrderForm::EditPosition);
    DeletePosItem = action(OrderMenu, QStringLiteral("&Удалить позицию"), &TOrderForm::DeletePosition,
                           QKeySequence(Qt::CTRL | Qt::Key_Delete));
    OrderMenu->addSeparator();
    RecalcItem = action(OrderMenu, QStringLiteral("Пересчитать"), &TOrderForm::RecalcItemClick, QKeySequence(Qt::CTRL | Qt::Key_R));
    RegistrateItem = action(OrderMenu, QStringLiteral("Зарегистрировать"), &TOrderForm::RegistrateItemClick);
    OrderMenu->addSeparator();
    SortPosMenu = OrderMenu->addMenu(QStringLiteral("Сортировать"));
    SortPosItem = action(SortPosMenu, QStringLiteral("По позициям"), &TOrderForm::SortPosItemClick);
    SortNameItem = action(SortPosMenu, QStringLiteral("По изделиям"), &TOrderForm::SortNameItemClick);

    ServiceMenu = new QMenu(QStringLiteral("Сервис"), this);
    SpecExportMenu = ServiceMenu->addMenu(QStringLiteral("Экспорт в специальном формате"));
    ExportTBMItem = action(SpecExportMenu, QStringLiteral("Формат \"ТБМ Навигатор\""), &TOrderForm::ExportTBMItemClick);
    ExportVorneItem = action(SpecExportMenu, QStringLiteral("Формат \"ВорнеБела\""), &TOrderForm::ExportVorneItemClick);
    ExportXMLItem = action(SpecExportMenu, QStringLiteral("Формат XML"), &TOrderForm::ExportXMLItemClick);
    ExportTBMItem->setVisible(false);
    ExportVorneItem->setVisible(false);
    ExportXMLItem->setVisible(true);
}

QList<QMenu*> TOrderForm::ChildMenus()
{
    QList<QMenu*> menus{EditMenu, OrderMenu};
    if (ExportTBMItem->isVisible() || ExportVorneItem->isVisible() || ExportXMLItem->isVisible())
        menus.append(ServiceMenu);
    return menus;
}

QString TOrderForm::DefaultFileName() const
{
    return vx::DefaultFileName(*FOrder);
}

// ---------------------------------------------------------------------------------------------
// Commands

void TOrderForm::UpdateOwnCommands()
{
    const bool selected = SelectedIndex() >= 0;
    CopyItem->setEnabled(selected);
    PasteItem->setEnabled(FMain && FMain->CopiedPositions && !FMain->CopiedPositions->Records.isEmpty());
    SelectAllItem->setEnabled(FOrder->PositionCount() > 0);
    NewPosItem->setEnabled(true);
    // Editing is choosing the fittings again; without the fittings dialog there is nothing to edit.
    EditPosItem->setEnabled(selected && bool(Hooks().SetFurnDialog));
    DeletePosItem->setEnabled(selected);
    RecalcItem->setEnabled(FOrder->HasActive());
    MergeItem->setEnabled(FMain != nullptr);
}

void TOrderForm::UpdateCommands(TMainForm& main)
{
    // Called whenever this window becomes the active one, and after its commands.
    UpdateCaption();
    PublishOrderContext(*FOrder);
    FCurrencySymbol = NameOf([&] { return CurrencyName(FOrder->Currency); });
    UpdateOwnCommands();
    main.SaveItem->setEnabled(!Doc.Saved);
    main.SaveAsItem->setEnabled(true);
    main.SaveAllItem->setEnabled(!Doc.Saved);
    main.SaveBut->setEnabled(main.SaveItem->isEnabled());
    main.PrintBut->setEnabled(FOrder->HasActive() && bool(Hooks().PrintOrder));
    main.OrderPropBut->setEnabled(true);
    main.NewPosBut->setEnabled(NewPosItem->isEnabled());
    main.EditPosBut->setEnabled(EditPosItem->isEnabled());
    main.DeletePosBut->setEnabled(DeletePosItem->isEnabled());
}

void TOrderForm::UpdateCommands()
{
    if (FMain && FMain->ActiveChildWidget() == this)
        FMain->UpdateMenuItems();
    else
        UpdateOwnCommands();
}

void TOrderForm::ExecuteCommand(TChildCommand command)
{
    switch (command) {
    case TChildCommand::Properties: ShowOrderProperties(); break;
    case TChildCommand::NewPosition: NewPosition(); break;
    case TChildCommand::EditPosition: EditPosition(); break;
    case TChildCommand::DeletePosition: DeletePosition(); break;
    case TChildCommand::Print: PrintOrder(); break;
    default: break;
    }
}

void TOrderForm::SetModified()
{
    Doc.Saved = false;
}

int TOrderForm::SelectedIndex() const
{
    const QList<QTreeWidgetItem*> items = ListView->selectedItems();
    if (items.isEmpty())
        return -1;
    return ListView->indexOfTopLevelItem(items.first());
}

void TOrderForm::SelectRow(int index)
{
    if (index < 0 || index >= ListView->topLevelItemCount()) {
        ListView->clearSelection();
        return;
    }
    QTreeWidgetItem* row = ListView->topLevelItem(index);
    ListView->setCurrentItem(row);
    row->setSelected(true);
    ListView->scrollToItem(row);
}

// ---------------------------------------------------------------------------------------------
// Rows

QString TOrderForm::MoneyText(TMoney value) const
{
    return FormatMoney(value, 4, FCurrencySymbol.isEmpty() ? QStringLiteral(" ") : FCurrencySymbol);
}

void TOrderForm::WriteRow(QTreeWidgetItem* row, int index)
{
    const TvxfConstruction* p = FOrder->Position(index);
    if (!p)
        return;
    const bool filling = FFilling;
    FFilling = true;
    int32_t width = 0;
    int32_t height = 0;
    try {
        p->Size(width, height);
    } catch (const std::exception&) {
        width = height = 0;
    }
    QString cost;
    try {
        cost = MoneyText(p->TotalCost());
    } catch (const std::exception&) {
        cost.clear();
    }
    row->setCheckState(ColActive, p->Active ? Qt::Checked : Qt::Unchecked);
    row->setText(ColPosNo, p->PosNo);
    row->setText(ColWidth, QString::number(width));
    row->setText(ColHeight, QString::number(height));
    row->setText(ColNum, QString::number(p->Num));
    row->setText(ColName, p->Name);
    row->setText(ColPrice, MoneyText(p->Cost));
    row->setText(ColCost, cost);
    FFilling = filling;
}

QTreeWidgetItem* TOrderForm::MakeRow(int index)
{
    auto* row = new QTreeWidgetItem;
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled
                  | Qt::ItemIsDropEnabled);
    for (int c : {int(ColWidth), int(ColHeight), int(ColNum), int(ColPrice), int(ColCost)})
        row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    WriteRow(row, index);
    return row;
}

void TOrderForm::FitMoneyColumns()
{
    // Amounts are never cut: the columns grow past their usual widths when a text needs it.
    const int widths[2][2] = {{ColPrice, 120}, {ColCost, 150}};
    const QFontMetrics metrics(ListView->font());
    for (const auto& [column, width] : widths) {
        int needed = 0;
        for (int i = 0; i < ListView->topLevelItemCount(); ++i)
            needed = qMax(needed, metrics.horizontalAdvance(ListView->topLevelItem(i)->text(column)));
        ListView->setColumnWidth(column, qMax(width, needed + 16));
    }
}

void TOrderForm::RewriteAllRows()
{
    FCurrencySymbol = NameOf([&] { return CurrencyName(FOrder->Currency); });
    for (int i = 0; i < ListView->topLevelItemCount(); ++i)
        WriteRow(ListView->topLevelItem(i), i);
    FitMoneyColumns();
    RepaintSketch();
}

void TOrderForm::RebuildList()
{
    FCurrencySymbol = NameOf([&] { return CurrencyName(FOrder->Currency); });
    FFilling = true;
    ListView->setUpdatesEnabled(false);
    ListView->clear();
    for (int i = 0; i < FOrder->PositionCount(); ++i)
        ListView->addTopLevelItem(MakeRow(i));
    ListView->resizeColumnToContents(ColActive);
    FitMoneyColumns();
    if (FFocused >= 0 && FFocused < ListView->topLevelItemCount())
        SelectRow(FFocused);
    ListView->setUpdatesEnabled(true);
    FFilling = false;
    ListView->setFocus();
    RepaintSketch();
}

void TOrderForm::UpdateStatusBar()
{
    StatusPanels[0]->setText(FOrder->OrderNo);
    StatusPanels[1]->setText(FOrder->Customer);
    StatusPanels[2]->setText(FOrder->ObjectName);
    StatusPanels[3]->clear();
}

void TOrderForm::UpdateCaption()
{
    setWindowTitle(Doc.FileName);
}

void TOrderForm::ListViewChange()
{
    const int index = SelectedIndex();
    if (index >= 0)
        FFocused = index;
    RepaintSketch();
    UpdateCommands();
}

void TOrderForm::ListViewClick()
{
    for (int i = 0; i < ListView->topLevelItemCount() && i < FOrder->PositionCount(); ++i) {
        const bool checked = ListView->topLevelItem(i)->checkState(ColActive) == Qt::Checked;
        TvxfConstruction* p = FOrder->Position(i);
        if (p->Active != checked) {
            p->Active = checked;
            SetModified();
            UpdateCommands();
            return;
        }
    }
}

void TOrderForm::ToggleAllChecks()
{
    if (ListView->topLevelItemCount() == 0)
        return;
    const bool state = ListView->topLevelItem(0)->checkState(ColActive) != Qt::Checked;
    FFilling = true;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        ListView->topLevelItem(i)->setCheckState(ColActive, state ? Qt::Checked : Qt::Unchecked);
        if (TvxfConstruction* p = FOrder->Position(i))
            p->Active = state;
    }
    FFilling = false;
    SetModified();
    UpdateCommands();
}

void TOrderForm::ListViewColumnClick(int column)
{
    switch (column) {
    case ColActive: ToggleAllChecks(); break;
    case ColPosNo: SortPosItemClick(); break;
    case ColName: SortNameItemClick(); break;
    default: break;
    }
}

void TOrderForm::ListViewDragDrop(int source, int target)
{
    const int count = FOrder->PositionCount();
    if (source < 0 || source >= count || target < 0 || target >= count || source == target)
        return;
    FFilling = true;
    std::unique_ptr<TvxfConstruction> moved = FOrder->TakePosition(source);
    delete ListView->takeTopLevelItem(source);
    // The target's index as it was before the removal.
    FOrder->InsertPosition(target, std::move(moved));
    ListView->insertTopLevelItem(target, MakeRow(target));
    FFocused = target;
    SelectRow(target);
    FFilling = false;
    RewriteAllRows();
    SetModified();
    UpdateCommands();
}

bool TOrderForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            EditPosition();
            return true;
        }
    }
    if (watched == InfoPanel && event->type() == QEvent::MouseButtonPress) {
        PropertyItemClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// The sketch and the description

void TOrderForm::PaintBoxPaint(QPainter& painter, const QRect& rect)
{
    const int index = SelectedIndex();
    const TvxfConstruction* p = index >= 0 ? FOrder->Position(index) : nullptr;
    if (!p)
        return;
    try {
        DrawConstructionSketch(painter, rect, *p, AllSizeOptions);
    } catch (const std::exception&) {
        // A position the sketch cannot draw shows an empty box.
    }
}

void TOrderForm::FillConstructionInfo(const TvxfConstruction& p)
{
    QStringList lines;
    lines << QStringLiteral("Фурнитура: %1").arg(NameOf([&] { return SystemName(p.FurnSys); }))
          << QStringLiteral("Профиль: %1").arg(NameOf([&] { return ProfSysName(p.ProfSys); }))
          << QStringLiteral("Цвет: %1").arg(NameOf([&] { return ColorName(p.Color); }))
          << QStringLiteral("Фальц: %1").arg(NameOf([&] { return FalzName(p.Falz); }))
          << QStringLiteral("Дорнмасс (ств 1 / ств 2): %1 / %2")
                 .arg(NameOf([&] { return DornName(p.LeftFlugel->Dorn); }),
                      NameOf([&] { return DornName(p.RightFlugel->Dorn); }))
          << QStringLiteral("Тип штульпа: %1").arg(NameOf([&] { return StulpName(p.StulpType); }))
          << QStringLiteral("Тип створки: %1").arg(NameOf([&] { return OpenName(p.OpenType); }));
    try {
        TServiceNames names;
        p.InfoLines(lines, names);
    } catch (const std::exception&) {
        // The description is a help; what could be written stays.
    }
    ConstructionInfo->setPlainText(lines.join(QLatin1Char('\n')));
    ConstructionInfo->moveCursor(QTextCursor::Start);
}

void TOrderForm::RepaintSketch()
{
    const int index = SelectedIndex();
    if (const TvxfConstruction* p = index >= 0 ? FOrder->Position(index) : nullptr)
        FillConstructionInfo(*p);
    else
        ConstructionInfo->clear();
    PaintBox->update();
}

// ---------------------------------------------------------------------------------------------
// Positions

void TOrderForm::NewPosition()
{
    auto position = std::make_unique<TvxfConstruction>(FOrder.get());
    position->Layout = 2;
    position->Active = true;
    position->Num = 0;
    bool ok = false;
    try {
        ok = ExecuteSimplePosProp(this, *FOrder, position.get());
        if (ok && Hooks().SetFurnDialog)
            ok = Hooks().SetFurnDialog(this, *position);
    } catch (const std::exception& e) {
        // The dialogs show their own failures; anything else should not pass unseen.
        ShowError(ExceptionText(e));
        ok = false;
    }
    if (!ok) {
        UpdateCommands();
        return;
    }
    FOrder->AddPosition(std::move(position));
    FFocused = FOrder->PositionCount() - 1;
    SetModified();
    FFilling = true;
    ListView->addTopLevelItem(MakeRow(FFocused));
    SelectRow(FFocused);
    FFilling = false;
    FitMoneyColumns();
    RepaintSketch();
    UpdateCommands();
}

void TOrderForm::EditPosition()
{
    const int index = SelectedIndex();
    if (index < 0 || !Hooks().SetFurnDialog)
        return;
    try {
        std::unique_ptr<TvxfConstruction> copy = FOrder->CopyPosition(*FOrder->Position(index));
        if (Hooks().SetFurnDialog(this, *copy)) {
            FOrder->ReplacePosition(index, std::move(copy));
            WriteRow(ListView->topLevelItem(index), index);
            SetModified();
            RepaintSketch();
        }
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
    UpdateCommands();
}

void TOrderForm::DeletePosition()
{
    const int index = SelectedIndex();
    if (index < 0)
        return;
    if (!Confirm(QStringLiteral("Удалить позицию?")))
        return;
    FFilling = true;
    FOrder->RemovePosition(index);
    delete ListView->takeTopLevelItem(index);
    const int count = ListView->topLevelItemCount();
    FFocused = count == 0 ? -1 : qMin(index, count - 1);
    SelectRow(FFocused);
    FFilling = false;
    SetModified();
    UpdateCommands();
    RepaintSketch();
}

void TOrderForm::ClearOrderItemClick()
{
    if (!Confirm(QStringLiteral("Удалить все позиции?")))
        return;
    FOrder->ClearPositions();
    FFilling = true;
    ListView->clear();
    FFilling = false;
    FFocused = -1;
    SetModified();
    RepaintSketch();
    UpdateCommands();
}

void TOrderForm::SelectAllItemClick()
{
    // One row is selected at a time: the last one ends up selected.
    for (int i = 0; i < ListView->topLevelItemCount(); ++i)
        SelectRow(i);
}

void TOrderForm::SortPosItemClick()
{
    FOrder->SortByPosNo();
    RewriteAllRows();
    SetModified();
    UpdateCommands();
}

void TOrderForm::SortNameItemClick()
{
    FOrder->SortByName();
    RewriteAllRows();
    SetModified();
    UpdateCommands();
}

void TOrderForm::AppendPositions(std::vector<std::unique_ptr<TvxfConstruction>> positions)
{
    if (positions.empty())
        return;
    FFilling = true;
    for (auto& p : positions) {
        FOrder->AddPosition(std::move(p));
        ListView->addTopLevelItem(MakeRow(FOrder->PositionCount() - 1));
    }
    FFocused = FOrder->PositionCount() - 1;
    SelectRow(FFocused);
    FFilling = false;
    FitMoneyColumns();
    SetModified();
    RepaintSketch();
    UpdateCommands();
}

void TOrderForm::CopyItemClick()
{
    const int index = SelectedIndex();
    if (index < 0 || !FMain)
        return;
    try {
        TSpecStream s;
        WritePosition(s, *FOrder->Position(index));
        auto copied = std::make_shared<TCopiedPositions>();
        copied->Records.append(s.Data());
        copied->Currency = FOrder->Currency;
        copied->PriceGrpNo = FOrder->PriceGrpNo;
        FMain->CopiedPositions = copied;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка копирования позиции!\r\n(%1)").arg(ExceptionText(e)));
    }
    // Every order window may paste now.
    if (FMain)
        for (QWidget* w : FMain->ChildWidgets())
            if (auto* form = qobject_cast<TOrderForm*>(w))
                form->UpdateCommands();
}

void TOrderForm::PasteItemClick()
{
    if (!FMain || !FMain->CopiedPositions)
        return;
    const std::shared_ptr<TCopiedPositions> copied = FMain->CopiedPositions;
    std::vector<std::unique_ptr<TvxfConstruction>> positions;
    try {
        for (const QByteArray& record : copied->Records) {
            TSpecStream s(record);
            auto p = std::make_unique<TvxfConstruction>(FOrder.get());
            ReadPosition(s, *p, OrderFileVersion);
            positions.push_back(std::move(p));
        }
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка копирования позиции!\r\n(%1)").arg(ExceptionText(e)));
        return;
    }
    // A pasted position keeps its number unless this order has it already.
    int next = FOrder->PositionCount();
    for (auto& p : positions) {
        bool taken = FOrder->FindPosition(p->PosNo) != nullptr;
        for (const auto& q : positions)
            if (q.get() != p.get() && q.get() < p.get() && q->PosNo.compare(p->PosNo, Qt::CaseInsensitive) == 0)
                taken = true;
        if (taken) {
            QString number;
            do
                number = QStringLiteral("%1").arg(++next, 3, 10, QLatin1Char('0'));
            while (FOrder->FindPosition(number));
            p->PosNo = number;
        }
    }
    AppendPositions(std::move(positions));
    // Prices of another currency or price group are right only after a recalculation.
    if (copied->Currency != FOrder->Currency || copied->PriceGrpNo != FOrder->PriceGrpNo) {
        ShowWarning(QStringLiteral("Для корректной работы необходимо пересчитать заказ!"));
        PostRecalcOrder();
    }
}

void TOrderForm::MergeItemClick()
{
    if (!FMain)
        return;
    const QString file = FMain->ChooseOrderFile();
    if (file.isEmpty())
        return;
    auto source = std::make_unique<TvxfOrder>();
    bool converted = false;
    {
        TWaitCursor wait;
        if (!source->LoadFromFile(file, &converted))
            return;
    }
    std::vector<std::unique_ptr<TvxfConstruction>> positions;
    try {
        // All or nothing: the positions are copied before the first one is added.
        for (int i = 0; i < source->PositionCount(); ++i)
            positions.push_back(FOrder->CopyPosition(*source->Position(i)));
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка добаления изделий из файла [%1]!\r\n(%2)").arg(file, ExceptionText(e)));
        return;
    }
    const bool added = !positions.empty();
    AppendPositions(std::move(positions));
    if (added && FOrder->PositionCount() > 0) {
        ShowWarning(QStringLiteral("Для корректной работы необходимо пересчитать заказ!"));
        PostRecalcOrder();
    }
}

void TOrderForm::RecalcItemClick()
{
    RecalcOrder();
}

void TOrderForm::RecalcOrder()
{
    if (!Confirm(QStringLiteral("Пересчитать выделенные изделия с текущими установками?")))
        return;
    // Prices follow this order's currency and rates, whichever window is active.
    PublishOrderContext(*FOrder);
    TAniForm& ani = AniForm();
    ani.Start();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    try {
        TWaitCursor wait;
        const TRecalcOutcome outcome = RecalcActivePositions(*FOrder);
        if (outcome.Failed) {
            ani.Finish();
            ShowError(outcome.Message);
        }
    } catch (const std::exception& e) {
        ani.Finish();
        ShowError(ExceptionText(e));
    }
    // Positions before a failing one carry their new prices.
    if (FOrder->PositionCount() > 0)
        SetModified();
    ani.Finish();
    UpdateCommands();
    RewriteAllRows();
}

void TOrderForm::RegistrateItemClick()
{
    try {
        RegisterOrder(*FOrder, Doc.FileName, Doc.LoadedNo, false);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

void TOrderForm::PropertyItemClick()
{
    ShowOrderProperties();
}

void TOrderForm::ShowOrderProperties()
{
    bool priceChanged = false;
    bool ok = false;
    try {
        ok = Hooks().OrderPropDialog ? Hooks().OrderPropDialog(this, *FOrder, priceChanged)
                                     : EditOrderHeader(this, *FOrder, priceChanged);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        ok = false;
    }
    if (ok) {
        PublishOrderContext(*FOrder);
        SetModified();
        if (FOrder->PositionCount() > 0 && priceChanged) {
            ShowWarning(QStringLiteral("Были изменены настройки, влияющие на цену изделий.\r\nДля корректной работы "
                                       "необходимо пересчитать заказ!"));
            PostRecalcOrder();
        }
        RewriteAllRows();
    }
    UpdateStatusBar();
    UpdateCommands();
}

void TOrderForm::PrintOrder()
{
    if (Hooks().PrintOrder && FOrder->HasActive())
        Hooks().PrintOrder(this, *FOrder);
}

void TOrderForm::RunExport(const QString& question, const std::function<void(QWidget*, TvxfOrder&)>& dialog)
{
    if (!FOrder->HasActive() || !Confirm(question))
        return;
    if (HasSetup() && Setup().AlertIfNotFull && FOrder->ActiveCount() < FOrder->PositionCount()
        && !Confirm(QStringLiteral("Заказ включен в расчет не полностью!\r\nПродолжать работу с выборкой?")))
        return;
    if (dialog)
        dialog(this, *FOrder);
}

void TOrderForm::ExportTBMItemClick()
{
    RunExport(QStringLiteral("Экспортировать данные в формат \"ТБМ Навигатор\"?"), Hooks().ExportTBM);
}

void TOrderForm::ExportVorneItemClick()
{
    RunExport(QStringLiteral("Экспортировать данные в формат \"Ворне Бела\"?"), Hooks().ExportVorne);
}

void TOrderForm::ExportXMLItemClick()
{
    RunExport(QStringLiteral("Экспортировать данные в формат \"XML\"?"), Hooks().ExportXML);
}

// ---------------------------------------------------------------------------------------------
// Files

bool TOrderForm::LoadOrder(const QString& fileName)
{
    bool converted = false;
    {
        TWaitCursor wait;
        if (!FOrder->LoadFromFile(fileName, &converted))
            return false;
    }
    // A declined conversion or a newer file ends the load after the file's header: such a
    // window would save an empty order over the file.
    if (!converted && FOrder->Version != OrderFileVersion)
        return false;
    Doc.FileName = QFileInfo(fileName).absoluteFilePath();
    Doc.IsNew = false;
    Doc.LoadedNo = FOrder->OrderNo;
    Doc.LoadedCustomer = FOrder->Customer;
    Doc.LoadedObject = FOrder->ObjectName;
    // A converted order is written in the current version at the next save.
    Doc.Saved = !converted;
    PublishOrderContext(*FOrder);
    FFocused = FOrder->PositionCount() > 0 ? 0 : -1;
    RebuildList();
    UpdateStatusBar();
    UpdateCaption();
    UpdateCommands();
    if (!FOrder->Notes.isEmpty())
        QCoreApplication::postEvent(this, new QEvent(ShowNotesRequest));
    return true;
}

bool TOrderForm::SaveOrder(const QString& fileName)
{
    TOrderSaveHooks hooks;
    hooks.ShowOrderProperties = [this] { PostShowOrderProperties(); };
    hooks.ChooseFileName = [this](const QString& proposed, const QString& dir) {
        return FMain ? FMain->ChooseSaveFileName(false, proposed, dir) : QString();
    };
    const bool saved = vx::SaveOrder(Doc, fileName, hooks);
    UpdateCaption();
    UpdateStatusBar();
    UpdateCommands();
    return saved;
}

// ---------------------------------------------------------------------------------------------
// Deferred requests, window events

void TOrderForm::PostShowOrderProperties()
{
    QCoreApplication::postEvent(this, new QEvent(ShowPropertiesRequest));
}

void TOrderForm::PostRecalcOrder()
{
    QCoreApplication::postEvent(this, new QEvent(RecalcRequest));
}

void TOrderForm::customEvent(QEvent* event)
{
    if (event->type() == ShowPropertiesRequest)
        ShowOrderProperties();
    else if (event->type() == RecalcRequest)
        RecalcOrder();
    else if (event->type() == ShowNotesRequest)
        ShowInfo(FOrder->Notes.join(QStringLiteral("\r\n")));
    else
        QWidget::customEvent(event);
}

void TOrderForm::closeEvent(QCloseEvent* event)
{
    if (!Doc.Saved) {
        switch (AskYesNoCancel(QStringLiteral("Сохранить заказ?"))) {
        case TYesNoCancel::Yes:
            if (!(FMain ? FMain->SaveChild(this) : !Doc.IsNew && SaveOrder(QString()))) {
                event->ignore();
                return;
            }
            break;
        case TYesNoCancel::No: break;
        case TYesNoCancel::Cancel: event->ignore(); return;
        }
    }
    if (FMain) {
        FMain->StatusPanel(2)->clear();
        FMain->StatusPanel(3)->clear();
    }
    event->accept();
}

void TOrderForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FPlaced)
        return;
    FPlaced = true;
    // New windows start at the top left corner of the client area.
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()); window && !window->isMaximized())
        window->move(0, 0);
}

void TOrderForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isVisible() || !HasSetup())
        return;
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        Setup().TechnologOrderWinState = window->isMaximized() ? 2 : window->isMinimized() ? 1 : 0;
}

} // namespace vx
