#pragma once
#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

namespace vx {

class TvxfConstruction;
class TvxfFlugel;

// One dimension point in whole millimetres, x to the right, y downwards. A point of a
// horizontal chain carries only X, one of a vertical chain only Y.
struct TvxfSizePoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TvxfSizePoint&) const = default;
};

// A chain of consecutive dimensions along one axis, with an optional label that replaces
// the measured text.
class TvxfSizePointList {
public:
    QString Label;

    // Refused (false) when an equal point is already in the chain.
    bool Add(int32_t x, int32_t y);
    void SortByX();
    void SortByY();
    int Count() const { return int(Points.size()); }
    const TvxfSizePoint& Point(int index) const { return Points[size_t(index)]; }
    const TvxfSizePoint& First() const { return Points.front(); }
    const TvxfSizePoint& Last() const { return Points.back(); }
    // Same number of points and equal points at equal positions.
    bool Equals(const TvxfSizePointList& other) const { return Points == other.Points; }
    void Clear() { Points.clear(); }

private:
    std::vector<TvxfSizePoint> Points;
};

// One row of chains that do not overlap, drawn on one line; the angle is 0 for a
// horizontal row and 90 for a vertical one.
class TvxfSizing {
public:
    double Angle = 0;

    int Count() const { return int(Chains.size()); }
    TvxfSizePointList& Chain(int index) const { return *Chains[size_t(index)]; }
    TvxfSizePointList& First() const { return *Chains.front(); }
    TvxfSizePointList& Last() const { return *Chains.back(); }
    void Clear() { Chains.clear(); }

    // Puts the chain into its place along the row when it overlaps no chain there (touching
    // ends are allowed); false leaves it with the caller. The coordinate is X or Y.
    bool TryInsert(std::unique_ptr<TvxfSizePointList>& chain, bool horizontal);
    // Opens an empty row with its first chain.
    void Append(std::unique_ptr<TvxfSizePointList> chain) { Chains.push_back(std::move(chain)); }

private:
    std::vector<std::unique_ptr<TvxfSizePointList>> Chains;
};

// What the grid dimensions: the overall size, the sashes' edges, and the edges with the ends
// that lie on a sash's extremes left out. Without any of them the grid stays empty.
enum class TvxfSizeOption : unsigned { Overall = 1, Details = 2, EdgeSkip = 4 };
Q_DECLARE_FLAGS(TvxfSizeOptions, TvxfSizeOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TvxfSizeOptions)
inline constexpr TvxfSizeOptions AllSizeOptions =
    TvxfSizeOptions(unsigned(TvxfSizeOption::Overall) | unsigned(TvxfSizeOption::Details) |
                    unsigned(TvxfSizeOption::EdgeSkip));

// Rows of dimension chains below (horizontal) and to the right (vertical) of a construction or
// one sash, drawn on a painter. Rebuilt for every paint; nothing is cached.
class TvxfSizeGrid {
public:
    // The row height is the painter's text height of "0" plus 2 pixels.
    explicit TvxfSizeGrid(QPainter* canvas);
    ~TvxfSizeGrid();
    TvxfSizeGrid(const TvxfSizeGrid&) = delete;
    TvxfSizeGrid& operator=(const TvxfSizeGrid&) = delete;

    void Build(const TvxfConstruction& construction, TvxfSizeOptions options);
    void Build(const TvxfFlugel& flugel, TvxfSizeOptions options);

    int RowHeight() const { return FRowHeight; }
    int HorzRowsHeight() const { return int(HorzRows.size()) * FRowHeight; }
    int VertRowsWidth() const { return int(VertRows.size()) * FRowHeight; }
    int HorzRowCount() const { return int(HorzRows.size()); }
    int VertRowCount() const { return int(VertRows.size()); }
    TvxfSizing& HorzRow(int index) const { return *HorzRows[size_t(index)]; }
    TvxfSizing& VertRow(int index) const { return *VertRows[size_t(index)]; }
    QPoint MinPoint() const { return FMin; }
    QPoint MaxPoint() const { return FMax; }

    // A chain goes to the first row it fits in, or to a new row; a chain equal to one already
    // in the rows of its axis is discarded.
    void AddHorzChain(std::unique_ptr<TvxfSizePointList> chain);
    void AddVertChain(std::unique_ptr<TvxfSizePointList> chain);
    void Clear();

    // Draws the rows below and to the right of the object drawn with its top left corner at the
    // painter's origin; scale is millimetres per pixel.
    void Draw(double scale);

private:
    void AddChain(std::vector<std::unique_ptr<TvxfSizing>>& rows, std::unique_ptr<TvxfSizePointList> chain,
                  bool horizontal);
    void AddFlugelChains(const TvxfFlugel& flugel, TvxfSizeOptions options);
    void DrawDimension(QPoint a, QPoint b, bool vertical, const QString& text, int arrowSize);

    QPainter* Canvas;
    QPoint FMin;
    QPoint FMax;
    std::vector<std::unique_ptr<TvxfSizing>> HorzRows;
    std::vector<std::unique_ptr<TvxfSizing>> VertRows;
    int FRowHeight = 0;
};

// Where a sketch landed: the drawing's offsets inside the target rectangle and the scale in
// millimetres per pixel; 0 when nothing was drawn.
struct TSketchPlacement {
    int OffsetX = 0;
    int OffsetY = 0;
    double Scale = 0;
};

// Draws the construction scaled into the target rectangle (its width and height are the room)
// with its dimension rows: the sashes with pen width 3, a 10-pixel margin on every side. Zoom 0
// counts as 1. panX and panY come in as percent of the drawn width and height and go out as the
// shift of the drawing in pixels. A construction without outline, or a rectangle too small for
// the margins and the rows, draws nothing. The painter is left as it was.
TSketchPlacement DrawConstructionSketch(QPainter& canvas, const QRect& target, const TvxfConstruction& construction,
                                        TvxfSizeOptions options, float zoom, int& panX, int& panY);
// The same with zoom 1 and no pan, as every window and the printed sketches draw.
TSketchPlacement DrawConstructionSketch(QPainter& canvas, const QRect& target, const TvxfConstruction& construction,
                                        TvxfSizeOptions options);

} // namespace vx
