#include "app/OptionsDlg.h"
#include "config/VXFSetupX.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx {

TOptionsDlg::TOptionsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Параметры"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* common = new QGroupBox(QStringLiteral("Общие"), this);
    AlertIfNotFullCheck = new QCheckBox(QStringLiteral("Выдавать сообщение при расчете неполного заказа"), common);
    AutoLoadCurrencyCheck = new QCheckBox(QStringLiteral("Автозагрузка курсов валют"), common);
    auto* commonLayout = new QVBoxLayout(common);
    commonLayout->addWidget(AlertIfNotFullCheck);
    commonLayout->addWidget(AutoLoadCurrencyCheck);

    auto* registry = new QGroupBox(QStringLiteral("Реестр и файлы заказов"), this);
    AutoRegCheck = new QCheckBox(QStringLiteral("Авторегистрация и обновление при сохранении заказа"), registry);
    AutoOpenRegCheck = new QCheckBox(QStringLiteral("Автоматическая загрузка реестра при загрузке"), registry);
    MoveToRecycledCheck = new QCheckBox(QStringLiteral("Перемещать удаленные из реестра заказы в мусорку"), registry);
    auto* registryLayout = new QVBoxLayout(registry);
    registryLayout->addWidget(AutoRegCheck);
    registryLayout->addWidget(AutoOpenRegCheck);
    registryLayout->addWidget(MoveToRecycledCheck);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(common);
    layout->addWidget(registry);
    layout->addStretch();
    layout->addWidget(buttons);
}

bool TOptionsDlg::EditOptions(TvxfSetup& setup)
{
    AlertIfNotFullCheck->setChecked(setup.AlertIfNotFull);
    AutoLoadCurrencyCheck->setChecked(setup.AutoLoadCurrency);
    AutoRegCheck->setChecked(setup.AutoReg);
    AutoOpenRegCheck->setChecked(setup.AutoOpenReg);
    MoveToRecycledCheck->setChecked(setup.MoveToRecycled);
    if (exec() != QDialog::Accepted)
        return false;
    setup.AlertIfNotFull = AlertIfNotFullCheck->isChecked();
    setup.AutoLoadCurrency = AutoLoadCurrencyCheck->isChecked();
    setup.AutoReg = AutoRegCheck->isChecked();
    setup.AutoOpenReg = AutoOpenRegCheck->isChecked();
    setup.MoveToRecycled = MoveToRecycledCheck->isChecked();
    return true;
}

} // namespace vx
