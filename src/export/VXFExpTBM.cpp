#include "export/VXFExpTBM.h"
#include "engine/VXFService.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXUserInteraction.h"
#include <QFile>
#include <algorithm>

namespace vx {

namespace {

const int HeaderIndent = 20;

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString Rule(int width)
{
    return QString(width, QLatin1Char('-'));
}

// A line of the given width with each caption starting at its column (counted from 1).
QString HeadingLine(const TRequisitionLayout& layout)
{
    QString line = Blanks(layout.Width);
    for (const auto& [column, caption] : layout.Heading)
        line.replace(column - 1, caption.size(), caption);
    return line;
}

class TLineWriter {
public:
    explicit TLineWriter(QFile& file) : File(file) {}
    void Write(const QString& line)
    {
        QByteArray bytes = ToCp1251(line);
        bytes.append("\r\n", 2);
        if (File.write(bytes) != bytes.size())
            throw EValtrixError(File.errorString());
    }
    void Write(const QStringList& lines)
    {
        for (const QString& line : lines)
            Write(line);
    }

private:
    QFile& File;
};

} // namespace

QStringList RequisitionHeader(const TRequisitionLayout& layout, const TExportValues& values)
{
    const QString indent = Blanks(HeaderIndent);
    return {indent + QStringLiteral("Шифр фирмы ") + values.FirmID,
            indent + QStringLiteral("Фирма ") + values.FirmName,
            indent + QStringLiteral("Заявка № ") + QString::number(values.OrderNo),
            indent + QStringLiteral("Название ") + values.OrderName,
            indent + QStringLiteral("Дата заявки ") + FormatShortDate(values.OrderDate.date()),
            Rule(layout.Width),
            HeadingLine(layout),
            Rule(layout.Width)};
}

QString RequisitionItemLine(const TRequisitionLayout& layout, const TvxfMatListItem& item)
{
    const QStringList values = layout.Values(item);
    QString line;
    for (qsizetype i = 0; i < layout.Columns.size(); ++i) {
        const TRequisitionColumn& c = layout.Columns[i];
        const QString value = i < values.size() ? values[i] : QString();
        line += c.Right ? PadLeft(value, c.Width) : PadRight(value, c.Width);
    }
    return line;
}

QStringList RequisitionFooter(const TRequisitionLayout& layout)
{
    const QString signature = Blanks(layout.SignatureIndent) + QStringLiteral("Заявку составил")
                            + QString(24, QLatin1Char('_'));
    return {Rule(layout.Width), Blanks(layout.Width), signature + Blanks(layout.Width - int(signature.size()))};
}

const TRequisitionLayout& TBMLayout()
{
    static const TRequisitionLayout layout = [] {
        TRequisitionLayout l;
        l.Width = 80;
        l.Heading = {{5, QStringLiteral("Артикул")}, {35, QStringLiteral("Название")},
                     {65, QStringLiteral("Кол.")}, {71, QStringLiteral("Ед.изм.")}};
        l.SignatureIndent = 20;
        l.Title = QStringLiteral("ТБМ Навигатор");
        l.SortByArticle = false;
        l.Columns = {{16, false}, {45, false}, {7, true}, {9, true}};
        l.Values = [](const TvxfMatListItem& item) {
            const QString article = ArticleProd(item.Article, 2, true);
            const QString name = ArticleName(item.Article);
            const QString quantity = WholeQuantity(item.Quantity);
            return QStringList{article, name, quantity, ArticleUnit(item.Article)};
        };
        return l;
    }();
    return layout;
}

TExportOutcome WriteRequisition(const TRequisitionLayout& layout, const TExportDocument& document,
                                const TExportValues& values)
{
    const QString& fileName = values.FileName;
    auto fail = [&](const QString& text) {
        ShowError(QStringLiteral("Ошибка записи данных в файл экспорта %1 %2!\r\n%3").arg(layout.Title, fileName, text));
        return TExportOutcome::Failed;
    };
    if (!PrepareExportFile(fileName))
        return TExportOutcome::Cancelled;

    TWaitCursor wait;
    TMatList list;
    try {
        document.CollectMaterials(list);
        if (layout.SortByArticle)
            std::stable_sort(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return ByArticle(*a, *b) < 0; });
    } catch (const std::exception& e) {
        return fail(ExceptionText(e));   // nothing written yet: an existing file stays as it was
    }

    QFile file(ResolvePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(file.errorString());
    try {
        TLineWriter out(file);
        out.Write(RequisitionHeader(layout, values));
        for (const auto& item : list)
            out.Write(RequisitionItemLine(layout, *item));
        out.Write(RequisitionFooter(layout));
        if (!file.flush())
            throw EValtrixError(file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError)
            throw EValtrixError(file.errorString());
    } catch (const std::exception& e) {
        file.close();   // the lines written so far stay
        return fail(ExceptionText(e));
    }
    return TExportOutcome::Written;
}

} // namespace vx
