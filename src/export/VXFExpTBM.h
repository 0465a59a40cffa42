#pragma once
#include "export/VXFExport.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The fixed-width requisitions ("заявка") of the TBM and Vorne exports: a header of five lines,
// a column heading between rules, one line per material item and a signature line, each line
// ended by CR LF in Windows-1251.

namespace vx {

struct TRequisitionColumn {
    int Width = 0;
    bool Right = false;   // right-aligned: padded on the left, only the last characters kept
};

struct TRequisitionLayout {
    int Width = 80;                                  // of the rules, heading and footer
    QList<std::pair<int, QString>> Heading;          // column (from 1) and caption
    int SignatureIndent = 20;                        // blanks before "Заявку составил"
    QString Title;                                   // the supplier's name in the failure message
    bool SortByArticle = false;                      // otherwise the list's own order
    QList<TRequisitionColumn> Columns;
    // The column values of one item; raises for an article missing from the catalog.
    std::function<QStringList(const TvxfMatListItem&)> Values;
};

const TRequisitionLayout& TBMLayout();

// The whole requisition as text lines (without line ends); used by the writer and by tests.
QStringList RequisitionHeader(const TRequisitionLayout& layout, const TExportValues& values);
QString RequisitionItemLine(const TRequisitionLayout& layout, const TvxfMatListItem& item);
QStringList RequisitionFooter(const TRequisitionLayout& layout);

// Writes the requisition of the document into values.FileName: creates the directory, asks
// before overwriting, collects the material list and writes line by line. A failure shows
// "Ошибка записи данных в файл экспорта <title> <file>!" with its text and leaves the lines
// written so far.
TExportOutcome WriteRequisition(const TRequisitionLayout& layout, const TExportDocument& document,
                                const TExportValues& values);

inline TExportOutcome WriteTBMFile(const TExportDocument& document, const TExportValues& values)
{
    return WriteRequisition(TBMLayout(), document, values);
}

} // namespace vx
