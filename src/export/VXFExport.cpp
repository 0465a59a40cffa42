#include "export/VXFExport.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "config/VXRegistry.h"
#include "export/VXFExpTBM.h"
#include "export/VXFExpVBH.h"
#include "export/VXFExpVorne.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vx {

namespace {

const QString FirmIDValue = QStringLiteral("FirmID");
const QString FirmNameValue = QStringLiteral("FirmName");
const QString OrderNoValue = QStringLiteral("OrderNo");
const QString OrderDateValue = QStringLiteral("OrderDate");
const QString FileNameValue = QStringLiteral("FileName");

TExportFileOpener& Opener()
{
    static TExportFileOpener opener;
    return opener;
}

// "%.4d": at least four digits, the sign before them.
QString FourDigits(int n)
{
    const qint64 v = n;
    const QString digits = QString::number(v < 0 ? -v : v).rightJustified(4, QLatin1Char('0'));
    return v < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString ExportRegistryKey(TExportKind kind)
{
    switch (kind) {
    case TExportKind::TBM:
        return TBMRegistryKey;
    case TExportKind::Vorne:
        return VorneRegistryKey;
    case TExportKind::VBH:
        break;
    }
    return VBHRegistryKey;
}

QString TExportDocument::Number() const
{
    if (FSelection)
        return FSelection->SelectionNo;
    return FOrder ? FOrder->OrderNo : QString();
}

void TExportDocument::CollectMaterials(TMatList& list) const
{
    if (FSelection)
        FSelection->CollectMaterials(&list);
    else if (FOrder)
        FOrder->CollectMaterials(&list);
}

QString ExportFileName(TExportKind kind, const QString& firmID, int orderNo)
{
    const QString name = QStringLiteral("Z") + firmID + FourDigits(orderNo)
                       + (kind == TExportKind::VBH ? QStringLiteral(".xml") : QStringLiteral(".txt"));
    const QString dir = RunPaths().ExportDir;
    return dir.isEmpty() ? name : JoinConfigPath(dir, name);
}

TExportValues LoadExportValues(TExportKind kind, const TExportDocument& document)
{
    TExportValues v;
    const bool xml = kind == TExportKind::VBH;
    const TvxfSetup* setup = HasSetup() ? &Setup() : nullptr;
    v.FirmID = xml ? QString() : QStringLiteral("0000");
    v.FirmName = setup ? setup->FirmName : QString();
    v.OrderNo = 1;
    v.OrderName = document.Number();
    v.OrderDate = TDateTime::FromQDateTime(QDateTime::currentDateTime());
    v.Upload = xml && setup && setup->ftpUpload;
    try {
        TRegistry reg;
        reg.OpenKey(ExportRegistryKey(kind), true);
        if (reg.ValueExists(FirmIDValue))
            v.FirmID = reg.ReadString(FirmIDValue);
        if (reg.ValueExists(FirmNameValue))
            v.FirmName = reg.ReadString(FirmNameValue);
        if (reg.ValueExists(OrderNoValue))
            v.OrderNo = std::min(reg.ReadInteger(OrderNoValue, 0), std::numeric_limits<int>::max() - 1) + 1;
        if (reg.ValueExists(OrderDateValue))
            v.OrderDate = reg.ReadDateTime(OrderDateValue, v.OrderDate);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка загрузки параметров из системного реестра!\r\n(%1)").arg(ExceptionText(e)));
    }
    if (xml && setup) {
        // The XML order needs a customer number: the taxpayer number serves until one is entered.
        if (v.FirmID.isEmpty())
            v.FirmID = setup->FirmINN;
        if (v.FirmName.isEmpty())
            v.FirmName = setup->FirmName;
    }
    v.FileName = ExportFileName(kind, v.FirmID, v.OrderNo);
    return v;
}

void StoreExportValues(TExportKind kind, const TExportValues& values)
{
    try {
        TRegistry reg;
        if (!reg.OpenKey(ExportRegistryKey(kind), true))
            throw EValtrixError(QStringLiteral("Не удалось открыть раздел [%1]").arg(ExportRegistryKey(kind)));
        reg.WriteString(FirmIDValue, values.FirmID);
        reg.WriteString(FirmNameValue, values.FirmName);
        reg.WriteInteger(OrderNoValue, values.OrderNo);
        reg.WriteDateTime(OrderDateValue, values.OrderDate);
        reg.WriteString(FileNameValue, values.FileName);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка записи параметров в системный реестр!\r\n(%1)").arg(ExceptionText(e)));
    }
}

bool PrepareExportFile(const QString& fileName)
{
    const QString dir = FileNamePart(fileName, true, false, false);
    if (!dir.isEmpty())
        ForceDirectories(dir);   // a failure shows when the file cannot be created
    if (PathExists(fileName))
        return Confirm(QStringLiteral("Файл [%1] уже существует!\r\nПереписать?").arg(fileName));
    return true;
}

TExportResult RunExport(TExportKind kind, const TExportDocument& document, const TExportValues& values)
{
    TExportResult result;
    if (!document.IsValid())
        return result;
    StoreExportValues(kind, values);
    switch (kind) {
    case TExportKind::TBM:
        result.File = WriteTBMFile(document, values);
        break;
    case TExportKind::Vorne:
        result.File = WriteVorneFile(document, values);
        break;
    case TExportKind::VBH:
        result = FinishVBHExport(document, values);
        break;
    }
    return result;
}

void SetExportFileOpener(TExportFileOpener opener)
{
    Opener() = std::move(opener);
}

const TExportFileOpener& ExportFileOpener()
{
    return Opener();
}

QString WholeQuantity(float quantity)
{
    double r = std::round(double(quantity));
    if (r == 0)
        r = 0;   // no "-0" for a small negative quantity
    return QString::number(r, 'f', 0);
}

} // namespace vx
