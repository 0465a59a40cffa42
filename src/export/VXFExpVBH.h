#pragma once
#include "export/VXFExport.h"

// The XML export after the dialog's OK (the values are already remembered): writes the XML
// order, uploads it when the box is ticked and the file was written, and offers to open it.

namespace vx {

inline const QString OpenExportQuestion = QStringLiteral("Откыть файл экспорта для просмотра?");

TExportResult FinishVBHExport(const TExportDocument& document, const TExportValues& values);

// "Откыть файл экспорта для просмотра?" with "Открыть" and "Не открывать" (caption "Вопрос");
// "Открыть" hands the file to the installed opener. Not asked without an opener or a file.
void OfferToOpenExportFile(const QString& fileName);

} // namespace vx
