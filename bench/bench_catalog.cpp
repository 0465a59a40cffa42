// Catalog access as the fittings engine does it, on a large synthetic catalog: opening every
// catalog table, filtered walks over set and article rows, look-ups of articles by code.
#include "db/VXCatalogGenerator.h"
#include "db/VXDataModule.h"
#include "db/VXSchema.h"
#include "foundation/VXUserInteraction.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace vx;

namespace {

TCatalogGenParams Params()
{
    return TCatalogGenParams::Large();
}

QString CatalogPath;                 // the generated catalog, made once in main
std::unique_ptr<TDM> SharedModule;   // the look-ups share one opened module, as the program does

class TFailOnMessage : public TScriptedInteraction {
public:
    void ShowError(const QString& text) override
    {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        std::abort();
    }
};

TDM& OpenModule()
{
    if (!SharedModule) {
        SharedModule = std::make_unique<TDM>();
        SharedModule->ConnectCatalog(CatalogPath);
        SharedModule->OpenCatalog();
    }
    return *SharedModule;
}

void BM_OpenCatalog(benchmark::State& state)
{
    for (auto _ : state) {
        TDM dm;
        dm.ConnectCatalog(CatalogPath);
        benchmark::DoNotOptimize(dm.OpenCatalog());
    }
}
BENCHMARK(BM_OpenCatalog)->Unit(benchmark::kMillisecond);

// Walks the rows of one key as the set resolution does: filter, read, remove the filter.
void WalkFiltered(benchmark::State& state, TTable& table, const QString& key, int keys,
                  QString (*keyOf)(int), const char* const* fields, int fieldCount)
{
    int k = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        table.SetFilter(QStringLiteral("%1='%2'").arg(key, keyOf(k)));
        table.SetFiltered(true);
        for (table.First(); !table.Eof(); table.Next()) {
            for (int f = 0; f < fieldCount; ++f)
                benchmark::DoNotOptimize(table.FieldByName(QLatin1String(fields[f]))->AsString());
            ++rows;
        }
        table.SetFiltered(false);
        k = (k + 7) % keys;
    }
    state.SetItemsProcessed(rows);
    state.counters["rows/lookup"] = benchmark::Counter(double(rows) / double(state.iterations()));
}

void BM_FrnSetByComplect(benchmark::State& state)
{
    TDM& dm = OpenModule();
    const TCatalogGenParams p = Params();
    static const char* const fields[] = {"Item", "PropKey", "Number", "Condition", "ScaleCondition",
                                         "StulpType", "ItemSideNo"};
    WalkFiltered(state, dm.T_FrnSet, QStringLiteral("ID"), p.MainComplects + p.Components, GenComplectId,
                 fields, int(std::size(fields)));
}
BENCHMARK(BM_FrnSetByComplect)->Unit(benchmark::kMicrosecond);

void BM_FrnArtByElement(benchmark::State& state)
{
    TDM& dm = OpenModule();
    static const char* const fields[] = {"CatalogID", "HandleHeight", "Color"};
    WalkFiltered(state, dm.T_FrnArt, QStringLiteral("ID"), Params().Elements, GenElementId, fields,
                 int(std::size(fields)));
}
BENCHMARK(BM_FrnArtByElement)->Unit(benchmark::kMicrosecond);

// The article choice's filter: measures, element and colour, then the colourless fallback.
void BM_FrnArtSelectArticle(benchmark::State& state)
{
    TDM& dm = OpenModule();
    TTable& art = dm.T_FrnArt;
    const int elements = Params().Elements;
    int k = 0;
    qint64 found = 0;
    for (auto _ : state) {
        const QString base = QStringLiteral("FFHMin <= %1 and FFHMax >= %1 and ID='%2' ").arg(120).arg(GenElementId(k));
        art.SetFilter(base + QStringLiteral("and Color = 'C03' "));
        art.SetFiltered(true);
        if (art.IsEmpty())
            art.SetFilter(base + QStringLiteral("and Color = '' "));
        if (!art.IsEmpty()) {
            benchmark::DoNotOptimize(art.FieldByName(QStringLiteral("CatalogID"))->AsString());
            ++found;
        }
        art.SetFiltered(false);
        k = (k + 7) % elements;
    }
    state.counters["found"] = benchmark::Counter(double(found) / double(state.iterations()));
}
BENCHMARK(BM_FrnArtSelectArticle)->Unit(benchmark::kMicrosecond);

// Strike plates of an item: the filter of the item expansion.
void BM_FrnSchlByArticle(benchmark::State& state)
{
    TDM& dm = OpenModule();
    TTable& schl = dm.T_FrnSchl;
    const int articles = Params().Articles;
    int k = 0;
    for (auto _ : state) {
        const QString article = GenArticleId(k);
        if (schl.Locate(QStringLiteral("CatalogID"), article)) {
            schl.SetFilter(QStringLiteral("CatalogID = '%1' and (StulpType=%2 or StulpType=%3) and "
                                          "(ItemSideNo=%4 or ItemSideNo=%5) and (ItemComplectID='%6' or "
                                          "ItemComplectID='%7')")
                               .arg(article).arg(6).arg(0).arg(0).arg(1).arg(QStringLiteral("K00001"), QString()));
            schl.SetFiltered(true);
            for (schl.First(); !schl.Eof(); schl.Next())
                benchmark::DoNotOptimize(schl.FieldByName(QStringLiteral("Item"))->AsString());
            schl.SetFiltered(false);
        }
        k = (k + 13) % articles;
    }
}
BENCHMARK(BM_FrnSchlByArticle)->Unit(benchmark::kMicrosecond);

// An article by its code, as the catalog service finds it, with its price fields and lookups.
void BM_CatalogLocate(benchmark::State& state)
{
    TDM& dm = OpenModule();
    TTable& catalog = dm.T_Catalog;
    const int articles = Params().Articles;
    int k = 0;
    for (auto _ : state) {
        if (!catalog.Locate(QStringLiteral("ID"), GenArticleId(k)))
            state.SkipWithError("article not found");
        benchmark::DoNotOptimize(catalog.FieldByName(QStringLiteral("Price"))->AsCurrency());
        benchmark::DoNotOptimize(catalog.FieldByName(QStringLiteral("Name"))->AsString());
        benchmark::DoNotOptimize(catalog.FieldByName(QStringLiteral("CurrencyLookup"))->AsString());
        k = (k + 7919) % articles;
    }
}
BENCHMARK(BM_CatalogLocate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Messages of a failed open end the run: a benchmark over half a catalog means nothing.
    TFailOnMessage ui;
    TScopedUI scoped(&ui);
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    const TCatalogGenStats stats = GenerateCatalog(dir.path(), Params());
    std::fprintf(stderr, "Каталог создан за %lld мс: %s\n", static_cast<long long>(timer.elapsed()),
                 stats.Summary().toUtf8().constData());
    CatalogPath = dir.path();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SharedModule.reset();
    return 0;
}
