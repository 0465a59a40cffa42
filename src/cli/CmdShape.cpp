#include "cli/CliCommon.h"
#include "engine/VXFConstruction.h"

using namespace vx;
using namespace vx::cli;

namespace {

int ShapeCommand(const QStringList& args)
{
    TArgs a(args);
    a.AllowOnly({QStringLiteral("figure"), QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("hx"),
                 QStringLiteral("hy"), QStringLiteral("radius")});
    a.ExpectPositional(0, 0);
    if (!a.Has(QStringLiteral("width")) || !a.Has(QStringLiteral("height")))
        throw EUsage(QStringLiteral("Не заданы --width и --height"));
    auto o = [&a](const char* name, const char* fallback) { return a.Value(QString::fromLatin1(name), QString::fromLatin1(fallback)); };
    TShapeRecord shape;
    shape.Figure = uint8_t(o("figure", "0").toInt());
    shape.Width = o("width", "").toInt();
    shape.Height = o("height", "").toInt();
    shape.HX = o("hx", "0").toDouble();
    shape.HY = o("hy", "0").toInt();
    shape.Radius1 = shape.Radius2 = o("radius", "0").toFloat();
    TvxfConstruction pos;
    pos.BuildGeometry(shape, 0);
    int32_t w, h;
    pos.Size(w, h);
    Out(QStringLiteral("Позиция: %1 x %2 мм, створок: %3").arg(w).arg(h).arg(pos.HasTwoFlugels() ? 2 : 1));
    int n = 0;
    for (TvxfFlugel* f = pos.FirstFlugel(); f; f = pos.NextFlugel()) {
        f->Size(w, h);
        Out(QStringLiteral("Створка %1: %2 x %3 мм").arg(++n).arg(w).arg(h));
        for (int i = 0; i < f->SideCount(); ++i) {
            QString kind = f->IsFullSemicircle(i) ? QStringLiteral("полуокружность")
                         : f->IsArc(i)            ? QStringLiteral("дуга")
                         : f->IsEllipse(i)        ? QStringLiteral("эллипс")
                                                  : QStringLiteral("прямая");
            Out(QStringLiteral("  сторона %1: %2 мм, %3, угол %4°")
                    .arg(i + 1)
                    .arg(f->SideLength(i), 0, 'f', 1)
                    .arg(kind)
                    .arg(f->CornerAngle(i), 0, 'f', 2));
        }
    }
    return 0;
}

const TCommandRegistration Registration(
    "shape", "shape --figure N --width MM --height MM [--hx MM] [--hy MM] [--radius MM]\n"
             "      контур позиции: размеры, стороны, углы",
    ShapeCommand);

} // namespace
