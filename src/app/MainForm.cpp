#include "app/MainForm.h"
#include "app/AboutDlg.h"
#include "app/AppPictures.h"
#include "app/OptionsDlg.h"
#include "app/PresentVeruradeDlg.h"
#include "app/VXDialogInteraction.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXSchema.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXDateTime.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXUserInteraction.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QDataStream>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstring>

namespace vx {

namespace {

const QString LastCurrencyFile = QStringLiteral("Valtrix.lcu");

const QStringList OpenFilters = {QStringLiteral("Заказ 370 (*.vfo370)"), QStringLiteral("Заказ 317 (*.vfo)"),
                                 QStringLiteral("Выборка (*.vfs370)")};
const int SelectionFilter = 2;

QAction* MakeAction(QObject* parent, const QString& text, const QString& hint = QString())
{
    auto* a = new QAction(text, parent);
    if (!hint.isEmpty()) {
        a->setStatusTip(hint);
        a->setToolTip(hint);
    }
    return a;
}

QString ExistingDir(const QString& dir)
{
    return dir.isEmpty() ? QString() : ResolvePath(dir);
}

// A file dialog of the program's own look, the same on every platform (and drivable in tests).
void PrepareFileDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The last currency update file

QDate ReadLastCurrencyUpdate(const QString& serverDir)
{
    const QDate yesterday = QDate::currentDate().addDays(-1);
    if (serverDir.isEmpty())
        return yesterday;
    QFile file(ResolvePath(JoinConfigPath(serverDir, LastCurrencyFile)));
    if (!file.open(QIODevice::ReadOnly))
        return yesterday;
    const QByteArray bytes = file.read(9);
    if (bytes.size() != 8)
        return yesterday;
    double days = 0;
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    in >> days;
    if (!(days > -700000 && days < 3000000))
        return yesterday;
    return TDateTime{days}.date();
}

void WriteLastCurrencyUpdate(const QString& serverDir, QDate date)
{
    if (serverDir.isEmpty())
        return;
    QFile file(ResolvePath(JoinConfigPath(serverDir, LastCurrencyFile)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << TDateTime::FromDate(date).Value;
}

// ---------------------------------------------------------------------------------------------

TShellHooks& TMainForm::Hooks()
{
    static TShellHooks hooks;
    return hooks;
}

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("%1: [%2]").arg(MainFormCaption, RunPaths().ConfigName));
    setWindowIcon(ApplicationIcon());
    move(0, 0);
    resize(640, 480);
    setMinimumSize(640, 480);
    // The first look uses most of the screen; the saved window state may change it later.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(qMax(640, area.width() * 9 / 10), qMax(480, area.height() * 9 / 10));
    }

    SetApplicationFormats();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    MDIArea = new QMdiArea(this);
    MDIArea->setObjectName(QStringLiteral("MDIArea"));
    MDIArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MDIArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MDIArea->setBackground(QColor(128, 128, 128));
    setCentralWidget(MDIArea);

    CreateMenus();
    CreateToolBars();
    CreateStatusBar();

    connect(MDIArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { ChildActivated(); });
    CurrencyItem->setText(QStringLiteral("Курсы валют на ") + FormatShortDate(QDate::currentDate()));
    OrderToolBar->hide();
    RegistryToolBar->hide();
    UpdateMenuItems();
}

TMainForm::~TMainForm()
{
    // No more activation notices while the children go.
    disconnect(MDIArea, nullptr, this, nullptr);
    if (HasDM()) {
        TDM& dm = DM();
        dm.CloseCatalog();
        dm.T_OrderList.Close();
        dm.DB_Catalog.Close();
        dm.DB_Registry.Close();
        dm.DB_Report.Close();
    }
    if (HasSetup())
        Setup().TechnologMainWinState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
}

// ---------------------------------------------------------------------------------------------
// Menus, tool bars, status bar

void TMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();

    FileMenu = bar->addMenu(QStringLiteral("&Файл"));
    NewMenu = new QMenu(QStringLiteral("&Новый"), this);
    NewItem = NewMenu->menuAction();
    NewItem->setStatusTip(QStringLiteral("Создать новый заказ или выборку"));
    NewOrderItem = MakeAction(this, QStringLiteral("Заказ"), QStringLiteral("Создать новый заказ"));
    NewOrderSelectionItem = MakeAction(this, QStringLiteral("Выборка"), QStringLiteral("Создать новую выборку"));
    NewMenu->addAction(NewOrderItem);
    NewMenu->addAction(NewOrderSelectionItem);
    FileMenu->addMenu(NewMenu);
    // Ctrl+N on "&Новый": a new document of the kind of the active window.
    auto* newShortcut = new QAction(this);
    newShortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(newShortcut);
    connect(newShortcut, &QAction::triggered, this, [this] {
        if (NewItem->isEnabled())
            NewButClick();
    });

    OpenItem = MakeAction(this, QStringLiteral("&Открыть..."), QStringLiteral("Открыть заказ или выборку"));
    OpenItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveItem = MakeAction(this, QStringLiteral("Сохранить"), QStringLiteral("Сохранить активное окно"));
    SaveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAsItem = MakeAction(this, QStringLiteral("&Сохранить как..."), QStringLiteral("Сохранить под другим именем"));
    SaveAllItem = MakeAction(this, QStringLiteral("&Сохранить все"), QStringLiteral("Сохранить все заказы и выборки"));
    CloseItem = MakeAction(this, QStringLiteral("&Закрыть"), QStringLiteral("Закрыть активное окно"));
    CloseAllItem = MakeAction(this, QStringLiteral("З&акрыть все"), QStringLiteral("Закрыть все окна"));
    OrderListItem = MakeAction(this, QStringLiteral("Реестр заказов..."), QStringLiteral("Реестр заказов"));
    PrinterSetupItem = MakeAction(this, QStringLiteral("&Настройка принтера..."), QStringLiteral("Настройка принтера"));
    ReportDesignItem = MakeAction(this, QStringLiteral("Дизайнер отчетов..."), QStringLiteral("Дизайнер отчетов"));
    ExitItem = MakeAction(this, QStringLiteral("&Выход"), QStringLiteral("Завершить работу с программой"));
    ExitItem->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    FileMenu->addAction(OpenItem);
    FileMenu->addAction(SaveItem);
    FileMenu->addAction(SaveAsItem);
    FileMenu->addAction(SaveAllItem);
    FileMenu->addSeparator();
    FileMenu->addAction(CloseItem);
    FileMenu->addAction(CloseAllItem);
    FileMenu->addSeparator();
    FileMenu->addAction(OrderListItem);
    FileMenu->addSeparator();
    FileMenu->addAction(PrinterSetupItem);
    FileMenu->addAction(ReportDesignItem);
    FileMenu->addSeparator();
    FileMenu->addAction(ExitItem);

    SetupMenu = bar->addMenu(QStringLiteral("&Установки"));
    CurrencyItem = MakeAction(this, QStringLiteral("Курсы валют на"), QStringLiteral("Курсы валют"));
    FirmNameItem = MakeAction(this, QStringLiteral("Реквизиты фирмы..."), QStringLiteral("Реквизиты фирмы"));
    PriceGrpItem = MakeAction(this, QStringLiteral("Ценовые группы..."), QStringLiteral("Ценовые группы"));
    OptionsItem = MakeAction(this, QStringLiteral("&Настройка параметров..."), QStringLiteral("Настройка параметров"));
    FTPItem = MakeAction(this, QStringLiteral("Настройка FTP..."), QStringLiteral("Настройка FTP"));
    CatalogItem = MakeAction(this, QStringLiteral("Справочник комплектующих..."), QStringLiteral("Справочник комплектующих"));
    DebugModeItem = MakeAction(this, QStringLiteral("Режим отладки"),
                               QStringLiteral("Не объединять одинаковые артикулы спецификации"));
    DebugModeItem->setCheckable(true);
    SetupMenu->addAction(CurrencyItem);
    SetupMenu->addAction(FirmNameItem);
    SetupMenu->addAction(PriceGrpItem);
    SetupMenu->addSeparator();
    SetupMenu->addAction(OptionsItem);
    SetupMenu->addAction(FTPItem);
    SetupMenu->addAction(CatalogItem);
    SetupMenu->addSeparator();
    SetupMenu->addAction(DebugModeItem);

    WindowMenu = bar->addMenu(QStringLiteral("&Окно"));
    WindowCascadeItem = MakeAction(this, QStringLiteral("&Каскад"), QStringLiteral("Расположить окна каскадом"));
    WindowTileItem = MakeAction(this, QStringLiteral("&Мозайка"), QStringLiteral("Расположить окна мозаикой"));
    WindowArrangeItem = MakeAction(this, QStringLiteral("&Сортировать иконки"), QStringLiteral("Упорядочить значки окон"));
    WindowMinimizeItem = MakeAction(this, QStringLiteral("Минимизировать все"), QStringLiteral("Свернуть все окна"));
    WindowMenu->addAction(WindowCascadeItem);
    WindowMenu->addAction(WindowTileItem);
    WindowMenu->addAction(WindowArrangeItem);
    WindowMenu->addAction(WindowMinimizeItem);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);

    HelpMenu = bar->addMenu(QStringLiteral("&Помощь"));
    AboutUsItem = MakeAction(this, QStringLiteral("О Нас..."), QStringLiteral("О нас"));
    AboutItem = MakeAction(this, QStringLiteral("&О программе..."), QStringLiteral("О программе"));
    HelpMenu->addAction(AboutUsItem);
    HelpMenu->addAction(AboutItem);

    connect(NewOrderItem, &QAction::triggered, this, &TMainForm::NewOrderItemClick);
    connect(NewOrderSelectionItem, &QAction::triggered, this, &TMainForm::NewOrderSelectionItemClick);
    connect(OpenItem, &QAction::triggered, this, [this] { OpenItemClick(-1); });
    connect(SaveItem, &QAction::triggered, this, &TMainForm::SaveItemClick);
    connect(SaveAsItem, &QAction::triggered, this, &TMainForm::SaveAsItemClick);
    connect(SaveAllItem, &QAction::triggered, this, &TMainForm::SaveAllItemClick);
    connect(CloseItem, &QAction::triggered, this, &TMainForm::CloseItemClick);
    connect(CloseAllItem, &QAction::triggered, this, &TMainForm::CloseAllItemClick);
    connect(OrderListItem, &QAction::triggered, this, &TMainForm::OrderListItemClick);
    connect(PrinterSetupItem, &QAction::triggered, this, &TMainForm::PrinterSetupClick);
    connect(ReportDesignItem, &QAction::triggered, this, &TMainForm::ReportDesignItemClick);
    connect(ExitItem, &QAction::triggered, this, &TMainForm::ExitItemClick);
    connect(CurrencyItem, &QAction::triggered, this, &TMainForm::CurrencyItemClick);
    connect(FirmNameItem, &QAction::triggered, this, &TMainForm::FirmNameItemClick);
    connect(PriceGrpItem, &QAction::triggered, this, &TMainForm::PriceGrpItemClick);
    connect(OptionsItem, &QAction::triggered, this, &TMainForm::OptionsItemClick);
    connect(FTPItem, &QAction::triggered, this, &TMainForm::FTPItemClick);
    connect(CatalogItem, &QAction::triggered, this, &TMainForm::CatalogItemClick);
    connect(DebugModeItem, &QAction::triggered, this, &TMainForm::DebugModeItemClick);
    connect(WindowCascadeItem, &QAction::triggered, this, &TMainForm::WindowCascadeItemClick);
    connect(WindowTileItem, &QAction::triggered, this, &TMainForm::WindowTileItemClick);
    connect(WindowArrangeItem, &QAction::triggered, this, &TMainForm::WindowArrangeItemClick);
    connect(WindowMinimizeItem, &QAction::triggered, this, &TMainForm::WindowMinimizeItemClick);
    connect(AboutUsItem, &QAction::triggered, this, &TMainForm::AboutUsItemClick);
    connect(AboutItem, &QAction::triggered, this, &TMainForm::AboutItemClick);
}

void TMainForm::CreateToolBars()
{
    MainToolBar = new QToolBar(QStringLiteral("Основная"), this);
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    OrderToolBar = new QToolBar(QStringLiteral("Заказ"), this);
    OrderToolBar->setObjectName(QStringLiteral("OrderToolBar"));
    RegistryToolBar = new QToolBar(QStringLiteral("Реестр"), this);
    RegistryToolBar->setObjectName(QStringLiteral("RegistryToolBar"));
    for (QToolBar* bar : {MainToolBar, OrderToolBar, RegistryToolBar}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->setIconSize(QSize(16, 16));
        bar->setMovable(false);
        bar->setFloatable(false);
        addToolBar(Qt::TopToolBarArea, bar);
    }

    OrderListBut = MakeAction(this, QStringLiteral("Реестр"), QStringLiteral("Реестр заказов"));
    OrderListBut->setIcon(ToolIcon(TToolIcon::Registry));
    MainToolBar->addAction(OrderListBut);

    auto* newButMenu = new QMenu(this);
    newButMenu->addAction(NewOrderItem);
    newButMenu->addAction(NewOrderSelectionItem);
    NewBut = new QToolButton(this);
    NewBut->setText(QStringLiteral("Новый"));
    NewBut->setToolTip(QStringLiteral("Создать новый документ"));
    NewBut->setStatusTip(QStringLiteral("Создать новый документ"));
    NewBut->setIcon(ToolIcon(TToolIcon::New));
    NewBut->setMenu(newButMenu);
    NewBut->setPopupMode(QToolButton::MenuButtonPopup);
    NewBut->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    MainToolBar->addWidget(NewBut);

    auto* openButMenu = new QMenu(this);
    QAction* openOrder = openButMenu->addAction(QStringLiteral("Заказ"));
    QAction* openSelection = openButMenu->addAction(QStringLiteral("Выборка"));
    OpenBut = new QToolButton(this);
    OpenBut->setText(QStringLiteral("Открыть"));
    OpenBut->setToolTip(QStringLiteral("Открыть заказ или выборку"));
    OpenBut->setStatusTip(QStringLiteral("Открыть заказ или выборку"));
    OpenBut->setIcon(ToolIcon(TToolIcon::Open));
    OpenBut->setMenu(openButMenu);
    OpenBut->setPopupMode(QToolButton::MenuButtonPopup);
    OpenBut->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    MainToolBar->addWidget(OpenBut);

    SaveBut = MakeAction(this, QStringLiteral("Сохранить "), QStringLiteral("Сохранить активное окно"));
    SaveBut->setIcon(ToolIcon(TToolIcon::Save));
    PrintBut = MakeAction(this, QStringLiteral("Печать"), QStringLiteral("Печать документов"));
    PrintBut->setIcon(ToolIcon(TToolIcon::Print));
    MainToolBar->addAction(SaveBut);
    MainToolBar->addAction(PrintBut);

    OrderPropBut = MakeAction(this, QStringLiteral("Реквизиты"), QStringLiteral("Реквизиты"));
    OrderPropBut->setIcon(ToolIcon(TToolIcon::Properties));
    NewPosBut = MakeAction(this, QStringLiteral("Добавить"), QStringLiteral("Добавить позицию"));
    NewPosBut->setIcon(ToolIcon(TToolIcon::Add));
    EditPosBut = MakeAction(this, QStringLiteral("Изменить"), QStringLiteral("Изменить позицию"));
    EditPosBut->setIcon(ToolIcon(TToolIcon::Edit));
    DeletePosBut = MakeAction(this, QStringLiteral("Удалить"), QStringLiteral("Удалить позицию"));
    DeletePosBut->setIcon(ToolIcon(TToolIcon::Delete));
    OrderToolBar->addAction(OrderPropBut);
    OrderToolBar->addAction(NewPosBut);
    OrderToolBar->addAction(EditPosBut);
    OrderToolBar->addAction(DeletePosBut);

    RegistrateOrderBut = MakeAction(this, QStringLiteral("Регистрация"), QStringLiteral("Зарегистрировать файлы заказов"));
    RegistrateOrderBut->setIcon(ToolIcon(TToolIcon::Register));
    OpenRegOrderBut = MakeAction(this, QStringLiteral("Открыть"), QStringLiteral("Открыть заказ"));
    OpenRegOrderBut->setIcon(ToolIcon(TToolIcon::Open));
    DeleteRegOrderBut = MakeAction(this, QStringLiteral("Удалить"), QStringLiteral("Удалить заказы из реестра"));
    DeleteRegOrderBut->setIcon(ToolIcon(TToolIcon::Delete));
    MoveToArchiveBut = MakeAction(this, QStringLiteral("В архив"), QStringLiteral("Переместить заказы в архив"));
    MoveToArchiveBut->setIcon(ToolIcon(TToolIcon::Archive));
    RegistryToolBar->addAction(RegistrateOrderBut);
    RegistryToolBar->addAction(OpenRegOrderBut);
    RegistryToolBar->addAction(DeleteRegOrderBut);
    RegistryToolBar->addAction(MoveToArchiveBut);
    RegistryToolBar->addSeparator();
    const struct {
        const char* Text;
        const char* Hint;
        TChildCommand Command;
    } navigator[] = {
        {"|<", "Первая", TChildCommand::NavFirst},          {"<", "Предыдущая", TChildCommand::NavPrior},
        {">", "Следующая", TChildCommand::NavNext},         {">|", "Последняя", TChildCommand::NavLast},
        {"✎", "Редактировать", TChildCommand::NavEdit},      {"✓", "Записать изменения", TChildCommand::NavPost},
        {"✗", "Отменить изменения", TChildCommand::NavCancel}, {"↻", "Обновить данные", TChildCommand::NavRefresh},
    };
    for (const auto& n : navigator) {
        QAction* a = MakeAction(this, QString::fromUtf8(n.Text), QString::fromUtf8(n.Hint));
        const TChildCommand command = n.Command;
        connect(a, &QAction::triggered, this, [this, command] { RouteCommand(command); });
        RegistryToolBar->addAction(a);
        if (QWidget* w = RegistryToolBar->widgetForAction(a))
            if (auto* b = qobject_cast<QToolButton*>(w))
                b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }

    connect(OrderListBut, &QAction::triggered, this, &TMainForm::OrderListItemClick);
    connect(NewBut, &QToolButton::clicked, this, &TMainForm::NewButClick);
    connect(OpenBut, &QToolButton::clicked, this, [this] { OpenItemClick(-1); });
    connect(openOrder, &QAction::triggered, this, [this] { OpenItemClick(0); });
    connect(openSelection, &QAction::triggered, this, [this] { OpenItemClick(SelectionFilter); });
    connect(SaveBut, &QAction::triggered, this, &TMainForm::SaveItemClick);
    connect(PrintBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::Print); });
    connect(OrderPropBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::Properties); });
    connect(NewPosBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::NewPosition); });
    connect(EditPosBut, &QAction::triggered, this, [this] {
        if (TMdiChild* c = ActiveChild(); c && c->ChildKind() == TChildKind::Order)
            c->ExecuteCommand(TChildCommand::EditPosition);
    });
    connect(DeletePosBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::DeletePosition); });
    connect(RegistrateOrderBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::RegisterOrders); });
    connect(OpenRegOrderBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::OpenRegOrder); });
    connect(DeleteRegOrderBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::DeleteRegOrders); });
    connect(MoveToArchiveBut, &QAction::triggered, this, [this] { RouteCommand(TChildCommand::MoveToArchive); });
}

void TMainForm::CreateStatusBar()
{
    const int widths[4] = {290, 135, 135, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        if (i < 3)
            panel->setMaximumWidth(widths[i]);
        statusBar()->addWidget(panel, i == 3 ? 1 : 0);
        Panels.append(panel);
    }
    statusBar()->setSizeGripEnabled(true);
}

QLabel* TMainForm::StatusPanel(int index) const
{
    return index >= 0 && index < Panels.size() ? Panels[index] : nullptr;
}

bool TMainForm::event(QEvent* event)
{
    // The hint of whatever the mouse is over goes to the first panel.
    if (event->type() == QEvent::StatusTip) {
        Panels[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::ShowOrderToolBar()
{
    RegistryToolBar->hide();
    OrderToolBar->show();
    ArrangeToolBars();
}

void TMainForm::ShowRegistryToolBar()
{
    OrderToolBar->hide();
    RegistryToolBar->show();
    ArrangeToolBars();
}

void TMainForm::ArrangeToolBars()
{
    // The child's tool bar goes to a line of its own when it does not fit beside the main one.
    QToolBar* child = !OrderToolBar->isHidden() ? OrderToolBar : !RegistryToolBar->isHidden() ? RegistryToolBar : nullptr;
    const int needed = MainToolBar->sizeHint().width() + (child ? child->sizeHint().width() : 0) + 16;
    const bool wrap = child && needed > width();
    if (wrap && !toolBarBreak(OrderToolBar))
        insertToolBarBreak(OrderToolBar);
    else if (!wrap && toolBarBreak(OrderToolBar))
        removeToolBarBreak(OrderToolBar);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ArrangeToolBars();
}

// ---------------------------------------------------------------------------------------------
// Child windows

QList<QWidget*> TMainForm::ChildWidgets() const
{
    QList<QWidget*> widgets;
    for (QMdiSubWindow* w : MDIArea->subWindowList(QMdiArea::CreationOrder))
        if (w->widget() && !w->isHidden())
            widgets.append(w->widget());
    return widgets;
}

int TMainForm::ChildCount() const
{
    return int(ChildWidgets().size());
}

QWidget* TMainForm::ActiveChildWidget() const
{
    // The current window stays current while a dialog has the focus.
    QMdiSubWindow* w = MDIArea->currentSubWindow();
    return w && !w->isHidden() ? w->widget() : nullptr;
}

TMdiChild* TMainForm::ActiveChild() const
{
    return dynamic_cast<TMdiChild*>(ActiveChildWidget());
}

QMdiSubWindow* TMainForm::AddChild(QWidget* child)
{
    const bool only = ChildCount() == 0;
    QMdiSubWindow* window = MDIArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->windowIcon().isNull())
        window->setWindowIcon(ApplicationIcon());
    connect(window, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &TMainForm::UpdateMenuItems); });
    // A window in normal state opens large enough to work in: most of the workspace.
    const QSize area = MDIArea->viewport()->size();
    window->resize(qMax(window->width(), area.width() * 4 / 5), qMax(window->height(), area.height() * 4 / 5));
    if (only)
        ApplyChildState(window);
    else
        window->show();
    MDIArea->setActiveSubWindow(window);
    UpdateMenuItems();
    return window;
}

void TMainForm::ApplyChildState(QMdiSubWindow* window)
{
    const int state = HasSetup() ? Setup().TechnologOrderWinState : 0;
    if (state == 2)
        window->showMaximized();
    else if (state == 1)
        window->showMinimized();
    else
        window->showNormal();
}

QWidget* TMainForm::CreateChild(const std::function<QWidget*()>& create)
{
    try {
        TWaitCursor wait;
        QWidget* child = create();
        if (child)
            AddChild(child);
        return child;
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return nullptr;
    }
}

QMdiSubWindow* TMainForm::FindRegistryWindow() const
{
    for (QMdiSubWindow* w : MDIArea->subWindowList())
        if (auto* c = dynamic_cast<TMdiChild*>(w->widget()); c && !w->isHidden() && c->ChildKind() == TChildKind::Registry)
            return w;
    return nullptr;
}

void TMainForm::ChildActivated()
{
    MergeChildMenus(ActiveChild());
    UpdateMenuItems();
}

void TMainForm::MergeChildMenus(TMdiChild* child)
{
    for (const QPointer<QMenu>& menu : MergedMenus)
        if (menu)
            menuBar()->removeAction(menu->menuAction());
    MergedMenus.clear();
    if (!child)
        return;
    for (QMenu* menu : child->ChildMenus()) {
        menuBar()->insertMenu(SetupMenu->menuAction(), menu);
        MergedMenus.append(menu);
    }
}

void TMainForm::FillWindowMenu()
{
    for (QAction* a : WindowListActions) {
        WindowMenu->removeAction(a);
        a->deleteLater();
    }
    WindowListActions.clear();
    const QList<QMdiSubWindow*> windows = MDIArea->subWindowList(QMdiArea::CreationOrder);
    QMdiSubWindow* current = MDIArea->currentSubWindow();
    int n = 0;
    for (QMdiSubWindow* w : windows) {
        if (w->isHidden())
            continue;
        if (n == 0)
            WindowListActions.append(WindowMenu->addSeparator());
        ++n;
        QAction* a = WindowMenu->addAction(QStringLiteral("&%1 %2").arg(n).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == current);
        QPointer<QMdiSubWindow> target(w);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) {
                if (target->isMinimized())
                    target->showNormal();
                MDIArea->setActiveSubWindow(target);
            }
        });
        WindowListActions.append(a);
    }
}

void TMainForm::UpdateMenuItems()
{
    const TShellHooks& hooks = Hooks();
    const bool anyChild = ChildCount() > 0;
    CloseItem->setEnabled(anyChild);
    CloseAllItem->setEnabled(anyChild);

    // Commands whose windows the program does not have yet stay disabled.
    NewOrderItem->setEnabled(bool(hooks.NewOrderWindow));
    NewOrderSelectionItem->setEnabled(bool(hooks.NewSelectionWindow));
    NewItem->setEnabled(NewOrderItem->isEnabled() || NewOrderSelectionItem->isEnabled());
    OpenItem->setEnabled(bool(hooks.NewOrderWindow) || bool(hooks.NewSelectionWindow));
    NewBut->setEnabled(NewItem->isEnabled());
    OpenBut->setEnabled(OpenItem->isEnabled());
    OrderListItem->setEnabled(bool(hooks.NewRegistryWindow));
    OrderListBut->setEnabled(OrderListItem->isEnabled());
    CurrencyItem->setEnabled(bool(hooks.CurrencyDialog));
    FirmNameItem->setEnabled(bool(hooks.FirmDialog));
    PriceGrpItem->setEnabled(bool(hooks.PriceGroupDialog));
    CatalogItem->setEnabled(bool(hooks.CatalogBrowser));
    FTPItem->setEnabled(bool(hooks.FTPSetupDialog));
    ReportDesignItem->setEnabled(bool(hooks.ReportDesigner));
    DebugModeItem->setChecked(HasSetup() && Setup().DebugMode);

    // Without an active child nothing can be saved or printed; an active child enables what
    // it has.
    SaveItem->setEnabled(false);
    SaveAsItem->setEnabled(false);
    SaveAllItem->setEnabled(false);
    PrintBut->setEnabled(false);
    TMdiChild* child = ActiveChild();
    if (!child) {
        OrderToolBar->hide();
        RegistryToolBar->hide();
        ArrangeToolBars();
    } else {
        if (child->ChildKind() == TChildKind::Registry)
            ShowRegistryToolBar();
        else
            ShowOrderToolBar();
        child->UpdateCommands(*this);
    }
    SaveBut->setEnabled(SaveItem->isEnabled());

    const bool developer = RunState().DeveloperMode;
    ReportDesignItem->setVisible(developer);
    CatalogItem->setVisible(developer);
    FTPItem->setVisible(developer);
}

void TMainForm::RouteCommand(TChildCommand command)
{
    if (TMdiChild* child = ActiveChild())
        child->ExecuteCommand(command);
}

// ---------------------------------------------------------------------------------------------
// Start and close

void TMainForm::OpenWorkspace()
{
    TDM& dm = DM();
    const TRunPaths& paths = RunPaths();
    dm.ConnectCatalog(ResolvePath(paths.CatalogDir));
    // A fresh server directory has no registry directory yet.
    ForceDirectories(paths.RegistryDir);
    dm.ConnectRegistry(ResolvePath(paths.RegistryDir));
    // ...nor the registry table, which saving and registering write into.
    EnsureSchema(dm.DB_Registry, Alias::Registry);
    dm.ConnectReport(ResolvePath(paths.ReportDir));
    dm.OpenCatalog();

    const int state = HasSetup() ? Setup().TechnologMainWinState : 0;
    if (state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (state == 1)
        setWindowState(Qt::WindowMinimized);

    StartupRequests.clear();
    if (HasSetup() && Setup().AutoOpenReg)
        StartupRequests.append([this] {
            if (Hooks().NewRegistryWindow && !FindRegistryWindow())
                CreateChild([this] { return Hooks().NewRegistryWindow(*this); });
        });
    if (!RunState().NoPresentation)
        StartupRequests.append([this] { ShowPresentation(); });
    if (HasSetup() && Setup().AutoLoadCurrency && QDate::currentDate() > ReadLastCurrencyUpdate(paths.ServerDir))
        StartupRequests.append([this] { RunCurrencyDialog(); });
}

void TMainForm::QueueStartupRequests()
{
    const QList<std::function<void()>> requests = StartupRequests;
    StartupRequests.clear();
    if (requests.isEmpty())
        return;
    // One request after the other: a modal window among them holds back the next.
    QTimer::singleShot(0, this, [requests] {
        for (const auto& request : requests)
            request();
    });
}

bool TMainForm::CloseAllChildren()
{
    QList<QMdiSubWindow*> windows = MDIArea->subWindowList(QMdiArea::CreationOrder);
    for (int i = int(windows.size()) - 1; i >= 0; --i) {
        if (windows[i]->isHidden())
            continue;
        if (!windows[i]->close())
            return false;
    }
    UpdateMenuItems();
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A child that refuses (Cancel on its unsaved changes) keeps the program running.
    if (!CloseAllChildren()) {
        event->ignore();
        UpdateMenuItems();
        return;
    }
    event->accept();
    QMainWindow::closeEvent(event);
    Q_EMIT Closed();
}

// ---------------------------------------------------------------------------------------------
// Commands

void TMainForm::OrderListItemClick()
{
    if (QMdiSubWindow* registry = FindRegistryWindow()) {
        if (registry->isMinimized())
            registry->showNormal();
        MDIArea->setActiveSubWindow(registry);
        return;
    }
    if (!Hooks().NewRegistryWindow)
        return;
    QTimer::singleShot(0, this, [this] {
        if (!FindRegistryWindow())
            CreateChild([this] { return Hooks().NewRegistryWindow(*this); });
    });
}

void TMainForm::NewOrderItemClick()
{
    if (!Hooks().NewOrderWindow)
        return;
    QWidget* child = CreateChild([this] { return Hooks().NewOrderWindow(*this); });
    if (auto* c = dynamic_cast<TMdiChild*>(child)) {
        QPointer<QWidget> guard(child);
        QTimer::singleShot(0, this, [guard, c] {
            if (guard)
                c->ExecuteCommand(TChildCommand::Properties);
        });
    }
}

void TMainForm::NewOrderSelectionItemClick()
{
    if (!Hooks().NewSelectionWindow)
        return;
    TMdiChild* source = nullptr;
    if (TMdiChild* active = ActiveChild(); active && active->ChildKind() == TChildKind::Registry &&
                                           active->SelectedRowCount() > 0 &&
                                           Confirm(QStringLiteral("Создать выборку на основании выделенных заказов?")))
        source = active;
    QWidget* child = CreateChild([this, source] { return Hooks().NewSelectionWindow(*this, source); });
    if (auto* c = dynamic_cast<TMdiChild*>(child)) {
        QPointer<QWidget> guard(child);
        QTimer::singleShot(0, this, [guard, c] {
            if (guard)
                c->ExecuteCommand(TChildCommand::Properties);
        });
    }
}

void TMainForm::NewButClick()
{
    TMdiChild* active = ActiveChild();
    if (active && active->ChildKind() == TChildKind::Selection)
        NewOrderSelectionItemClick();
    else
        NewOrderItemClick();
}

void TMainForm::OpenItemClick(int filter)
{
    if (!OpenItem->isEnabled())
        return;
    if (filter < 0) {
        TMdiChild* active = ActiveChild();
        filter = active && active->ChildKind() == TChildKind::Selection ? SelectionFilter : 0;
    }
    const TRunPaths& paths = RunPaths();
    QFileDialog dialog(this, QStringLiteral("Открыть..."));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    PrepareFileDialog(dialog);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Открыть"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(QStringLiteral("vfo370"));
    dialog.setNameFilters(OpenFilters);
    dialog.selectNameFilter(OpenFilters[filter]);
    const QString dir = ExistingDir(filter == SelectionFilter ? paths.SelectionDir : paths.OrdersDir);
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = int(OpenFilters.indexOf(dialog.selectedNameFilter()));
    const bool selection = chosen == SelectionFilter;
    const QStringList files = dialog.selectedFiles();
    TWaitCursor wait;
    for (const QString& file : files) {
        QWidget* child = nullptr;
        if (selection) {
            if (Hooks().NewSelectionWindow)
                child = CreateChild([this] { return Hooks().NewSelectionWindow(*this, nullptr); });
        } else if (Hooks().NewOrderWindow) {
            child = CreateChild([this] { return Hooks().NewOrderWindow(*this); });
        }
        auto* c = dynamic_cast<TMdiChild*>(child);
        if (!c)
            continue;
        // A file that could not be read has shown its error; its window goes again.
        if (!c->LoadDocument(file)) {
            if (QMdiSubWindow* w = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
                w->deleteLater();
            else
                child->deleteLater();
        }
    }
    UpdateMenuItems();
}

bool TMainForm::SaveChild(TMdiChild* child)
{
    if (!child || child->ChildKind() == TChildKind::Registry)
        return false;
    if (child->IsNewDocument())
        return SaveChildAs(child);
    TWaitCursor wait;
    const bool saved = child->SaveDocumentInPlace();
    UpdateMenuItems();
    return saved;
}

QString TMainForm::ChooseSaveFileName(bool selection, const QString& proposed, const QString& initialDir)
{
    const TRunPaths& paths = RunPaths();
    QFileDialog dialog(this, selection ? QStringLiteral("Сохранить выборку...") : QStringLiteral("Сохранить заказ..."));
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    PrepareFileDialog(dialog);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(selection ? QStringLiteral("vfs370") : QStringLiteral("vfo370"));
    dialog.setNameFilters(selection ? QStringList{QStringLiteral("Выборка (*.vfs370)"), QStringLiteral("Все файлы (*.*)")}
                                    : QStringList{QStringLiteral("Заказ (*.vfo370)"), QStringLiteral("Все файлы (*.*)")});
    const QString dir = !initialDir.isEmpty() ? ExistingDir(initialDir)
                                              : ExistingDir(selection ? paths.SelectionDir : paths.OrdersDir);
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (!proposed.isEmpty())
        dialog.selectFile(QFileInfo(proposed).isAbsolute() ? ResolvePath(proposed) : proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TMainForm::ChooseOrderFile()
{
    QFileDialog dialog(this, QStringLiteral("Открыть..."));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    PrepareFileDialog(dialog);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Открыть"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("vfo370"));
    dialog.setNameFilters(OpenFilters.mid(0, 2));
    const QString dir = ExistingDir(RunPaths().OrdersDir);
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool TMainForm::SaveChildAs(TMdiChild* child)
{
    if (!child || child->ChildKind() == TChildKind::Registry)
        return false;
    const bool selection = child->ChildKind() == TChildKind::Selection;
    const QString proposed = child->IsNewDocument() ? child->DefaultFileName() : child->DocumentFileName();
    const QString file = ChooseSaveFileName(selection, proposed);
    if (file.isEmpty())
        return false;
    TWaitCursor wait;
    const bool saved = child->SaveDocument(file);
    UpdateMenuItems();
    return saved;
}

void TMainForm::SaveItemClick()
{
    SaveChild(ActiveChild());
}

void TMainForm::SaveAsItemClick()
{
    SaveChildAs(ActiveChild());
}

void TMainForm::SaveAllItemClick()
{
    const QList<QWidget*> children = ChildWidgets();
    for (int i = int(children.size()) - 1; i >= 0; --i) {
        auto* c = dynamic_cast<TMdiChild*>(children[i]);
        if (c && (c->ChildKind() == TChildKind::Order || c->ChildKind() == TChildKind::Selection))
            SaveChild(c);
    }
    UpdateMenuItems();
}

void TMainForm::CloseItemClick()
{
    if (QMdiSubWindow* w = MDIArea->currentSubWindow())
        w->close();
    UpdateMenuItems();
}

void TMainForm::CloseAllItemClick()
{
    CloseAllChildren();
    UpdateMenuItems();
}

QPrinter& TMainForm::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void TMainForm::PrinterSetupClick()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void TMainForm::ReportDesignItemClick()
{
    if (Hooks().ReportDesigner)
        Hooks().ReportDesigner(this);
}

void TMainForm::ExitItemClick()
{
    close();
}

void TMainForm::RunCurrencyDialog()
{
    if (!Hooks().CurrencyDialog)
        return;
    if (Hooks().CurrencyDialog(this, CurrencyItem->text()) && HasSetup() && Setup().AutoLoadCurrency)
        WriteLastCurrencyUpdate(RunPaths().ServerDir, QDate::currentDate());
}

void TMainForm::CurrencyItemClick()
{
    QTimer::singleShot(0, this, &TMainForm::RunCurrencyDialog);
}

void TMainForm::FirmNameItemClick()
{
    if (Hooks().FirmDialog)
        Hooks().FirmDialog(this);
}

void TMainForm::OptionsItemClick()
{
    TOptionsDlg dialog(this);
    dialog.EditOptions(Setup());
}

void TMainForm::FTPItemClick()
{
    if (Hooks().FTPSetupDialog)
        Hooks().FTPSetupDialog(this);
}

void TMainForm::CatalogItemClick()
{
    if (Hooks().CatalogBrowser)
        Hooks().CatalogBrowser(this);
}

void TMainForm::PriceGrpItemClick()
{
    if (Hooks().PriceGroupDialog)
        Hooks().PriceGroupDialog(this);
}

void TMainForm::WindowCascadeItemClick()
{
    MDIArea->cascadeSubWindows();
}

void TMainForm::WindowTileItemClick()
{
    MDIArea->tileSubWindows();
}

void TMainForm::WindowArrangeItemClick()
{
    // Minimised windows line up along the bottom of the client area.
    const QList<QMdiSubWindow*> windows = MDIArea->subWindowList(QMdiArea::CreationOrder);
    int x = 0;
    for (QMdiSubWindow* w : windows) {
        if (!w->isMinimized() || w->isHidden())
            continue;
        if (x + w->width() > MDIArea->viewport()->width() && x > 0)
            x = 0;
        w->move(x, MDIArea->viewport()->height() - w->height());
        x += w->width();
    }
}

void TMainForm::WindowMinimizeItemClick()
{
    for (QMdiSubWindow* w : MDIArea->subWindowList())
        if (!w->isHidden())
            w->showMinimized();
}

void TMainForm::AboutUsItemClick()
{
    QTimer::singleShot(0, this, &TMainForm::ShowPresentation);
}

void TMainForm::ShowPresentation()
{
    TPresentVeruradeDlg dialog(this);
    dialog.exec();
}

void TMainForm::DebugModeItemClick()
{
    if (HasSetup())
        Setup().DebugMode = DebugModeItem->isChecked();
}

void TMainForm::AboutItemClick()
{
    TAboutDlg dialog(this);
    dialog.exec();
}

} // namespace vx
