#include "export/VXXMLVBH.h"
#include "engine/VXFService.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXUserInteraction.h"
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cmath>

namespace vx {

QByteArray BuildXmlOrder(const QString& fileName, const TExportValues& values, const TMatList& list, QString* error)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"));
    try {
        xml.writeStartElement(QStringLiteral("Order"));
        xml.writeAttribute(QStringLiteral("Type"), QStringLiteral("XML Order File"));
        xml.writeAttribute(QStringLiteral("FileName"), FileNamePart(fileName, false, true, true));

        xml.writeStartElement(QStringLiteral("Property"));
        xml.writeAttribute(QStringLiteral("CustomerID"), values.FirmID);
        xml.writeAttribute(QStringLiteral("Customer"), values.FirmName);
        xml.writeAttribute(QStringLiteral("No"), QString::number(values.OrderNo));
        xml.writeAttribute(QStringLiteral("OrderList"), values.OrderName);
        xml.writeAttribute(QStringLiteral("Comment"), values.Comment);
        xml.writeAttribute(QStringLiteral("Date"), FormatShortDate(values.OrderDate.date()));
        xml.writeEndElement();

        xml.writeStartElement(QStringLiteral("ItemList"));
        for (const auto& item : list) {
            const QString& id = item->Article;
            // A manufacturer's article that is empty or unknown falls back to our own code.
            const TArticleInfo info = ArticleInfo(id, true);
            xml.writeStartElement(QStringLiteral("Item"));
            xml.writeAttribute(QStringLiteral("Article"), info.ProdArticle.isEmpty() ? id : info.ProdArticle);
            xml.writeAttribute(QStringLiteral("Article2"), info.ProdArticle2.isEmpty() ? id : info.ProdArticle2);
            xml.writeAttribute(QStringLiteral("Article3"), id);
            xml.writeAttribute(QStringLiteral("Name"), ArticleName(id));
            xml.writeAttribute(QStringLiteral("Number"), QString::number(std::llround(double(item->Quantity))));
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    } catch (const std::exception& e) {
        if (error)
            *error = ExceptionText(e);
    }
    xml.writeEndDocument();   // closes whatever the failure left open
    return bytes;
}

TExportOutcome WriteXmlOrder(const TExportDocument& document, const TExportValues& values)
{
    const QString& fileName = values.FileName;
    auto fail = [&](const QString& text) {
        ShowError(QStringLiteral("Ошибка записи данных в файл экспорта XML %1!\r\n%2").arg(fileName, text));
        return TExportOutcome::Failed;
    };
    if (!PrepareExportFile(fileName))
        return TExportOutcome::Cancelled;

    TWaitCursor wait;
    TMatList list;
    try {
        document.CollectMaterials(list);
    } catch (const std::exception& e) {
        return fail(ExceptionText(e));
    }
    QString buildError;
    const QByteArray bytes = BuildXmlOrder(fileName, values, list, &buildError);

    // Saved whole or not at all: a failing save keeps the previous file.
    QSaveFile file(ResolvePath(fileName));
    QString saveError;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        saveError = file.errorString();
    if (!buildError.isEmpty())
        return fail(saveError.isEmpty() ? buildError : buildError + QStringLiteral("\r\n") + saveError);
    if (!saveError.isEmpty())
        return fail(saveError);
    return TExportOutcome::Written;
}

} // namespace vx
