#include "editing/DBLookup2Dlg.h"
#include "app/VXDialogInteraction.h"
#include "db/VXTableEngine.h"
#include "editing/VXOrderProps.h"
#include "foundation/VXError.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace vx {

// ---------------------------------------------------------------------------------------------
// Grid model

namespace {

int DisplayWidth(const TField& field)
{
    switch (field.DataType()) {
    case TFieldType::String: return qBound(4, field.Size(), 40);
    case TFieldType::Date: return 10;
    case TFieldType::Boolean: return 4;
    default: return 10;
    }
}

} // namespace

TDataSetGridModel::TDataSetGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDataSetGridModel::SetDataSet(TDataSet* dataSet, const QStringList& fields)
{
    beginResetModel();
    FDataSet = dataSet;
    FFields.clear();
    FLabels.clear();
    FWidths.clear();
    if (FDataSet)
        for (const QString& name : fields)
            if (TField* f = FDataSet->FindField(name)) {
                FFields.append(f->FieldName());
                FLabels.append(f->DisplayLabel());
                FWidths.append(DisplayWidth(*f));
            }
    FKeys.clear();
    FTexts.clear();
    FRowOfKey.clear();
    endResetModel();
}

void TDataSetGridModel::Reload()
{
    beginResetModel();
    FKeys.clear();
    FTexts.clear();
    FRowOfKey.clear();
    if (FDataSet && FDataSet->Active()) {
        TDataSet& ds = *FDataSet;
        const TBookmark mark = ds.IsEmpty() ? TBookmark() : ds.GetBookmark();
        QList<TField*> fields;
        for (const QString& name : FFields)
            fields.append(ds.FieldByName(name));
        ds.DisableControls();
        try {
            for (ds.First(); !ds.Eof(); ds.Next()) {
                QStringList texts;
                for (TField* f : fields)
                    texts.append(f->AsString());
                FRowOfKey.insert(ds.GetBookmark().Key, int(FKeys.size()));
                FKeys.push_back(ds.GetBookmark().Key);
                FTexts.push_back(texts);
            }
            if (!mark.IsNull() && ds.BookmarkValid(mark))
                ds.GotoBookmark(mark);
            else
                ds.First();
        } catch (...) {
            ds.EnableControls();
            endResetModel();
            throw;
        }
        ds.EnableControls();
    }
    endResetModel();
}

QString TDataSetGridModel::FieldName(int column) const
{
    return column >= 0 && column < FFields.size() ? FFields.at(column) : QString();
}

int TDataSetGridModel::CurrentRow()
{
    if (!FDataSet || !FDataSet->Active() || FDataSet->IsEmpty())
        return -1;
    return FRowOfKey.value(FDataSet->GetBookmark().Key, -1);
}

void TDataSetGridModel::GotoRow(int row)
{
    if (!FDataSet || row < 0 || row >= int(FKeys.size()))
        return;
    TBookmark mark;
    mark.Key = FKeys[size_t(row)];
    mark.Set = true;
    if (FDataSet->BookmarkValid(mark))
        FDataSet->GotoBookmark(mark);
}

void TDataSetGridModel::SetMarkedFields(const QStringList& fields)
{
    FMarked.clear();
    for (const QString& f : fields)
        FMarked.append(f.trimmed().toUpper());
    if (!FFields.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(FFields.size()) - 1);
}

int TDataSetGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(FKeys.size());
}

int TDataSetGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(FFields.size());
}

QVariant TDataSetGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= FTexts.size())
        return QVariant();
    return FTexts[size_t(index.row())].value(index.column());
}

QVariant TDataSetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= FFields.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return FLabels.at(section);
    if (role == Qt::DecorationRole && FMarked.contains(FFields.at(section).toUpper()))
        return QApplication::style()->standardIcon(QStyle::SP_ArrowDown);
    return QVariant();
}

// ---------------------------------------------------------------------------------------------
// Grid

TPickerGrid::TPickerGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Grid"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT Chosen();
    });
}

void TPickerGrid::FitColumns()
{
    auto* m = qobject_cast<TDataSetGridModel*>(model());
    if (!m) {
        resizeColumnsToContents();
        return;
    }
    const int charWidth = fontMetrics().averageCharWidth();
    for (int c = 0; c < m->FWidths.size(); ++c)
        setColumnWidth(c, m->FWidths.at(c) * charWidth + 16);
}

void TPickerGrid::SelectRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const int column = qMax(0, currentIndex().column());
    const QModelIndex index = model()->index(row, column);
    setCurrentIndex(index);
    scrollTo(index);
}

void TPickerGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT Chosen();
        return;
    case Qt::Key_F3:
        setSelectionBehavior(selectionBehavior() == SelectRows ? SelectItems : SelectRows);
        if (currentIndex().isValid())
            setCurrentIndex(currentIndex());
        return;
    default: QTableView::keyPressEvent(event);
    }
}

// ---------------------------------------------------------------------------------------------
// Row picker

TRowPickerDlg::TRowPickerDlg(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Grid = new TPickerGrid(this);
    Model = new TDataSetGridModel(this);
    Grid->setModel(Model);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && Grid->model() == Model)
                    Model->GotoRow(current.row());
            });
    Buttons = new QDialogButtonBox(this);
    QPushButton* ok = Buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    Buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Grid, &TPickerGrid::Chosen, this, &QDialog::accept);
}

TRowPickerDlg::~TRowPickerDlg() = default;

void TRowPickerDlg::Prepare(TDataSet& dataSet, const QString& keyField, const QString& title, TField* boundField,
                            const QStringList& fields, bool keepView)
{
    setWindowTitle(title);
    FDataSet = &dataSet;
    FKeyField = keyField;
    FBoundField = boundField;
    FResult = QVariant();
    if (dataSet.Active())
        dataSet.Refresh();
    if (keepView)
        FView = std::make_unique<TTableViewState>(dynamic_cast<TTable*>(&dataSet));
    Model->SetDataSet(&dataSet, fields);
    Model->Reload();
    Grid->FitColumns();
    Grid->SelectRow(Model->CurrentRow());
}

void TRowPickerDlg::ReloadGrid()
{
    Model->Reload();
    int row = Model->CurrentRow();
    if (row < 0 && Model->rowCount() > 0) {
        Model->GotoRow(0);
        row = 0;
    }
    Grid->SelectRow(row);
}

bool TRowPickerDlg::Run()
{
    const bool ok = exec() == QDialog::Accepted;
    try {
        if (ok && FDataSet && FDataSet->Active() && !FDataSet->IsEmpty()) {
            if (Grid->currentIndex().isValid())
                Model->GotoRow(Grid->currentIndex().row());
            FResult = FDataSet->FieldByName(FKeyField)->AsVariant();
            if (FBoundField && !FBoundField->ReadOnly() && FBoundField->DataSet().Active()) {
                TDataSet& target = FBoundField->DataSet();
                if (target.State() != TDataSetState::Edit && target.State() != TDataSetState::Insert)
                    target.Edit();
                FBoundField->SetAsVariant(FResult);
            }
        }
    } catch (const std::exception& e) {
        FView.reset();
        ShowError(ExceptionText(e));
        return false;
    }
    FView.reset();
    return ok;
}

// ---------------------------------------------------------------------------------------------
// TDBLookup2Dlg

TDBLookup2Dlg::TDBLookup2Dlg(QWidget* parent) : TRowPickerDlg(parent)
{
    setObjectName(QStringLiteral("DBLookup2Dlg"));
    setWindowTitle(QStringLiteral("Список"));
    Memo = new QTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setFrameShape(QFrame::NoFrame);
    Memo->viewport()->setAutoFillBackground(false);
    Memo->setFocusPolicy(Qt::NoFocus);
    Memo->setFixedHeight(fontMetrics().height() * 3 + 12);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo);
    layout->addWidget(Grid, 1);
    layout->addWidget(Buttons);
    resize(520, 360);
}

bool TDBLookup2Dlg::Execute(TDataSet& dataSet, const QString& keyField, const QString& text, const QString& title,
                            const QString& filter, TField* boundField, const QStringList& fields)
{
    auto* table = dynamic_cast<TTable*>(&dataSet);
    const bool filtering = table && !filter.isEmpty();
    std::unique_ptr<TTableViewState> view;
    try {
        if (filtering) {
            view = std::make_unique<TTableViewState>(table);
            table->SetFilter(filter);
            table->SetFiltered(true);
        }
        Memo->setPlainText(text);
        Memo->setAlignment(Qt::AlignHCenter);
        Prepare(dataSet, keyField, title, boundField, fields, false);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return false;
    }
    return Run();
}

int TDBLookup2Dlg::ExecuteRows(const QString& text, const QString& title,
                               const QList<TUserInteraction::TChoiceRow>& rows)
{
    if (rows.isEmpty())
        return -1;
    setWindowTitle(title);
    Memo->setPlainText(text);
    Memo->setAlignment(Qt::AlignHCenter);
    auto* model = new QStandardItemModel(this);
    int columns = 1;
    for (const auto& row : rows)
        columns = qMax(columns, int(row.Texts.size()));
    model->setColumnCount(columns);
    for (const auto& row : rows) {
        QList<QStandardItem*> items;
        const QStringList texts = row.Texts.isEmpty() ? QStringList{row.Key} : row.Texts;
        for (int c = 0; c < columns; ++c)
            items.append(new QStandardItem(texts.value(c)));
        model->appendRow(items);
    }
    Grid->setModel(model);
    Grid->horizontalHeader()->setVisible(false);
    Grid->FitColumns();
    Grid->SelectRow(0);
    exec();
    // Whatever closed the picker, its current row is the answer.
    return Grid->currentIndex().isValid() ? Grid->currentIndex().row() : 0;
}

void TDBLookup2Dlg::showEvent(QShowEvent* event)
{
    TRowPickerDlg::showEvent(event);
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TDBLookup2Dlg::FormActivate()
{
    if (FBoundField && FDataSet && FDataSet->Active() && !FBoundField->IsNull()) {
        TLocateOptions options;
        options.CaseInsensitive = true;
        if (FDataSet->Locate(FKeyField, FBoundField->AsVariant(), options))
            Grid->SelectRow(Model->CurrentRow());
    }
    Grid->setFocus();
}

bool ExecuteDBLookup2(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& text,
                      const QString& title, const QString& filter, TField* boundField, const QStringList& fields,
                      QVariant* result)
{
    TDBLookup2Dlg dialog(parent ? parent : DialogParent());
    const bool ok = dialog.Execute(dataSet, keyField, text, title, filter, boundField, fields);
    if (result)
        *result = dialog.Result();
    return ok;
}

int ChooseAlternativeRow(QWidget* parent, const QString& prompt, const QString& title,
                         const QList<TUserInteraction::TChoiceRow>& rows)
{
    TDBLookup2Dlg dialog(parent ? parent : DialogParent());
    return dialog.ExecuteRows(prompt, title, rows);
}

} // namespace vx
