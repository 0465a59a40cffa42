#include "app/ConfigListDlg.h"
#include "app/AppPictures.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx {

TConfigListDlg::TConfigListDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Выбор конфигурации"));
    setWindowIcon(ApplicationIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* label = new QLabel(QStringLiteral("Конфигурация:"), this);
    ConfigList = new QListWidget(this);
    label->setBuddy(ConfigList);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ConfigList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ConfigList);
    layout->addWidget(buttons);
    resize(320, 260);
}

std::optional<QString> TConfigListDlg::Choose(const TConfigList& list)
{
    ConfigList->clear();
    ConfigList->addItems(list.Names);
    if (list.Preselected >= 0 && list.Preselected < ConfigList->count())
        ConfigList->setCurrentRow(list.Preselected);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    QListWidgetItem* item = ConfigList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

std::optional<QString> ChooseConfigurationDialog(const TConfigList& list)
{
    TConfigListDlg dialog;
    return dialog.Choose(list);
}

} // namespace vx
