#include "app/AppPictures.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vx {

namespace {

// A casement window: frame, glass with a reflection, the handle on the right.
void DrawWindow(QPainter& p, const QRectF& r)
{
    const double unit = r.width() / 20.0;
    QLinearGradient frame(r.topLeft(), r.bottomRight());
    frame.setColorAt(0, QColor(250, 250, 250));
    frame.setColorAt(1, QColor(200, 205, 212));
    p.setPen(QPen(QColor(70, 80, 95), qMax(1.0, unit * 0.3)));
    p.setBrush(frame);
    p.drawRoundedRect(r, unit * 0.6, unit * 0.6);

    const QRectF glass = r.adjusted(unit * 2.2, unit * 2.2, -unit * 2.2, -unit * 2.2);
    QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
    sky.setColorAt(0, QColor(120, 175, 230));
    sky.setColorAt(1, QColor(205, 230, 250));
    p.setBrush(sky);
    p.drawRect(glass);
    QPainterPath glare;
    glare.moveTo(glass.left() + glass.width() * 0.15, glass.bottom());
    glare.lineTo(glass.left() + glass.width() * 0.55, glass.top());
    glare.lineTo(glass.left() + glass.width() * 0.70, glass.top());
    glare.lineTo(glass.left() + glass.width() * 0.30, glass.bottom());
    glare.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(glare);

    const QRectF handleBase(r.right() - unit * 1.6, r.center().y() - unit * 1.2, unit * 1.0, unit * 2.4);
    p.setPen(QPen(QColor(60, 60, 60), qMax(1.0, unit * 0.15)));
    p.setBrush(QColor(190, 190, 195));
    p.drawRoundedRect(handleBase, unit * 0.3, unit * 0.3);
    const QRectF grip(handleBase.center().x() - unit * 0.3, handleBase.center().y(), unit * 0.6, unit * 4.0);
    p.setBrush(QColor(225, 225, 230));
    p.drawRoundedRect(grip, unit * 0.3, unit * 0.3);
}

} // namespace

QPixmap ProductPicture(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = size.height() * 0.86;
    const double w = h * 0.7;
    DrawWindow(p, QRectF((size.width() - w) / 2.0, (size.height() - h) / 2.0, w, h));
    return pixmap;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64})
        icon.addPixmap(ProductPicture(QSize(s, s)));
    return icon;
}

} // namespace vx

namespace vx {

namespace {

void DrawSheet(QPainter& p, const QRectF& r)
{
    QPainterPath sheet;
    const double fold = r.width() * 0.3;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(80, 90, 105), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(215, 222, 232));
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.drawPath(corner);
}

void DrawLines(QPainter& p, const QRectF& r, int count)
{
    p.setPen(QPen(QColor(120, 135, 155), 1));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + (i + 1) * r.height() / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

QPixmap DrawToolIcon(TToolIcon kind, int s)
{
    QPixmap pixmap(s, s);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = s / 16.0;
    p.scale(u, u);
    switch (kind) {
    case TToolIcon::Registry:
        p.setPen(QPen(QColor(80, 90, 105), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(70, 110, 170));
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
        DrawLines(p, QRectF(3, 5.5, 10, 8), 3);
        break;
    case TToolIcon::New:
        DrawSheet(p, QRectF(3.5, 1.5, 9, 13));
        break;
    case TToolIcon::Open:
        p.setPen(QPen(QColor(150, 110, 30), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 3.5, 12, 10));
        p.setBrush(QColor(250, 220, 120));
        {
            QPainterPath flap;
            flap.moveTo(3.5, 7.5);
            flap.lineTo(15, 7.5);
            flap.lineTo(13.5, 13.5);
            flap.lineTo(1.5, 13.5);
            flap.closeSubpath();
            p.drawPath(flap);
        }
        break;
    case TToolIcon::Save:
        p.setPen(QPen(QColor(40, 60, 100), 1));
        p.setBrush(QColor(70, 110, 170));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(200, 205, 215));
        p.drawRect(QRectF(4, 9.5, 8, 5));
        break;
    case TToolIcon::Print:
        p.setPen(QPen(QColor(70, 75, 85), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case TToolIcon::Properties:
        DrawSheet(p, QRectF(2.5, 1.5, 10, 13));
        DrawLines(p, QRectF(4, 4, 6, 9), 4);
        break;
    case TToolIcon::Add:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 150, 60));
        p.drawRect(QRectF(6.5, 2, 3, 12));
        p.drawRect(QRectF(2, 6.5, 12, 3));
        break;
    case TToolIcon::Edit:
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(240, 190, 60));
        {
            QPainterPath pencil;
            pencil.moveTo(11, 1.5);
            pencil.lineTo(14.5, 5);
            pencil.lineTo(5.5, 14);
            pencil.lineTo(1.5, 14.5);
            pencil.lineTo(2, 10.5);
            pencil.closeSubpath();
            p.drawPath(pencil);
        }
        break;
    case TToolIcon::Delete:
        p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case TToolIcon::Register:
        DrawSheet(p, QRectF(2.5, 1.5, 10, 13));
        p.setPen(QPen(QColor(50, 150, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(5, 9), QPointF(7.5, 11.5), QPointF(13.5, 4.5)}));
        break;
    case TToolIcon::Archive:
        p.setPen(QPen(QColor(110, 80, 40), 1));
        p.setBrush(QColor(200, 160, 100));
        p.drawRect(QRectF(2.5, 6.5, 11, 8));
        p.setBrush(QColor(220, 185, 130));
        p.drawRect(QRectF(1.5, 3.5, 13, 3));
        p.drawLine(QPointF(6, 9.5), QPointF(10, 9.5));
        break;
    }
    return pixmap;
}

} // namespace

QIcon ToolIcon(TToolIcon kind)
{
    QIcon icon;
    for (int s : {16, 20, 24, 32})
        icon.addPixmap(DrawToolIcon(kind, s));
    return icon;
}

} // namespace vx
