#include "TestSupport.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "editing/VXOrderEditing.h"
#include "editing/VXPositionBuild.h"
#include "editing/VXSetFurnLogic.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "model/VXFOrder.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vx;

TEST(SetFurnLogic, GroupCodesAndSubGroups)
{
    const TGroupCodes window = GroupCodesOf(0), door = GroupCodesOf(1);
    EXPECT_EQ(window.Complect, (QList<int>{10, 12}));
    EXPECT_EQ(door.Complect, (QList<int>{11, 12}));
    EXPECT_EQ(GroupCondition(door.Handle), QStringLiteral("(Group=31 or Group=33 or Group=34 or Group=32)"));
    EXPECT_EQ(GroupCondition(window.Lock), QStringLiteral("(Group=40 or Group=42)"));

    struct TCase { int Layout; bool Right; std::array<int, 3> Sub; bool Main; };
    for (const TCase& c : {TCase{2, false, {0, 0, 0}, true}, TCase{0, false, {11, 11, 11}, true},
                           TCase{0, true, {22, 23, 24}, false}, TCase{1, true, {21, 21, 21}, true},
                           TCase{1, false, {12, 13, 14}, false}}) {
        EXPECT_EQ(ComplectSubGroups(c.Layout, c.Right), c.Sub) << c.Layout << c.Right;
        EXPECT_EQ(IsMainSash(c.Layout, c.Right), c.Main) << c.Layout << c.Right;
    }
}

TEST(SetFurnLogic, FilterTexts)
{
    const TSystemGroup sys = SystemGroupOf(110);
    EXPECT_EQ(sys.Family, 100);
    EXPECT_EQ(ComplectFilter(sys, 10, ComplectSubGroups(1, false), 1),
              QStringLiteral("(CommonGrp=110 or CommonGrp=100 or CommonGrp=0) and (Group=10 or Group=12) and "
                             "(SubGroup=12 or SubGroup=13 or SubGroup=14) and Use=1 and (Material=1 or Material=0)"));
    const TGroupCodes door = GroupCodesOf(1);
    EXPECT_TRUE(LockFilter(sys, door, 33, 1).contains(QStringLiteral("(Group=41 or Group=43 or Group=42)")));
    EXPECT_TRUE(LockFilter(sys, door, 34, 1).contains(QStringLiteral("(Group=41 or Group=44 or Group=42)")));
    EXPECT_TRUE(LockFilter(sys, GroupCodesOf(0), 31, 1).contains(QStringLiteral("(Group=40 or Group=42)")));
    EXPECT_EQ(HingeFilter(sys, GroupCodesOf(0), 2),
              QStringLiteral("(CommonGrp=110 or CommonGrp=100 or CommonGrp=0) and (Group=20 or Group=22) and Use=1 and "
                             "(Material=2 or Material=0)"));
    EXPECT_EQ(LatchFilter(sys), QStringLiteral("(CommonGrp=110 or CommonGrp=100 or CommonGrp=0) and Group=46 and Use=1"));
    EXPECT_EQ(ProfSysListFilter(QStringLiteral("210")), QStringLiteral("FurnSysID='200'"));
    EXPECT_TRUE(ProfSysListFilter(QString()).isEmpty());
}

TEST(SetFurnLogic, PropertyRowsDefaultsAndChoices)
{
    // Handle (category 1) with one family returned in order, complect (category 0) with two;
    // a key of no chosen component leaves its category empty.
    const QList<TPropQueryRow> rows = {
        {120, "Ручка", "A", false, 7}, {121, "Ручка", "B", false, 7}, {122, "Ручка", "C", false, 7},
        {123, "Ручка", "D", false, 7}, {1051, "Проветривание", "без", false, 5},
        {1052, "Проветривание", "с", true, 5}, {1061, "Защита", "базовая", false, 5}};
    const std::array<int, FurnPartCount> keys{5, 7, 0, 0, 0, 0, 0};
    TPropCategories cats = BuildPropRows(rows, keys);
    ASSERT_EQ(cats[1].size(), 1);
    EXPECT_EQ(cats[1][0].GroupID, 120);
    EXPECT_EQ(cats[1][0].Values, (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(cats[1][0].Value, 0);
    ASSERT_EQ(cats[0].size(), 2);
    EXPECT_EQ(cats[0][0].Value, 1);   // the default, not the first
    EXPECT_TRUE(cats[2].isEmpty());

    cats[1][0].Value = 2;
    EXPECT_EQ(StorePropChoices(cats), (QStringList{"0=1052", "0=1061", "1=122"}));

    // Restoring: a known value is taken; another family's ID, a foreign category or junk change nothing.
    RestorePropChoices(cats, {"0=1051", "1=1051", "1=129", "x=1", "3=120"});
    EXPECT_EQ(StorePropChoices(cats), (QStringList{"0=1051", "0=1061", "1=122"}));
}

// The catalog parts on the demo catalog.
class SetFurnCatalog : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = new QTemporaryDir;
        const QString catalog = Temp->path() + QStringLiteral("/catalog");
        CreateDemoCatalog(catalog);
        Settings = new TvxfSetup(catalog + QStringLiteral("/VXFurniture.ini"));
        SetSetup(Settings);
        Module = new TDM;
        SetDM(Module);
        Module->ConnectCatalog(catalog);
        ASSERT_TRUE(Module->OpenCatalog());
    }
    static void TearDownTestSuite()
    {
        SetDM(nullptr);
        delete Module;
        SetSetup(nullptr);
        delete Settings;
        delete Temp;
    }

    // A position of the order built from the demo defaults.
    std::unique_ptr<TvxfConstruction> Position(int figure, int width, int height, double hx = 0, int hy = 0,
                                               int objType = 0)
    {
        SetNewOrderDefaults(Order);
        PublishOrderContext(Order);
        auto pos = std::make_unique<TvxfConstruction>(&Order);
        TPositionInput in;
        in.PosNo = QStringLiteral("001");
        in.ObjType = uint8_t(objType);
        TShapeInput shape;
        shape.Figure = figure;
        shape.Width = width;
        shape.Height = height;
        if (hx != 0)
            shape.HX = hx;
        if (hy != 0)
            shape.HY = hy;
        in.Shape = CompleteShape(shape, objType);
        BuildPosition(TNewPositionContext::OfOrder(Order), in, *pos);
        return pos;
    }

    static QStringList Keys(const QList<TListRow>& rows)
    {
        QStringList keys;
        for (const TListRow& r : rows)
            keys.append(r.Key);
        keys.sort();
        return keys;
    }

    TvxfOrder Order;
    static QTemporaryDir* Temp;
    static TvxfSetup* Settings;
    static TDM* Module;
};

QTemporaryDir* SetFurnCatalog::Temp = nullptr;
TvxfSetup* SetFurnCatalog::Settings = nullptr;
TDM* SetFurnCatalog::Module = nullptr;

TEST_F(SetFurnCatalog, MainComplectListAdmitsOnlyFittingComplects)
{
    const TSystemGroup sys = SystemGroupOf(SystemCommonGrp(QStringLiteral("110")));
    const auto window = Position(0, 1000, 1400);
    EXPECT_EQ(Keys(ComplectRows(ComplectFilter(sys, 10, ComplectSubGroups(2, false), 1), *window->LeftFlugel)),
              (QStringList{"VK-P-L", "VK-P-R", "VK-PO-L", "VK-PO-R"}));
    const auto arch = Position(7, 1200, 1800, 600);
    EXPECT_EQ(Keys(ComplectRows(ComplectFilter(sys, 10, ComplectSubGroups(2, false), 1), *arch->LeftFlugel)),
              (QStringList{"VK-ARCH-L", "VK-ARCH-R"}));
    // Stulp window, main right: the secondary left sash gets the passive complects only.
    const auto stulp = Position(1, 1400, 1600, 700, 700);
    ASSERT_EQ(stulp->Layout, 1);
    EXPECT_EQ(Keys(ComplectRows(ComplectFilter(sys, 10, ComplectSubGroups(1, false), 1), *stulp->LeftFlugel)),
              (QStringList{"VK-ST-P12"}));
    EXPECT_EQ(Keys(ComplectRows(ComplectFilter(sys, 10, ComplectSubGroups(1, true), 1), *stulp->RightFlugel)),
              (QStringList{"VK-ST-M21"}));
    // The table is left without the filter.
    EXPECT_FALSE(DM().T_FrnComp.Filtered());
    EXPECT_TRUE(FilteredRows(DM().T_FrnComp, QStringLiteral("Nonsense=="), "ID", "Name").isEmpty());
    EXPECT_FALSE(DM().T_FrnComp.Filtered());
}

TEST_F(SetFurnCatalog, PropertyQueryOnTheCatalog)
{
    std::array<int, FurnPartCount> keys{};
    keys[fpComplect] = ComponentPropKey(QStringLiteral("AV-PO-L"));
    keys[fpHandle] = ComponentPropKey(QStringLiteral("VK-HANDLE"));
    ASSERT_NE(keys[fpHandle], 0);
    TPropCategories cats = BuildPropRows(ReadPropRows(keys), keys);
    ASSERT_EQ(cats[fpHandle].size(), 1);
    EXPECT_EQ(cats[fpHandle][0].Caption, QStringLiteral("Исполнение ручки"));
    EXPECT_EQ(cats[fpHandle][0].Values.size(), 3);
    EXPECT_EQ(cats[fpComplect].size(), 2);
    EXPECT_EQ(StorePropChoices(cats), (QStringList{"0=1051", "0=1061", "1=1011"}));
    EXPECT_EQ(ComponentPropKey(QString()), 0);
}
