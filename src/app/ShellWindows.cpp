#include "app/MainForm.h"
#include "editing/OrderForm.h"
#include "editing/OrderPropDlg.h"
#include "editing/SetFurnDlg.h"
#include "export/VXFExport.h"
#include <QDesktopServices>
#include <QUrl>

namespace vx {

namespace {
// Until the export dialogs come, an export runs with the values its dialog would open with.
void RunOrderExport(TExportKind kind, TvxfOrder& order)
{
    const TExportDocument document(&order);
    RunExport(kind, document, LoadExportValues(kind, document));
}
} // namespace

// The windows of the other parts register here as they come: the order, selection and
// registry windows and the reference dialogs. Until then their commands stay disabled.
void InstallShellWindows(TShellHooks& hooks)
{
    hooks.NewOrderWindow = [](TMainForm& main) { return NewOrderWindow(main); };

    TOrderFormHooks& order = TOrderForm::Hooks();
    order.OrderPropDialog = ExecuteOrderProp;
    order.SetFurnDialog = [](QWidget* parent, TvxfConstruction& position) { return ExecuteSetFurn(parent, &position); };
    order.ExportTBM = [](QWidget*, TvxfOrder& o) { RunOrderExport(TExportKind::TBM, o); };
    order.ExportVorne = [](QWidget*, TvxfOrder& o) { RunOrderExport(TExportKind::Vorne, o); };
    order.ExportXML = [](QWidget*, TvxfOrder& o) { RunOrderExport(TExportKind::VBH, o); };
    SetExportFileOpener([](const QString& fileName) { QDesktopServices::openUrl(QUrl::fromLocalFile(fileName)); });
}

} // namespace vx
