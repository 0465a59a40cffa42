#pragma once
#include "foundation/VXMoney.h"
#include "engine/VXFFurnComp.h"
#include "model/VXFMatListItem.h"
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;

namespace vx {

class TSpecStream;
class TvxfFlugel;
class TvxfConstruction;
class TvxfOrder;
class TCatalogNames;

// A corner; coordinates in 0.1 mm, origin top-left, Y downward.
struct TvxfPoint {
    int32_t X = 0;
    int32_t Y = 0;
    TvxfFlugel* Owner = nullptr;
};

struct TFloatPoint {
    float X = 0;
    float Y = 0;
};

// A side of a sash: straight, or an arc when R1 is not 0.
struct TvxfLine {
    float R1 = 0;
    float R2 = 0;
    TFloatPoint Center;
    TvxfPoint* StartPoint = nullptr;
    TvxfPoint* EndPoint = nullptr;
    bool OpenMode = false;
    int32_t RotSide = -1;
    bool Handled = false;
    bool Banded = false;
    bool Drived = false;
    int32_t HandleHeight = 0;   // mm
    QPoint HandleMark;          // 0.1 mm
    TvxfFlugel* Owner = nullptr;

    void ComputeCenter();
};

// The outline of a new position as the position dialog gives it.
struct TShapeRecord {
    int32_t Width = 0;     // mm
    int32_t Height = 0;    // mm
    uint8_t Figure = 0;    // 0..7
    double HX = 0;         // mm; a decimal for figure 7
    int32_t HY = 0;        // mm
    float Radius1 = 0;     // mm
    float Radius2 = 0;     // mm
};

// Angle helpers in the drawing's coordinates (Y downward), degrees counter-clockwise.
double Direction(QPointF p, QPointF q);
double PathAngle(QPointF a, QPointF b, QPointF c);

class TvxfFlugel {
public:
    explicit TvxfFlugel(TvxfConstruction* owner);
    ~TvxfFlugel();

    std::vector<std::unique_ptr<TvxfPoint>> Points;
    std::vector<std::unique_ptr<TvxfLine>> Lines;
    TvxfConstruction* Owner;
    int32_t Dorn = 0;
    std::unique_ptr<TvxfFurnComp> FurnComp;
    TMatList MatList;

    int SideCount() const { return int(Lines.size()); }
    bool HasOutline() const { return !Points.empty(); }
    TvxfLine* Line(int index) const;            // sides from 0; nullptr out of range
    TvxfFlugel* AdjacentFlugel() const;

    // Appends a corner; LinkSides joins consecutive corners into sides and computes centres.
    TvxfPoint* AddPoint(int32_t x, int32_t y);
    void LinkSides();
    // Outline of one sash, all values in 0.1 mm.
    void BuildOutline(uint8_t figure, int32_t x0, int32_t width, int32_t height, int32_t hx, float r1, float r2);

    double SideLength(int index) const;         // chord in mm, -1 when the side is missing
    bool IsArc(int index) const;
    bool IsFullSemicircle(int index) const;
    bool IsPartialArc(int index) const;
    bool IsEllipse(int index) const;
    double CornerAngle(int index) const;        // interior angle at the start of side index

    // Bounding box in 0.1 mm including the extreme points of arcs; empty without outline.
    QRectF BoundsTenths() const;
    void Size(int32_t& width, int32_t& height) const;  // whole mm

    int HandledSide() const;
    int BandedSide() const;
    int32_t HandleHeight() const;
    void SetHandleHeight(int side, int32_t heightMm, int direction);

    // Value of a catalog length formula for this sash.
    double EvaluateFormula(const QString& formula) const;

    // The sash's part of the sketch: scale in pixels per 0.1 mm, origin in device pixels.
    void Draw(QPainter& painter, double scale, QPointF origin) const;

    // Fittings. Set fittings assigns and resolves the choice (a new complect is dropped again
    // when that fails); nothing chosen clears the fittings.
    void SetFittings(const QString& furnSys, const QString& profSys, const QString& color, const TSashChoice& choice);
    // Only the components and the handle height, for the sketch of the fittings dialog.
    void SetPreview(const TSashChoice& choice);
    // Frees the complect and clears the side attributes it gave (handle heights stay).
    void ClearFittings();
    // The secondary sash of a two-sash position keeps its fittings only while this sash has
    // fittings of the same system.
    void ApplySecondarySashRule();
    // The priced material list from the complect's items; answers the sash's cost.
    TMoney RebuildMatList();
    // Midpoint of a side on the drawing: of the arc for arc sides.
    QPointF SideMidpoint(int index) const;
};

class TvxfConstruction {
public:
    explicit TvxfConstruction(TvxfOrder* order = nullptr);
    ~TvxfConstruction();
    TvxfConstruction(const TvxfConstruction&) = delete;
    TvxfConstruction& operator=(const TvxfConstruction&) = delete;

    bool Active = true;
    QString PosNo;
    QString Name;
    int32_t Num = 1;
    uint8_t ObjType = 0;       // 0 window, 1 door with threshold
    QString FurnSys;
    QString ProfSys;
    QString Color;
    int32_t Falz = 0;
    int32_t StulpType = 0;
    int32_t OpenType = 0;
    float ProfWidth = 0;
    float Thickness = 0;
    QStringList ExtraLines;
    TMoney Cost;
    uint8_t Layout = 2;        // 2 one sash; 1 two sashes, right first; 0 two sashes, left first
    std::unique_ptr<TvxfFlugel> LeftFlugel;
    std::unique_ptr<TvxfFlugel> RightFlugel;
    TvxfOrder* Order;

    static uint8_t LayoutOfFigure(uint8_t figure);
    // Gives the empty sashes of a new position their outlines.
    void BuildGeometry(const TShapeRecord& shape, int32_t dorn);
    void Size(int32_t& width, int32_t& height) const;
    TMoney TotalCost() const;
    void CollectMaterials(TMatList& list) const;
    void InfoLines(QStringList& lines, const TCatalogNames& names) const;
    bool HasTwoFlugels() const { return Layout != 2; }

    // Stores the position's fittings fields and sets both sashes' fittings in the order of
    // the layout, then the costs.
    void SetFittings(const QString& furnSys, const QString& profSys, const TFurnChoice& choice);
    // Components and handle heights only, for the sketch; the position's fields stay.
    void SetPreview(const TSashChoice& left, const TSashChoice& right);
    // Cost of one piece from the current prices of both sashes' items.
    void RecomputeCosts();
    // Through the order-file encoding of a position: copy, and backup and restore.
    void CopyFrom(const TvxfConstruction& source);
    void Backup(TSpecStream& stream) const;
    void Restore(TSpecStream& stream);

    // Sash walk for reports: the left sash, then the right one when there are two.
    TvxfFlugel* FirstFlugel();
    TvxfFlugel* NextFlugel();

private:
    int WalkState = 0;
};

} // namespace vx
