#include "FurnTestCatalog.h"
#include "TestSupport.h"
#include "engine/VXFFurn.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

using namespace vx;
using namespace vxtest;

namespace {

const QString FurnSys = QStringLiteral("350");
const QString ProfSys = QStringLiteral("PS1");

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

void ExpectFiltersOff(TFurnCatalog& fx)
{
    TDM& dm = fx.DM();
    for (TTable* t : {&dm.T_FrnSet, &dm.T_FrnArt, &dm.T_FrnSide, &dm.T_FrnSchl, &dm.T_FrnDop, &dm.T_FrnAbd,
                      &dm.T_FrnItoI, &dm.T_FrnProp, &dm.T_FrnItem, &dm.T_FrnComp})
        EXPECT_FALSE(t->Filtered()) << t->TableName().toStdString();
}

// Fitting complects of a sash among the candidates, in candidate order.
QStringList Fitting(const TvxfFlugel& sash, const QStringList& complects)
{
    QStringList out;
    for (const QString& c : complects)
        if (ComplectFitsSash(sash, c))
            out << c;
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Side rules and shapes.

TEST(FurnResolution, EveryFigureFitsExactlyItsComplectAndResolves)
{
    TFurnCatalog fx;
    auto angle = [](double lo, double hi) { return TRow{{"MinAngle", lo}, {"MaxAngle", hi}}; };
    const TRow right = angle(89.99, 90.01);
    const TRow arc{{"MinRadius", 1}, {"MaxRadius", 5000}};
    fx.Sides("RECT", 4, {{1, right}, {2, right}, {3, right}, {4, right}});
    fx.Sides("TRAP3", 4, {{2, angle(100, 170)}});
    fx.Sides("TRAP4", 4, {{2, angle(10, 80)}});
    fx.Sides("TRI5", 3, {{1, angle(10, 80)}});
    fx.Sides("TRI6", 3, {{1, angle(85, 95)}});
    fx.Sides("ARCHF", 4, {{2, arc + TRow{{"FullRadius", 1}}}});
    fx.Sides("ARCHP", 4, {{2, arc + TRow{{"HalfRadius", 1}}}});
    // Four rules, but one names side 5: fits nothing.
    for (int side : {1, 2, 3, 5})
        fx.Add("FrnSide.DB", {{"ID", "BAD5"}, {"Side", side}, {"MaxSize", 5000}, {"MaxAngle", 360}});
    const QStringList complects{"RECT", "TRAP3", "TRAP4", "TRI5", "TRI6", "ARCHF", "ARCHP", "BAD5"};
    for (const QString& c : complects) {
        fx.Comp(c);
        fx.Element(c, "EL_" + c, c + "-1");
    }

    const struct {
        TShapeRecord shape;
        QString complect;
    } cases[] = {
        {Shape(0, 1000, 1400), "RECT"},
        {Shape(3, 1000, 1400, 800), "TRAP3"},
        {Shape(4, 1000, 1400, 800), "TRAP4"},
        {Shape(5, 1000, 1400), "TRI5"},
        {Shape(6, 1000, 1400), "TRI6"},
        {Shape(7, 1000, 1400, 500, 0, 500), "ARCHF"},
        {Shape(7, 1000, 1400, 200, 0, 725), "ARCHP"},
        {Shape(1, 1300, 1400, 600, 700), "RECT"},
        {Shape(2, 1300, 1400, 600, 700), "RECT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.shape.Figure));
        TTestPosition p(c.shape);
        const bool two = p.Pos.HasTwoFlugels();
        EXPECT_EQ(Fitting(*p.Pos.LeftFlugel, complects), QStringList{c.complect});
        if (two)
            EXPECT_EQ(Fitting(*p.Pos.RightFlugel, complects), QStringList{c.complect});
        p.Pos.SetFittings(FurnSys, ProfSys, Choice(c.complect, two ? c.complect : QString()));
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), c.complect + "-1*1");
        EXPECT_EQ(ItemsText(*p.Pos.RightFlugel), two ? c.complect + "-1*1" : QStringLiteral("-"));
    }
    ExpectFiltersOff(fx);
}

TEST(FurnResolution, SideRulesMarkTheSashSides)
{
    TFurnCatalog fx;
    fx.Comp("C", {{"Image", 7}, {"ScrColor", 255}});
    fx.Comp("H", {{"Image", 3}, {"ScrColor", 4242}});
    fx.Comp("SLIDE", {{"Image", 2}});
    const TRow drive{{"Drived", 1}};
    for (const QString& c : {"C", "SLIDE"})
        fx.Sides(c, 4,
                 {{1, TRow{{"OpenMode", 1}, {"RotSide", 3}, {"Banded", 1}}},
                  {2, drive},
                  {3, TRow{{"Handled", 1}, {"HandleDirect", 1}} + drive},
                  {4, drive}});

    TTestPosition p(Shape(0, 1000, 1400));
    TvxfFlugel& f = *p.Pos.LeftFlugel;
    TFurnChoice choice = Choice("C");
    p.Pos.SetFittings(FurnSys, ProfSys, choice);
    // No handle and a complect image outside 1..5: no side carries the handle.
    EXPECT_FALSE(f.Line(2)->Handled);
    EXPECT_EQ(f.Line(2)->HandleHeight, 0);
    EXPECT_TRUE(f.Line(0)->OpenMode);
    EXPECT_EQ(f.Line(0)->RotSide, 2);
    EXPECT_EQ(f.Line(1)->RotSide, -1);
    EXPECT_TRUE(f.Line(0)->Banded);
    EXPECT_FALSE(f.Line(0)->Drived);
    EXPECT_TRUE(f.Line(1)->Drived && f.Line(2)->Drived && f.Line(3)->Drived);
    const TvxfFurnComp& c = *f.FurnComp;
    EXPECT_EQ(c.ComplectImage, 7);
    EXPECT_EQ(c.HandleImage, 0);                 // no handle: the missing row's values
    EXPECT_EQ(c.HandleScrColor, 16777215);
    EXPECT_EQ(c.HingeImage, 20);                 // no hinge set: the complect's colour, image 20
    EXPECT_EQ(c.HingeScrColor, 255);

    choice.Left.Components.Handle = "H";
    p.Pos.SetFittings(FurnSys, ProfSys, choice);
    EXPECT_TRUE(f.Line(2)->Handled);
    EXPECT_EQ(f.Line(2)->HandleHeight, 700);     // half the side
    EXPECT_NE(f.Line(2)->HandleMark, QPoint());
    EXPECT_EQ(f.FurnComp->HandleImage, 3);
    EXPECT_EQ(f.FurnComp->HandleScrColor, 4242);

    choice.Left.HeightUserDefined = true;
    choice.Left.UserHandleHeight = 900;
    p.Pos.SetFittings(FurnSys, ProfSys, choice);
    EXPECT_EQ(f.Line(2)->HandleHeight, 900);

    // A sliding image shows the handle without a handle component.
    p.Pos.SetFittings(FurnSys, ProfSys, Choice("SLIDE"));
    EXPECT_TRUE(f.Line(2)->Handled);

    f.ClearFittings();
    EXPECT_EQ(f.FurnComp, nullptr);
    EXPECT_FALSE(f.Line(0)->OpenMode || f.Line(0)->Banded || f.Line(2)->Handled || f.Line(1)->Drived);
    EXPECT_EQ(f.Line(0)->RotSide, -1);
    EXPECT_EQ(f.Line(2)->HandleHeight, 700);     // kept
}

// ---------------------------------------------------------------------------------------------
// Set rows: conditions, quantities, lengths.

TEST(FurnResolution, SetRowConditionsDecideWhichRowsApply)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("E");
    fx.Art("E", "A");
    fx.Article("A");
    fx.Add("FrnProp.db", {{"ID", 1005}, {"PropKey", 7}});

    const TShapeRecord rect = Shape(0, 1234, 1500);                 // W 123, H 150
    const TShapeRecord partial = Shape(7, 1000, 1400, 200, 0, 725);  // top: partial arc, R 725
    const TShapeRecord semi = Shape(7, 1000, 1400, 500, 0, 500);     // top: semicircle
    const TShapeRecord tri = Shape(5, 1000, 1400);                   // corner 1: 54.46 degrees
    const TShapeRecord stulp = Shape(2, 1300, 1500, 600, 700);       // left 600, right 700
    const QString yes = QStringLiteral("A*1"), no;
    const struct {
        const char* name;
        TShapeRecord shape;
        TRow row;
        QString left, right;
        int stulpCode = 301;
        QStringList props = {};
    } cases[] = {
        {"width at its minimum", rect, {{"FFBMin", 123}}, yes, {}},
        {"width below the minimum", rect, {{"FFBMin", 124}}, no, {}},
        {"width at its maximum", rect, {{"FFBMax", 123}}, yes, {}},
        {"width above the maximum", rect, {{"FFBMax", 122}}, no, {}},
        {"height at its minimum", rect, {{"FFHMin", 150}}, yes, {}},
        {"height above the maximum", rect, {{"FFHMax", 149}}, no, {}},
        {"side 2 at its minimum", rect, {{"FFL1No", 2}, {"FFL1Min", 1234}}, yes, {}},
        {"side 2 too short", rect, {{"FFL1No", 2}, {"FFL1Min", 1235}}, no, {}},
        {"side 1 too long (second slot)", rect, {{"FFL2No", 1}, {"FFL2Max", 1499}}, no, {}},
        {"right angle", rect, {{"FFANo", 1}, {"FFAMin", 90}, {"FFAMax", 90}}, yes, {}},
        {"angle below the minimum", rect, {{"FFANo", 3}, {"FFAMin", 90.5}}, no, {}},
        {"acute triangle corner", tri, {{"FFANo", 1}, {"FFAMax", 55}}, yes, {}},
        {"acute triangle corner too wide", tri, {{"FFANo", 1}, {"FFAMax", 54}}, no, {}},
        {"partial arc wanted", partial, {{"FFR1No", 2}, {"FFR1Type", 4}}, yes, {}},
        {"semicircle wanted, partial arc", partial, {{"FFR1No", 2}, {"FFR1Type", 2}}, no, {}},
        {"any arc kind within radii", partial, {{"FFR1No", 2}, {"FFR1Type", 1}, {"FFR1Min", 725}, {"FFR1Max", 725}}, yes, {}},
        {"radius below the minimum", partial, {{"FFR2No", 2}, {"FFR2Min", 726}}, no, {}},
        {"semicircle or ellipse", semi, {{"FFR2No", 2}, {"FFR2Type", 10}}, yes, {}},
        {"ellipse wanted, semicircle", semi, {{"FFR1No", 2}, {"FFR1Type", 8}}, no, {}},
        {"straight side, semicircle wanted", rect, {{"FFR1No", 2}, {"FFR1Type", 2}}, no, {}},
        {"stulp bit 6 on one sash", rect, {{"StulpType", 64}}, yes, {}},
        {"stulp bit 2 on one sash", rect, {{"StulpType", 4}}, no, {}},
        {"any stulp type", rect, {{"StulpType", 1}}, yes, {}},
        {"stulp bit 2 with type 2", stulp, {{"StulpType", 4}}, yes, yes},
        {"stulp bit 6 with type 2", stulp, {{"StulpType", 64}}, no, no},
        {"stulp bit 6 with type 6", stulp, {{"StulpType", 64}}, yes, yes, 306},
        {"adjacent side 1 long enough", stulp, {{"FFL21No", 1}, {"FFL21Min", 1500}}, yes, yes},
        {"adjacent side 1 too short", stulp, {{"FFL21No", 1}, {"FFL21Min", 1501}}, no, no},
        {"adjacent top at most 650", stulp, {{"FFL22No", 2}, {"FFL22Max", 650}}, no, yes},
        {"listed property", rect, {{"PropKey", 7}}, yes, {}, 301, {"0=1005"}},
        {"property of a listed family", rect, {{"PropKey", 7}}, no, {}, 301, {"0=1003"}},
        {"property of an unlisted family", rect, {{"PropKey", 7}}, yes, {}, 301, {"0=1013"}},
        {"property of another group", rect, {{"PropKey", 7}}, yes, {}, 301, {"1=1003"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fx.Clear("FrnSet.DB");
        fx.Set("C", "E", c.row);
        TTestPosition p(c.shape);
        const bool two = p.Pos.HasTwoFlugels();
        TFurnChoice choice = Choice("C", two ? "C" : "");
        choice.StulpType = c.stulpCode;
        choice.Left.Props = c.props;
        p.Pos.SetFittings(FurnSys, ProfSys, choice);
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), c.left);
        if (two)
            EXPECT_EQ(ItemsText(*p.Pos.RightFlugel), c.right);
    }
    ExpectFiltersOff(fx);
}

TEST(FurnResolution, QuantitiesAndLengths)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("E");
    fx.Art("E", "A");
    fx.Article("A");
    const TRow byWidth{{"ScaleCondition", 1}, {"ScaleStart", 50}, {"ScaleStep", 40}, {"Number", 0}, {"ScaleNum", 1}};
    const struct {
        const char* name;
        int width;
        TRow row;
        QString items;
    } cases[] = {
        {"W 49 below the start", 490, byWidth, ""},
        {"W 50 at the start", 500, byWidth, "A*1"},
        {"W 89 within the first step", 890, byWidth, "A*1"},
        {"W 90 at the second step", 900, byWidth, "A*2"},
        {"width scheme", 700, {{"ScaleCondition", 1}, {"ScaleScheme", "40;60;x;80;-1"}, {"ScaleNum", 2}, {"Number", 1}}, "A*5"},
        {"height steps", 1234, {{"ScaleCondition", 2}, {"ScaleStart", 100}, {"ScaleStep", 20}, {"Number", 1}, {"ScaleNum", 2}}, "A*8"},
        {"side 1 steps", 1234, {{"ScaleCondition", 3}, {"Side1No", 1}, {"ScaleStart", 1000}, {"ScaleStep", 200}, {"Number", 1}, {"ScaleNum", 1}}, "A*4"},
        {"side 2 shorter than the start", 1234, {{"ScaleCondition", 4}, {"Side2No", 2}, {"ScaleStart", 1300}, {"ScaleStep", 100}, {"Number", 3}}, "A*3"},
        {"side 2 scheme", 1234, {{"ScaleCondition", 4}, {"Side2No", 2}, {"ScaleScheme", "1000;1234;1235"}, {"ScaleNum", 1}, {"Number", 0}}, "A*2"},
        {"no scale", 1234, {{"Number", 7}, {"ScaleStep", 0}}, "A*7"},
        {"length from the height", 1234, {{"UseLen", 1}, {"LenFormula", "F\u041D - 100"}, {"MinLen", 100}, {"Number", 2}}, "A*2/1400"},
        {"formula without UseLen", 1234, {{"LenFormula", "F\u041D - 100"}}, "A*1"},
        {"side number of the item", 1234, {{"ItemSideNo", 3}}, "A*1@3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fx.Clear("FrnSet.DB");
        fx.Set("C", "E", c.row);
        TTestPosition p(Shape(0, c.width, 1500));
        p.Pos.SetFittings(FurnSys, ProfSys, Choice("C"));
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), c.items);
    }
}

TEST(FurnResolution, HandleHeightFromArticlesAndLaterFormulas)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Comp("H");
    fx.Sides("C", 4, {{3, TRow{{"Handled", 1}}}});
    fx.Item("HG");
    fx.Article("HG-1");
    fx.Item("ROD");
    fx.Art("ROD", "ROD-1");
    fx.Article("ROD-1");
    const struct {
        const char* name;
        QString comp;          // the component holding the rows
        int artHeight;
        TRow row;
        bool userDefined;
        int expected;
    } cases[] = {
        {"article height", "H", 1050, {{"HandleSideNo", 3}}, false, 1050},
        {"half of side 2", "H", 0, {{"HandleSideNo", 3}, {"Condition", 4}, {"Side1No", 2}}, false, 617},
        {"first handled side when the number is invalid", "H", 1010, {{"HandleSideNo", 9}}, false, 1010},
        {"the handle overrides a user height", "H", 1050, {{"HandleSideNo", 3}}, true, 1050},
        {"the main complect keeps a user height", "C", 1050, {{"HandleSideNo", 3}}, true, 900},
        {"no height asked for", "H", 1050, {{"DefineHandleHeight", 0}, {"HandleSideNo", 3}}, false, 750},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fx.Clear("FrnSet.DB");
        fx.Clear("FrnArt.DB");
        fx.Art("HG", "HG-1", {{"HandleHeight", c.artHeight}, {"FFL1Min", 0}, {"FFL1Max", 5000}});
        fx.Art("ROD", "ROD-1");
        fx.Set(c.comp, "HG", TRow{{"DefineHandleHeight", 1}} + c.row);
        // Set rows run by element: the rod after the handle sees its height.
        fx.Set(c.comp, "ROD", {{"UseLen", 1}, {"LenFormula", "FG(3) + 100"}});
        TTestPosition p(Shape(0, 1234, 1500));
        TFurnChoice choice = Choice("C");
        choice.Left.Components.Handle = "H";
        choice.Left.HeightUserDefined = c.userDefined;
        choice.Left.UserHandleHeight = 900;
        p.Pos.SetFittings(FurnSys, ProfSys, choice);
        EXPECT_EQ(p.Pos.LeftFlugel->Line(2)->HandleHeight, c.expected);
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), QStringLiteral("HG-1*1 ROD-1*1/%1").arg(c.expected + 100));
    }
}

// ---------------------------------------------------------------------------------------------
// Articles.

TEST(FurnResolution, ArticleFilterTexts)
{
    TFurnCatalog fx;
    fx.Item("E0");
    fx.Item("O'K");
    fx.Item("ETH", {{"CheckThickness", 1}});
    fx.Item("EALL", {{"HasFalzLuft", 1}, {"HasFalzSize", 1}, {"HasFalzPos", 1}, {"CheckWeight", 1},
                     {"HasDornMass", 1}, {"CheckThickness", 1}, {"CheckProfWidth", 1}, {"HasProfSys", 1},
                     {"CheckStulpType", 1}, {"CheckDirect", 1}, {"HasColor", 1}});
    // Filters carry "." decimals whatever the user's locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    TArticleRequest r;
    r.ProfSys = "PS1";
    r.Direction = 1;
    r.StulpType = 6;
    r.ProfWidthValue = 100;
    r.Color = "RAL9016";
    r.Params.FalzLuft = 12;
    r.Params.FalzSize = 20;
    r.Params.FalzPos = 9;
    r.Params.DornMass = 15.5f;
    r.Params.Thickness = 70;
    r.Measures = {59.036, 12, 725, 99.4, 1234.5, 150, 123, 0};
    const struct {
        QString element;
        int condition;
        QString main, fallback;
    } cases[] = {
        {"E0", 0, "ID='E0' ", ""},
        {"E0", 1, "FFBMin <= 123 and FFBMax >= 123 and ID='E0' ", ""},
        {"E0", 2, "FFHMin <= 150 and FFHMax >= 150 and ID='E0' ", ""},
        {"E0", 3, "FFBMin <= 123 and FFBMax >= 123 and FFHMin <= 150 and FFHMax >= 150 and ID='E0' ", ""},
        {"E0", 4, "FFL1Min <= 1235 and FFL1Max >= 1235 and ID='E0' ", ""},
        {"E0", 5, "FFL2Min <= 99 and FFL2Max >= 99 and ID='E0' ", ""},
        {"E0", 6, "FFL1Min <= 1235 and FFL1Max >= 1235 and FFL2Min <= 99 and FFL2Max >= 99 and ID='E0' ", ""},
        {"E0", 7, "FFAMin <= 59.04 and FFAMax >= 59.04 and ID='E0' ", ""},
        {"E0", 8, "FFR1Min <= 725 and FFR1Max >= 725 and ID='E0' ", ""},
        {"E0", 9, "FFR2Min <= 12 and FFR2Max >= 12 and ID='E0' ", ""},
        {"E0", 10, "FFR1Min <= 725 and FFR1Max >= 725 and FFR2Min <= 12 and FFR2Max >= 12 and ID='E0' ", ""},
        {"E0", 11, "ID='E0' ", ""},
        {"O'K", 0, "ID='O''K' ", ""},
        {"ETH", 0, "ThicknessMin <= 70 and ThicknessMax >= 70 and ID='ETH' ", ""},
        {"ETH", 1, "FFBMin <= 123 and FFBMax >= 123  and ThicknessMin <= 70 and ThicknessMax >= 70 and ID='ETH' ", ""},
        {"EALL", 0,
         "FalzLuft = 12 and FalzSize = 20 and FalzPos = 9 and WeightMin <= 0.00 and  WeightMax >= 0.00 "
         "and DornMassMin <= 15.50 and DornMassMax >= 15.50  and ThicknessMin <= 70 and ThicknessMax >= 70 "
         " and ProfWidthMin <= 100 and ProfWidthMax >= 100 and ProfSys = 'PS1' and StulpType = 6 "
         "and (Direct = 3 or Direct = 1) and ID='EALL' and Color = 'RAL9016' ",
         "FalzLuft = 12 and FalzSize = 20 and FalzPos = 9 and WeightMin <= 0.00 and  WeightMax >= 0.00 "
         "and DornMassMin <= 15.50 and DornMassMax >= 15.50  and ThicknessMin <= 70 and ThicknessMax >= 70 "
         " and ProfWidthMin <= 100 and ProfWidthMax >= 100 and ProfSys = 'PS1' and StulpType = 6 "
         "and (Direct = 3 or Direct = 1) and ID='EALL' and Color = '' "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element.toStdString() + " " + std::to_string(c.condition));
        r.ElementId = c.element;
        r.Measures.Condition = c.condition;
        QString main, fallback;
        ArticleFilterTexts(r, main, fallback);
        EXPECT_EQ(main, c.main);
        EXPECT_EQ(fallback, c.fallback);
    }
    QLocale::setDefault(previous);
}

TEST(FurnResolution, ArticlesChosenByTheCheckFlags)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("E", {{"HasFalzLuft", 1}, {"HasFalzSize", 1}, {"HasFalzPos", 1}, {"CheckWeight", 1}, {"HasDornMass", 1},
                  {"CheckThickness", 1}, {"CheckProfWidth", 1}, {"HasProfSys", 1}, {"CheckStulpType", 1},
                  {"CheckDirect", 1}, {"HasColor", 1}});
    fx.Set("C", "E", {{"Condition", 3}});
    const TRow fits{{"FalzLuft", 12}, {"FalzSize", 20}, {"FalzPos", 9}, {"WeightMin", 0}, {"WeightMax", 100},
                    {"DornMassMin", 10}, {"DornMassMax", 20}, {"ThicknessMin", 60}, {"ThicknessMax", 80},
                    {"ProfWidthMin", 90}, {"ProfWidthMax", 110}, {"ProfSys", "PS1"}, {"StulpType", 6},
                    {"Direct", 1}, {"Color", "RAL9016"}, {"FFBMin", 100}, {"FFBMax", 150}, {"FFHMin", 100},
                    {"FFHMax", 200}};
    const QList<std::pair<QString, TRow>> misses = {
        {"X-FALZ", {{"FalzLuft", 13}}},       {"X-SIZE", {{"FalzSize", 21}}},      {"X-POS", {{"FalzPos", 8}}},
        {"X-WEIGHT", {{"WeightMin", 0.01}}}, {"X-DORN", {{"DornMassMin", 15.1}}}, {"X-THICK", {{"ThicknessMax", 69}}},
        {"X-WIDTH", {{"ProfWidthMin", 101}}}, {"X-PROF", {{"ProfSys", "PS2"}}},    {"X-STULP", {{"StulpType", 2}}},
        {"X-DIR", {{"Direct", 2}}},           {"X-COLOR", {{"Color", "RAL9005"}}}, {"X-W", {{"FFBMax", 122}}},
        {"X-H", {{"FFHMin", 151}}},           {"X-NOCOLOR", {{"Color", ""}}},
    };
    for (const auto& [article, miss] : misses) {
        fx.Art("E", article, fits + miss);
        fx.Article(article);
    }
    fx.Art("E", "OK", fits + TRow{{"Direct", 3}});
    fx.Article("OK");
    TTestPosition p(Shape(0, 1234, 1500));
    p.Pos.SetFittings(FurnSys, ProfSys, Choice("C"));
    EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), "OK*1");
    EXPECT_EQ(fx.UI.count(TMessageKind::Choice), 0);
}

TEST(FurnResolution, ColourConditionsAndTheColourlessFallback)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("E", {{"HasColor", 1}});
    for (const auto& [article, color] : {std::pair{"COLOURLESS", ""}, {"WHITE", "RAL9016"}, {"OUT", "AUSSEN"}}) {
        fx.Art("E", article, {{"Color", color}});
        fx.Article(article);
    }
    const struct {
        int colorCondition;
        int openCode;
        QString items;
    } cases[] = {
        {0, 401, "WHITE*1"},       // the fittings colour
        {1, 401, "OUT*1"},         // outer profile colour
        {2, 401, "COLOURLESS*1"},  // inner colour has no row of its own
        {3, 401, "OUT*1"},         // opening type 1: outer
        {3, 402, "COLOURLESS*1"},  // otherwise inner
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colorCondition);
        fx.Clear("FrnSet.DB");
        fx.Set("C", "E", {{"ColorCondition", c.colorCondition}});
        TTestPosition p(Shape(0, 1234, 1500));
        TFurnChoice choice = Choice("C");
        choice.OpenType = c.openCode;
        p.Pos.SetFittings(FurnSys, ProfSys, choice);
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), c.items);
    }
}

TEST(FurnResolution, AlternativesAreChosenOnlyAmongSeveralRows)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("ALT");
    fx.Set("C", "ALT");
    for (const char* a : {"ALT-1", "ALT-2"}) {
        fx.Art("ALT", a);
        fx.Article(a);
    }
    fx.Element("C", "ONE", "ONE-1");
    const struct {
        QList<int> answers;
        QString items;
    } cases[] = {
        {{1}, "ALT-2*1 ONE-1*1"},
        {{-1}, "ALT-1*1 ONE-1*1"},   // closed without a choice: the row current at opening
        {{}, "ALT-1*1 ONE-1*1"},
        {{7}, "ALT-1*1 ONE-1*1"},
    };
    for (const auto& c : cases) {
        fx.UI.clear();
        fx.UI.ChoiceAnswers = c.answers;
        TTestPosition p(Shape(0, 1234, 1500));
        p.Pos.SetFittings(FurnSys, ProfSys, Choice("C"));
        EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), c.items);
        ASSERT_EQ(fx.UI.count(TMessageKind::Choice), 1);   // only for ALT, never for ONE
        EXPECT_EQ(fx.UI.Shown[0].Text,
                  "В документации присутствует несколько альтернативных вариантов. Выберите нужный элемент.");
    }
}

// ---------------------------------------------------------------------------------------------
// Strike plates, accessories, composites, merging and order.

namespace {

// A complect whose items bring strike plates, colour accessories, accessories and the parts
// of a composite element; two items cancel out and one article is virtual.
void BuildAccessoryCatalog(TFurnCatalog& fx)
{
    fx.Comp("C");
    fx.Element("C", "E1", "B-100", {{"Number", 2}, {"ItemSideNo", 1}, {"Note", "n1"}});
    fx.Item("E2", {{"Virtual", 1}});
    fx.Set("C", "E2");
    fx.Add("FrnItoI.DB", {{"ID", "E2"}, {"Item", "P1"}, {"Number", 2}});
    fx.Add("FrnItoI.DB", {{"ID", "E2"}, {"Item", "P2"}, {"Number", 1}, {"ItemSideNo", 2}});
    fx.Add("FrnItoI.DB", {{"ID", "E2"}, {"Item", "P3"}, {"Number", 1}, {"StulpType", 4}});
    for (const auto& [item, article] : {std::pair{"P1", "A-200"}, {"P2", "Z-300"}, {"P3", "P-999"}}) {
        fx.Item(item);
        fx.Art(item, article);
        fx.Article(article);
    }
    fx.Element("C", "E4a", "C-400", {{"Number", 3}});
    fx.Item("E4b");
    fx.Art("E4b", "C-400");
    fx.Set("C", "E4b", {{"Number", -3}});
    fx.Element("C", "E5", "я-1");
    fx.Element("C", "E6", "ё-1");
    fx.Element("C", "E7", "VIRT");
    fx.Clear("Catalog.DB");

    // Strike plates of B-100: two apply, the others are excluded by one condition each.
    fx.Item("SP", {{"HasProfSys", 1}});
    fx.Art("SP", "S-500", {{"ProfSys", "PS1"}});
    fx.Art("SP", "S-599", {{"ProfSys", "PS2"}});
    fx.Item("SP2", {{"CommonGrp", 300}});
    fx.Art("SP2", "S-501");
    fx.Item("SP3", {{"CommonGrp", 201}});
    fx.Art("SP3", "S-502");
    for (const char* item : {"SP4", "SP5", "SP6", "SP7"}) {
        fx.Item(item);
        fx.Art(item, QString(item) + "-1");
    }
    const QStringList schl{"CatalogID", "Item", "Number", "StulpType", "ItemSideNo", "ItemComplectID", "PropKey"};
    fx.AddRows("FrnSchl.DB", schl,
               {{"B-100", "SP", 1, 0, 0, "", 0},
                {"B-100", "SP2", 1, 0, 1, "C", 0},
                {"B-100", "SP3", 1, 0, 0, "", 0},
                {"B-100", "SP4", 1, 2, 0, "", 0},
                {"B-100", "SP5", 1, 0, 0, "OTHER", 0},
                {"B-100", "SP6", 1, 0, 2, "", 0},
                {"B-100", "SP7", 1, 0, 0, "", 9}});
    fx.Add("FrnProp.db", {{"ID", 2005}, {"PropKey", 9}});

    const QStringList abd{"CatalogID", "Color", "AccessoryID", "Number", "ItemSideNo"};
    fx.AddRows("FrnAbd.DB", abd,
               {{"S-500", "RAL9016", "K-600", 1, 0},
                {"S-500", "", "K-601", 1, 0},
                {"A-200", "", "K-700", 1, 0},
                {"A-200", "RAL9005", "K-701", 1, 0},
                {"Z-300", "RAL9016", "K-800", 1, 3}});
    const QStringList dop{"CatalogID", "AccessoryID", "Number", "StulpType", "ItemSideNo", "ItemComplectID", "PropKey"};
    fx.AddRows("FrnDop.DB", dop,
               {{"K-600", "D-800", 3, 0, 0, "", 0},
                {"S-500", "D-801", 1, 0, 0, "C", 0},
                {"S-500", "D-802", 1, 0, 0, "", 9},
                {"B-100", "D-803", 0, 0, 0, "", 0}});

    for (const char* a : {"A-200", "B-100", "C-400", "D-800", "D-801", "D-802", "D-803", "K-600", "K-601", "K-700",
                          "K-701", "K-800", "P-999", "S-500", "S-501", "S-502", "S-599", "SP4-1", "SP5-1", "SP6-1",
                          "SP7-1", "Z-300", "я-1", "ё-1"})
        fx.Article(a);
    fx.Article("VIRT", 1, {{"Virtual", 1}});
}

TFurnChoice AccessoryChoice()
{
    TFurnChoice choice = Choice("C");
    choice.Left.Props = QStringList{"0=2003"};
    return choice;
}

} // namespace

TEST(FurnResolution, StrikePlatesAccessoriesAndCompositesInArticleOrder)
{
    TFurnCatalog fx;
    BuildAccessoryCatalog(fx);
    TTestPosition p(Shape(0, 1234, 1500));
    p.Pos.SetFittings(FurnSys, ProfSys, AccessoryChoice());
    // C-400 cancelled out, VIRT is virtual; "ё" sorts before "я" in the stored code page.
    EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel),
              "A-200*2 B-100*2@1 D-800*6@1 D-801*2@1 K-600*2@1 K-700*2 S-500*2@1 S-501*2@1 Z-300*1@2 ё-1*1 я-1*1");
    const TvxfFurnComp& c = *p.Pos.LeftFlugel->FurnComp;
    for (const auto& item : c.Items) {
        EXPECT_TRUE(item->Origin.isEmpty());
        EXPECT_EQ(item->ComplectKey, "C");
    }
    EXPECT_EQ(c.Items[c.FindItem("K-600")]->Note, "n1");   // the source item's note
    EXPECT_EQ(c.FindItem("NONE"), -1);
    ExpectFiltersOff(fx);
}

TEST(FurnResolution, DebugModeKeepsEveryItemWithItsOrigin)
{
    TFurnCatalog fx;
    BuildAccessoryCatalog(fx);
    fx.Setup().DebugMode = true;
    TTestPosition p(Shape(0, 1234, 1500));
    p.Pos.SetFittings(FurnSys, ProfSys, AccessoryChoice());
    QMultiMap<QString, QString> origins;
    QStringList counts;
    for (const auto& item : p.Pos.LeftFlugel->FurnComp->Items) {
        origins.insert(item->Article, item->Origin);
        if (item->Article == "C-400")
            counts << QString::number(item->Count);
    }
    counts.sort();
    EXPECT_EQ(counts, (QStringList{"-3", "3"}));   // not merged, so nothing cancels out
    EXPECT_EQ(origins.values("B-100"), QStringList{"Комплект:C -> Элемент:E1 -> Артикул:B-100"});
    EXPECT_EQ(origins.values("A-200"), QStringList{"Комплект:C -> Элемент:E2 -> Элемент:P1 -> Артикул:A-200"});
    const QString plate = "Комплект:C -> Элемент:E1 -> Артикул:B-100 -> Элемент:SP -> Артикул:S-500";
    EXPECT_EQ(origins.values("S-500"), QStringList{plate});
    EXPECT_EQ(origins.values("K-600"), QStringList{plate + " -> Артикул:K-600"});
    EXPECT_EQ(origins.values("D-800"), QStringList{plate + " -> Артикул:K-600 -> Артикул:D-800"});
    EXPECT_EQ(origins.values("D-801"), QStringList{plate + " -> Артикул:D-801"});
    EXPECT_EQ(origins.values("K-700"),
              QStringList{"Комплект:C -> Элемент:E2 -> Элемент:P1 -> Артикул:A-200 -> Артикул:K-700"});
}

TEST(FurnComplect, AddItemMergesEqualItemsOutsideTheDebugMode)
{
    TFurnCatalog fx;
    fx.Article("VIRT", 1, {{"Virtual", 1}});
    TvxfFurnComp c(nullptr);
    c.AddItem("A", "C", "o1", false, 0, "n", 2, 1);
    c.AddItem("A", "C", "o2", false, 0, "n", 3, 1);     // merges
    c.AddItem("A", "C2", "", false, 0, "n", 1, 1);      // other component
    c.AddItem("A", "C", "", false, 1.5f, "n", 1, 1);    // other length
    c.AddItem("A", "C", "", false, 0, "n", 1, 2);       // other side
    c.AddItem("A", "C", "", false, 0, "m", 1, 1);       // other note
    c.AddItem("", "C", "", false, 0, "", 1, 0);         // no article
    c.AddItem("B", "C", "", false, 0, "", 0, 0);        // no count
    c.AddItem("VIRT", "C", "", false, 0, "", 1, 0);     // virtual article
    c.AddItem("A", "C", "d1", true, 0, "n", 4, 1);      // debug: appended with its origin
    QStringList got;
    for (const auto& i : c.Items)
        got << QStringLiteral("%1/%2/%3/%4/%5/%6/%7")
                   .arg(i->Article, i->ComplectKey, QString::number(double(i->Length)), QString::number(i->SideNo),
                        i->Note, QString::number(i->Count), i->Origin);
    EXPECT_EQ(got, (QStringList{"A/C/0/1/n/5/", "A/C2/0/1/n/1/", "A/C/1.5/1/n/1/", "A/C/0/2/n/1/", "A/C/0/1/m/1/",
                                "A/C/0/1/n/4/d1"}));
    EXPECT_EQ(c.Items[0]->Owner, &c);
    EXPECT_EQ(ErrorOf([&] { c.AddItem("A", "C", "", false, 0, "n", INT32_MAX, 1); }),
              "Количество артикула [A] выходит за допустимые пределы!");
    EXPECT_EQ(c.Items[0]->Count, 5);
}

// ---------------------------------------------------------------------------------------------
// Every resolution error.

TEST(FurnResolution, EveryErrorStopsTheResolutionWithItsMessage)
{
    const QString ce = "В БД наборов фурнитуры в комплекте [Комплект C]\r\nсодержится элемент фурнитуры [Элемент E],\r\n";
    const QString cond = ce + "для которого определены условия установки, зависящие от\r\n";
    const QString calc = ce + "который использует принцип расчета, зависящий от\r\n";
    const QString adjacent = cond + "длины стороны смежной створки.\r\n";
    using TSetup = std::function<void(TFurnCatalog&)>;
    using TEdit = std::function<void(TFurnChoice&)>;
    auto row = [](const TRow& r) -> TSetup { return [r](TFurnCatalog& fx) { fx.Set("C", "E", r); }; };
    const TEdit none = [](TFurnChoice&) {};
    const struct {
        const char* name;
        bool twoSashes;
        TSetup setup;
        TEdit edit;
        QString message;
        QString profSys = ProfSys;
    } cases[] = {
        {"main complect missing", false, row({}), [](TFurnChoice& c) { c.Left.Components.Complect = "NOPE"; },
         "Комплект фурнитуры [NOPE] не найден в документации!"},
        {"handle missing", false, row({}), [](TFurnChoice& c) { c.Left.Components.Handle = "NOH"; },
         "Комплект фурнитуры [NOH] не найден в документации!"},
        {"T-shaped sash", false, [](TFurnCatalog& fx) { fx.Comp("TH", {{"TFlugelAvailable", 0}}); },
         [](TFurnChoice& c) {
             c.OpenType = 402;
             c.Left.Components.Handle = "TH";
         },
         "Не допускается установка комплекта [TH] на T-образную створку!"},
        {"empty element", false, [](TFurnCatalog& fx) { fx.Set("C", ""); }, none,
         "В БД наборов фурнитуры в комплекте\r\n[Комплект C] содержится пустой элемент!"},
        {"adjacent article on one sash", false, row({{"UseIfArt", "A"}}), none,
         ce + "для которого определена ссылка на артикул смежной штульповой створки.\r\nКомплект для смежной створки "
              "еще не определен. Установите сначала комплект на соседнюю створку!"},
        {"bad FFL1No", false, row({{"FFL1No", 5}, {"FFL1Min", 1}}), none,
         cond + "длины стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен неверно!"},
        {"bad FFL2No", false, row({{"FFL2No", 0}, {"FFL2Max", 10}}), none,
         cond + "длины стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен неверно!"},
        {"bad FFR1No", false, row({{"FFR1No", 0}, {"FFR1Type", 2}}), none,
         cond + "радиуса стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен неверно!"},
        {"bad FFR2No", false, row({{"FFR2No", 5}, {"FFR2Min", 1}}), none,
         cond + "радиуса стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен неверно!"},
        {"bad FFANo", false, row({{"FFANo", 5}, {"FFAMin", 1}}), none,
         cond + "параметров угла, на который он устанавливается.\r\nНомер расчетного угла в условиях определен неверно!"},
        {"adjacent side on one sash", false, row({{"FFL21No", 1}, {"FFL21Min", 1}}), none,
         adjacent + "Смежная створка не установлена. Установите сначала створку."},
        {"bad FFL22No", true, row({{"FFL22No", 7}, {"FFL22Max", 100}}), none,
         adjacent + "Номер стороны смежной створки в условиях определен неверно!"},
        {"bad Side1No", false, row({{"Condition", 4}, {"Side1No", 0}}), none,
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны определен неверно!"},
        {"bad Side2No", false, row({{"Condition", 9}, {"Side2No", 5}}), none,
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны определен неверно!"},
        {"bad AngleNo", false, row({{"Condition", 7}, {"AngleNo", 5}}), none,
         calc + "угла, на котором он устанавливается.\r\nНомер расчетного угла определен неверно!"},
        {"bad side of scale 3", false, row({{"ScaleCondition", 3}, {"Side1No", 9}, {"ScaleStep", 1}}), none,
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 1-ой расчетной стороны определен неверно!"},
        {"bad side of scale 4", false, row({{"ScaleCondition", 4}, {"ScaleStep", 1}}), none,
         calc + "параметров стороны, на которую он устанавливается.\r\nНомер 2-ой расчетной стороны определен неверно!"},
        {"scale step 0", false, row({{"ScaleCondition", 1}}), none, ce + "имеющий масштабирование и шаг равный нулю!"},
        {"scale step 0 by side", false, row({{"ScaleCondition", 3}, {"Side1No", 1}}), none,
         ce + "имеющий масштабирование и шаг равный нулю!"},
        {"length below MinLen", false, row({{"UseLen", 1}, {"LenFormula", "FB - 1138.5"}, {"MinLen", 100}}), none,
         ce + "имеющий недопустимое расчетное значение длины 95.5 (Мин. допустимая длина = 100)!\r\n"
              "(Одна из возможных причин - установлена недопустимая высота ручки при расчете тяги)"},
        {"quantity overflow", false,
         row({{"ScaleCondition", 1}, {"ScaleStart", -32768}, {"ScaleStep", 1}, {"Number", 32767}, {"ScaleNum", 32767}}),
         none, ce + "количество которого выходит за допустимые пределы!"},
        {"merged quantity overflow", false,
         [](TFurnCatalog& fx) {
             const TRow big{{"ScaleCondition", 1}, {"ScaleStep", 1}, {"Number", 32767}, {"ScaleNum", 32767}};
             fx.Set("C", "E", big);
             fx.Set("C", "E", big);
         },
         none, "Количество артикула [A] выходит за допустимые пределы!"},
        {"element missing", false,
         [](TFurnCatalog& fx) {
             fx.Art("E9", "A");
             fx.Set("C", "E9");
         },
         none, "Элемент фурнитуры [E9] не найден в документации!"},
        {"no article for a required element", false,
         [](TFurnCatalog& fx) {
             fx.Item("E2");
             fx.Art("E2", "A2", {{"FFBMin", 0}, {"FFBMax", 10}});
             fx.Set("C", "E2", {{"Condition", 1}, {"Required", 1}});
         },
         none,
         "В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [Элемент E2]!\r\n\r\n"
         "Искомый запрос:\r\nFFBMin <= 123 and FFBMax >= 123 and ID='E2' "},
        {"alert text of a required element", false,
         [](TFurnCatalog& fx) {
             fx.Item("E2");
             fx.Art("E2", "A2", {{"FFBMin", 0}, {"FFBMax", 10}});
             fx.Set("C", "E2", {{"Condition", 1}, {"Required", 1}, {"AlertIfNoArt", "Нет подходящей ручки!"}});
         },
         none, "Нет подходящей ручки!"},
        {"empty article", false,
         [](TFurnCatalog& fx) {
             fx.Item("E3");
             fx.Art("E3", "");
             fx.Set("C", "E3");
         },
         none, "В БД артикулов фурнитуры найден пустой\r\nартикул для элемента фурнитуры [Элемент E3]!"},
        {"no profile system", false,
         [](TFurnCatalog& fx) {
             fx.Item("E4", {{"HasProfSys", 1}});
             fx.Art("E4", "A");
             fx.Set("C", "E4");
         },
         none, "Для комплекта фурнитуры [Комплект C]\r\nне указана система ответных планок!", ""},
        {"empty part of a composite", false,
         [](TFurnCatalog& fx) {
             fx.Add("FrnItoI.DB", {{"ID", "E"}, {"Item", ""}});
             fx.Set("C", "E");
         },
         none, "В составе составного элемента [Элемент E] содержится пустой элемент!"},
        {"Dornmass 0", false, row({}), [](TFurnChoice& c) { c.Left.Dorn = 202; }, "Не определена величина 'Дормасс'!"},
        {"Dornmass code missing", false, row({}), [](TFurnChoice& c) { c.Left.Dorn = 299; },
         "В БД параметров дорнмасса отсутствуют данные для кода [299]!"},
        {"rebate without values", false, row({}), [](TFurnChoice& c) { c.Falz = 102; },
         "В документации не установлены\r\nпараметры фальца 0/0-0!"},
        {"stulp code missing", true, row({}), [](TFurnChoice& c) { c.StulpType = 399; },
         "В БД типов штульпа отсутствуют данные для кода [399]!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TFurnCatalog fx;
        fx.Comp("C");
        fx.Item("E");
        fx.Art("E", "A");
        fx.Article("A");
        fx.Article("A2");
        c.setup(fx);
        TTestPosition p(c.twoSashes ? Shape(2, 1300, 1500, 600, 700) : Shape(0, 1234, 1500));
        TFurnChoice choice = Choice("C", c.twoSashes ? "C" : "");
        c.edit(choice);
        EXPECT_EQ(ErrorOf([&] { p.Pos.SetFittings(FurnSys, c.profSys, choice); }), c.message);
        // A complect created for the failed assignment is dropped again.
        EXPECT_EQ(p.Pos.LeftFlugel->FurnComp, nullptr);
        EXPECT_EQ(p.Pos.RightFlugel->FurnComp, nullptr);
        ExpectFiltersOff(fx);
    }
}

TEST(FurnResolution, SilentCasesOfArticleSelection)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Item("NOART");                                    // required, but no FrnArt row at all
    fx.Set("C", "NOART", {{"Required", 1}});
    fx.Item("OPT");                                      // rows, none fitting, not required
    fx.Art("OPT", "OPT-1", {{"FFBMax", 10}});
    fx.Article("OPT-1");
    fx.Set("C", "OPT", {{"Condition", 1}});
    fx.Item("E");
    fx.Art("E", "A");
    fx.Article("A");
    fx.Set("C", "E");
    TTestPosition p(Shape(0, 1234, 1500));
    p.Pos.SetFittings(FurnSys, ProfSys, Choice("C"));
    EXPECT_EQ(ItemsText(*p.Pos.LeftFlugel), "A*1");
}

// ---------------------------------------------------------------------------------------------
// Two sashes.

TEST(FurnComplect, StulpLayoutsAndTheSecondarySashRule)
{
    TFurnCatalog fx;
    fx.Comp("MAIN");
    fx.Element("MAIN", "M", "M-1");
    fx.Comp("SEC");
    fx.Element("SEC", "U", "U-1", {{"UseIfArt", "M-1"}});
    fx.Element("SEC", "V", "V-1", {{"UseIfArt", "NONE"}});
    fx.Element("SEC", "S", "S-1", {{"StulpType", 4}});
    fx.Element("SEC", "S6", "S6-1", {{"StulpType", 64}});

    // Layout 1: the right sash is resolved first, so the left one finds its article.
    TTestPosition p1(Shape(1, 1300, 1500, 600, 700));
    TvxfFlugel& left = *p1.Pos.LeftFlugel;
    TvxfFlugel& right = *p1.Pos.RightFlugel;
    const TFurnChoice choice = Choice("SEC", "MAIN");
    p1.Pos.SetFittings(FurnSys, ProfSys, choice);
    EXPECT_EQ(ItemsText(right), "M-1*1");
    EXPECT_EQ(ItemsText(left), "S-1*1 U-1*1");

    // Layout 0: the left sash comes first and its adjacent sash has no complect yet.
    TTestPosition p0(Shape(2, 1300, 1500, 600, 700));
    EXPECT_EQ(ErrorOf([&] { p0.Pos.SetFittings(FurnSys, ProfSys, choice); }).section("\r\n", 2, 2),
              "для которого определена ссылка на артикул смежной штульповой створки.");
    p0.Pos.SetFittings(FurnSys, ProfSys, Choice("MAIN", "SEC"));
    EXPECT_EQ(ItemsText(*p0.Pos.RightFlugel), "S-1*1 U-1*1");

    // The main sash changes its system: the secondary sash loses its fittings.
    right.SetFittings("351", ProfSys, choice.Color, choice.Right);
    EXPECT_EQ(left.FurnComp, nullptr);
    EXPECT_EQ(ItemsText(right), "M-1*1");
    // The secondary sash changes: the main one stays.
    p1.Pos.SetFittings(FurnSys, ProfSys, choice);
    left.SetFittings("352", ProfSys, choice.Color, choice.Left);
    EXPECT_EQ(right.FurnComp->FurnSys, FurnSys);
    EXPECT_EQ(ItemsText(right), "M-1*1");
    // The main sash loses its fittings: so does the secondary one.
    p1.Pos.SetFittings(FurnSys, ProfSys, choice);
    right.ClearFittings();
    EXPECT_EQ(left.FurnComp, nullptr);
    // Nothing chosen clears.
    p1.Pos.SetFittings(FurnSys, ProfSys, choice);
    p1.Pos.SetFittings(FurnSys, ProfSys, Choice("", ""));
    EXPECT_EQ(left.FurnComp, nullptr);
    EXPECT_EQ(right.FurnComp, nullptr);

    // A one-sash position never keeps fittings on its right sash.
    TTestPosition one(Shape(0, 1234, 1500));
    one.Pos.RightFlugel->FurnComp = std::make_unique<TvxfFurnComp>(one.Pos.RightFlugel.get());
    one.Pos.SetFittings(FurnSys, ProfSys, Choice("MAIN", "MAIN"));
    EXPECT_EQ(one.Pos.RightFlugel->FurnComp, nullptr);
    EXPECT_EQ(ItemsText(*one.Pos.LeftFlugel), "M-1*1");
    one.Pos.RightFlugel->FurnComp = std::make_unique<TvxfFurnComp>(one.Pos.RightFlugel.get());
    one.Pos.SetPreview(Choice("MAIN").Left, Choice("MAIN").Left);
    EXPECT_EQ(one.Pos.RightFlugel->FurnComp, nullptr);

    // A failing assignment on an existing complect keeps the complect with no items.
    EXPECT_FALSE(ErrorOf([&] { one.Pos.SetFittings(FurnSys, ProfSys, Choice("NOPE")); }).isEmpty());
    ASSERT_NE(one.Pos.LeftFlugel->FurnComp, nullptr);
    EXPECT_TRUE(one.Pos.LeftFlugel->FurnComp->Items.empty());
    EXPECT_EQ(one.Pos.LeftFlugel->FurnComp->Complect, "NOPE");
}

TEST(FurnComplect, PreviewAppliesSideRulesWithoutResolving)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Sides("C", 4, {{3, TRow{{"Handled", 1}, {"Banded", 1}}}});
    fx.Comp("H");
    fx.Element("C", "E", "A");
    TTestPosition p(Shape(2, 1300, 1500, 600, 700));
    TSashChoice left = Choice("C").Left;
    left.Components.Handle = "H";
    TSashChoice right;
    right.Components.Complect = "NOPE";   // never looked up by a preview
    p.Pos.SetPreview(left, right);
    ASSERT_NE(p.Pos.LeftFlugel->FurnComp, nullptr);
    EXPECT_TRUE(p.Pos.LeftFlugel->FurnComp->Items.empty());
    EXPECT_EQ(p.Pos.LeftFlugel->Line(2)->HandleHeight, 750);
    EXPECT_TRUE(p.Pos.LeftFlugel->Line(2)->Banded);
    EXPECT_EQ(p.Pos.RightFlugel->FurnComp->Complect, "NOPE");
    EXPECT_EQ(p.Pos.FurnSys, QString());   // the position's fields stay
}

// ---------------------------------------------------------------------------------------------
// Material lists and costs.

TEST(FurnComplect, MaterialListsAndCosts)
{
    TFurnCatalog fx;
    fx.Comp("C");
    fx.Element("C", "ROD", "R-1", {{"UseLen", 1}, {"LenFormula", "1250"}, {"Number", 2}}, 10.1234);
    fx.Element("C", "P", "P-1", {{"Number", 3}}, 0.3333);
    TTestPosition p(Shape(2, 1300, 1500, 600, 700));
    p.Pos.Num = 3;
    p.Pos.SetFittings(FurnSys, ProfSys, Choice("C", "C"));
    const TMatList& list = p.Pos.LeftFlugel->MatList;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1]->Article, "R-1");
    EXPECT_FLOAT_EQ(list[1]->Quantity, 2.5f);          // 1250 mm × 2 in metres
    EXPECT_EQ(list[1]->Price, TMoney::FromDouble(10.1234));
    EXPECT_EQ(list[1]->NetPrice, list[1]->Price);
    EXPECT_EQ(list[1]->Sum, TMoney::FromDouble(25.3085));
    EXPECT_FLOAT_EQ(list[0]->Quantity, 3.0f);
    EXPECT_EQ(list[0]->Sum, TMoney::FromDouble(0.9999));
    EXPECT_EQ(p.Pos.Cost, TMoney::FromDouble(2 * 26.3084));
    EXPECT_EQ(p.Pos.TotalCost(), TMoney::FromDouble(6 * 26.3084));

    // Prices are read again; a missing article stops the recalculation.
    p.Pos.LeftFlugel->FurnComp->AddItem("MISSING", "", "", false, 0, "", 1, 0);
    EXPECT_EQ(ErrorOf([&] { p.Pos.RecomputeCosts(); }),
              "В каталоге отсутствуют данные для [MISSING]!\r\n(Поиск [Наименование] через [Код])");
}
