#pragma once
#include "export/VXFExport.h"
#include <QByteArray>

// The XML order: the document element "Order" (Type, FileName) with "Property" (CustomerID,
// Customer, No, OrderList, Comment, Date) and "ItemList" with one "Item" (Article, Article2,
// Article3, Name, Number) per material item, in UTF-8 with a version "1.0" declaration.

namespace vx {

// The document for the values and the material list. A failure while building (an article
// missing from the catalog) ends the document there: the elements begun are closed, the one
// being filled keeps the attributes set before the failure. The failure's text goes to error.
QByteArray BuildXmlOrder(const QString& fileName, const TExportValues& values, const TMatList& list,
                         QString* error);

// Writes the XML order of the document into values.FileName: creates the directory, asks
// before overwriting, collects the material list, builds and saves the document. A failure
// shows "Ошибка записи данных в файл экспорта XML <file>!" with its text; a document cut short
// by a failure while building is still saved, one whose material list could not be collected
// is not.
TExportOutcome WriteXmlOrder(const TExportDocument& document, const TExportValues& values);

} // namespace vx
