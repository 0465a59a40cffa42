#pragma once
#include "editing/SelectArticleDlg.h"

namespace vx {

// Picks a fittings complect (a FrnComp row); a tree of complect groups filters the grid.
class TSelectComplectDlg : public TRowPickerDlg {
    Q_OBJECT
public:
    explicit TSelectComplectDlg(QWidget* parent = nullptr);

    QTreeWidget* TreeView;
    QSplitter* Splitter;

    static QList<TGroupNode> ComplectGroups();

    // True on OK; the chosen key value is then Result().
    bool Execute(TDataSet& dataSet, const QString& keyField, const QString& title, int expandGroup, int selectGroup,
                 TField* boundField, const QStringList& fields);

    void TreeViewChange(QTreeWidgetItem* node);
};

// The complect picker over a table; true on OK with the chosen key value in *result.
bool ExecuteSelectComplect(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& title,
                           int expandGroup, int selectGroup, TField* boundField, const QStringList& fields,
                           QVariant* result = nullptr);

// The fittings dialog's call: FrnComp keyed by ID showing Name, all groups; true on OK with the
// chosen complect ID.
bool SelectComplect(QWidget* parent, QString& complectId);

} // namespace vx
