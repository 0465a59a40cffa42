#include "reports/VXFRDrawView.h"
#include <QFontMetrics>
#include <QPainter>

namespace vx {

void TvxfFRDrawView::Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const
{
    const QRect r = PixelRect(scaleX, scaleY, offset);
    DrawBackground(painter, r);
    if (Bound) {
        if (DrawRoutine) {
            painter.save();
            DrawRoutine(painter, QRect(r.left(), r.top(), r.width(), r.height()), BoundData);
            painter.restore();
        }
    } else {
        painter.save();
        QFont font(ReportFontFamily());
        font.setBold(true);
        font.setPixelSize(qMax(1, qRound(10 * 25.4 / 72 * scaleY)));
        painter.setFont(font);
        painter.setPen(Qt::red);
        const QFontMetrics fm(font, painter.device());
        const int w = fm.horizontalAdvance(SketchPlaceholder);
        const int h = fm.height();
        // Halves toward zero, as integer division gives them.
        painter.drawText(QRect(r.left() + (r.width() - w) / 2, r.top() + (r.height() - h) / 2, w, h),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, SketchPlaceholder);
        painter.restore();
    }
    DrawFrame(painter, r, scaleX);
}

} // namespace vx
