#include "reports/VXDemoReports.h"
#include "config/CfgList.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "reports/VXReportList.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx {

const QList<TDemoReport>& DemoReports()
{
    static const QList<TDemoReport> reports = {
        {QStringLiteral("order_spec.vxr"), OrderReportKind, QStringLiteral("Спецификация заказа"), 1},
        {QStringLiteral("order_matlist.vxr"), OrderReportKind, QStringLiteral("Требование на материалы"), 0},
        {QStringLiteral("order_invoice.vxr"), OrderReportKind, QStringLiteral("Счет"), 1},
        {QStringLiteral("sel_spec.vxr"), SelectionReportKind, QStringLiteral("Спецификация выборки"), 1},
        {QStringLiteral("sel_matlist.vxr"), SelectionReportKind, QStringLiteral("Сводная ведомость материалов"), 1},
    };
    return reports;
}

void InstallDemoReports(const QString& reportDir)
{
    const QString dir = ResolvePath(reportDir);
    if (!ForceDirectories(dir))
        throw EValtrixError(QStringLiteral("Невозможно создать каталог отчетов [%1]!").arg(reportDir));
    for (const TDemoReport& r : DemoReports()) {
        const QString target = QDir(dir).filePath(r.File);
        if (QFileInfo::exists(target))
            continue;
        QFile source(QStringLiteral(":/reports/") + r.File);
        QFile out(target);
        if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)
            || out.write(source.readAll()) < 0 || !out.flush())
            throw EValtrixError(QStringLiteral("Ошибка установки шаблона отчета [%1]!\r\n(%2)")
                                    .arg(target, out.errorString().isEmpty() ? source.errorString() : out.errorString()));
    }

    TDatabase db(Alias::Report);
    db.SetDirectory(dir);
    db.Open();
    EnsureSchema(db, Alias::Report);
    {
        TTable table(&db, TableFile::Report);
        table.Open();
        for (const TDemoReport& r : DemoReports()) {
            const QString stored = StorePath(dir, QDir(dir).filePath(r.File));
            if (table.Locate(QStringLiteral("FileName"), stored, TLocateOptions{true, false}))
                continue;
            table.Append();
            table.FieldByName(QStringLiteral("Group"))->SetAsInteger(r.Group);
            table.FieldByName(QStringLiteral("SubGroup"))->SetAsInteger(0);
            table.FieldByName(QStringLiteral("Name"))->SetAsString(r.Name);
            table.FieldByName(QStringLiteral("FileName"))->SetAsString(stored);
            table.FieldByName(QStringLiteral("Default"))->SetAsInteger(r.Default);
            table.FieldByName(QStringLiteral("Copies"))->SetAsInteger(1);
            table.FieldByName(QStringLiteral("Use"))->SetAsInteger(1);
            table.Post();
        }
        table.Close();
    }
    db.Close();
}

} // namespace vx
