#include "editing/VXFSizing.h"
#include "engine/VXFConstruction.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXFormats.h"
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vx {

// ---------------------------------------------------------------------------------------------
// Chains and rows

bool TvxfSizePointList::Add(int32_t x, int32_t y)
{
    const TvxfSizePoint p{x, y};
    if (std::find(Points.begin(), Points.end(), p) != Points.end())
        return false;
    Points.push_back(p);
    return true;
}

void TvxfSizePointList::SortByX()
{
    std::stable_sort(Points.begin(), Points.end(), [](const TvxfSizePoint& a, const TvxfSizePoint& b) { return a.X < b.X; });
}

void TvxfSizePointList::SortByY()
{
    std::stable_sort(Points.begin(), Points.end(), [](const TvxfSizePoint& a, const TvxfSizePoint& b) { return a.Y < b.Y; });
}

namespace {

int32_t FirstOf(const TvxfSizePointList& c, bool horizontal)
{
    return horizontal ? c.First().X : c.First().Y;
}

int32_t LastOf(const TvxfSizePointList& c, bool horizontal)
{
    return horizontal ? c.Last().X : c.Last().Y;
}

} // namespace

bool TvxfSizing::TryInsert(std::unique_ptr<TvxfSizePointList>& chain, bool horizontal)
{
    if (Chains.empty() || chain->Count() == 0)
        return false;
    const int32_t first = FirstOf(*chain, horizontal);
    const int32_t last = LastOf(*chain, horizontal);
    size_t at = Chains.size() + 1;
    if (last <= FirstOf(*Chains.front(), horizontal)) {
        at = 0;
    } else {
        for (size_t k = 1; k < Chains.size(); ++k)
            if (first >= LastOf(*Chains[k - 1], horizontal) && FirstOf(*Chains[k], horizontal) >= last) {
                at = k;
                break;
            }
        if (at > Chains.size() && first >= LastOf(*Chains.back(), horizontal))
            at = Chains.size();
    }
    if (at > Chains.size())
        return false;
    Chains.insert(Chains.begin() + std::ptrdiff_t(at), std::move(chain));
    return true;
}

// ---------------------------------------------------------------------------------------------
// The grid

TvxfSizeGrid::TvxfSizeGrid(QPainter* canvas) : Canvas(canvas)
{
    // The text height of "0" is the font's line height, whatever the character.
    const QFontMetrics metrics = canvas ? QFontMetrics(canvas->font()) : QFontMetrics(QFont());
    FRowHeight = metrics.height() + 2;
}

TvxfSizeGrid::~TvxfSizeGrid() = default;

void TvxfSizeGrid::Clear()
{
    HorzRows.clear();
    VertRows.clear();
    FMin = FMax = QPoint();
}

void TvxfSizeGrid::AddChain(std::vector<std::unique_ptr<TvxfSizing>>& rows, std::unique_ptr<TvxfSizePointList> chain,
                            bool horizontal)
{
    if (!chain || chain->Count() == 0)
        return;
    for (const auto& row : rows)
        for (int i = 0; i < row->Count(); ++i)
            if (row->Chain(i).Equals(*chain))
                return;
    for (const auto& row : rows) {
        if (row->Count() == 0)
            continue;
        if (row->TryInsert(chain, horizontal))
            return;
    }
    auto row = std::make_unique<TvxfSizing>();
    row->Angle = horizontal ? 0 : 90;
    row->Append(std::move(chain));
    rows.push_back(std::move(row));
}

void TvxfSizeGrid::AddHorzChain(std::unique_ptr<TvxfSizePointList> chain)
{
    AddChain(HorzRows, std::move(chain), true);
}

void TvxfSizeGrid::AddVertChain(std::unique_ptr<TvxfSizePointList> chain)
{
    AddChain(VertRows, std::move(chain), false);
}

void TvxfSizeGrid::Build(const TvxfConstruction& construction, TvxfSizeOptions options)
{
    Clear();
    if (!(options & AllSizeOptions))
        return;
    int32_t width = 0, height = 0;
    construction.Size(width, height);
    FMin = QPoint(0, 0);
    FMax = QPoint(width, height);
    AddFlugelChains(*construction.LeftFlugel, options);
    if (construction.HasTwoFlugels())
        AddFlugelChains(*construction.RightFlugel, options);
    if (options & TvxfSizeOption::Overall) {
        auto h = std::make_unique<TvxfSizePointList>();
        h->Add(0, 0);
        h->Add(width, 0);
        AddHorzChain(std::move(h));
        auto v = std::make_unique<TvxfSizePointList>();
        v->Add(0, 0);
        v->Add(0, height);
        AddVertChain(std::move(v));
    }
}

void TvxfSizeGrid::Build(const TvxfFlugel& flugel, TvxfSizeOptions options)
{
    Clear();
    if (!(options & AllSizeOptions))
        return;
    int32_t width = 0, height = 0;
    flugel.Size(width, height);
    FMin = QPoint(0, 0);
    FMax = QPoint(width, height);
    AddFlugelChains(flugel, options);
}

void TvxfSizeGrid::AddFlugelChains(const TvxfFlugel& flugel, TvxfSizeOptions options)
{
    if (!flugel.HasOutline())
        return;
    // Sash coordinates are tenths of a millimetre; the grid works in whole millimetres.
    const QRectF box = flugel.BoundsTenths();
    const int32_t xmin = RoundHalfAway(box.left()) / 10, xmax = RoundHalfAway(box.right()) / 10;
    const int32_t ymin = RoundHalfAway(box.top()) / 10, ymax = RoundHalfAway(box.bottom()) / 10;
    const bool skip = options.testFlag(TvxfSizeOption::EdgeSkip);
    const bool chains = skip || options.testFlag(TvxfSizeOption::Details);

    // The chain min, the ends not lying on an extreme, max; none when both ends lie on one.
    auto edgeChain = [&](int32_t a, int32_t b, int32_t lo, int32_t hi, bool horizontal) {
        const bool aNoted = skip && (a == lo || a == hi);
        const bool bNoted = skip && (b == lo || b == hi);
        if ((aNoted && bNoted) || !chains)
            return;
        auto chain = std::make_unique<TvxfSizePointList>();
        auto add = [&](int32_t v) { horizontal ? chain->Add(v, 0) : chain->Add(0, v); };
        add(lo);
        if (!aNoted)
            add(a);
        if (!bNoted)
            add(b);
        add(hi);
        if (horizontal) {
            chain->SortByX();
            AddHorzChain(std::move(chain));
        } else {
            chain->SortByY();
            AddVertChain(std::move(chain));
        }
    };

    for (const auto& line : flugel.Lines) {
        if (!line->StartPoint || !line->EndPoint)
            continue;
        const int32_t x1 = line->StartPoint->X / 10, y1 = line->StartPoint->Y / 10;
        const int32_t x2 = line->EndPoint->X / 10, y2 = line->EndPoint->Y / 10;
        // The chord's direction: straight up or down is vertical, left or right horizontal.
        const bool vertical = x1 == x2 && y1 != y2;
        const bool horizontal = y1 == y2;
        if (!vertical)
            edgeChain(x1, x2, xmin, xmax, true);
        if (!horizontal)
            edgeChain(y1, y2, ymin, ymax, false);
    }

    auto h = std::make_unique<TvxfSizePointList>();
    h->Add(xmin, 0);
    h->Add(xmax, 0);
    AddHorzChain(std::move(h));
    auto v = std::make_unique<TvxfSizePointList>();
    v->Add(0, ymin);
    v->Add(0, ymax);
    AddVertChain(std::move(v));
}

void TvxfSizeGrid::Draw(double scale)
{
    if (!Canvas || scale <= 0)
        return;
    const QBrush brush = Canvas->brush();
    Canvas->setBrush(Qt::NoBrush);
    const int s = FRowHeight;
    auto px = [scale](int32_t mm) { return RoundHalfAway(mm / scale); };
    auto label = [](const TvxfSizePointList& chain, const TvxfSizePoint& a, const TvxfSizePoint& b) {
        if (!chain.Label.isEmpty())
            return chain.Label;
        const double d = std::hypot(double(b.X) - a.X, double(b.Y) - a.Y);
        if (d == std::floor(d))
            return QString::number(d, 'f', 0);
        return QString::number(d, 'f', 1).replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    };

    for (size_t i = 0; i < HorzRows.size(); ++i) {
        TvxfSizing& row = *HorzRows[i];
        row.Angle = 0;
        const int y = px(FMax.y()) + int(i + 1) * s;
        for (int c = 0; c < row.Count(); ++c) {
            const TvxfSizePointList& chain = row.Chain(c);
            for (int k = 1; k < chain.Count(); ++k) {
                const TvxfSizePoint& a = chain.Point(k - 1);
                const TvxfSizePoint& b = chain.Point(k);
                DrawDimension(QPoint(px(a.X), px(a.Y) + y), QPoint(px(b.X), px(b.Y) + y), false, label(chain, a, b), s);
            }
        }
    }
    for (size_t i = 0; i < VertRows.size(); ++i) {
        TvxfSizing& row = *VertRows[i];
        row.Angle = 90;
        const int x = px(FMax.x()) + int(i + 1) * s;
        for (int c = 0; c < row.Count(); ++c) {
            const TvxfSizePointList& chain = row.Chain(c);
            for (int k = 1; k < chain.Count(); ++k) {
                const TvxfSizePoint& a = chain.Point(k - 1);
                const TvxfSizePoint& b = chain.Point(k);
                DrawDimension(QPoint(px(a.X) + x, px(a.Y)), QPoint(px(b.X) + x, px(b.Y)), true, label(chain, a, b), s);
            }
        }
    }
    Canvas->setBrush(brush);
}

void TvxfSizeGrid::DrawDimension(QPoint a, QPoint b, bool vertical, const QString& text, int arrowSize)
{
    QPainter& p = *Canvas;
    const QPen previous = p.pen();
    QPen pen = previous;
    pen.setWidth(1);
    p.setPen(pen);

    const int s = arrowSize;
    const int l = RoundHalfAway(s / 1.8);
    const int w = s / 5;
    p.drawLine(a, b);
    if (!vertical) {
        // Extension lines reach up towards the construction; the arrows point outwards.
        p.drawLine(QPoint(a.x(), a.y() - s), QPoint(a.x(), a.y() + 1));
        p.drawLine(QPoint(b.x(), b.y() - s), QPoint(b.x(), b.y() + 1));
        p.drawLine(a, QPoint(a.x() + l, a.y() - w));
        p.drawLine(a, QPoint(a.x() + l, a.y() + w));
        p.drawLine(b, QPoint(b.x() - l, b.y() - w));
        p.drawLine(b, QPoint(b.x() - l, b.y() + w));
    } else {
        p.drawLine(QPoint(a.x() - s, a.y()), QPoint(a.x() + 1, a.y()));
        p.drawLine(QPoint(b.x() - s, b.y()), QPoint(b.x() + 1, b.y()));
        p.drawLine(a, QPoint(a.x() - w, a.y() + l));
        p.drawLine(a, QPoint(a.x() + w, a.y() + l));
        p.drawLine(b, QPoint(b.x() - w, b.y() - l));
        p.drawLine(b, QPoint(b.x() + w, b.y() - l));
    }

    // The text stands on the line, on the construction's side: above a horizontal line, left
    // of a vertical one reading upwards.
    const QFontMetrics metrics(p.font());
    const int tw = metrics.horizontalAdvance(text) + 4;
    const int th = metrics.height();
    const QPoint mid((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    p.save();
    p.translate(mid);
    if (vertical)
        p.rotate(-90);
    p.drawText(QRect(-tw / 2 - tw % 2, -th, tw, th), Qt::AlignHCenter | Qt::AlignBottom, text);
    p.restore();
    p.setPen(previous);
}

// ---------------------------------------------------------------------------------------------
// The sketch

TSketchPlacement DrawConstructionSketch(QPainter& canvas, const QRect& target, const TvxfConstruction& construction,
                                        TvxfSizeOptions options, float zoom, int& panX, int& panY)
{
    TvxfSizeGrid grid(&canvas);
    grid.Build(construction, options);
    const int availW = target.width() - grid.VertRowsWidth() - 20;
    const int availH = target.height() - grid.HorzRowsHeight() - 20;
    int32_t width = 0, height = 0;
    construction.Size(width, height);
    if (!construction.LeftFlugel->HasOutline() || width <= 0 || height <= 0 || availW <= 0 || availH <= 0) {
        panX = panY = 0;
        return {};
    }
    double scale = double(width) / double(height) >= double(availW) / double(availH) ? double(width) / availW
                                                                                     : double(height) / availH;
    scale *= zoom == 0 ? 1.0 : double(zoom);
    const int w = RoundHalfAway(width / scale);
    const int h = RoundHalfAway(height / scale);
    TSketchPlacement placement;
    placement.OffsetX = (availW - w) / 2 + 10;
    placement.OffsetY = (availH - h) / 2 + 10;
    placement.Scale = scale;
    panX = RoundHalfAway(panX * double(w) / 100.0);
    panY = RoundHalfAway(panY * double(h) / 100.0);

    canvas.save();
    try {
        canvas.translate(target.left() + placement.OffsetX - panX, target.top() + placement.OffsetY - panY);
        QPen pen = canvas.pen();
        pen.setWidth(3);
        canvas.setPen(pen);
        // Sashes are in tenths of a millimetre: ten of them per millimetre of the scale.
        const double pixelsPerTenth = 1.0 / (scale * 10.0);
        construction.LeftFlugel->Draw(canvas, pixelsPerTenth, QPointF(0, 0));
        if (construction.HasTwoFlugels())
            construction.RightFlugel->Draw(canvas, pixelsPerTenth, QPointF(0, 0));
        grid.Draw(scale);
    } catch (...) {
        canvas.restore();
        throw;
    }
    canvas.restore();
    return placement;
}

TSketchPlacement DrawConstructionSketch(QPainter& canvas, const QRect& target, const TvxfConstruction& construction,
                                        TvxfSizeOptions options)
{
    int panX = 0, panY = 0;
    return DrawConstructionSketch(canvas, target, construction, options, 1.0f, panX, panY);
}

} // namespace vx
