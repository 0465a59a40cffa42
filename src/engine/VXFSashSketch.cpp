#include "VXFConstruction.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace vx {

namespace {


// Qt angles: degrees counter-clockwise with Y up, as Direction gives them.
void AddSide(QPainterPath& path, const TvxfLine& l, double scale, QPointF origin)
{
    QPointF s = origin + QPointF(l.StartPoint->X, l.StartPoint->Y) * scale;
    QPointF e = origin + QPointF(l.EndPoint->X, l.EndPoint->Y) * scale;
    if (path.elementCount() == 0)
        path.moveTo(s);
    if (l.R1 == 0) {
        path.lineTo(e);
        return;
    }
    QPointF c = origin + QPointF(l.Center.X, l.Center.Y) * scale;
    double r = std::hypot(s.x() - c.x(), s.y() - c.y());
    if (r < 1e-9) {
        path.lineTo(e);
        return;
    }
    double a0 = Direction(c, s), a1 = Direction(c, e);
    // The arc runs from start to end clockwise on the drawing, over the side opposite the centre.
    double sweep = a1 - a0;
    if (sweep >= 0)
        sweep -= 360;
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), a0, sweep);
}

void Arrow(QPainter& p, QPointF tip, double dirX, double head)
{
    p.drawLine(tip, tip + QPointF(-dirX * head, -head * 0.6));
    p.drawLine(tip, tip + QPointF(-dirX * head, head * 0.6));
}

} // namespace

void TvxfFlugel::Draw(QPainter& painter, double scale, QPointF origin) const
{
    if (Points.size() < 3 || Lines.size() != Points.size())
        return;
    QPainterPath outline;
    for (const auto& l : Lines)
        if (l->StartPoint && l->EndPoint)
            AddSide(outline, *l, scale, origin);
    outline.closeSubpath();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    if (FurnComp) {
        QPen thin = painter.pen();
        thin.setWidth(1);
        painter.setPen(thin);
        for (const auto& l : Lines) {
            if (!l->OpenMode || !Line(l->RotSide) || !l->StartPoint || !l->EndPoint)
                continue;
            QPointF tip = origin + SideMidpoint(l->RotSide) * scale;
            painter.drawLine(origin + QPointF(l->StartPoint->X, l->StartPoint->Y) * scale, tip);
            painter.drawLine(tip, origin + QPointF(l->EndPoint->X, l->EndPoint->Y) * scale);
        }
        int image = FurnComp->ComplectImage;
        if (image >= 1 && image <= 5) {
            QPointF c = origin + BoundsTenths().center() * scale;
            double half = 1300 * scale / 2, head = 150 * scale, bar = 150 * scale;
            QPointF left = c - QPointF(half, 0), right = c + QPointF(half, 0);
            painter.drawLine(left, right);
            if (image == 1 || image == 3 || image == 4)
                Arrow(painter, left, -1, head);
            if (image == 2 || image == 3 || image == 5)
                Arrow(painter, right, 1, head);
            if (image == 4)
                painter.drawLine(right - QPointF(0, bar), right + QPointF(0, bar));
            if (image == 5)
                painter.drawLine(left - QPointF(0, bar), left + QPointF(0, bar));
        }
    }
    painter.restore();
}

} // namespace vx
