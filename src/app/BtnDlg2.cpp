#include "app/BtnDlg2.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vx {

TBtnDlg2::TBtnDlg2(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    TextLab = new QLabel(this);
    TextLab->setWordWrap(true);
    TextLab->setMinimumWidth(260);
    TextLab->setTextFormat(Qt::PlainText);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(2); });

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(8);
    top->addWidget(TextLab, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

int TBtnDlg2::Ask(const QString& text, const QString& button1, const QString& button2, const QString& caption)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    TextLab->setText(shown);
    Button1->setText(button1);
    Button2->setText(button2);
    setWindowTitle(caption);
    adjustSize();
    const int result = exec();
    return result == 1 || result == 2 ? result : 0;
}

} // namespace vx
