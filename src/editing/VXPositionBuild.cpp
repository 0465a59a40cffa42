#include "editing/VXPositionBuild.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"
#include <cmath>

namespace vx {

TNewPositionContext TNewPositionContext::OfOrder(const TvxfOrder& order)
{
    TNewPositionContext c;
    c.PositionCount = order.PositionCount();
    c.ProfSys = order.ProfSys;
    c.FurnSys = order.FurnSys;
    c.FurnColor = order.FurnColor;
    c.FalzType = order.FalzType;
    c.DornType = order.DornType;
    c.StulpFalzType = order.StulpFalzType;
    c.FlugelType = order.FlugelType;
    return c;
}

QString ShapeKitName(int figure)
{
    switch (figure) {
    case 1:
    case 2: return QStringLiteral("Комплект штульповый");
    case 3:
    case 4: return QStringLiteral("Комплект трапеция");
    case 5:
    case 6: return QStringLiteral("Комплект треугольный");
    case 7: return QStringLiteral("Комплект арка");
    default: return QStringLiteral("Комплект стандартный");
    }
}

QString DefaultPositionName(int objType, int figure)
{
    return (objType == 1 ? QStringLiteral("Дверь с порогом: ") : QStringLiteral("Окно: ")) + ShapeKitName(figure);
}

QString DefaultPosNo(int positionCount)
{
    return QString::asprintf("%.3d", positionCount + 1);
}

int DefaultPositionWidth(int objType)
{
    return objType == 1 ? 900 : 700;
}

int DefaultPositionHeight(int objType)
{
    return objType == 1 ? 2100 : 1400;
}

namespace {

// Computed sizes are shown with at most 8 decimals.
double Round8(double v)
{
    return std::round(v * 1e8) / 1e8;
}

double ArchRadius(double b, double x)
{
    return b > 0 && x > 0 ? Round8((b * b / 4 + x * x) / (2 * x)) : 0.0;
}

double ArchRise(double b, double r)
{
    const double half = b / 2;
    return b > 0 && r * r >= half * half ? Round8(r - std::sqrt(r * r - half * half)) : 0.0;
}

} // namespace

TShapeRecord CompleteShape(const TShapeInput& in, int objType)
{
    TShapeRecord s;
    s.Figure = uint8_t(in.Figure);
    s.Width = in.Width.value_or(DefaultPositionWidth(objType));
    s.Height = in.Height.value_or(DefaultPositionHeight(objType));
    switch (in.Figure) {
    case 1:
    case 2:
        if (in.HX && in.HY) {
            s.HX = *in.HX;
            s.HY = *in.HY;
        } else if (in.HY) {
            s.HY = *in.HY;
            s.HX = *in.HY < s.Width ? s.Width - *in.HY : s.Width / 2;
        } else {
            s.HX = in.HX ? *in.HX : double(s.Width / 2);
            s.HY = s.Width > s.HX ? int32_t(s.Width - s.HX) : s.Width - s.Width / 2;
        }
        break;
    case 3:
    case 4: s.HX = in.HX ? *in.HX : double(s.Height / 2); break;
    case 7: {
        double r = 0, x = 0;
        if (in.HX && in.Radius) {
            x = *in.HX;
            r = *in.Radius;
        } else if (in.Radius) {
            r = *in.Radius;
            x = ArchRise(s.Width, r);
        } else if (in.HX && *in.HX <= s.Width / 2.0) {
            x = *in.HX;
            r = ArchRadius(s.Width, x);
        } else {
            r = x = s.Width / 2.0;   // a half circle
        }
        s.HX = x;
        s.Radius1 = s.Radius2 = float(r);
        break;
    }
    default: break;
    }
    return s;
}

void ApplyRadiusMinimum(TShapeRecord& shape)
{
    if (shape.Figure != 7)
        return;
    const double half = shape.Width / 2.0;
    if (double(shape.Radius1) < half) {
        shape.Radius1 = shape.Radius2 = float(half);
        shape.HX = half;
    }
}

QString PositionSizeProblem(const TShapeRecord& s, int32_t num)
{
    if (num <= 0)
        return QStringLiteral("Количество должно быть больше нуля!");
    if (s.Figure > 7)
        return QStringLiteral("Неизвестный тип изделия!");
    if (s.Width <= 0 || s.Height <= 0)
        return QStringLiteral("Размеры B и H должны быть больше нуля!");
    if ((s.Figure == 1 || s.Figure == 2) && (s.HX <= 0 || s.HY <= 0))
        return QStringLiteral("Ширина каждой створки (размеры X и Y) должна быть больше нуля!");
    if ((s.Figure == 3 || s.Figure == 4) && (s.HX <= 0 || s.HX > s.Height))
        return QStringLiteral("Размер X должен быть больше нуля и не больше размера H!");
    if (s.Figure == 7 && s.HX >= s.Height)
        return QStringLiteral("Высота арки X должна быть меньше размера H!");
    return QString();
}

void ChangeOrRestore(TvxfConstruction& position, const std::function<void()>& change)
{
    TSpecStream backup;
    position.Backup(backup);   // raises with its own message; nothing changed yet
    try {
        change();
    } catch (const std::exception& e) {
        QString text = ExceptionText(e);
        try {
            position.Restore(backup);
        } catch (const std::exception& restoreFailure) {
            text += QStringLiteral("\r\n") + ExceptionText(restoreFailure);
        }
        throw EValtrixError(text);
    }
}

void BuildPosition(const TNewPositionContext& order, const TPositionInput& input, TvxfConstruction& position)
{
    ChangeOrRestore(position, [&] {
        TShapeRecord shape = input.Shape;
        ApplyRadiusMinimum(shape);
        const QString problem = PositionSizeProblem(shape, input.Num);
        if (!problem.isEmpty())
            throw EValtrixError(problem);
        position.PosNo = input.PosNo;
        position.Name = input.Name;
        position.Num = input.Num;
        position.Layout = TvxfConstruction::LayoutOfFigure(shape.Figure);
        position.ObjType = input.ObjType == 1 ? 1 : 0;
        position.ProfSys = order.ProfSys;
        position.FurnSys = order.FurnSys;
        position.Color = order.FurnColor;
        position.Falz = order.FalzType;
        position.StulpType = order.StulpFalzType;
        position.OpenType = order.FlugelType;
        position.BuildGeometry(shape, order.DornType);
    });
}

} // namespace vx
