#pragma once
#include "reports/VXReportEngine.h"
#include <QRect>

class QPainter;

namespace vx {

// Draws the bound data into a rectangle of the canvas (device pixels).
using TvxfDrawRoutine = void (*)(QPainter& canvas, const QRect& rect, void* data);

// The sketch object: draws what the data provider binds to it before it is printed (the current
// position's construction). Unbound, as in a template being designed, it shows its placeholder.
class TvxfFRDrawView : public TfrView {
public:
    std::unique_ptr<TfrView> Clone() const override { return std::make_unique<TvxfFRDrawView>(*this); }
    QString TypeName() const override { return QStringLiteral("sketch"); }

    TvxfDrawRoutine DrawRoutine = nullptr;
    void* BoundData = nullptr;   // not owned; valid while the report is built and drawn
    bool Bound = false;          // false after creation and after loading

    void Bind(TvxfDrawRoutine routine, void* data)
    {
        DrawRoutine = routine;
        BoundData = data;
        Bound = true;
    }
    void Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const override;
};

// Base name of new sketch objects; the designer numbers them (VXFImage1, VXFImage2...).
inline const QString SketchBaseName = QStringLiteral("VXFImage");
inline const QString SketchPlaceholder = QStringLiteral("ЭСКИЗ ИЗДЕЛИЯ");
inline const QString SketchHint = QStringLiteral("Вставить эскиз створки");

} // namespace vx
