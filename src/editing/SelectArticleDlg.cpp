#include "editing/SelectArticleDlg.h"
#include "app/VXDialogInteraction.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx {

namespace {

constexpr int CodeRole = Qt::UserRole + 1;

void AddNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const QList<TGroupNode>& nodes)
{
    for (const TGroupNode& n : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, n.Caption);
        item->setData(0, CodeRole, n.Code);
        AddNodes(item, tree, n.Children);
    }
}

QTreeWidgetItem* FindNode(QTreeWidgetItem* node, int code)
{
    if (NodeCode(node) == code)
        return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QTreeWidgetItem* found = FindNode(node->child(i), code))
            return found;
    return nullptr;
}

QTreeWidgetItem* FindNode(QTreeWidget* tree, int code)
{
    if (code == 0)
        return nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* found = FindNode(tree->topLevelItem(i), code))
            return found;
    return nullptr;
}

} // namespace

void FillGroupTree(QTreeWidget* tree, const QList<TGroupNode>& roots)
{
    tree->clear();
    AddNodes(nullptr, tree, roots);
}

int NodeCode(const QTreeWidgetItem* node)
{
    return node ? node->data(0, CodeRole).toInt() : 0;
}

void ShowGroups(QTreeWidget* tree, int expandGroup, int selectGroup)
{
    if (tree->topLevelItemCount() > 0)
        tree->topLevelItem(0)->setExpanded(true);
    if (QTreeWidgetItem* node = FindNode(tree, expandGroup))
        node->setExpanded(true);
    if (QTreeWidgetItem* node = FindNode(tree, selectGroup))
        tree->setCurrentItem(node);
}

QList<TGroupNode> TSelectArticleDlg::ArticleGroups()
{
    static const QList<std::pair<const char*, int>> fittings = {
        {"Замок со средним ПР", 201},
        {"Замок с фиксированным ПР", 202},
        {"Пов. замок со средним ПР", 203},
        {"Пов. замок с фиксированным ПР", 204},
        {"Механизм штульповый", 205},
        {"Удлинитель / Промежуточная передача", 207},
        {"Концевой запор", 206},
        {"Шпингалет", 208},
        {"Угловой переключатель", 209},
        {"Ножницы", 210},
        {"Средний запор", 211},
        {"Средний прижим", 212},
        {"Петля оконная", 213},
        {"Декоративная накладка", 214},
        {"Ответная планка", 215},
        {"Подкладка", 216},
        {"Защелка балконная", 217},
        {"Блокиратор", 218},
        {"Подъемник створки", 219},
        {"Прочий аксессуар", 220},
        {"Ручки оконная", 221},
        {"Замок дверной", 222},
        {"Петля дверная", 223},
        {"Ручка дверная", 224},
        {"Доводчик дверной", 225},
        {"Аксессуар дверной", 226},
    };
    TGroupNode root{QStringLiteral("Фурнитура"), 200, {}};
    for (const auto& [caption, code] : fittings)
        root.Children.append({QString::fromUtf8(caption), code, {}});
    return {root, {QStringLiteral("Прочие материалы"), 1000, {}}};
}

TSelectArticleDlg::TSelectArticleDlg(QWidget* parent) : TRowPickerDlg(parent)
{
    setObjectName(QStringLiteral("SelectArticleDlg"));
    setWindowTitle(QStringLiteral("Список"));
    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    FillGroupTree(TreeView, ArticleGroups());
    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->addWidget(TreeView);
    Splitter->addWidget(Grid);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({260, 540});

    LookupEdit = new QLineEdit(this);
    LookupEdit->setObjectName(QStringLiteral("LookupEdit"));
    LookupEdit->installEventFilter(this);
    SearchFieldCombo = new QComboBox(this);
    SearchFieldCombo->setObjectName(QStringLiteral("SearchFieldCombo"));
    SearchFieldCombo->setMinimumContentsLength(14);
    FilterName = new QLabel(QStringLiteral("Отключен"), this);
    FilterName->setObjectName(QStringLiteral("FilterName"));

    auto* search = new QHBoxLayout;
    auto* findLabel = new QLabel(QStringLiteral("Найти"), this);
    findLabel->setBuddy(LookupEdit);
    search->addWidget(findLabel);
    search->addWidget(LookupEdit, 1);
    auto* byLabel = new QLabel(QStringLiteral("Искать по"), this);
    byLabel->setBuddy(SearchFieldCombo);
    search->addWidget(byLabel);
    search->addWidget(SearchFieldCombo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Текущий фильтр:"), this));
    bottom->addWidget(FilterName, 1);
    bottom->addWidget(Buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Splitter, 1);
    layout->addLayout(search);
    layout->addLayout(bottom);
    resize(820, 480);

    connect(TreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeViewChange(current); });
    connect(TreeView, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) {
        if (TreeView->currentItem() != node)
            TreeView->setCurrentItem(node);
    });
    connect(LookupEdit, &QLineEdit::textChanged, this, &TSelectArticleDlg::LookupEditChange);
    connect(SearchFieldCombo, &QComboBox::currentIndexChanged, this, &TSelectArticleDlg::SearchFieldComboChange);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { GridTitleButtonClick(Model->FieldName(section)); });
}

TTable* TSelectArticleDlg::Table() const
{
    return dynamic_cast<TTable*>(FDataSet);
}

bool TSelectArticleDlg::Execute(TDataSet& dataSet, const QString& keyField, const QString& title, int expandGroup,
                                int selectGroup, TField* boundField, const QString& searchText,
                                const QString& sortField, const QStringList& fields)
{
    try {
        Prepare(dataSet, keyField, title, boundField, fields, true);
        ShowGroups(TreeView, expandGroup, selectGroup);
        SearchFieldCombo->blockSignals(true);
        SearchFieldCombo->clear();
        for (const QString& name : Model->FieldNames())
            SearchFieldCombo->addItem(dataSet.FieldByName(name)->DisplayLabel(), name.toUpper());
        SearchFieldCombo->setCurrentIndex(-1);
        SearchFieldCombo->blockSignals(false);
        if (!sortField.isEmpty())
            GridTitleButtonClick(sortField);
        MarkIndexFields();
        LookupEdit->setText(searchText);
    } catch (const std::exception& e) {
        FView.reset();
        ShowError(ExceptionText(e));
        return false;
    }
    return Run();
}

void TSelectArticleDlg::TreeViewChange(QTreeWidgetItem* node)
{
    TTable* table = Table();
    if (!node || !table)
        return;
    const int code = NodeCode(node);
    try {
        if (code == 0) {
            table->SetFiltered(false);
            FilterName->setText(QStringLiteral("Отключен"));
        } else {
            if (node->childCount() > 0)
                table->SetFilter(QStringLiteral("Group >= %1 and Group < %2").arg(code).arg(code + 100));
            else
                table->SetFilter(QStringLiteral("Group=%1").arg(code));
            table->SetFiltered(true);
            FilterName->setText(node->text(0));
        }
        ReloadGrid();
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

void TSelectArticleDlg::LookupEditChange(const QString& text)
{
    if (FSearchField.isEmpty() || text.isEmpty() || !FDataSet || !FDataSet->Active())
        return;
    TLocateOptions options;
    options.CaseInsensitive = true;
    options.PartialKey = true;
    try {
        if (FDataSet->Locate(FSearchField, text, options))
            Grid->SelectRow(Model->CurrentRow());
    } catch (const std::exception&) {
        // A text that cannot be a value of the field finds nothing.
    }
}

void TSelectArticleDlg::SearchFieldComboChange(int index)
{
    if (index >= 0)
        FSearchField = SearchFieldCombo->itemData(index).toString();
}

void TSelectArticleDlg::GridTitleButtonClick(const QString& fieldName)
{
    if (fieldName.isEmpty())
        return;
    FSearchField = fieldName.toUpper();
    const int entry = SearchFieldCombo->findData(FSearchField);
    if (entry >= 0) {
        SearchFieldCombo->blockSignals(true);
        SearchFieldCombo->setCurrentIndex(entry);
        SearchFieldCombo->blockSignals(false);
    }
    TTable* table = Table();
    if (!table)
        return;
    try {
        table->SetIndexFieldNames(fieldName);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Не могу установить индекс по данному полю\r\n(%1)").arg(ExceptionText(e)));
        return;
    }
    ReloadGrid();
    MarkIndexFields();
}

void TSelectArticleDlg::MarkIndexFields()
{
    TTable* table = Table();
    if (!table || !table->Active())
        return;
    QStringList fields;
    if (!table->IndexFieldNames().isEmpty())
        fields = table->IndexFieldNames().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    else if (const TIndexDef* index = table->Def().FindIndex(table->IndexName()))
        fields = index->Fields;
    Model->SetMarkedFields(fields);
}

void TSelectArticleDlg::showEvent(QShowEvent* event)
{
    TRowPickerDlg::showEvent(event);
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TSelectArticleDlg::FormActivate()
{
    if (FBoundField)
        LookupEdit->setText(FBoundField->AsString());
    LookupEdit->setFocus();
}

bool TSelectArticleDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LookupEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Grid->setFocus();
            return true;
        }
    }
    return TRowPickerDlg::eventFilter(watched, event);
}

bool ExecuteSelectArticle(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& title,
                          int expandGroup, int selectGroup, TField* boundField, const QString& searchText,
                          const QString& sortField, const QStringList& fields, QVariant* result)
{
    TSelectArticleDlg dialog(parent ? parent : DialogParent());
    const bool ok = dialog.Execute(dataSet, keyField, title, expandGroup, selectGroup, boundField, searchText,
                                   sortField, fields);
    if (result)
        *result = dialog.Result();
    return ok;
}

} // namespace vx
