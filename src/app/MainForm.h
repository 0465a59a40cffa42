#pragma once
#include "app/MdiChild.h"
#include <QByteArray>
#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolButton;

namespace vx {

// Positions copied in an order window, as position records of the current file version, with
// the currency and price group they were priced in; any order window pastes them.
struct TCopiedPositions {
    QList<QByteArray> Records;
    int Currency = 0;
    int PriceGrpNo = 0;
};

// The windows and dialogs the main window opens but other parts of the program provide. A
// command whose window is not installed stays disabled.
struct TShellHooks {
    // A new child window (a QWidget implementing TMdiChild); the main window shows it.
    std::function<QWidget*(TMainForm& main)> NewOrderWindow;
    // A new selection window; source is the registry window whose selected orders it starts
    // from, or nullptr.
    std::function<QWidget*(TMainForm& main, TMdiChild* source)> NewSelectionWindow;
    std::function<QWidget*(TMainForm& main)> NewRegistryWindow;
    // The exchange-rate dialog with the given caption; true on OK.
    std::function<bool(QWidget* parent, const QString& caption)> CurrencyDialog;
    std::function<void(QWidget* parent)> FirmDialog;
    std::function<void(QWidget* parent)> PriceGroupDialog;
    std::function<void(QWidget* parent)> CatalogBrowser;
    std::function<void(QWidget* parent)> FTPSetupDialog;
    std::function<void(QWidget* parent)> ReportDesigner;
};

// Installs the windows the program has into the hooks; called once at start-up.
void InstallShellWindows(TShellHooks& hooks);

// The date of the last confirmed exchange-rate update, kept in "Valtrix.lcu" in the server
// directory as 8 bytes (a date in days since 30.12.1899). A missing or unreadable file counts
// as yesterday.
QDate ReadLastCurrencyUpdate(const QString& serverDir);
// Writes the date; a file that cannot be written is skipped silently.
void WriteLastCurrencyUpdate(const QString& serverDir, QDate date);

inline const QString MainFormCaption = QStringLiteral("Valtrix ФУРНИТУРА");

// The multi-document main window: menus, tool bars and status bar, the child windows, the
// routing of commands to the active child, and the orderly close.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    static TShellHooks& Hooks();

    // Connects the three databases, opens the catalog, sets the window state and notes the
    // start-up requests. Raises on a connection failure.
    void OpenWorkspace();
    // Queues the noted start-up requests to run, one after the other, once the event loop
    // runs: the registry window, the presentation, the exchange-rate dialog.
    void QueueStartupRequests();

    // Child windows.
    QMdiArea* MDIArea;
    // Shows a new child window; the only child gets the state "TechnologOrderWinState".
    QMdiSubWindow* AddChild(QWidget* child);
    TMdiChild* ActiveChild() const;
    QWidget* ActiveChildWidget() const;
    QList<QWidget*> ChildWidgets() const;     // in creation order
    int ChildCount() const;

    // "Save" of a document window: a window never saved goes through "save as".
    bool SaveChild(TMdiChild* child);
    // The save dialog for the window, then its save.
    bool SaveChildAs(TMdiChild* child);
    // The save dialog of a document kind with a proposed name and the initial folder (empty:
    // the kind's own folder); the chosen path, or empty for Cancel.
    QString ChooseSaveFileName(bool selection, const QString& proposed, const QString& initialDir = QString());
    // The open dialog for one order file (add from file); empty for Cancel.
    QString ChooseOrderFile();
    // Positions copied in an order window, for pasting into any order window.
    std::shared_ptr<TCopiedPositions> CopiedPositions;

    // Asks the children to close, from the last to the first; a refusing child stops the
    // sequence and gives false.
    bool CloseAllChildren();

    void ShowOrderToolBar();
    void ShowRegistryToolBar();
    void UpdateMenuItems();
    QLabel* StatusPanel(int index) const;

    // Menus.
    QMenu* FileMenu;
    QMenu* NewMenu;
    QMenu* SetupMenu;
    QMenu* WindowMenu;
    QMenu* HelpMenu;
    QAction* NewItem;
    QAction* NewOrderItem;
    QAction* NewOrderSelectionItem;
    QAction* OpenItem;
    QAction* SaveItem;
    QAction* SaveAsItem;
    QAction* SaveAllItem;
    QAction* CloseItem;
    QAction* CloseAllItem;
    QAction* OrderListItem;
    QAction* PrinterSetupItem;
    QAction* ReportDesignItem;
    QAction* ExitItem;
    QAction* CurrencyItem;
    QAction* FirmNameItem;
    QAction* PriceGrpItem;
    QAction* OptionsItem;
    QAction* FTPItem;
    QAction* CatalogItem;
    QAction* DebugModeItem;
    QAction* WindowCascadeItem;
    QAction* WindowTileItem;
    QAction* WindowArrangeItem;
    QAction* WindowMinimizeItem;
    QAction* AboutUsItem;
    QAction* AboutItem;

    // Tool bars.
    QToolBar* MainToolBar;
    QToolBar* OrderToolBar;
    QToolBar* RegistryToolBar;
    QAction* OrderListBut;
    QToolButton* NewBut;
    QToolButton* OpenBut;
    QAction* SaveBut;
    QAction* PrintBut;
    QAction* OrderPropBut;
    QAction* NewPosBut;
    QAction* EditPosBut;
    QAction* DeletePosBut;
    QAction* RegistrateOrderBut;
    QAction* OpenRegOrderBut;
    QAction* DeleteRegOrderBut;
    QAction* MoveToArchiveBut;

    // The printer the documents go to, set up by "&Настройка принтера...".
    QPrinter& Printer();

public Q_SLOTS:
    void OrderListItemClick();
    void NewOrderItemClick();
    void NewOrderSelectionItemClick();
    void NewButClick();
    // filter: 0 and 1 the order filters, 2 the selection filter, -1 as the active child gives.
    void OpenItemClick(int filter = -1);
    void SaveItemClick();
    void SaveAsItemClick();
    void SaveAllItemClick();
    void CloseItemClick();
    void CloseAllItemClick();
    void PrinterSetupClick();
    void ReportDesignItemClick();
    void ExitItemClick();
    void CurrencyItemClick();
    void FirmNameItemClick();
    void OptionsItemClick();
    void FTPItemClick();
    void CatalogItemClick();
    void PriceGrpItemClick();
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void AboutUsItemClick();
    void DebugModeItemClick();
    void AboutItemClick();
    void ShowPresentation();

Q_SIGNALS:
    // The window has closed for good (all children closed); the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void ChildActivated();
    void ArrangeToolBars();
    void MergeChildMenus(TMdiChild* child);
    void FillWindowMenu();
    void ApplyChildState(QMdiSubWindow* window);
    void RouteCommand(TChildCommand command);
    QWidget* CreateChild(const std::function<QWidget*()>& create);
    void RunCurrencyDialog();
    QMdiSubWindow* FindRegistryWindow() const;

    QList<std::function<void()>> StartupRequests;
    QList<QLabel*> Panels;
    QList<QPointer<QMenu>> MergedMenus;
    QList<QAction*> WindowListActions;
    std::unique_ptr<QPrinter> FPrinter;
};

} // namespace vx
