#include "VXFConstruction.h"
#include "foundation/VXExpression.h"
#include <cmath>

namespace vx {

namespace {

// Length formulas of catalog rows: sash sizes as variables, side lengths and handle heights
// as functions of a side number counted from 1.
class TFormulaContext : public TExprContext {
public:
    explicit TFormulaContext(const TvxfFlugel& flugel) : Flugel(flugel)
    {
        UnknownVariables = TUnknownName::Zero;
        UnknownFunctions = TUnknownName::Zero;
    }

    bool GetVariable(const QString& name, QVariant& value) override
    {
        // The height names end in the Cyrillic capital EN, except the Latin "FRH".
        static const QString heights[] = {QStringLiteral("F\u041D"), QStringLiteral("FF\u041D"), QStringLiteral("FRH")};
        static const QString widths[] = {QStringLiteral("FB"), QStringLiteral("FFB"), QStringLiteral("FRB")};
        for (const QString& h : heights)
            if (name == h) {
                value = double(size().second);
                return true;
            }
        for (const QString& w : widths)
            if (name == w) {
                value = double(size().first);
                return true;
            }
        value = 0.0;
        return true;
    }

    bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result) override
    {
        const QString fn = name.toUpper();
        result = 0.0;
        const bool isLength = fn == QLatin1String("FL") || fn == QLatin1String("FFL");
        const bool isHandle = fn == QLatin1String("FG") || fn == QLatin1String("FFG");
        const bool isAdjacent = fn == QLatin1String("FGA") || fn == QLatin1String("FFGA");
        if (!isLength && !isHandle && !isAdjacent)
            return true;
        if (isLength) {
            try {
                int n = sideNumber(args, Flugel);
                if (n > 0)
                    result = Flugel.SideLength(n - 1);
            } catch (...) {
                result = 0.0; // a failing side length counts as 0
            }
            return true;
        }
        const TvxfFlugel* f = isHandle ? &Flugel : Flugel.AdjacentFlugel();
        int n = sideNumber(args, *f);
        if (n > 0)
            result = double(f->Lines[size_t(n - 1)]->HandleHeight);
        return true;
    }

private:
    // The side number when it names a side of the sash, else 0.
    static int sideNumber(const TExprArgs& args, const TvxfFlugel& f)
    {
        if (args.Count() < 1)
            return 0;
        double v = args.Number(0);
        if (!std::isfinite(v) || v < 1 || v > 255)
            return 0;
        int n = int(std::nearbyint(v));
        return n >= 1 && n <= f.SideCount() ? n : 0;
    }

    std::pair<int32_t, int32_t> size()
    {
        if (!SizeKnown) {
            Flugel.Size(Width, Height);
            SizeKnown = true;
        }
        return {Width, Height};
    }

    const TvxfFlugel& Flugel;
    bool SizeKnown = false;
    int32_t Width = 0, Height = 0;
};

} // namespace

double TvxfFlugel::EvaluateFormula(const QString& formula) const
{
    TFormulaContext ctx(*this);
    return EvaluateNumber(formula, ctx);
}

} // namespace vx
