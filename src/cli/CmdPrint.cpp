#include "cli/CliCommon.h"
#include "cli/CliOrderFiles.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXExpression.h"
#include "foundation/VXFormats.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include "reports/VXReportData.h"
#include "reports/VXReportEngine.h"
#include "reports/VXReportList.h"
#include <QFileInfo>
#include <memory>

using namespace vx;
using namespace vx::cli;

namespace {

// The provider's source for the command, cleared on every exit path.
struct TSourceGuard {
    ~TSourceGuard()
    {
        DM_Report().ClearSource();
        DM_Report().AttachReport(nullptr);
    }
};

QString TemplateFile(const TArgs& a, int kind)
{
    const QString wanted = a.Value(QStringLiteral("template"));
    if (!wanted.isEmpty() && QFileInfo(ResolvePath(wanted)).isFile())
        return ResolvePath(wanted);
    if (!DM().DB_Report.Connected())
        throw EValtrixError(QStringLiteral("Каталог отчетов не найден: укажите --reports или файл шаблона!"));
    const QList<TReportRow> rows = ReadReportList(kind, !wanted.isEmpty());
    for (const TReportRow& row : rows) {
        const QString path = ResolvePath(ReportFilePath(row.FileName));
        if (wanted.isEmpty() || row.Name.compare(wanted, Qt::CaseInsensitive) == 0
            || QFileInfo(path).fileName().compare(wanted, Qt::CaseInsensitive) == 0
            || QFileInfo(path).completeBaseName().compare(wanted, Qt::CaseInsensitive) == 0)
            return path;
    }
    if (wanted.isEmpty())
        throw EValtrixError(QStringLiteral("Для документов этого вида нет шаблонов отчетов!"));
    throw EValtrixError(QStringLiteral("Шаблон отчета [%1] не найден!").arg(wanted));
}

int PrintCommand(const QStringList& args)
{
    TArgs a(args, EnvironmentFlags());
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("template") << QStringLiteral("out");
    a.AllowOnly(allowed);
    a.ExpectPositional(1, 1);
    const QString out = a.Value(QStringLiteral("out"));
    if (out.isEmpty())
        throw EUsage(QStringLiteral("Не задан файл результата (-o)"));
    if (!TfrReport::ExportExtensions().contains(QFileInfo(out).suffix().toLower()))
        throw EUsage(QStringLiteral("Неизвестный формат результата %1 (ожидается %2)")
                         .arg(out, TfrReport::ExportExtensions().join(QStringLiteral(", "))));

    TCliSession session(a);
    TCliDocument loaded;
    if (!loaded.Load(a.Positional[0]))
        return 1;
    const TReportDocument document{loaded.Order.get(), loaded.Selection.get()};
    const QString templateFile = TemplateFile(a, document.Kind());
    TSourceGuard guard;
    TfrReport report;
    BuildReport(report, templateFile, document);
    report.ExportToFile(out);
    Out(QStringLiteral("Шаблон: %1").arg(templateFile));
    Out(QStringLiteral("Страниц: %1, файл: %2").arg(report.PageCount()).arg(out));
    return 0;
}

int EvalCommand(const QStringList& args)
{
    TArgs a(args, EnvironmentFlags());
    QStringList allowed = EnvironmentOptions();
    allowed << QStringLiteral("position");
    a.AllowOnly(allowed);
    a.ExpectPositional(2, 2);
    const int position = a.IntValue(QStringLiteral("position"), 0);
    if (a.Has(QStringLiteral("position")) && position < 1)
        throw EUsage(QStringLiteral("Номер позиции --position считается от 1"));

    TCliSession session(a);
    TCliDocument doc;
    if (!doc.Load(a.Positional[0]))
        return 1;
    TSourceGuard guard;
    TDM_Report& provider = DM_Report();
    if (doc.Selection)
        provider.SetSource(doc.Selection.get());
    else
        provider.SetSource(doc.Order.get());
    TfrReport report;
    report.StrictVariables = true;
    provider.AttachReport(&report);
    if (position > 0) {
        // The position's row, its first complect and that complect's first item become current.
        TfrUserDataset& rows = doc.Selection ? provider.frdSelPosSpec : provider.frdOrderPosSpec;
        rows.OnFirst();
        for (int i = 1; i < position && !rows.OnCheckEOF(); ++i)
            rows.OnNext();
        if (rows.OnCheckEOF())
            throw EValtrixError(QStringLiteral("Позиции %1 в документе нет!").arg(position));
        provider.frdFrameFurnCompSpec.OnFirst();
        provider.frdFurnCompItemSpec.OnFirst();
    }
    const QVariant value = report.Evaluate(a.Positional[1]);
    if (value.typeId() == QMetaType::QDate)
        Out(FormatShortDate(value.toDate()));
    else
        Out(ExprValueText(value));
    return 0;
}

const TCommandRegistration PrintRegistration(
    "print",
    "print DOCUMENT [--template NAME_OR_FILE] -o OUT.pdf|csv|html|txt|png|jpg|bmp|tif\n"
    "      печать заказа (.vfo370, .vfo) или выборки (.vfs370) по шаблону отчета;\n"
    "      по умолчанию первый шаблон вида документа",
    PrintCommand);

const TCommandRegistration EvalRegistration(
    "eval",
    "eval DOCUMENT EXPRESSION [--position N]\n"
    "      значение выражения шаблона: переменные и функции отчетов, N-я позиция текущая",
    EvalCommand);

} // namespace
