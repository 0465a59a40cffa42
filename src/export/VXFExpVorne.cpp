#include "export/VXFExpVorne.h"
#include "engine/VXFService.h"
#include "foundation/VXFormats.h"

namespace vx {

const TRequisitionLayout& VorneLayout()
{
    static const TRequisitionLayout layout = [] {
        TRequisitionLayout l;
        l.Width = 148;
        l.Heading = {{5, QStringLiteral("Артикул")},         {35, QStringLiteral("Название")},
                     {65, QStringLiteral("Кол.")},           {71, QStringLiteral("Ед.изм.")},
                     {79, QStringLiteral("Цена без скидки")}, {100, QStringLiteral("Скидка")},
                     {113, QStringLiteral("Цена со скидкой")}, {136, QStringLiteral("Сумма")}};
        l.SignatureIndent = 64;
        l.Title = QStringLiteral("Ворне Бела");
        l.SortByArticle = true;
        l.Columns = {{16, false}, {45, false}, {7, true}, {9, true}, {17, true}, {17, true}, {17, true}, {17, true}};
        l.Values = [](const TvxfMatListItem& item) {
            const QChar sep = FormatSettings().DecimalSeparator;
            const QString article = ArticleProd(item.Article, 1, true);
            const QString name = ArticleName(item.Article);
            const QString quantity = WholeQuantity(item.Quantity);
            const QString unit = ArticleUnit(item.Article);
            return QStringList{article,
                               name,
                               quantity,
                               unit,
                               item.Price.toString(4, sep),
                               item.Discount.toString(4, sep),
                               item.NetPrice.toString(4, sep),
                               item.Sum.toString(4, sep)};
        };
        return l;
    }();
    return layout;
}

} // namespace vx
