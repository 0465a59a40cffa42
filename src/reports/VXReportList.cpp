#include "reports/VXReportList.h"
#include "config/CfgList.h"
#include "db/VXDataModule.h"
#include "db/VXTableEngine.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "reports/VXReportData.h"
#include "reports/VXReportEngine.h"
#include <QFileInfo>

namespace vx {

namespace {

const QString ButtonGoOn = QStringLiteral("Продолжить");
const QString ButtonStop = QStringLiteral("Остановить");
const QString QuestionCaption = QStringLiteral("Вопрос");

// The provider's source for one template, cleared on every exit path.
class TSourceScope {
public:
    explicit TSourceScope(const TReportDocument& document)
    {
        if (document.Selection)
            DM_Report().SetSource(document.Selection);
        else
            DM_Report().SetSource(document.Order);
    }
    ~TSourceScope()
    {
        DM_Report().ClearSource();
        DM_Report().AttachReport(nullptr);
    }
    TSourceScope(const TSourceScope&) = delete;
    TSourceScope& operator=(const TSourceScope&) = delete;
};

bool TemplateExists(const QString& path) { return !path.isEmpty() && QFileInfo(ResolvePath(path)).isFile(); }

// Steps 2 to 6 of a run; failures of the build and the output are passed on.
void RunPrepared(const QString& path, const TReportRow& row, const TReportDocument& document, TReportAction action,
                 TReportOutput& output, int printerIndex)
{
    TSourceScope source(document);
    TfrReport report;
    try {
        report.LoadFromFile(ResolvePath(path));
    } catch (const std::exception& e) {
        ShowErrorDetail(QStringLiteral("Ошибка подготовки отчета"), ExceptionText(e));
    }
    DM_Report().AttachReport(&report);
    output.SelectPrinter(printerIndex);
    if (action == TReportAction::Preview) {
        output.Preview(report);
    } else {
        report.PrepareReport();
        output.Print(report, row.Copies);
    }
}

} // namespace

QStringList ReportListSQL(int kind, bool showAll)
{
    QStringList sql{QStringLiteral("SELECT *"), QStringLiteral("FROM \":ZNDB_Report:Report.db\" T"),
                    QStringLiteral("WHERE"), QStringLiteral("T.\"Group\" = %1").arg(kind)};
    if (!showAll)
        sql << QStringLiteral("AND") << QStringLiteral("USE = 1");
    return sql;
}

QList<TReportRow> ReadReportList(int kind, bool showAll)
{
    TWaitCursor wait;
    TQuery query(&DM().DB_Report);
    query.SetSQL(ReportListSQL(kind, showAll));
    query.Open();
    QList<TReportRow> rows;
    for (query.First(); !query.Eof(); query.Next()) {
        TReportRow r;
        r.Group = query.FieldByName(QStringLiteral("Group"))->AsInteger();
        r.SubGroup = query.FieldByName(QStringLiteral("SubGroup"))->AsInteger();
        r.Name = query.FieldByName(QStringLiteral("Name"))->AsString();
        r.FileName = query.FieldByName(QStringLiteral("FileName"))->AsString();
        r.Default = query.FieldByName(QStringLiteral("Default"))->AsInteger();
        r.Copies = query.FieldByName(QStringLiteral("Copies"))->AsInteger();
        r.Use = query.FieldByName(QStringLiteral("Use"))->AsInteger();
        rows << r;
    }
    query.Close();
    return rows;
}

QString ReportFilePath(const QString& storedFileName)
{
    return ExpandPath(RunPaths().ReportDir, storedFileName);
}

bool RunReport(const TReportRow& row, const TReportDocument& document, TReportAction action, TReportOutput& output,
               int printerIndex)
{
    const QString path = ReportFilePath(row.FileName);
    if (!TemplateExists(path)) {
        ShowError(QStringLiteral("Невозможно найти файл отчета!\r\nФайл: %1.").arg(path));
        return false;
    }
    try {
        RunPrepared(path, row, document, action, output, printerIndex);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return false;
    }
    return true;
}

void PrintReportGroup(const QList<TReportRow>& rows, const TReportDocument& document, TReportOutput& output,
                      int printerIndex)
{
    for (const TReportRow& row : rows) {
        if (row.Default != 1)
            continue;
        const QString path = ReportFilePath(row.FileName);
        if (!TemplateExists(path)) {
            if (AskTwoButtons(QStringLiteral("Невозможно найти файл отчета!\r\n") + path, ButtonGoOn, ButtonStop,
                              QuestionCaption)
                != 1)
                break;
            continue;
        }
        try {
            RunPrepared(path, row, document, TReportAction::Print, output, printerIndex);
        } catch (const std::exception& e) {
            if (AskTwoButtons(QStringLiteral("Ошибка печати группы отчетов!\r\n") + ExceptionText(e), ButtonGoOn,
                              ButtonStop, QuestionCaption)
                != 1)
                return;
        }
    }
}

void BuildReport(TfrReport& report, const QString& templateFile, const TReportDocument& document)
{
    if (document.Selection)
        DM_Report().SetSource(document.Selection);
    else
        DM_Report().SetSource(document.Order);
    report.LoadFromFile(templateFile);
    DM_Report().AttachReport(&report);
    report.PrepareReport();
}

} // namespace vx
