#include "foundation/VXExpression.h"
#include <benchmark/benchmark.h>

using namespace vx;

namespace {

// Answers like the sash callbacks of length formulas.
class TSashContext : public TExprContext {
public:
    bool GetVariable(const QString& name, QVariant& value) override
    {
        static const QString height = QStringLiteral("FFН");
        value = name == height ? 1200.0 : 0.0;
        return true;
    }
    bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result) override
    {
        const int n = int(args.Number(0));
        result = name.compare(QLatin1String("FL"), Qt::CaseInsensitive) == 0 && n >= 1 && n <= 4 ? 500.0 : 0.0;
        return true;
    }
};

const QString Formula = QStringLiteral("FFН - 2*FL(1) + 12.5");

// The way the engine evaluates a catalog row: look the text up in the parse cache, evaluate.
void BM_LengthFormulaCached(benchmark::State& state)
{
    TSashContext ctx;
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateNumber(Formula, ctx));
}
BENCHMARK(BM_LengthFormulaCached);

// The parsed formula held by the caller.
void BM_LengthFormulaHeld(benchmark::State& state)
{
    TSashContext ctx;
    auto expr = TExpression::Parse(Formula);
    for (auto _ : state)
        benchmark::DoNotOptimize(expr->EvaluateNumber(ctx));
}
BENCHMARK(BM_LengthFormulaHeld);

} // namespace

BENCHMARK_MAIN();
