// Saving and loading a large order: 1,000 two-sash positions with twenty items per complect
// and twenty material lines per sash. Saving includes the temporary file, its flush to disk
// and the rename.
#include "../tests/model/OrderTestFiles.h"
#include "model/VXFOrder.h"
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vx;

namespace {

struct TLargeOrder {
    QTemporaryDir Dir;
    QString Path = Dir.filePath(QStringLiteral("large.vfo370"));
    std::unique_ptr<TvxfOrder> Order = vxtest::SampleOrder(1000, 20);

    TLargeOrder() { Order->SaveToFile(Path); }
};

TLargeOrder& Large()
{
    static TLargeOrder large;
    return large;
}

void BM_SaveOrderFile(benchmark::State& state)
{
    TLargeOrder& l = Large();
    for (auto _ : state)
        if (!l.Order->SaveToFile(l.Path))
            state.SkipWithError("save failed");
    state.counters["MB"] = double(QFileInfo(l.Path).size()) / 1e6;
}

void BM_LoadOrderFile(benchmark::State& state)
{
    TLargeOrder& l = Large();
    for (auto _ : state) {
        auto o = std::make_unique<TvxfOrder>();
        if (!o->LoadFromFile(l.Path) || o->PositionCount() != 1000)
            state.SkipWithError("load failed");
        // Freeing the order is no part of loading it.
        state.PauseTiming();
        o.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SaveOrderFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOrderFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
