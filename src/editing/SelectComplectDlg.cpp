#include "editing/SelectComplectDlg.h"
#include "app/VXDialogInteraction.h"
#include "db/VXDataModule.h"
#include "foundation/VXError.h"
#include <QDialogButtonBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx {

QList<TGroupNode> TSelectComplectDlg::ComplectGroups()
{
    static const QList<std::pair<const char*, int>> groups = {
        {"Комплект оконный", 10},   {"Комплект дверной", 11}, {"Комплект универсальный", 12},
        {"Петля оконная", 20},      {"Петля дверная", 21},    {"Петля универсальная", 22},
        {"Ручка оконная", 30},      {"Ручка дверная", 31},    {"Ручка универсальная", 32},
        {"Замок оконный", 40},      {"Замок дверной", 41},    {"Замок универсальный", 42},
        {"Цилиндр", 43},            {"Доводчик", 50},         {"Фрамужный механизм", 60},
        {"Прочее", 70},
    };
    TGroupNode root{QStringLiteral("Все комплекты"), 0, {}};
    for (const auto& [caption, code] : groups)
        root.Children.append({QString::fromUtf8(caption), code, {}});
    return {root};
}

TSelectComplectDlg::TSelectComplectDlg(QWidget* parent) : TRowPickerDlg(parent)
{
    setObjectName(QStringLiteral("SelectComplectDlg"));
    setWindowTitle(QStringLiteral("Список комплектов"));
    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    FillGroupTree(TreeView, ComplectGroups());
    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->addWidget(TreeView);
    Splitter->addWidget(Grid);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({200, 500});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Splitter, 1);
    layout->addWidget(Buttons);
    resize(720, 440);
    connect(TreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeViewChange(current); });
    connect(TreeView, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) {
        if (TreeView->currentItem() != node)
            TreeView->setCurrentItem(node);
    });
}

bool TSelectComplectDlg::Execute(TDataSet& dataSet, const QString& keyField, const QString& title, int expandGroup,
                                 int selectGroup, TField* boundField, const QStringList& fields)
{
    try {
        Prepare(dataSet, keyField, title, boundField, fields, true);
        ShowGroups(TreeView, expandGroup, selectGroup);
    } catch (const std::exception& e) {
        FView.reset();
        ShowError(ExceptionText(e));
        return false;
    }
    return Run();
}

void TSelectComplectDlg::TreeViewChange(QTreeWidgetItem* node)
{
    auto* table = dynamic_cast<TTable*>(FDataSet);
    if (!node || !table)
        return;
    try {
        const int code = NodeCode(node);
        if (code != 0) {
            table->SetFilter(QStringLiteral("Group=%1").arg(code));
            table->SetFiltered(true);
        } else {
            table->SetFiltered(false);
        }
        ReloadGrid();
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

bool ExecuteSelectComplect(QWidget* parent, TDataSet& dataSet, const QString& keyField, const QString& title,
                           int expandGroup, int selectGroup, TField* boundField, const QStringList& fields,
                           QVariant* result)
{
    TSelectComplectDlg dialog(parent ? parent : DialogParent());
    const bool ok = dialog.Execute(dataSet, keyField, title, expandGroup, selectGroup, boundField, fields);
    if (result)
        *result = dialog.Result();
    return ok;
}

bool SelectComplect(QWidget* parent, QString& complectId)
{
    QVariant chosen;
    if (!ExecuteSelectComplect(parent, DM().T_FrnComp, QStringLiteral("ID"), QString(), 0, 0, nullptr,
                               {QStringLiteral("Name")}, &chosen))
        return false;
    complectId = chosen.toString();
    return !complectId.isEmpty();
}

} // namespace vx
