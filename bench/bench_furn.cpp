// The fittings engine at work: resolving one sash (set fittings with a main complect, a handle
// and a hinge set, then its priced material list) on the large synthetic catalog and on the
// demo catalog, and recalculating a 1,000-position order from its items at current prices.
// The breakdown shows the parts: the catalog look-ups, the filters, and what a change of the
// catalog costs (the cached tables are read again).
#include "config/VXFSetupX.h"
#include "db/VXCatalogGenerator.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

using namespace vx;

namespace {

// One catalog with its data module and settings; installed (DM(), Setup()) while measured.
struct TCatalogRun {
    QString Dir;
    std::unique_ptr<TDM> Module;
    std::unique_ptr<TvxfSetup> Settings;
    bool Ready = false;
    QString Failure;

    void Open(const QString& dir, const QString& iniPath, bool cached)
    {
        Dir = dir;
        Module = std::make_unique<TDM>();
        for (TTable* t : Module->CatalogTables())
            t->SetCached(cached);
        Module->ConnectCatalog(dir);
        Ready = Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(iniPath);
        Install();
        QList<TRateEntry> rates;
        LoadRates(rates);
        Settings->SetOrderContext(1, 20, rates);
    }
    void Install()
    {
        SetDM(Module.get());
        SetSetup(Settings.get());
    }
};

// A window of its own order with its fittings choice.
struct TWindow {
    TvxfOrder Order;
    TvxfConstruction Pos{&Order};
    QString FurnSys, ProfSys;
    TFurnChoice Choice;

    void Fit() { Pos.SetFittings(FurnSys, ProfSys, Choice); }
    int Items() const { return Pos.LeftFlugel->FurnComp ? int(Pos.LeftFlugel->FurnComp->Items.size()) : 0; }
};

TShapeRecord Rect(int width, int height)
{
    TShapeRecord s;
    s.Figure = 0;
    s.Width = width;
    s.Height = height;
    return s;
}

// A one-sash window of the generated catalog: choice n, sizes varied within the standard class.
std::unique_ptr<TWindow> GeneratedWindow(const TCatalogGenParams& p, int n)
{
    auto w = std::make_unique<TWindow>();
    const TGenSashChoice g = GenSashChoice(p, n);
    w->Order.OuterProfColor = GenColorId(n % p.Colors);
    w->Order.InnerProfColor = GenColorId(0);
    w->Pos.BuildGeometry(Rect(600 + 20 * (n % 30), 1000 + 25 * (n % 28)), 201);
    w->FurnSys = g.FurnSys;
    w->ProfSys = g.ProfSys;
    TFurnChoice& c = w->Choice;
    c.Color = g.Color;
    c.Falz = 102 + 2 * (n % 4);    // rebates 12/20-9, 12/22-9, 4/18-9, 4/20-9
    c.StulpType = 301;
    c.OpenType = 400 + n % 2;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left.Components.Complect = g.Complect;
    c.Left.Components.Handle = g.Handle;
    c.Left.Components.Hinge = g.Hinge;
    c.Left.Dorn = 200 + n % 9;
    return w;
}

// The demo catalog's tilt-turn window of the «Вектор» system.
std::unique_ptr<TWindow> DemoWindow()
{
    auto w = std::make_unique<TWindow>();
    w->Order.OuterProfColor = QStringLiteral("WHITE");
    w->Order.InnerProfColor = QStringLiteral("ANTHRACITE");
    w->Pos.BuildGeometry(Rect(1000, 1400), 201);
    w->FurnSys = QStringLiteral("110");
    w->ProfSys = QStringLiteral("V70");
    TFurnChoice& c = w->Choice;
    c.Color = QStringLiteral("SILVER");
    c.Falz = 102;
    c.StulpType = 301;
    c.OpenType = 401;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left.Components.Complect = QStringLiteral("VK-PO-L");
    c.Left.Components.Handle = QStringLiteral("VK-HANDLE");
    c.Left.Components.Hinge = QStringLiteral("VK-HINGE");
    c.Left.Props = QStringList{QStringLiteral("0=1051"), QStringLiteral("1=1011")};
    c.Left.Dorn = 201;
    return w;
}

TCatalogGenParams LargeParams()
{
    return TCatalogGenParams::Large();
}

QTemporaryDir* Temp = nullptr;
TCatalogRun Large, LargeSql, Demo;
TScriptedInteraction* Ui = nullptr;

void ReportMessages(benchmark::State& state)
{
    if (!Ui->Shown.isEmpty()) {
        state.SkipWithError(Ui->Shown.first().Text.toUtf8().constData());
        Ui->clear();
    }
}

// ---------------------------------------------------------------------------------------------
// Resolving one sash.

void ResolveSash(benchmark::State& state, TCatalogRun& run, const std::vector<std::unique_ptr<TWindow>>& windows)
{
    if (!run.Ready) {
        state.SkipWithError(run.Failure.isEmpty() ? "catalog not open" : run.Failure.toUtf8().constData());
        return;
    }
    run.Install();
    size_t k = 0;
    qint64 items = 0;
    try {
        for (auto _ : state) {
            TWindow& w = *windows[k];
            w.Fit();
            items += w.Items();
            k = (k + 1) % windows.size();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(ExceptionText(e).toUtf8().constData());
        return;
    }
    state.counters["items/sash"] = benchmark::Counter(double(items) / double(state.iterations()));
    ReportMessages(state);
}

std::vector<std::unique_ptr<TWindow>> GeneratedWindows(int count)
{
    std::vector<std::unique_ptr<TWindow>> windows;
    for (int n = 0; n < count; ++n)
        windows.push_back(GeneratedWindow(LargeParams(), n));
    return windows;
}

void BM_ResolveSash_Large(benchmark::State& state)
{
    static const auto windows = GeneratedWindows(64);
    ResolveSash(state, Large, windows);
}
BENCHMARK(BM_ResolveSash_Large)->Unit(benchmark::kMicrosecond);

void BM_ResolveSash_Demo(benchmark::State& state)
{
    static std::vector<std::unique_ptr<TWindow>> windows = [] {
        std::vector<std::unique_ptr<TWindow>> w;
        w.push_back(DemoWindow());
        return w;
    }();
    ResolveSash(state, Demo, windows);
}
BENCHMARK(BM_ResolveSash_Demo)->Unit(benchmark::kMicrosecond);

// The same sashes with every catalog table read through SQL, as before the tables were cached.
void BM_ResolveSash_Large_Uncached(benchmark::State& state)
{
    static const auto windows = GeneratedWindows(64);
    ResolveSash(state, LargeSql, windows);
}
BENCHMARK(BM_ResolveSash_Large_Uncached)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------------------------
// Recalculating an order: the costs of 1,000 resolved positions at current prices.

void BM_RecalculateOrder_Large(benchmark::State& state)
{
    if (!Large.Ready) {
        state.SkipWithError("catalog not open");
        return;
    }
    Large.Install();
    static std::vector<std::unique_ptr<TWindow>> order;
    try {
        if (order.empty())
            for (int n = 0; n < 1000; ++n) {
                order.push_back(GeneratedWindow(LargeParams(), n));
                order.back()->Fit();
            }
        TMoney total;
        qint64 items = 0;
        for (auto _ : state) {
            total = TMoney();
            items = 0;
            for (const auto& w : order) {
                w->Pos.RecomputeCosts();
                total += w->Pos.TotalCost();
                items += qint64(w->Pos.LeftFlugel->MatList.size());
            }
            benchmark::DoNotOptimize(total);
        }
        state.counters["positions"] = double(order.size());
        state.counters["items"] = double(items);
    } catch (const std::exception& e) {
        state.SkipWithError(ExceptionText(e).toUtf8().constData());
    }
    ReportMessages(state);
}
BENCHMARK(BM_RecalculateOrder_Large)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------------
// Breakdown.

// One priced article: the catalog row, its currency and price group.
void BM_ArticlePrice_Large(benchmark::State& state)
{
    Large.Install();
    const int articles = LargeParams().Articles;
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ArticlePrice(GenArticleId(k), false));
        k = (k + 7919) % articles;
    }
}
BENCHMARK(BM_ArticlePrice_Large)->Unit(benchmark::kMicrosecond);

// The article choice's filter on FrnArt: set, read the rows, remove.
void BM_ArticleFilter_Large(benchmark::State& state)
{
    Large.Install();
    TTable& art = Large.Module->T_FrnArt;
    const int elements = LargeParams().Elements;
    int k = 0;
    for (auto _ : state) {
        art.SetFilter(QStringLiteral("FFHMin <= %1 and FFHMax >= %1 and DornMassMin <= 15.00 and DornMassMax >= 15.00 "
                                     "and ID='%2' ")
                          .arg(120)
                          .arg(GenElementId(k)));
        art.SetFiltered(true);
        for (art.First(); !art.Eof(); art.Next())
            benchmark::DoNotOptimize(art.FieldByName(QStringLiteral("CatalogID"))->AsString());
        art.SetFiltered(false);
        k = (k + 7) % elements;
    }
}
BENCHMARK(BM_ArticleFilter_Large)->Unit(benchmark::kMicrosecond);

// After a price is changed the catalog table is read again at its next use.
void BM_CatalogReloadAfterEdit_Large(benchmark::State& state)
{
    Large.Install();
    TDM& dm = *Large.Module;
    int k = 0;
    for (auto _ : state) {
        dm.DB_Catalog.ExecSQL(QStringLiteral("UPDATE Catalog SET Price = Price WHERE ID = ?"), {GenArticleId(k)});
        benchmark::DoNotOptimize(FindArticle(GenArticleId(k)));
        k = (k + 1) % 100;
    }
}
BENCHMARK(BM_CatalogReloadAfterEdit_Large)->Unit(benchmark::kMillisecond);

// A price changed through the catalog table itself (as the catalog browser does): the row is
// put into the rows in memory, and the next look-up finds the new price.
void BM_CatalogPriceEdit_Large(benchmark::State& state)
{
    Large.Install();
    TTable& catalog = Large.Module->T_Catalog;
    int k = 0;
    for (auto _ : state) {
        const QString code = GenArticleId(k);
        catalog.Locate(QStringLiteral("ID"), code);
        catalog.Edit();
        catalog.FieldByName(QStringLiteral("Price"))->SetAsCurrency(TMoney::FromInt(100 + k % 7));
        catalog.Post();
        benchmark::DoNotOptimize(ArticlePrice(GenArticleId(k + 1), false));
        k = (k + 1) % 100;
    }
}
BENCHMARK(BM_CatalogPriceEdit_Large)->Unit(benchmark::kMillisecond);

// Opening the whole catalog: every table read into memory.
void BM_OpenCatalog_Large(benchmark::State& state)
{
    for (auto _ : state) {
        TDM dm;
        dm.ConnectCatalog(Large.Dir);
        benchmark::DoNotOptimize(dm.OpenCatalog());
    }
}
BENCHMARK(BM_OpenCatalog_Large)->Unit(benchmark::kMillisecond)->Iterations(3);

void PrintSample(const char* title, TCatalogRun& run, TWindow& w)
{
    run.Install();
    try {
        w.Fit();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", title, ExceptionText(e).toUtf8().constData());
        return;
    }
    std::fprintf(stderr, "%s: %d items, cost %s\n", title, w.Items(), w.Pos.Cost.toString(2, QLatin1Char('.')).toUtf8().constData());
    for (const auto& m : w.Pos.LeftFlugel->MatList)
        std::fprintf(stderr, "  %-12s %8.3f x %12s = %12s  %s\n", m->Article.toUtf8().constData(), double(m->Quantity),
                     m->Price.toString(4, QLatin1Char('.')).toUtf8().constData(),
                     m->Sum.toString(2, QLatin1Char('.')).toUtf8().constData(),
                     ArticleName(m->Article, true).toUtf8().constData());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TScriptedInteraction ui;
    TScopedUI scoped(&ui);
    Ui = &ui;
    Temp = new QTemporaryDir;
    const QString ini = Temp->path() + QStringLiteral("/absent/VXFurniture.ini");

    // VX_BENCH_CATALOG names a directory that keeps the large catalog between runs.
    QString largeDir = qEnvironmentVariable("VX_BENCH_CATALOG");
    if (largeDir.isEmpty())
        largeDir = Temp->path() + QStringLiteral("/large");
    QElapsedTimer timer;
    timer.start();
    if (!QFileInfo::exists(largeDir + QStringLiteral("/ZNDB_Catalog.sqlite"))) {
        const TCatalogGenStats stats = GenerateCatalog(largeDir, LargeParams());
        std::fprintf(stderr, "Каталог создан за %lld мс: %s\n", static_cast<long long>(timer.elapsed()),
                     stats.Summary().toUtf8().constData());
    }
    timer.restart();
    Large.Open(largeDir, ini, true);
    std::fprintf(stderr, "Каталог открыт за %lld мс\n", static_cast<long long>(timer.elapsed()));
    LargeSql.Open(largeDir, ini, false);
    try {
        CreateDemoCatalog(Temp->path() + QStringLiteral("/demo"));
        Demo.Open(Temp->path() + QStringLiteral("/demo"), ini, true);
    } catch (const std::exception& e) {
        Demo.Failure = ExceptionText(e);
        std::fprintf(stderr, "Демо-каталог: %s\n", Demo.Failure.toUtf8().constData());
    }
    for (const auto& m : ui.Shown)
        std::fprintf(stderr, "%s\n", m.Text.toUtf8().constData());
    ui.clear();

    auto sample = GeneratedWindow(LargeParams(), 0);
    PrintSample("Большой каталог, створка 0", Large, *sample);
    if (Demo.Ready) {
        auto demo = DemoWindow();
        PrintSample("Демо-каталог", Demo, *demo);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetDM(nullptr);
    SetSetup(nullptr);
    Large = {};
    LargeSql = {};
    Demo = {};
    delete Temp;
    return 0;
}
