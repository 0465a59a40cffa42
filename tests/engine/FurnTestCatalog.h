#pragma once
#include "CatalogFixture.h"
#include "engine/VXFConstruction.h"
#include "model/VXFOrder.h"
#include <QStringList>
#include <memory>

// A small fittings catalog for the resolution tests: currency, the four parameter lists and
// short-hands for complects, side rules, set rows, elements and articles.
namespace vxtest {

using TRow = TCatalogFixture::TRow;

class TFurnCatalog : public TCatalogFixture {
public:
    TFurnCatalog()
    {
        AddRows("Currency.DB", {"ID", "Name", "Value", "Dec"}, {{1, "руб", 1, 2}});
        SetOrderContext(1, {{1, 1.0f}});
        const QVariant e;
        AddRows("ParamList.DB", {"ID", "Name", "FalzLuft", "FalzSize", "FalzPos", "DornMass", "StulpType", "OpenType"},
                {{101, "12/20-9", 12, 20, 9, e, e, e},
                 {102, "пустой", 0, 0, 0, e, e, e},
                 {201, "15", e, e, e, 15.0, e, e},
                 {202, "0", e, e, e, 0.0, e, e},
                 {301, "Штульп 2", e, e, e, e, 2, e},
                 {306, "Штульп 6", e, e, e, e, 6, e},
                 {401, "Поворотная", e, e, e, e, e, 1},
                 {402, "T-образная", e, e, e, e, e, 2}});
    }

    // Later fields of a row override earlier ones of the same name.
    void Comp(const QString& id, const TRow& extra = {})
    {
        Add("FrnComp.DB", TRow{{"ID", id}, {"Name", "Комплект " + id}, {"Direct", 1}, {"TFlugelAvailable", 1}} + extra);
    }
    void Item(const QString& id, const TRow& extra = {})
    {
        Add("FrnItem.DB", TRow{{"ID", id}, {"Name", "Элемент " + id}} + extra);
    }
    void Set(const QString& comp, const QString& item, const TRow& extra = {})
    {
        Add("FrnSet.DB", TRow{{"ID", comp}, {"Item", item}, {"Number", 1}} + extra);
    }
    void Art(const QString& item, const QString& catalogId, const TRow& extra = {})
    {
        Add("FrnArt.DB", TRow{{"ID", item}, {"CatalogID", catalogId}} + extra);
    }
    void Article(const QString& code, double price = 1, const TRow& extra = {})
    {
        Add("Catalog.DB", TRow{{"ID", code}, {"Name", "Артикул " + code}, {"Price", price}, {"Currency", 1}} + extra);
    }
    // An element with one article of its own, used by a set row of the component.
    void Element(const QString& comp, const QString& item, const QString& article, const TRow& setExtra = {},
                 double price = 1)
    {
        Item(item);
        Art(item, article);
        Article(article, price);
        Set(comp, item, setExtra);
    }
    // Side rules admitting any straight side up to 5 m at any angle; extras per side.
    void Sides(const QString& comp, int count, const QList<std::pair<int, TRow>>& extras = {})
    {
        for (int side = 1; side <= count; ++side) {
            TRow row{{"ID", comp}, {"Side", side}, {"MinSize", 1}, {"MaxSize", 5000}, {"MinAngle", 0},
                     {"MaxAngle", 360}, {"MinRadius", 0}, {"MaxRadius", 0}};
            for (const auto& [n, extra] : extras)
                if (n == side)
                    row += extra;
            Add("FrnSide.DB", row);
        }
    }
};

inline vx::TShapeRecord Shape(uint8_t figure, int w, int h, double hx = 0, int hy = 0, float r = 0)
{
    vx::TShapeRecord s;
    s.Figure = figure;
    s.Width = w;
    s.Height = h;
    s.HX = hx;
    s.HY = hy;
    s.Radius1 = s.Radius2 = r;
    return s;
}

// A position of an order with the outline built; fittings codes as the test choice gives them.
struct TTestPosition {
    vx::TvxfOrder Order;
    vx::TvxfConstruction Pos{&Order};

    explicit TTestPosition(const vx::TShapeRecord& shape)
    {
        Order.OuterProfColor = QStringLiteral("AUSSEN");
        Order.InnerProfColor = QStringLiteral("INNEN");
        Pos.BuildGeometry(shape, 201);
    }
};

inline vx::TFurnChoice Choice(const QString& left, const QString& right = {})
{
    vx::TFurnChoice c;
    c.Color = QStringLiteral("RAL9016");
    c.Falz = 101;
    c.StulpType = 301;
    c.OpenType = 401;
    c.ProfWidth = 68;
    c.Thickness = 70;
    c.Left.Components.Complect = left;
    c.Left.Dorn = 201;
    c.Right.Components.Complect = right;
    c.Right.Dorn = 201;
    return c;
}

// "article*count", with "/length" and "@side" when set, in list order; "-" without a complect.
inline QString ItemsText(const vx::TvxfFlugel& f)
{
    if (!f.FurnComp)
        return QStringLiteral("-");
    QStringList out;
    for (const auto& item : f.FurnComp->Items) {
        QString s = item->Article + QLatin1Char('*') + QString::number(item->Count);
        if (item->Length != 0)
            s += QLatin1Char('/') + QString::number(double(item->Length));
        if (item->SideNo != 0)
            s += QLatin1Char('@') + QString::number(item->SideNo);
        out << s;
    }
    return out.join(QLatin1Char(' '));
}

} // namespace vxtest
