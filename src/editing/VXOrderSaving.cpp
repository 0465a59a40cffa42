#include "editing/VXOrderSaving.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "registry/VXOrderRegistry.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace vx {

namespace {

const int LastNumberLength = 30;

QString DirectoryOf(const QString& fileName)
{
    return QFileInfo(fileName).absolutePath();
}

bool SameFile(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Moves the file over an existing one in one step, so that neither file is lost on failure.
bool MoveFile(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            ec);
    return !ec;
}

} // namespace

QString DefaultFileName(const TvxfOrder& order)
{
    return SafeFileName(order.OrderNo);
}

bool CheckOrderNumber(const TvxfOrder& order, bool isNew)
{
    if (order.OrderNo.isEmpty()) {
        ShowError(QStringLiteral("Не указан номер заказа!"));
        return false;
    }
    // A saved or loaded order may keep a number the registry has.
    if (!isNew || !HasDM() || !DM().DB_Registry.Connected())
        return true;
    TRegisteredOrder row;
    try {
        row = FindRegisteredOrder(order.OrderNo);
    } catch (const std::exception& e) {
        // An unreadable registry must not keep the order from being saved.
        ShowWarning(ExceptionText(e));
        return true;
    }
    if (!row.Found)
        return true;
    ShowError(QStringLiteral("Заказ с номером %1 был зарегистрирован %2!\r\nУкажите другой номер заказа.")
                  .arg(order.OrderNo, FormatShortDate(row.RegDate.date())));
    return false;
}

QString OrdersDirTarget(const QString& fileName)
{
    const QString dir = RunPaths().OrdersDir;
    if (dir.isEmpty())
        return fileName;
    return ResolvePath(JoinConfigPath(dir, FileNamePart(fileName, false, true, true)));
}

QString LastOrderNumberFile()
{
    const QString dir = RunPaths().OrdersDir;
    if (dir.isEmpty())
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Valtrix.lon");
    return ResolvePath(JoinConfigPath(dir, QStringLiteral("Valtrix.lon")));
}

void WriteLastOrderNumber(const QString& orderNo)
{
    QByteArray bytes(1 + LastNumberLength, '\0');
    const QByteArray number = ToCp1251(QStringView(orderNo).left(LastNumberLength));
    const int length = int(qMin<qsizetype>(number.size(), LastNumberLength));
    bytes[0] = char(length);
    std::copy(number.constData(), number.constData() + length, bytes.data() + 1);
    QFile file(LastOrderNumberFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QString ReadLastOrderNumber()
{
    QFile file(LastOrderNumberFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.read(1 + LastNumberLength);
    if (bytes.isEmpty())
        return QString();
    const int length = qMin(int(uint8_t(bytes[0])), int(bytes.size()) - 1);
    return FromCp1251(bytes.mid(1, qMin(length, LastNumberLength)));
}

bool SaveOrder(TOrderDocument& doc, const QString& target, const TOrderSaveHooks& hooks)
{
    TvxfOrder& order = *doc.Order;
    if (!CheckOrderNumber(order, doc.IsNew)) {
        if (hooks.ShowOrderProperties)
            hooks.ShowOrderProperties();
        return false;
    }

    if (!target.isEmpty()) {
        const QString file = OrdersDirTarget(target);
        ForceDirectories(DirectoryOf(file));
        if (!order.SaveToFile(file))
            return false;
        doc.FileName = file;
        doc.IsNew = false;
        WriteLastOrderNumber(order.OrderNo);
    } else {
        QString candidate = doc.FileName;
        if (order.OrderNo.compare(doc.LoadedNo, Qt::CaseInsensitive) != 0
            && Confirm(QStringLiteral("Изменился номер заказа. Переименовать файл согласно нового номера?"))) {
            const QString dir = RunPaths().OrdersDir.isEmpty() ? DirectoryOf(doc.FileName) : ResolvePath(RunPaths().OrdersDir);
            const QString chosen = hooks.ChooseFileName ? hooks.ChooseFileName(DefaultFileName(order), dir) : QString();
            if (chosen.isEmpty())
                return false;
            candidate = chosen;
        }
        candidate = OrdersDirTarget(candidate);

        ForceDirectories(DirectoryOf(doc.FileName));
        if (!order.SaveToFile(doc.FileName))
            return false;

        if (!SameFile(candidate, doc.FileName)) {
            ForceDirectories(DirectoryOf(candidate));
            if (QFileInfo::exists(candidate)
                && !Confirm(QStringLiteral("Файл %1 уже существует! Переписать поверх?").arg(candidate)))
                return false;
            if (MoveFile(doc.FileName, candidate))
                doc.FileName = candidate;
            else
                ShowError(QStringLiteral("Ошибка переноса файла заказа согласно статуса!"));
        }
        if (order.OrderNo != doc.LoadedNo)
            WriteLastOrderNumber(order.OrderNo);
    }

    doc.Saved = true;
    if (HasSetup() && Setup().AutoReg) {
        // The file is saved; a registry that refuses the row is reported and saving stands.
        try {
            RegisterOrder(order, doc.FileName, doc.LoadedNo, true);
        } catch (const std::exception& e) {
            ShowError(ExceptionText(e));
        }
    }
    doc.LoadedNo = order.OrderNo;
    doc.LoadedCustomer = order.Customer;
    doc.LoadedObject = order.ObjectName;
    return true;
}

} // namespace vx
