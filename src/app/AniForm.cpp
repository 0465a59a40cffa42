#include "app/AniForm.h"
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <cmath>

namespace vx {

TAnimate::TAnimate(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(80, 50);
    Timer.setInterval(80);
    connect(&Timer, &QTimer::timeout, this, [this] {
        FFrame = (FFrame + 1) % 36;
        update();
    });
}

void TAnimate::SetActive(bool active)
{
    if (active == Timer.isActive())
        return;
    if (active)
        Timer.start();
    else
        Timer.stop();
}

void TAnimate::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(width() / 2.0 - 18, 4, 36, height() - 8);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y = sheet.top() + 7; y < sheet.bottom() - 4; y += 6)
        p.drawLine(QPointF(sheet.left() + 5, y), QPointF(sheet.right() - 5, y));
    // The magnifier circles over the sheet.
    const double a = FFrame * 10.0 * M_PI / 180.0;
    const QPointF c(sheet.center().x() + std::cos(a) * 12, sheet.center().y() + std::sin(a) * 8);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(6, 6), c + QPointF(14, 14));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 225, 255, 160));
    p.drawEllipse(c, 8, 8);
}

TAniForm::TAniForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Процесс"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    MessageLab = new QLabel(QStringLiteral("Процесс..."), this);
    Ani = new TAnimate(this);
    Progress = new QProgressBar(this);
    Progress->setRange(0, 100);
    Progress->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Ani, 0, Qt::AlignHCenter);
    layout->addWidget(MessageLab);
    layout->addWidget(Progress);
    setMinimumWidth(300);
}

void TAniForm::Start(const QString& message, int maximum)
{
    MessageLab->setText(message.isEmpty() ? QStringLiteral("Процесс...") : message);
    Progress->setRange(0, maximum > 0 ? maximum : 100);
    Progress->setValue(0);
    show();
    raise();
    activateWindow();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TAniForm::SetProgress(int value)
{
    Progress->setValue(value);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TAniForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        Ani->SetActive(isVisible() && isActiveWindow());
    QDialog::changeEvent(event);
}

void TAniForm::showEvent(QShowEvent* event)
{
    // A window shown modelessly becomes the active one.
    Ani->SetActive(true);
    QDialog::showEvent(event);
}

void TAniForm::hideEvent(QHideEvent* event)
{
    Ani->SetActive(false);
    QDialog::hideEvent(event);
}

TAniForm& AniForm()
{
    static QPointer<TAniForm> form;
    if (!form) {
        QWidget* parent = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QMainWindow")) {
                parent = w;
                break;
            }
        form = new TAniForm(parent);
    }
    return *form;
}

} // namespace vx
