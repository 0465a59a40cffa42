#pragma once
#include "editing/DBLookup2Dlg.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace vx {

class TTable;

// The group trees of the pickers: each node is a caption and a group code (0 for none).
struct TGroupNode {
    QString Caption;
    int Code = 0;
    QList<TGroupNode> Children;
};
// Fills the tree; the code of a node is kept in its data.
void FillGroupTree(QTreeWidget* tree, const QList<TGroupNode>& roots);
int NodeCode(const QTreeWidgetItem* node);
// Expands the first root and then the node of the code; selects the node of the other code.
void ShowGroups(QTreeWidget* tree, int expandGroup, int selectGroup);

// Picks an article from the catalog: a tree of article groups filters the grid, the search text
// finds the first row whose search field begins with it, a click on a column title sorts by it.
class TSelectArticleDlg : public TRowPickerDlg {
    Q_OBJECT
public:
    explicit TSelectArticleDlg(QWidget* parent = nullptr);

    QTreeWidget* TreeView;
    QSplitter* Splitter;
    QLineEdit* LookupEdit;
    QLabel* FilterName;
    QComboBox* SearchFieldCombo;

    static QList<TGroupNode> ArticleGroups();

    // True on OK; the chosen key value is then Result().
    bool Execute(TDataSet& dataSet, const QString& keyField, const QString& title, int expandGroup, int selectGroup,
                 TField* boundField, const QString& searchText, const QString& sortField, const QStringList& fields);

    // The field the search text looks in (upper case), empty for none.
    QString SearchField() const { return FSearchField; }

    void TreeViewChange(QTreeWidgetItem* node);
    void LookupEditChange(const QString& text);
    void SearchFieldComboChange(int index);
    void GridTitleButtonClick(const QString& fieldName);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
    void MarkIndexFields();
    TTable* Table() const;
    QString FSearchField;
};

// The article picker over a table, as the item editor uses it; true on OK with the
// chosen key value in *result.
bool ExecuteSelectArticle(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& title,
                          int expandGroup, int selectGroup, TField* boundField, const QString& searchText,
                          const QString& sortField, const QStringList& fields, QVariant* result = nullptr);

} // namespace vx
