#include "VXFConstruction.h"
#include "VXFCatalogNames.h"
#include "engine/VXFPositionRecords.h"
#include "engine/VXFService.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include <cmath>
#include <limits>
#include <numbers>

namespace vx {

namespace {

constexpr double RadToDeg = 180.0 / std::numbers::pi;

int32_t CheckedAdd(int32_t a, int32_t b)
{
    int32_t r;
    if (__builtin_add_overflow(a, b, &r))
        throw EValtrixError(QStringLiteral("Переполнение при вычислении координат конструкции!"));
    return r;
}

int32_t CheckedSub(int32_t a, int32_t b)
{
    int32_t r;
    if (__builtin_sub_overflow(a, b, &r))
        throw EValtrixError(QStringLiteral("Переполнение при вычислении координат конструкции!"));
    return r;
}

QPointF P(const TvxfPoint* p)
{
    return QPointF(p->X, p->Y);
}

QPointF C(const TFloatPoint& p)
{
    return QPointF(p.X, p.Y);
}

} // namespace

double Direction(QPointF p, QPointF q)
{
    double dx = q.x() - p.x();
    double dy = p.y() - q.y();
    if (dx == 0 && dy == 0)
        return 0;
    double a = std::atan2(dy, dx) * RadToDeg;
    if (a < 0)
        a += 360;
    if (a >= 360)
        a -= 360;
    return a;
}

double PathAngle(QPointF a, QPointF b, QPointF c)
{
    double abx = b.x() - a.x(), aby = b.y() - a.y();
    double bcx = c.x() - b.x(), bcy = c.y() - b.y();
    double lab = std::hypot(abx, aby), lbc = std::hypot(bcx, bcy);
    if (lab * lbc == 0)
        return -1;
    double l = Direction(a, b);
    double m;
    if (l > 180) {
        m = 360 - l + Direction(b, c);
        if (m > 360)
            m -= 360;
    } else {
        m = Direction(b, c) - l;
    }
    double g = (abx * bcx + aby * bcy) / (lab * lbc);
    g = std::clamp(g, -1.0, 1.0);
    double turn = std::acos(g) * RadToDeg;
    return (m <= 0 || m >= 180) ? 180 - turn : 180 + turn;
}

void TvxfLine::ComputeCenter()
{
    if (R1 == 0 || !StartPoint || !EndPoint) {
        Center = {};
        return;
    }
    double sx = StartPoint->X, sy = StartPoint->Y, ex = EndPoint->X, ey = EndPoint->Y;
    double mx = (sx + ex) / 2, my = (sy + ey) / 2;
    double c = std::hypot(ex - sx, ey - sy);
    double r = R1;
    if (c == 0 || r * r < (c / 2) * (c / 2)) {
        Center = {float(mx), float(my)};
        return;
    }
    double d = std::sqrt(r * r - (c / 2) * (c / 2));
    // Perpendicular on the side below a left-to-right chord: the arch bulges upward.
    double ux = (ex - sx) / c, uy = (ey - sy) / c;
    Center = {float(mx - uy * d), float(my + ux * d)};
}

// ---------------------------------------------------------------------------------------------

TvxfFlugel::TvxfFlugel(TvxfConstruction* owner) : Owner(owner) {}

TvxfFlugel::~TvxfFlugel() = default;

TvxfLine* TvxfFlugel::Line(int index) const
{
    return index >= 0 && index < int(Lines.size()) ? Lines[size_t(index)].get() : nullptr;
}

TvxfFlugel* TvxfFlugel::AdjacentFlugel() const
{
    if (!Owner)
        return nullptr;
    return Owner->LeftFlugel.get() == this ? Owner->RightFlugel.get() : Owner->LeftFlugel.get();
}

TvxfPoint* TvxfFlugel::AddPoint(int32_t x, int32_t y)
{
    auto p = std::make_unique<TvxfPoint>();
    p->X = x;
    p->Y = y;
    p->Owner = this;
    Points.push_back(std::move(p));
    return Points.back().get();
}

void TvxfFlugel::LinkSides()
{
    while (Lines.size() < Points.size()) {
        auto l = std::make_unique<TvxfLine>();
        l->Owner = this;
        Lines.push_back(std::move(l));
    }
    size_t n = Points.size();
    for (size_t i = 0; i < n; ++i) {
        Lines[i]->StartPoint = Points[i].get();
        Lines[i]->EndPoint = Points[(i + 1) % n].get();
        Lines[i]->ComputeCenter();
    }
}

void TvxfFlugel::BuildOutline(uint8_t figure, int32_t x0, int32_t b, int32_t h, int32_t hx, float r1, float r2)
{
    int32_t right = CheckedAdd(x0, b);
    int arcSide = -1;
    switch (figure) {
    case 3:
        AddPoint(x0, h);
        AddPoint(x0, CheckedSub(h, hx));
        AddPoint(right, 0);
        AddPoint(right, h);
        break;
    case 4:
        AddPoint(x0, h);
        AddPoint(x0, 0);
        AddPoint(right, CheckedSub(h, hx));
        AddPoint(right, h);
        break;
    case 5:
        AddPoint(x0, h);
        AddPoint(right, 0);
        AddPoint(right, h);
        break;
    case 6:
        AddPoint(x0, h);
        AddPoint(x0, 0);
        AddPoint(right, h);
        break;
    case 7:
        AddPoint(x0, h);
        AddPoint(x0, hx);
        AddPoint(right, hx);
        AddPoint(right, h);
        arcSide = 1;
        break;
    default:
        AddPoint(x0, h);
        AddPoint(x0, 0);
        AddPoint(right, 0);
        AddPoint(right, h);
        arcSide = 1;
        break;
    }
    LinkSides();
    if (arcSide >= 0) {
        Lines[size_t(arcSide)]->R1 = r1;
        Lines[size_t(arcSide)]->R2 = r2;
        Lines[size_t(arcSide)]->ComputeCenter();
    }
}

double TvxfFlugel::SideLength(int index) const
{
    const TvxfLine* l = Line(index);
    if (!l || !l->StartPoint || !l->EndPoint)
        return -1;
    return std::hypot(double(l->EndPoint->X) - l->StartPoint->X, double(l->EndPoint->Y) - l->StartPoint->Y) / 10.0;
}

bool TvxfFlugel::IsArc(int index) const
{
    const TvxfLine* l = Line(index);
    return l && l->R1 != 0 && l->R1 == l->R2;
}

bool TvxfFlugel::IsFullSemicircle(int index) const
{
    // Half the chord in 0.1 mm against the radius; a hair of tolerance for the float radius.
    return IsArc(index) && std::fabs(SideLength(index) * 5.0 - Line(index)->R1) < 0.01;
}

bool TvxfFlugel::IsPartialArc(int index) const
{
    return IsArc(index) && !IsFullSemicircle(index);
}

bool TvxfFlugel::IsEllipse(int index) const
{
    const TvxfLine* l = Line(index);
    return l && l->R1 != 0 && l->R2 != 0 && l->R1 != l->R2;
}

double TvxfFlugel::CornerAngle(int index) const
{
    const TvxfLine* side = Line(index);
    if (!side || Lines.empty())
        return -1;
    const TvxfLine* prev = Lines[size_t(index == 0 ? int(Lines.size()) - 1 : index - 1)].get();
    QPointF a = P(prev->StartPoint), b = P(side->StartPoint), c = P(side->EndPoint);
    if (side->R1 == 0 && prev->R1 == 0)
        return PathAngle(a, b, c);
    // Arcs meet their neighbours along the tangent: turn each part from the radius by 90 degrees.
    auto toTangent = [](double v) { return v == 0 ? 0.0 : (v > 180 ? v - 270 : v + 90); };
    double cPart = side->R1 > 0 ? toTangent(PathAngle(a, b, C(side->Center))) : 0;
    double dPart = prev->R1 > 0 ? toTangent(PathAngle(C(prev->Center), b, c)) : 0;
    return cPart + dPart;
}

QRectF TvxfFlugel::BoundsTenths() const
{
    if (Points.empty())
        return QRectF();
    double minX = Points[0]->X, maxX = minX, minY = Points[0]->Y, maxY = minY;
    auto extend = [&](double x, double y) {
        if (x < minX - 0.01)
            minX = x;
        if (x > maxX + 0.01)
            maxX = x;
        if (y < minY - 0.01)
            minY = y;
        if (y > maxY + 0.01)
            maxY = y;
    };
    for (const auto& p : Points)
        extend(p->X, p->Y);
    for (const auto& l : Lines) {
        if (l->R1 == 0 || !l->StartPoint || !l->EndPoint)
            continue;
        double r = l->R1, cx = l->Center.X, cy = l->Center.Y;
        double sx = l->StartPoint->X, sy = l->StartPoint->Y, ex = l->EndPoint->X, ey = l->EndPoint->Y;
        const double extremes[4][2] = {{cx - r, cy}, {cx, cy - r}, {cx + r, cy}, {cx, cy + r}};
        for (const auto& e : extremes) {
            double dist = std::hypot(e[0] - cx, e[1] - cy);
            double cross = (e[0] - sx) * (ey - sy) - (e[1] - sy) * (ex - sx);
            if (std::fabs(dist - r) <= 0.5 && cross * r >= 0)
                extend(e[0], e[1]);
        }
    }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

void TvxfFlugel::Size(int32_t& width, int32_t& height) const
{
    if (Points.empty()) {
        width = height = 0;
        return;
    }
    QRectF r = BoundsTenths();
    int32_t w = CheckedSub(CeilTol(r.right()), FloorTol(r.left()));
    int32_t h = CheckedSub(CeilTol(r.bottom()), FloorTol(r.top()));
    width = FromTenthsRounded(w);
    height = FromTenthsRounded(h);
}

int TvxfFlugel::HandledSide() const
{
    for (size_t i = 0; i < Lines.size(); ++i)
        if (Lines[i]->Handled)
            return int(i);
    return -1;
}

int TvxfFlugel::BandedSide() const
{
    for (size_t i = 0; i < Lines.size(); ++i)
        if (Lines[i]->Banded)
            return int(i);
    return -1;
}

int32_t TvxfFlugel::HandleHeight() const
{
    int s = HandledSide();
    return s < 0 ? 0 : Lines[size_t(s)]->HandleHeight;
}

void TvxfFlugel::SetHandleHeight(int side, int32_t heightMm, int direction)
{
    TvxfLine* l = Line(side);
    if (!l)
        return;
    if (!l->Handled || !l->StartPoint || !l->EndPoint) {
        l->HandleHeight = 0;
        l->HandleMark = QPoint();
        return;
    }
    l->HandleHeight = heightMm;
    QPointF from = direction == 0 ? P(l->StartPoint) : P(l->EndPoint);
    QPointF to = direction == 0 ? P(l->EndPoint) : P(l->StartPoint);
    double len = std::hypot(to.x() - from.x(), to.y() - from.y());
    double a = Direction(from, to);
    double dist = double(heightMm) * 10.0;
    double ux = len == 0 ? std::cos(a / RadToDeg) : (to.x() - from.x()) / len;
    double uy = len == 0 ? -std::sin(a / RadToDeg) : (to.y() - from.y()) / len;
    double turned = (a + (direction == 0 ? -90.0 : 90.0)) / RadToDeg;
    double x = from.x() + ux * dist + 10.0 * std::cos(turned);
    double y = from.y() + uy * dist - 10.0 * std::sin(turned);
    l->HandleMark = QPoint(RoundHalfAway(x), RoundHalfAway(y));
}

QPointF TvxfFlugel::SideMidpoint(int index) const
{
    const TvxfLine* l = Line(index);
    if (!l || !l->StartPoint || !l->EndPoint)
        return QPointF();
    QPointF s = P(l->StartPoint), e = P(l->EndPoint);
    QPointF mid = (s + e) / 2;
    if (l->R1 == 0)
        return mid;
    QPointF c = C(l->Center);
    double r = std::max<double>(l->R1, std::hypot(s.x() - c.x(), s.y() - c.y()));
    QPointF v = mid - c;
    double len = std::hypot(v.x(), v.y());
    if (len < 1e-6) {
        // Semicircle: the arc's middle lies on the outer normal of the chord.
        double cl = std::hypot(e.x() - s.x(), e.y() - s.y());
        if (cl == 0)
            return mid;
        v = QPointF((e.y() - s.y()) / cl, -(e.x() - s.x()) / cl);
        len = 1;
    }
    return c + v * (r / len);
}

// ---------------------------------------------------------------------------------------------

TvxfConstruction::TvxfConstruction(TvxfOrder* order)
    : LeftFlugel(std::make_unique<TvxfFlugel>(this)), RightFlugel(std::make_unique<TvxfFlugel>(this)), Order(order)
{
}

TvxfConstruction::~TvxfConstruction() = default;

uint8_t TvxfConstruction::LayoutOfFigure(uint8_t figure)
{
    return figure == 1 ? 1 : figure == 2 ? 0 : 2;
}

void TvxfConstruction::BuildGeometry(const TShapeRecord& shape, int32_t dorn)
{
    if (LeftFlugel->HasOutline() || RightFlugel->HasOutline())
        throw EValtrixError(QStringLiteral("Контур позиции уже построен!"));
    Layout = LayoutOfFigure(shape.Figure);
    int32_t b = ToTenths(shape.Width), h = ToTenths(shape.Height);
    float r1 = float(double(shape.Radius1) * 10), r2 = float(double(shape.Radius2) * 10);
    if (Layout == 2) {
        LeftFlugel->BuildOutline(shape.Figure, 0, b, h, ToTenths(shape.HX), r1, r2);
        LeftFlugel->Dorn = dorn;
        return;
    }
    int32_t hx = ToTenths(shape.HX), hy = ToTenths(shape.HY);
    LeftFlugel->BuildOutline(0, 0, hx, h, 0, r1, r2);
    RightFlugel->BuildOutline(0, hx, hy, h, 0, r1, r2);
    LeftFlugel->Dorn = dorn;
    RightFlugel->Dorn = dorn;
}

void TvxfConstruction::Size(int32_t& width, int32_t& height) const
{
    LeftFlugel->Size(width, height);
    if (Layout != 2) {
        int32_t w2, h2;
        RightFlugel->Size(w2, h2);
        width = CheckedAdd(width, w2);
    }
}

TMoney TvxfConstruction::TotalCost() const
{
    int64_t r;
    if (__builtin_mul_overflow(Cost.raw(), int64_t(Num), &r))
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    return TMoney::FromRaw(r);
}

void TvxfConstruction::CollectMaterials(TMatList& list) const
{
    MergeMaterials(list, LeftFlugel->MatList, float(Num));
    MergeMaterials(list, RightFlugel->MatList, float(Num));
}

void TvxfConstruction::InfoLines(QStringList& lines, const TCatalogNames& names) const
{
    for (const TvxfFlugel* f : {LeftFlugel.get(), RightFlugel.get()}) {
        if (!f->FurnComp)
            continue;
        const TvxfFurnComp& c = *f->FurnComp;
        for (const QString* id : {&c.Complect, &c.Handle, &c.Hinge, &c.Cylinder, &c.Drive}) {
            if (id->isEmpty())
                continue;
            QString name = names.ComponentName(*id);
            if (!name.isEmpty())
                lines << name;
        }
    }
}

TvxfFlugel* TvxfConstruction::FirstFlugel()
{
    WalkState = Layout != 2 ? 1 : 2;
    return LeftFlugel.get();
}

TvxfFlugel* TvxfConstruction::NextFlugel()
{
    if (WalkState == 1) {
        WalkState = 2;
        return RightFlugel.get();
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Fittings of sashes and positions.

void TvxfFlugel::SetFittings(const QString& furnSys, const QString& profSys, const QString& color,
                             const TSashChoice& choice)
{
    if (choice.Components.Empty() && choice.ExtraComplects.isEmpty()) {
        ClearFittings();
        return;
    }
    const bool isNew = !FurnComp;
    if (isNew)
        FurnComp = std::make_unique<TvxfFurnComp>(this);
    Dorn = choice.Dorn;
    try {
        FurnComp->Assign(furnSys, profSys, color, choice);
    } catch (...) {
        if (isNew)
            ClearFittings();
        throw;
    }
    ApplySecondarySashRule();
}

void TvxfFlugel::SetPreview(const TSashChoice& choice)
{
    if (choice.Components.Empty() && choice.ExtraComplects.isEmpty()) {
        ClearFittings();
        return;
    }
    const bool isNew = !FurnComp;
    if (isNew)
        FurnComp = std::make_unique<TvxfFurnComp>(this);
    try {
        FurnComp->AssignPreview(choice.Components, choice.UserHandleHeight, choice.HeightUserDefined);
    } catch (...) {
        if (isNew)
            ClearFittings();
        throw;
    }
}

void TvxfFlugel::ClearFittings()
{
    if (FurnComp) {
        FurnComp.reset();
        for (const auto& line : Lines) {
            line->OpenMode = false;
            line->RotSide = -1;
            line->Handled = false;
            line->Banded = false;
            line->Drived = false;
        }
    }
    ApplySecondarySashRule();
}

void TvxfFlugel::ApplySecondarySashRule()
{
    if (!Owner || !Owner->HasTwoFlugels())
        return;
    TvxfFlugel* secondary = Owner->Layout == 1 ? Owner->LeftFlugel.get() : Owner->RightFlugel.get();
    if (secondary == this || !secondary->FurnComp)
        return;
    if (!FurnComp || FurnComp->FurnSys != secondary->FurnComp->FurnSys)
        secondary->ClearFittings();
}

TMoney TvxfFlugel::RebuildMatList()
{
    MatList.clear();
    TMoney cost;
    if (!FurnComp)
        return cost;
    for (const auto& item : FurnComp->Items) {
        auto m = std::make_unique<TvxfMatListItem>();
        m->Article = item->Article;
        // Lengths are bought in metres, pieces by count.
        m->Quantity = item->Length > 0 ? float(double(item->Length) * item->Count / 1000.0) : float(item->Count);
        m->Price = ArticlePrice(item->Article, false);
        m->NetPrice = m->Price;
        m->Sum = m->Price.mulDouble(m->Quantity);
        cost += m->Sum;
        MatList.push_back(std::move(m));
    }
    return cost;
}

void TvxfConstruction::SetFittings(const QString& furnSys, const QString& profSys, const TFurnChoice& choice)
{
    FurnSys = furnSys;
    ProfSys = profSys;
    Color = choice.Color;
    Falz = choice.Falz;
    StulpType = choice.StulpType;
    OpenType = choice.OpenType;
    ProfWidth = choice.ProfWidth;
    Thickness = choice.Thickness;
    if (Layout == 2) {
        LeftFlugel->SetFittings(FurnSys, ProfSys, Color, choice.Left);
        RightFlugel->FurnComp.reset();
    } else if (Layout == 1) {
        RightFlugel->SetFittings(FurnSys, ProfSys, Color, choice.Right);
        LeftFlugel->SetFittings(FurnSys, ProfSys, Color, choice.Left);
    } else {
        LeftFlugel->SetFittings(FurnSys, ProfSys, Color, choice.Left);
        RightFlugel->SetFittings(FurnSys, ProfSys, Color, choice.Right);
    }
    RecomputeCosts();
}

void TvxfConstruction::SetPreview(const TSashChoice& left, const TSashChoice& right)
{
    LeftFlugel->SetPreview(left);
    if (HasTwoFlugels())
        RightFlugel->SetPreview(right);
    else
        RightFlugel->FurnComp.reset();
}

void TvxfConstruction::RecomputeCosts()
{
    Cost = TMoney();
    Cost += LeftFlugel->RebuildMatList();
    Cost += RightFlugel->RebuildMatList();
}

void TvxfConstruction::CopyFrom(const TvxfConstruction& source)
{
    try {
        TSpecStream stream;
        WritePosition(stream, source);
        stream.Seek(0);
        ReadPosition(stream, *this, OrderFileVersion);
    } catch (const std::exception& e) {
        throw EValtrixError(QStringLiteral("Ошибка копирования позиции!\r\n(%1)").arg(ExceptionText(e)));
    }
}

void TvxfConstruction::Backup(TSpecStream& stream) const
{
    try {
        WritePosition(stream, *this);
    } catch (const std::exception& e) {
        throw EValtrixError(QStringLiteral("Ошибка создания резервной копии объекта!\r\n(%1)").arg(ExceptionText(e)));
    }
}

void TvxfConstruction::Restore(TSpecStream& stream)
{
    try {
        stream.Seek(0);
        ReadPosition(stream, *this, OrderFileVersion);
    } catch (const std::exception& e) {
        throw EValtrixError(
            QStringLiteral("Ошибка восстановления объекта из резервной копии!\r\n(%1)").arg(ExceptionText(e)));
    }
}

} // namespace vx
