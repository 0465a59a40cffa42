#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

class TfrReport;
class TvxfOrder;
class TvxfOrderSelection;

// Document kinds of the report register ("Group" of Report.db).
inline constexpr int OrderReportKind = 11;
inline constexpr int SelectionReportKind = 12;

// One row of the report register.
struct TReportRow {
    int Group = 0;
    int SubGroup = 0;
    QString Name;
    QString FileName;   // stored form against the report directory
    int Default = 0;    // 1: printed by "Печать группы"
    int Copies = 1;
    int Use = 1;        // 1: listed without "Показать все"
};

// The document a template prints: an order or a selection.
struct TReportDocument {
    TvxfOrder* Order = nullptr;
    TvxfOrderSelection* Selection = nullptr;
    int Kind() const { return Selection ? SelectionReportKind : OrderReportKind; }
};

// The register's query for a kind, as the report list runs it.
QStringList ReportListSQL(int kind, bool showAll);
// The templates of a kind from the report register of the data module; raises on failure.
QList<TReportRow> ReadReportList(int kind, bool showAll);
// A template's file: the stored name expanded against the report directory.
QString ReportFilePath(const QString& storedFileName);

// Where built reports go: the desktop application previews and prints them; the core itself
// has no printer. A printer side makes a QPrinter in full-page mode with one copy and hands it
// to TfrReport::PrintToDevice, which repeats each page `copies` times.
class TReportOutput {
public:
    virtual ~TReportOutput() = default;
    // By the index in the list of installed printers.
    virtual void SelectPrinter(int index) = 0;
    // Builds the report and shows it.
    virtual void Preview(TfrReport& report) = 0;
    // Prints the built report: all pages, each `copies` times before the next.
    virtual void Print(TfrReport& report, int copies) = 0;
};

enum class TReportAction { Preview, Print };

// Prepares the row's template for the document and previews or prints it. A missing file and
// every failure are shown; false then. The provider is cleared afterwards in every case.
bool RunReport(const TReportRow& row, const TReportDocument& document, TReportAction action, TReportOutput& output,
               int printerIndex);

// Prints every row marked Default = 1, in order. A missing file or a failure asks whether to go
// on ("Продолжить") or stop ("Остановить").
void PrintReportGroup(const QList<TReportRow>& rows, const TReportDocument& document, TReportOutput& output,
                      int printerIndex);

// Loads the template for the document, attaches the provider and builds the pages; the caller
// clears the provider's source when done with the pages. Raises on failure.
void BuildReport(TfrReport& report, const QString& templateFile, const TReportDocument& document);

} // namespace vx
