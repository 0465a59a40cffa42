// The order specification template of a 1,000-position order (one- and two-sash windows of the
// demo catalog, each with its sketch, complects and items) built and written to PDF.
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "reports/VXDemoReports.h"
#include "reports/VXReportData.h"
#include "reports/VXReportEngine.h"
#include "reports/VXReportList.h"
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vx;

namespace {

TSashChoice Sash(const QString& complect, const QString& handle, const QStringList& props)
{
    TSashChoice c;
    c.Components.Complect = complect;
    c.Components.Handle = handle;
    c.Components.Hinge = QStringLiteral("VK-HINGE");
    c.Props = props;
    c.Dorn = 201;
    return c;
}

std::unique_ptr<TvxfConstruction> Priced(TvxfOrder& order, uint8_t figure, int width, int height, int stulp,
                                         const TSashChoice& left, const TSashChoice& right = {})
{
    auto p = std::make_unique<TvxfConstruction>(&order);
    TShapeRecord s;
    s.Figure = figure;
    s.Width = width;
    s.Height = height;
    s.HX = width / 2;
    s.HY = height / 2;
    p->BuildGeometry(s, 201);
    p->RightFlugel->Dorn = 201;
    TFurnChoice c;
    c.Color = QStringLiteral("WHITE");
    c.Falz = 102;
    c.StulpType = stulp;
    c.OpenType = 401;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left = left;
    c.Right = right;
    p->SetFittings(QStringLiteral("110"), QStringLiteral("V70"), c);
    return p;
}

struct TBench {
    QTemporaryDir Temp;
    TScriptedInteraction UI;
    TScopedUI Scoped{&UI};
    std::unique_ptr<TDM> Module;
    std::unique_ptr<TvxfSetup> Settings;
    TvxfOrder Order;
    QString Template;
    QString Pdf;

    TBench()
    {
        const QString catalog = Temp.filePath(QStringLiteral("catalog"));
        CreateDemoCatalog(catalog);
        Module = std::make_unique<TDM>();
        Module->ConnectCatalog(catalog);
        Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(Temp.filePath(QStringLiteral("absent/VXFurniture.ini")));
        SetDM(Module.get());
        SetSetup(Settings.get());
        QList<TRateEntry> rates;
        LoadRates(rates);
        Settings->SetOrderContext(1, 20, rates);
        RunPaths().ReportDir = Temp.filePath(QStringLiteral("reports"));
        InstallDemoReports(RunPaths().ReportDir);
        // VX_BENCH_TEMPLATE names another template to measure (one's own, or a variant).
        Template = qEnvironmentVariableIsSet("VX_BENCH_TEMPLATE")
                       ? qEnvironmentVariable("VX_BENCH_TEMPLATE")
                       : QDir(RunPaths().ReportDir).filePath(QStringLiteral("order_spec.vxr"));
        Pdf = Temp.filePath(QStringLiteral("spec.pdf"));

        Order.OrderNo = QStringLiteral("1000");
        Order.Customer = QStringLiteral("ООО «Большой заказ»");
        Order.Currency = 1;
        auto one = Priced(Order, 0, 1000, 1400, 301, Sash("VK-PO-L", "VK-HANDLE", {"0=1051", "1=1011"}));
        auto two = Priced(Order, 1, 1400, 1600, 302, Sash("VK-ST-P12", {}, {}),
                          Sash("VK-ST-M21", "VK-HANDLE", {"0=1052", "1=1012"}));
        for (int i = 0; i < 1000; ++i) {
            auto p = Order.CopyPosition(i % 2 ? *two : *one);
            p->PosNo = QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0'));
            p->Name = i % 2 ? QStringLiteral("Окно штульповое") : QStringLiteral("Окно поворотно-откидное");
            Order.AddPosition(std::move(p));
        }
    }
};

TBench& Bench()
{
    static TBench bench;
    return bench;
}

void BM_OrderSpecBuild(benchmark::State& state)
{
    TBench& b = Bench();
    int pages = 0;
    for (auto _ : state) {
        TfrReport report;
        BuildReport(report, b.Template, TReportDocument{&b.Order, nullptr});
        pages = report.PageCount();
        DM_Report().ClearSource();
    }
    state.counters["pages"] = pages;
}

void BM_OrderSpecPdf(benchmark::State& state)
{
    TBench& b = Bench();
    int pages = 0;
    for (auto _ : state) {
        TfrReport report;
        BuildReport(report, b.Template, TReportDocument{&b.Order, nullptr});
        report.ExportToPdf(b.Pdf);
        pages = report.PageCount();
        DM_Report().ClearSource();
    }
    state.counters["pages"] = pages;
    state.counters["MB"] = double(QFileInfo(b.Pdf).size()) / 1e6;
}

} // namespace

BENCHMARK(BM_OrderSpecBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OrderSpecPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetSetup(nullptr);
    SetDM(nullptr);
    return 0;
}
