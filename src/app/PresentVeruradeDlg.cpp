#include "app/PresentVeruradeDlg.h"
#include "app/AppPictures.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx {

TPresentVeruradeDlg::TPresentVeruradeDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Valtrix ФУРНИТУРА"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setObjectName(QStringLiteral("PresentVeruradeDlg"));

    auto* banner = new QWidget(this);
    banner->setObjectName(QStringLiteral("Banner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(QStringLiteral("#Banner { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                         "stop:0 #1f3b63, stop:1 #3d6aa5); }"));
    auto* picture = new QLabel(banner);
    picture->setPixmap(ProductPicture(QSize(110, 130)));
    auto* title = new QLabel(QStringLiteral("Valtrix ФУРНИТУРА"), banner);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 9);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: white;"));
    auto* subtitle = new QLabel(QStringLiteral("Подбор и расчет фурнитуры\nдля окон и дверей"), banner);
    QFont sub = subtitle->font();
    sub.setPointSize(sub.pointSize() + 2);
    subtitle->setFont(sub);
    subtitle->setStyleSheet(QStringLiteral("color: #dfe8f5;"));
    auto* bannerTexts = new QVBoxLayout;
    bannerTexts->addStretch();
    bannerTexts->addWidget(title);
    bannerTexts->addWidget(subtitle);
    bannerTexts->addStretch();
    auto* bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(18, 14, 18, 14);
    bannerLayout->addWidget(picture);
    bannerLayout->addSpacing(16);
    bannerLayout->addLayout(bannerTexts, 1);

    auto* text = new QLabel(QStringLiteral("• подбор комплектов фурнитуры для створок любой формы: прямоугольных, "
                                           "трапециевидных, треугольных и арочных;\n"
                                           "• спецификация заказа с ценами, скидками и НДС;\n"
                                           "• реестр заказов и выборки по нескольким заказам;\n"
                                           "• печать документов и передача заказов поставщикам фурнитуры."),
                            this);
    text->setWordWrap(true);
    text->setContentsMargins(18, 10, 18, 4);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(banner);
    layout->addWidget(text);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(18, 0, 18, 0);
    buttonRow->addWidget(buttons);
    layout->addLayout(buttonRow);
    setFixedWidth(520);
}

} // namespace vx
