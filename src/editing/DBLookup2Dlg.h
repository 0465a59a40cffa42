#pragma once
#include "editing/VXOrderProps.h"
#include "foundation/VXUserInteraction.h"
#include <QAbstractTableModel>
#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QTableView>
#include <QVariant>
#include <memory>
#include <vector>

class QDialogButtonBox;
class QTextEdit;

namespace vx {

class TDataSet;
class TField;

// The rows of a data set as the pickers' grids show them: the texts of the shown fields of every
// row in the data set's order, read in one pass, each with the record it came from. Read again
// after every change of filter or order.
class TDataSetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDataSetGridModel(QObject* parent = nullptr);

    // Fields missing from the data set are left out.
    void SetDataSet(TDataSet* dataSet, const QStringList& fields);
    TDataSet* DataSet() const { return FDataSet; }
    // Reads the rows again; the data set's cursor stays where it was.
    void Reload();
    QString FieldName(int column) const;
    QStringList FieldNames() const { return FFields; }
    // The grid row of the data set's current record, -1 when none.
    int CurrentRow();
    // Moves the data set's cursor to the record of the row.
    void GotoRow(int row);
    // The titles of these fields (case-insensitive) carry the sort image.
    void SetMarkedFields(const QStringList& fields);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TDataSet* FDataSet = nullptr;
    QStringList FFields;
    QStringList FLabels;
    QList<int> FWidths;                  // display widths in characters
    QStringList FMarked;
    std::vector<qint64> FKeys;           // bookmark key per row
    std::vector<QStringList> FTexts;
    QHash<qint64, int> FRowOfKey;

    friend class TPickerGrid;
};

// The grid of the row pickers: Enter and a double click choose the row, F3 switches between
// selecting the whole row and a single cell.
class TPickerGrid : public QTableView {
    Q_OBJECT
public:
    explicit TPickerGrid(QWidget* parent = nullptr);
    // Column widths after the fields' display widths.
    void FitColumns();
    // Makes the row current (and visible); -1 leaves the grid without one.
    void SelectRow(int row);

Q_SIGNALS:
    void Chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// What the three row pickers share: a grid over a data set, the key field whose value the
// chosen row gives, the optional bound field that receives it, and the table's filter and order
// put back when the picker closes.
class TRowPickerDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRowPickerDlg(QWidget* parent = nullptr);
    ~TRowPickerDlg() override;

    TPickerGrid* Grid;
    QDialogButtonBox* Buttons;
    TDataSetGridModel* Model;

    // The key field's value of the row current when OK was pressed; empty after Cancel.
    QVariant Result() const { return FResult; }
    QString ResultText() const { return FResult.toString(); }

protected:
    // Title, grid over the data set (re-read) and the remembered view of a table.
    void Prepare(TDataSet& dataSet, const QString& keyField, const QString& title, TField* boundField,
                 const QStringList& fields, bool keepView);
    // Shows modally; on OK takes the result and writes the bound field. The table's view is put
    // back in every case.
    bool Run();
    // The grid shows the rows again and the current record's row.
    void ReloadGrid();

    TDataSet* FDataSet = nullptr;
    QString FKeyField;
    TField* FBoundField = nullptr;
    std::unique_ptr<TTableViewState> FView;
    QVariant FResult;
};

// Picks one row of a table under an explanatory text; the fittings engine's choice among
// alternative articles is answered with it.
class TDBLookup2Dlg : public TRowPickerDlg {
    Q_OBJECT
public:
    explicit TDBLookup2Dlg(QWidget* parent = nullptr);

    QTextEdit* Memo;

    // A filter, when given, replaces the table's own while the picker is open.
    bool Execute(TDataSet& dataSet, const QString& keyField, const QString& text, const QString& title,
                 const QString& filter, TField* boundField, const QStringList& fields);

    // The same picker over a list of rows (key and texts): answers the index of the row current
    // when it closes, whatever closed it; -1 for no rows.
    int ExecuteRows(const QString& text, const QString& title,
                    const QList<TUserInteraction::TChoiceRow>& rows);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
};

// The picker for a table; true on OK with the chosen key value in *result.
bool ExecuteDBLookup2(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& text,
                      const QString& title, const QString& filter, TField* boundField, const QStringList& fields,
                      QVariant* result = nullptr);

// The desktop answer to the fittings engine's choice among alternative articles
// (TUserInteraction::ChooseAlternative).
int ChooseAlternativeRow(QWidget* parent, const QString& prompt, const QString& title,
                         const QList<TUserInteraction::TChoiceRow>& rows);

} // namespace vx
