#include "editing/VXFSizing.h"
#include "engine/VXFConstruction.h"
#include "TestSupport.h"
#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

using namespace vx;

namespace {

using TChains = std::vector<std::vector<int>>;   // the axis values of each chain of a row

std::unique_ptr<TvxfConstruction> Position(int figure, int width, int height, double hx = 0, int hy = 0,
                                           float radius = 0)
{
    auto pos = std::make_unique<TvxfConstruction>();
    TShapeRecord shape;
    shape.Figure = uint8_t(figure);
    shape.Width = width;
    shape.Height = height;
    shape.HX = hx;
    shape.HY = hy;
    shape.Radius1 = shape.Radius2 = radius;
    pos->BuildGeometry(shape, 0);
    return pos;
}

TChains Row(const TvxfSizing& row, bool horizontal)
{
    TChains chains;
    for (int c = 0; c < row.Count(); ++c) {
        std::vector<int> values;
        for (int k = 0; k < row.Chain(c).Count(); ++k)
            values.push_back(horizontal ? row.Chain(c).Point(k).X : row.Chain(c).Point(k).Y);
        chains.push_back(values);
    }
    return chains;
}

std::vector<TChains> HorzRows(const TvxfSizeGrid& g)
{
    std::vector<TChains> rows;
    for (int i = 0; i < g.HorzRowCount(); ++i)
        rows.push_back(Row(g.HorzRow(i), true));
    return rows;
}

std::vector<TChains> VertRows(const TvxfSizeGrid& g)
{
    std::vector<TChains> rows;
    for (int i = 0; i < g.VertRowCount(); ++i)
        rows.push_back(Row(g.VertRow(i), false));
    return rows;
}

// A white canvas with a fixed font, so that the row height does not depend on the machine's
// default font.
struct TCanvas {
    QImage Image;
    QPainter Painter;
    explicit TCanvas(int w, int h) : Image(w, h, QImage::Format_RGB32)
    {
        Image.fill(Qt::white);
        Painter.begin(&Image);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        Painter.setFont(font);
        Painter.setPen(Qt::black);
    }
    bool Dark(int x, int y) const { return qGray(Image.pixel(x, y)) < 128; }
    int DarkIn(const QRect& r) const
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (x >= 0 && y >= 0 && x < Image.width() && y < Image.height() && Dark(x, y))
                    ++n;
        return n;
    }
};

// ---------------------------------------------------------------------------------------------

TEST(SizePointList, RefusesEqualPointsAndComparesInOrder)
{
    TvxfSizePointList a, b;
    EXPECT_TRUE(a.Add(0, 0));
    EXPECT_TRUE(a.Add(700, 0));
    EXPECT_FALSE(a.Add(700, 0));
    EXPECT_EQ(a.Count(), 2);
    b.Add(700, 0);
    b.Add(0, 0);
    EXPECT_FALSE(a.Equals(b));
    b.SortByX();
    EXPECT_TRUE(a.Equals(b));
    EXPECT_EQ(b.First().X, 0);
    EXPECT_EQ(b.Last().X, 700);
}

// A row takes a chain where it touches or clears its neighbours, never where it overlaps.
TEST(Sizing, ChainsGoWhereTheyDoNotOverlap)
{
    auto chain = [](int a, int b) {
        auto c = std::make_unique<TvxfSizePointList>();
        c->Add(a, 0);
        c->Add(b, 0);
        return c;
    };
    TvxfSizing row;
    row.Append(chain(300, 500));
    const struct {
        int A, B;
        bool Taken;
    } cases[] = {{0, 300, true},  {500, 800, true}, {900, 1000, true}, {800, 900, true},
                 {400, 600, false}, {0, 1000, false}, {250, 350, false}};
    for (const auto& c : cases) {
        auto candidate = chain(c.A, c.B);
        EXPECT_EQ(row.TryInsert(candidate, true), c.Taken) << c.A << "-" << c.B;
        EXPECT_EQ(candidate == nullptr, c.Taken);
    }
    EXPECT_EQ(Row(row, true), (TChains{{0, 300}, {300, 500}, {500, 800}, {800, 900}, {900, 1000}}));
}

TEST(SizeGrid, RectangleHasOneRowEachWay)
{
    auto pos = Position(0, 700, 1400);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*pos, AllSizeOptions);
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 700}}}));
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 1400}}}));
    EXPECT_EQ(grid.MaxPoint(), QPoint(700, 1400));
}

TEST(SizeGrid, TrapezoidDimensionsItsSlopedTop)
{
    auto pos = Position(3, 1000, 1500, 900);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*pos, AllSizeOptions);
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 600, 1500}}, {{0, 1500}}}));
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 1000}}}));
}

TEST(SizeGrid, TwoSashesAndTheOverallWidth)
{
    auto pos = Position(1, 1400, 1400, 600, 800);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*pos, AllSizeOptions);
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 600}, {600, 1400}}, {{0, 1400}}}));
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 1400}}}));
}

TEST(SizeGrid, ArchAndTriangle)
{
    auto arch = Position(7, 1000, 1500, 500, 0, 500);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*arch, AllSizeOptions);
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 500, 1500}}, {{0, 1500}}}));
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 1000}}}));

    // The sloped side of a triangle runs from extreme to extreme: no chain of its own.
    auto triangle = Position(5, 800, 1200);
    grid.Build(*triangle, AllSizeOptions);
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 1200}}}));
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 800}}}));
}

TEST(SizeGrid, TheOptionsDecideTheChains)
{
    auto pos = Position(3, 1000, 1500, 900);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*pos, {});
    EXPECT_EQ(grid.HorzRowCount() + grid.VertRowCount(), 0);
    EXPECT_EQ(grid.HorzRowsHeight(), 0);
    // The overall size alone: the sash's box and the whole, which are one here.
    grid.Build(*pos, TvxfSizeOption::Overall);
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 1500}}}));
    // Details without the edge skip: every edge's chain with its ends, extremes included.
    grid.Build(*pos, TvxfSizeOption::Details);
    EXPECT_EQ(VertRows(grid), (std::vector<TChains>{{{0, 600, 1500}}, {{0, 1500}}}));
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{0, 1000}}}));
}

TEST(SizeGrid, SingleSash)
{
    auto pos = Position(1, 1400, 1400, 600, 800);
    TvxfSizeGrid grid(nullptr);
    grid.Build(*pos->RightFlugel, AllSizeOptions);
    EXPECT_EQ(grid.MaxPoint(), QPoint(800, 1400));
    EXPECT_EQ(HorzRows(grid), (std::vector<TChains>{{{600, 1400}}}));
}

// ---------------------------------------------------------------------------------------------
// Drawing

// The rectangle in a 300 x 400 box: scaled to the height, centred, with its two dimensions.
TEST(Sketch, RectangleWithItsDimensions)
{
    auto pos = Position(0, 700, 1400);
    TCanvas canvas(300, 400);
    const int row = TvxfSizeGrid(&canvas.Painter).RowHeight();
    const TSketchPlacement at = DrawConstructionSketch(canvas.Painter, QRect(0, 0, 300, 400), *pos, AllSizeOptions);
    canvas.Painter.end();

    const int availW = 300 - row - 20, availH = 400 - row - 20;
    const double scale = 1400.0 / availH;
    const int w = qRound(700 / scale), h = qRound(1400 / scale);
    EXPECT_DOUBLE_EQ(at.Scale, scale);
    EXPECT_EQ(at.OffsetX, (availW - w) / 2 + 10);
    EXPECT_EQ(at.OffsetY, 10);

    const int left = at.OffsetX, top = at.OffsetY;
    // The sash outline, pen width 3.
    EXPECT_TRUE(canvas.Dark(left, top + h / 2));
    EXPECT_TRUE(canvas.Dark(left + w, top + h / 2));
    EXPECT_FALSE(canvas.Dark(left + w / 2, top + h / 2));
    // The width's dimension line one row below the construction, with its extension lines and
    // arrows, and the label above it.
    const int lineY = top + h + row;
    for (int x = left + 3; x < left + w - 3; x += 7)
        EXPECT_TRUE(canvas.Dark(x, lineY)) << x;
    EXPECT_TRUE(canvas.Dark(left, lineY - row + 1));
    EXPECT_TRUE(canvas.Dark(left + w, lineY - row + 1));
    EXPECT_TRUE(canvas.Dark(left + qRound(row / 1.8), lineY - row / 5));
    EXPECT_TRUE(canvas.Dark(left + w - qRound(row / 1.8), lineY + row / 5));
    EXPECT_GT(canvas.DarkIn(QRect(left + w / 2 - 12, lineY - row + 2, 24, row - 3)), 15);
    EXPECT_EQ(canvas.DarkIn(QRect(left + w / 2 - 12, lineY + 2, 24, 8)), 0);
    // The height's line one row right of it, the label rotated on its left.
    const int lineX = left + w + row;
    for (int y = top + 3; y < top + h - 3; y += 7)
        EXPECT_TRUE(canvas.Dark(lineX, y)) << y;
    EXPECT_GT(canvas.DarkIn(QRect(lineX - row + 2, top + h / 2 - 15, row - 3, 30)), 15);
    EXPECT_EQ(canvas.DarkIn(QRect(lineX + 2, top + h / 2 - 15, 8, 30)), 0);
}

// Without options the construction fills the rectangle less the 10-pixel margins.
TEST(Sketch, WithoutDimensionsFillsTheRectangle)
{
    auto pos = Position(0, 1000, 500);
    TCanvas canvas(240, 180);
    const TSketchPlacement at = DrawConstructionSketch(canvas.Painter, QRect(20, 30, 220, 150), *pos, {});
    canvas.Painter.end();
    // 200 x 130 available; the wide construction takes the width: 200 x 100.
    EXPECT_EQ(at.OffsetX, 10);
    EXPECT_EQ(at.OffsetY, 25);
    EXPECT_TRUE(canvas.Dark(30, 55 + 50));
    EXPECT_TRUE(canvas.Dark(230, 55 + 50));
    EXPECT_TRUE(canvas.Dark(130, 55));
    EXPECT_TRUE(canvas.Dark(130, 155));
    EXPECT_FALSE(canvas.Dark(130, 105));
    EXPECT_EQ(canvas.DarkIn(QRect(0, 0, 240, 50)), 0);
    EXPECT_EQ(canvas.DarkIn(QRect(20, 160, 220, 20)), 0);
}

TEST(Sketch, TwoSashesDrawBothAndTwoRowsBelow)
{
    auto pos = Position(1, 1400, 1400, 600, 800);
    TCanvas canvas(300, 300);
    const int row = TvxfSizeGrid(&canvas.Painter).RowHeight();
    const TSketchPlacement at = DrawConstructionSketch(canvas.Painter, QRect(0, 0, 300, 300), *pos, AllSizeOptions);
    canvas.Painter.end();
    const int w = qRound(1400 / at.Scale), h = qRound(1400 / at.Scale);
    const int mullion = at.OffsetX + qRound(600 / at.Scale);
    EXPECT_TRUE(canvas.Dark(mullion, at.OffsetY + h / 2));
    // Row 0 carries the sashes' widths with an extension line at the mullion; row 1 the whole
    // width, whose extension lines stand only at the ends.
    const int row0 = at.OffsetY + h + row, row1 = row0 + row;
    EXPECT_TRUE(canvas.Dark(mullion, row0 - row / 2));
    EXPECT_TRUE(canvas.Dark(at.OffsetX + 4, row1));
    EXPECT_TRUE(canvas.Dark(at.OffsetX, row1 - row / 2));
    EXPECT_TRUE(canvas.Dark(at.OffsetX + w, row1 - row / 2));
    EXPECT_FALSE(canvas.Dark(at.OffsetX + w / 5, row1 - row + 2));
}

TEST(Sketch, TooSmallARectangleDrawsNothing)
{
    auto pos = Position(0, 700, 1400);
    TCanvas canvas(40, 40);
    int panX = 10, panY = 10;
    const TSketchPlacement at =
        DrawConstructionSketch(canvas.Painter, QRect(0, 0, 30, 30), *pos, AllSizeOptions, 1.0f, panX, panY);
    canvas.Painter.end();
    EXPECT_EQ(at.Scale, 0.0);
    EXPECT_EQ(canvas.DarkIn(QRect(0, 0, 40, 40)), 0);
    TvxfConstruction empty;
    TCanvas other(200, 200);
    EXPECT_EQ(DrawConstructionSketch(other.Painter, QRect(0, 0, 200, 200), empty, AllSizeOptions).Scale, 0.0);
}

// The pan moves the drawing by a share of its size and comes back in pixels; the painter is
// left as it was.
TEST(Sketch, PanAndPainterState)
{
    auto pos = Position(0, 1000, 1000);
    TCanvas canvas(220, 220);
    canvas.Painter.translate(5, 7);
    const QTransform before = canvas.Painter.transform();
    const QPen pen = canvas.Painter.pen();
    int panX = 10, panY = -20;
    const TSketchPlacement at =
        DrawConstructionSketch(canvas.Painter, QRect(0, 0, 220, 220), *pos, {}, 0.0f, panX, panY);
    EXPECT_EQ(at.OffsetX, 10);
    EXPECT_EQ(panX, 20);
    EXPECT_EQ(panY, -40);
    EXPECT_EQ(canvas.Painter.transform(), before);
    EXPECT_EQ(canvas.Painter.pen(), pen);
    canvas.Painter.end();
    // The left edge at 5 + 10 - 20, the top edge at 7 + 10 + 40.
    EXPECT_TRUE(canvas.Dark(-5 + 1, 57 + 100) || canvas.Dark(0, 57 + 100));
    EXPECT_TRUE(canvas.Dark(100, 57));
}

} // namespace
