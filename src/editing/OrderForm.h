#pragma once
#include "app/MdiChild.h"
#include "editing/VXOrderSaving.h"
#include "foundation/VXMoney.h"
#include <QPointer>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;

namespace vx {

class TMainForm;
class TOrderForm;
class TvxfConstruction;
class TvxfOrder;

// The dialogs the order window opens but other parts of the program provide. A missing one
// leaves its command disabled (editing, printing) or its step out (the fittings of a new
// position, the export dialogs).
struct TOrderFormHooks {
    // The fittings dialog on a position (a new one, or the copy being edited); true on OK.
    std::function<bool(QWidget* parent, TvxfConstruction& position)> SetFurnDialog;
    // The order properties; true on OK, priceChanged telling that a setting affecting prices
    // changed. The window has a small stand-in for number, customer and object until then.
    std::function<bool(QWidget* parent, TvxfOrder& order, bool& priceChanged)> OrderPropDialog;
    std::function<void(QWidget* parent, TvxfOrder& order)> PrintOrder;
    std::function<void(QWidget* parent, TvxfOrder& order)> ExportTBM;
    std::function<void(QWidget* parent, TvxfOrder& order)> ExportVorne;
    std::function<void(QWidget* parent, TvxfOrder& order)> ExportXML;
};

// The position list: rows are dragged only within the list, and the window moves the position.
class TOrderListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TOrderListView(TOrderForm* form);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TOrderForm* Form;
};

// The white box the sketch of the selected position is drawn into.
class TSketchBox : public QWidget {
    Q_OBJECT
public:
    explicit TSketchBox(TOrderForm* form);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TOrderForm* Form;
};

// The order window: one order, its positions in a list with check boxes, the sketch and the
// description of the selected position, and the commands on them. It owns its order.
class TOrderForm : public QWidget, public TMdiChild {
    Q_OBJECT
public:
    explicit TOrderForm(TMainForm* main, QWidget* parent = nullptr);
    ~TOrderForm() override;

    static TOrderFormHooks& Hooks();

    // The main window's side.
    TChildKind ChildKind() const override { return TChildKind::Order; }
    QList<QMenu*> ChildMenus() override;
    void UpdateCommands(TMainForm& main) override;
    void ExecuteCommand(TChildCommand command) override;
    bool IsNewDocument() const override { return Doc.IsNew; }
    QString DocumentFileName() const override { return Doc.FileName; }
    QString DefaultFileName() const override;
    bool LoadDocument(const QString& fileName) override { return LoadOrder(fileName); }
    bool SaveDocument(const QString& fileName) override { return SaveOrder(fileName); }
    bool SaveDocumentInPlace() override { return SaveOrder(QString()); }

    // Loads the file into the window; false when it could not be read or the load was refused
    // (an older file whose conversion was declined, a file of a newer version).
    bool LoadOrder(const QString& fileName);
    // Saves as the file, or with an empty name to the window's own file.
    bool SaveOrder(const QString& fileName);
    bool IsNewOrder() const { return Doc.IsNew; }

    void NewPosition();
    void EditPosition();
    void DeletePosition();
    void PrintOrder();
    void RecalcOrder();
    void ShowOrderProperties();
    // Sets the window's commands, and the main window's when this window is the active one.
    void UpdateCommands();

    // Deferred requests: they run once the current command has returned.
    void PostShowOrderProperties();
    void PostRecalcOrder();

    TvxfOrder& Order() const { return *FOrder; }
    const TOrderDocument& Document() const { return Doc; }
    bool Saved() const { return Doc.Saved; }
    int FocusedIndex() const { return FFocused; }
    int SelectedIndex() const;
    void SelectRow(int index);

    // The sketch of the selected position into the rectangle.
    void PaintBoxPaint(QPainter& painter, const QRect& rect);

    // Widgets.
    QLabel* StatusPanels[4] = {};
    TOrderListView* ListView;
    QWidget* InfoPanel;
    TSketchBox* PaintBox;
    QPlainTextEdit* ConstructionInfo;
    QSplitter* Splitter;

    // Menus merged into the main menu.
    QMenu* EditMenu;
    QMenu* OrderMenu;
    QMenu* ServiceMenu;
    QMenu* SortPosMenu;
    QMenu* SpecExportMenu;
    QAction* CopyItem;
    QAction* PasteItem;
    QAction* SelectAllItem;
    QAction* ClearOrderItem;
    QAction* MergeItem;
    QAction* PropertyItem;
    QAction* NewPosItem;
    QAction* EditPosItem;
    QAction* DeletePosItem;
    QAction* RecalcItem;
    QAction* RegistrateItem;
    QAction* SortPosItem;
    QAction* SortNameItem;
    QAction* ExportTBMItem;
    QAction* ExportVorneItem;
    QAction* ExportXMLItem;

public Q_SLOTS:
    void CopyItemClick();
    void PasteItemClick();
    void SelectAllItemClick();
    void ClearOrderItemClick();
    void MergeItemClick();
    void PropertyItemClick();
    void RecalcItemClick();
    void RegistrateItemClick();
    void SortPosItemClick();
    void SortNameItemClick();
    void ExportTBMItemClick();
    void ExportVorneItemClick();
    void ExportXMLItemClick();
    // Takes the first check box that differs from its position's flag into the flag.
    void ListViewClick();
    // Moves the position of the source row to the target row's place.
    void ListViewDragDrop(int source, int target);
    void ListViewColumnClick(int column);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void SetModified();
    void RebuildList();
    QTreeWidgetItem* MakeRow(int index);
    void WriteRow(QTreeWidgetItem* row, int index);
    void RewriteAllRows();
    void FitMoneyColumns();
    void UpdateStatusBar();
    void UpdateCaption();
    void UpdateOwnCommands();
    void RepaintSketch();
    void FillConstructionInfo(const TvxfConstruction& position);
    void ListViewChange();
    void ToggleAllChecks();
    void RunExport(const QString& question, const std::function<void(QWidget*, TvxfOrder&)>& dialog);
    void AppendPositions(std::vector<std::unique_ptr<TvxfConstruction>> positions);
    QString MoneyText(TMoney value) const;

    TMainForm* FMain;
    std::unique_ptr<TvxfOrder> FOrder;
    TOrderDocument Doc;
    int FFocused = 0;
    bool FFilling = false;
    bool FPlaced = false;
    QString FCurrencySymbol;
};

// A new order window over the main window, as the main window's new-order and open commands
// create it.
QWidget* NewOrderWindow(TMainForm& main);

} // namespace vx
