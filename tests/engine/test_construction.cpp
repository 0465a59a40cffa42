#include "engine/VXFCatalogNames.h"
#include "engine/VXFConstruction.h"
#include "foundation/VXError.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace vx;

namespace {

TShapeRecord Shape(uint8_t figure, int w, int h, double hx = 0, int hy = 0, float r = 0)
{
    TShapeRecord s;
    s.Figure = figure;
    s.Width = w;
    s.Height = h;
    s.HX = hx;
    s.HY = hy;
    s.Radius1 = s.Radius2 = r;
    return s;
}

std::vector<double> Angles(const TvxfFlugel& f)
{
    std::vector<double> a;
    for (int i = 0; i < f.SideCount(); ++i)
        a.push_back(f.CornerAngle(i));
    return a;
}

std::pair<int, int> SizeOf(const TvxfFlugel& f)
{
    int32_t w, h;
    f.Size(w, h);
    return {w, h};
}

} // namespace

TEST(Construction, OutlinesOfEveryFigure)
{
    const double slope5 = std::atan2(1000.0, 600.0) * 180 / M_PI;  // figure-5 triangle, foot angle
    struct Case {
        uint8_t figure;
        double hx;
        std::vector<QPoint> corners;  // 0.1 mm
        std::vector<double> angles;
        std::pair<int, int> size;
    } cases[] = {
        {0, 0, {{0, 10000}, {0, 0}, {6000, 0}, {6000, 10000}}, {90, 90, 90, 90}, {600, 1000}},
        {3, 400, {{0, 10000}, {0, 6000}, {6000, 0}, {6000, 10000}},
         {90, 90 + std::atan2(6000.0, 6000.0) * 180 / M_PI, 45, 90}, {600, 1000}},
        {4, 400, {{0, 10000}, {0, 0}, {6000, 6000}, {6000, 10000}}, {90, 45, 135, 90}, {600, 1000}},
        {5, 0, {{0, 10000}, {6000, 0}, {6000, 10000}}, {slope5, 90 - slope5, 90}, {600, 1000}},
        {6, 0, {{0, 10000}, {0, 0}, {6000, 10000}}, {90, 90 - slope5, slope5}, {600, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.figure));
        TvxfConstruction pos;
        pos.BuildGeometry(Shape(c.figure, 600, 1000, c.hx), 205);
        const TvxfFlugel& f = *pos.LeftFlugel;
        EXPECT_EQ(pos.Layout, 2);
        EXPECT_EQ(f.Dorn, 205);
        EXPECT_FALSE(pos.RightFlugel->HasOutline());
        ASSERT_EQ(f.Points.size(), c.corners.size());
        for (size_t i = 0; i < c.corners.size(); ++i) {
            EXPECT_EQ(QPoint(f.Points[i]->X, f.Points[i]->Y), c.corners[i]) << i;
            EXPECT_EQ(f.Lines[i]->StartPoint, f.Points[i].get());
            EXPECT_EQ(f.Lines[i]->EndPoint, f.Points[(i + 1) % c.corners.size()].get());
        }
        std::vector<double> a = Angles(f);
        for (size_t i = 0; i < a.size(); ++i)
            EXPECT_NEAR(a[i], c.angles[i], 1e-9) << "corner " << i;
        EXPECT_EQ(SizeOf(f), c.size);
    }
}

TEST(Construction, SemicircularArchHasTheFullHeightAndTangentCorners)
{
    TvxfConstruction pos;
    pos.BuildGeometry(Shape(7, 1000, 1500, 500, 0, 500), 0);
    const TvxfFlugel& f = *pos.LeftFlugel;
    ASSERT_EQ(f.SideCount(), 4);
    EXPECT_TRUE(f.IsArc(1));
    EXPECT_TRUE(f.IsFullSemicircle(1));
    EXPECT_FALSE(f.IsPartialArc(1));
    EXPECT_FALSE(f.IsArc(0));
    EXPECT_FLOAT_EQ(f.Lines[1]->Center.X, 5000);
    EXPECT_FLOAT_EQ(f.Lines[1]->Center.Y, 5000);
    EXPECT_EQ(SizeOf(f), std::make_pair(1000, 1500));
    // The arc leaves the vertical sides along their own line.
    std::vector<double> a = Angles(f);
    EXPECT_NEAR(a[0], 90, 1e-9);
    EXPECT_NEAR(a[1], 180, 1e-9);
    EXPECT_NEAR(a[2], 180, 1e-9);
    EXPECT_NEAR(a[3], 90, 1e-9);
    int32_t w, h;
    pos.Size(w, h);
    EXPECT_EQ(w, 1000);
    EXPECT_EQ(h, 1500);
}

TEST(Construction, SegmentalArchCornersAndBox)
{
    // Rise 200 on a 1000 chord: radius (500² + 200²) / 400 = 725.
    TvxfConstruction pos;
    pos.BuildGeometry(Shape(7, 1000, 1500, 200, 0, 725), 0);
    const TvxfFlugel& f = *pos.LeftFlugel;
    EXPECT_TRUE(f.IsPartialArc(1));
    EXPECT_FLOAT_EQ(f.Lines[1]->Center.Y, 2000 + 5250);
    EXPECT_EQ(SizeOf(f), std::make_pair(1000, 1500));
    // Tangent angle at the springing: 90 + asin(500 / 725) measured from the vertical.
    double expected = 90 + std::asin(500.0 / 725.0) * 180 / M_PI;
    std::vector<double> a = Angles(f);
    EXPECT_NEAR(a[1], expected, 1e-4);
    EXPECT_NEAR(a[2], expected, 1e-4);

    // A radius shorter than half the chord puts the centre on the chord.
    TvxfConstruction flat;
    flat.BuildGeometry(Shape(7, 1000, 1500, 200, 0, 300), 0);
    EXPECT_FLOAT_EQ(flat.LeftFlugel->Lines[1]->Center.X, 5000);
    EXPECT_FLOAT_EQ(flat.LeftFlugel->Lines[1]->Center.Y, 2000);
}

TEST(Construction, TwoSashFiguresAreTwoRectangles)
{
    for (uint8_t figure : {uint8_t(1), uint8_t(2)}) {
        TvxfConstruction pos;
        pos.BuildGeometry(Shape(figure, 1300, 1400, 700, 500), 210);
        EXPECT_EQ(pos.Layout, figure == 1 ? 1 : 0);
        EXPECT_EQ(SizeOf(*pos.LeftFlugel), std::make_pair(700, 1400));
        EXPECT_EQ(SizeOf(*pos.RightFlugel), std::make_pair(500, 1400));
        EXPECT_EQ(pos.RightFlugel->Points[1]->X, 7000);
        EXPECT_EQ(pos.RightFlugel->Dorn, 210);
        int32_t w, h;
        pos.Size(w, h);
        EXPECT_EQ(w, 1200);  // the sashes' sum, not the record's width
        EXPECT_EQ(h, 1400);
        EXPECT_EQ(pos.LeftFlugel->AdjacentFlugel(), pos.RightFlugel.get());
        // Walk for reports: both sashes, then nothing.
        EXPECT_EQ(pos.FirstFlugel(), pos.LeftFlugel.get());
        EXPECT_EQ(pos.NextFlugel(), pos.RightFlugel.get());
        EXPECT_EQ(pos.NextFlugel(), nullptr);
    }
    TvxfConstruction one;
    one.BuildGeometry(Shape(0, 600, 800), 0);
    EXPECT_EQ(one.FirstFlugel(), one.LeftFlugel.get());
    EXPECT_EQ(one.NextFlugel(), nullptr);
}

TEST(Construction, EmptySashAndMissingSides)
{
    TvxfConstruction pos;
    EXPECT_EQ(SizeOf(*pos.LeftFlugel), std::make_pair(0, 0));
    EXPECT_EQ(pos.LeftFlugel->SideCount(), 0);
    EXPECT_EQ(pos.LeftFlugel->SideLength(0), -1);
    EXPECT_EQ(pos.LeftFlugel->HandledSide(), -1);
    EXPECT_EQ(pos.LeftFlugel->HandleHeight(), 0);
    pos.BuildGeometry(Shape(0, 600, 800), 0);
    EXPECT_THROW(pos.BuildGeometry(Shape(0, 600, 800), 0), EValtrixError);
    EXPECT_THROW(TvxfConstruction().BuildGeometry(Shape(0, 300000000, 800), 0), EValtrixError);
}

TEST(Construction, HandleHeightAndMark)
{
    TvxfConstruction pos;
    pos.BuildGeometry(Shape(0, 600, 1000), 0);
    TvxfFlugel& f = *pos.LeftFlugel;
    f.Lines[2]->Handled = true;  // right side, running down from (6000,0) to (6000,10000)
    f.SetHandleHeight(2, 400, 1);  // measured from the end (the bottom) upward
    EXPECT_EQ(f.HandledSide(), 2);
    EXPECT_EQ(f.HandleHeight(), 400);
    EXPECT_EQ(f.Lines[2]->HandleMark, QPoint(5990, 6000));  // 1 mm inside the sash
    f.SetHandleHeight(2, 400, 0);  // measured from the start (the top) downward
    EXPECT_EQ(f.Lines[2]->HandleMark, QPoint(5990, 4000));
    f.Lines[0]->HandleHeight = 77;
    f.SetHandleHeight(0, 500, 0);  // not handled: cleared
    EXPECT_EQ(f.Lines[0]->HandleHeight, 0);
    EXPECT_EQ(f.Lines[0]->HandleMark, QPoint());
}

TEST(Construction, CostsMaterialsAndInfoLines)
{
    TvxfConstruction pos;
    pos.BuildGeometry(Shape(1, 1200, 1400, 600, 600), 0);
    pos.Num = 3;
    pos.Cost = TMoney::FromRaw(12345);
    EXPECT_EQ(pos.TotalCost().raw(), 37035);

    auto item = [](const char* art, float q) {
        auto m = std::make_unique<TvxfMatListItem>();
        m->Article = QString::fromLatin1(art);
        m->Quantity = q;
        m->Sum = TMoney::FromInt(5);
        return m;
    };
    pos.LeftFlugel->MatList.push_back(item("A", 2));
    pos.LeftFlugel->MatList.push_back(item("B", 1));
    pos.RightFlugel->MatList.push_back(item("a", 1));
    pos.RightFlugel->MatList.push_back(item("A", 0.5f));
    std::vector<std::unique_ptr<TvxfMatListItem>> list;
    pos.CollectMaterials(list);
    pos.CollectMaterials(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->Article, "A");
    EXPECT_FLOAT_EQ(list[0]->Quantity, 15);  // (2 + 0.5) × 3, twice
    EXPECT_EQ(list[0]->Sum, TMoney::FromInt(5));
    EXPECT_EQ(list[2]->Article, "a");        // articles compare case-sensitively

    struct Names : TCatalogNames {
        QString ComponentName(const QString& id) const override { return id == "H0" ? QString() : "N:" + id; }
    } names;
    pos.LeftFlugel->FurnComp = std::make_unique<TvxfFurnComp>(pos.LeftFlugel.get());
    auto& c = *pos.LeftFlugel->FurnComp;
    c.Complect = "K1"; c.Handle = "H0"; c.Hinge = "B1"; c.Lock = "L1"; c.Drive = "D1";
    QStringList lines;
    pos.InfoLines(lines, names);
    EXPECT_EQ(lines, (QStringList{"N:K1", "N:B1", "N:D1"}));
}
