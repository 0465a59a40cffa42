#include "app/SplashForm.h"
#include "app/AppPictures.h"
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace vx {

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#SplashForm { background: white; border: 1px solid #5a6a7e; }"));
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductPicture(QSize(120, 150)));
    auto* product = new QLabel(QStringLiteral("ФУРНИТУРА "), this);
    QFont big = product->font();
    big.setPointSize(22);
    big.setBold(true);
    product->setFont(big);
    product->setStyleSheet(QStringLiteral("color: #1f3b63;"));
    auto* brand = new QLabel(QStringLiteral("Valtrix"), this);
    QFont brandFont = brand->font();
    brandFont.setPointSize(14);
    brandFont.setItalic(true);
    brand->setFont(brandFont);
    brand->setStyleSheet(QStringLiteral("color: #5a6a7e;"));
    auto* version = new QLabel(QStringLiteral("ВЕРСИЯ 3.80"), this);
    QFont versionFont = version->font();
    versionFont.setBold(true);
    version->setFont(versionFont);
    LoadLab = new QLabel(this);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(14);

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(brand);
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(16);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(LoadLab);
    layout->addWidget(ProgressBar);
    setFixedSize(420, 260);
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashForm::SetProgress(int percent)
{
    ProgressBar->setValue(percent);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashForm::SetText(const QString& text)
{
    LoadLab->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vx
