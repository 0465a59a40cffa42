#include "export/VXFExpVBH.h"
#include "config/VXFSetupX.h"
#include "export/VXFtpUpload.h"
#include "export/VXXMLVBH.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXUserInteraction.h"

namespace vx {

TExportResult FinishVBHExport(const TExportDocument& document, const TExportValues& values)
{
    TExportResult result;
    result.File = WriteXmlOrder(document, values);
    // Only a file written just now goes to the supplier: after a kept older file or a failure
    // the server would get a stale or partial order.
    if (values.Upload && result.File == TExportOutcome::Written) {
        result.UploadTried = true;
        result.Uploaded = UploadExportFile(values.FileName, HasSetup() ? FtpSettingsOf(Setup()) : TFtpSettings());
    }
    OfferToOpenExportFile(values.FileName);
    return result;
}

void OfferToOpenExportFile(const QString& fileName)
{
    const TExportFileOpener& opener = ExportFileOpener();
    if (!opener || !PathExists(fileName))
        return;
    if (AskTwoButtons(OpenExportQuestion, QStringLiteral("Открыть"), QStringLiteral("Не открывать"),
                      QStringLiteral("Вопрос")) == 1)
        opener(ResolvePath(fileName));
}

} // namespace vx
