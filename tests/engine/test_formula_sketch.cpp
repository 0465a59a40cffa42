#include "engine/VXFConstruction.h"
#include "foundation/VXError.h"
#include "TestSupport.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vx;

namespace {

std::unique_ptr<TvxfConstruction> TwoSashes()
{
    auto pos = std::make_unique<TvxfConstruction>();
    TShapeRecord s;
    s.Figure = 1;
    s.Width = 1300;
    s.Height = 1400;
    s.HX = 700;
    s.HY = 600;
    pos->BuildGeometry(s, 0);
    pos->LeftFlugel->Lines[2]->HandleHeight = 650;
    pos->RightFlugel->Lines[0]->HandleHeight = 700;
    return pos;
}

} // namespace

TEST(LengthFormula, VariablesAndFunctions)
{
    auto pos = TwoSashes();
    const TvxfFlugel& left = *pos->LeftFlugel;
    struct { const char* formula; double value; } cases[] = {
        {"FН", 1400},              // Cyrillic EN: the height
        {"FFН - 10", 1390},
        {"FRH", 1400},             // Latin H only in FRH
        {"FH", 0},                 // Latin H: an unknown name counts 0
        {"FFH", 0},
        {"FB + FFB + FRB", 2100},
        {"FL(2)", 700},
        {"ffl(1) / 2", 700},       // function names are upper-cased
        {"FL(5)", 0},              // a rectangle has four sides
        {"FL(0)", 0},
        {"FL(300)", 0},
        {"FG(3)", 650},
        {"FFG(1)", 0},
        {"FGA(1)", 700},           // handle height of the other sash
        {"FFGA(3)", 0},
        {"NOSUCH(1) + 2", 2},
        {"(FB - 2 * 12.5) / 2", 337.5},
        {"-FB", -700},
    };
    for (auto c : cases)
        EXPECT_DOUBLE_EQ(left.EvaluateFormula(QString::fromUtf8(c.formula)), c.value) << c.formula;
}

TEST(LengthFormula, TriangleSidesBeyondTheThirdAreZero)
{
    TvxfConstruction pos;
    TShapeRecord s;
    s.Figure = 5;
    s.Width = 600;
    s.Height = 800;
    pos.BuildGeometry(s, 0);
    EXPECT_DOUBLE_EQ(pos.LeftFlugel->EvaluateFormula("FL(1)"), 1000);
    EXPECT_DOUBLE_EQ(pos.LeftFlugel->EvaluateFormula("FL(3)"), 600);
    EXPECT_DOUBLE_EQ(pos.LeftFlugel->EvaluateFormula("FL(4)"), 0);
}

TEST(LengthFormula, MalformedFormulaNamesItsText)
{
    auto pos = TwoSashes();
    for (const char* bad : {"FB +", "(FB", "FB * / 2", "FB # 2"}) {
        try {
            pos->LeftFlugel->EvaluateFormula(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const EValtrixError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(bad))) << e.message().toStdString();
        }
    }
}

namespace {

// Renders the sash at 0.02 px per 0.1 mm with a 3 px pen and a 10 px margin.
QImage Render(const TvxfFlugel& f)
{
    QImage img(240, 330, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 3));
    f.Draw(p, 0.02, QPointF(10, 10));
    return img;
}

bool Dark(const QImage& img, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (qGray(img.pixel(x + dx, y + dy)) < 128)
                return true;
    return false;
}

} // namespace

TEST(SashSketch, OutlineOpeningSymbolAndArrows)
{
    TvxfConstruction pos;
    TShapeRecord s;
    s.Figure = 0;
    s.Width = 1000;
    s.Height = 1500;
    pos.BuildGeometry(s, 0);
    TvxfFlugel& f = *pos.LeftFlugel;
    // Outline 10..210 x 10..310 px; the centre is (110, 160).
    f.Lines[0]->OpenMode = true;
    f.Lines[0]->RotSide = 2;   // from the left side's ends to the right side's middle
    QImage plain = Render(f);
    EXPECT_TRUE(Dark(plain, 10, 200));    // left side
    EXPECT_TRUE(Dark(plain, 110, 10));    // top
    EXPECT_FALSE(Dark(plain, 110, 85));   // no symbol without a complect

    f.FurnComp = std::make_unique<TvxfFurnComp>(&f);
    QImage open = Render(f);
    EXPECT_TRUE(Dark(open, 110, 85));     // leg from the top-left corner to (210, 160)
    EXPECT_TRUE(Dark(open, 110, 235));    // leg from the bottom-left corner
    EXPECT_FALSE(Dark(open, 110, 160));
    f.Lines[0]->RotSide = 9;              // an invalid target side draws no symbol
    EXPECT_FALSE(Dark(Render(f), 110, 85));

    // Sliding arrow, 130 mm = 26 px wide around the centre, stop bar at its right end.
    f.FurnComp->ComplectImage = 4;
    QImage arrow = Render(f);
    EXPECT_TRUE(Dark(arrow, 110, 160));
    EXPECT_TRUE(Dark(arrow, 123, 157));
    EXPECT_FALSE(Dark(arrow, 97, 154));   // no bar at the left end
    f.FurnComp->ComplectImage = 5;
    EXPECT_TRUE(Dark(Render(f), 97, 157));
    f.FurnComp->ComplectImage = 0;
    EXPECT_FALSE(Dark(Render(f), 110, 160));
}

TEST(SashSketch, ArchDrawsAnArcNotAChord)
{
    TvxfConstruction pos;
    TShapeRecord s;
    s.Figure = 7;
    s.Width = 1000;
    s.Height = 1500;
    s.HX = 500;
    s.Radius1 = s.Radius2 = 500;
    pos.BuildGeometry(s, 0);
    QImage img = Render(*pos.LeftFlugel);
    EXPECT_TRUE(Dark(img, 110, 10));      // crown of the semicircle
    EXPECT_TRUE(Dark(img, 39, 39));       // on the arc at 45 degrees
    EXPECT_FALSE(Dark(img, 110, 110));    // no chord at the springing line
    EXPECT_TRUE(Dark(img, 10, 200));
}
