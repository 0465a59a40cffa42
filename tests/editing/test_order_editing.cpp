#include "TestSupport.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "db/VXDemoCatalog.h"
#include "editing/VXFittingsApply.h"
#include "editing/VXOrderEditing.h"
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace vx;

namespace {

// The demo catalog with its own settings file, created once for the suite.
class OrderEditing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = std::make_unique<QTemporaryDir>();
        Dir = Temp->path() + QStringLiteral("/demo");
        CreateDemoCatalog(Dir);
        TScriptedInteraction ui;
        TScopedUI scoped(&ui);
        Module = std::make_unique<TDM>();
        Module->ConnectCatalog(Dir);
        Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(Dir + QStringLiteral("/VXFurniture.ini"));
        SetDM(Module.get());
        SetSetup(Settings.get());
    }

    static void TearDownTestSuite()
    {
        SetSetup(nullptr);
        SetDM(nullptr);
        Module.reset();
        Settings.reset();
        Temp.reset();
    }

    void TearDown() override { FormatSettings() = SavedFormats; }

    TScriptedInteraction UI;
    TScopedUI Scoped{&UI};
    TFormatSettings SavedFormats = FormatSettings();

    static inline std::unique_ptr<QTemporaryDir> Temp;
    static inline QString Dir;
    static inline std::unique_ptr<TDM> Module;
    static inline std::unique_ptr<TvxfSetup> Settings;
};

void SetPrice(const char* article, double price)
{
    TTable& t = DM().T_Catalog;
    ASSERT_TRUE(t.Locate(QStringLiteral("ID"), article));
    t.Edit();
    t.FieldByName(QStringLiteral("Price"))->SetAsFloat(price);
    t.Post();
}

double PriceOf(const char* article)
{
    TTable& t = DM().T_Catalog;
    return t.Locate(QStringLiteral("ID"), article) ? t.FieldByName(QStringLiteral("Price"))->AsFloat() : -1;
}

// A one-sash window of the demo catalog with a tilt-turn or a triangle complect.
void AddWindow(TvxfOrder& order, const QString& posNo, const QString& furnSys, const QString& complect,
               const QString& handle, bool active = true)
{
    auto pos = std::make_unique<TvxfConstruction>(&order);
    pos->PosNo = posNo;
    pos->Active = active;
    TShapeRecord shape;
    shape.Width = 1000;
    shape.Height = 1400;
    pos->BuildGeometry(shape, 201);
    TFurnChoice c;
    c.Color = QStringLiteral("WHITE");
    c.Falz = 102;
    c.StulpType = 301;
    c.OpenType = 401;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left.Components.Complect = complect;
    c.Left.Components.Handle = handle;
    c.Left.Dorn = 201;
    c.Left.Props = QStringList{QStringLiteral("1=1011")};
    pos->SetFittings(furnSys, furnSys == QLatin1String("110") ? QStringLiteral("V70") : QStringLiteral("A70"), c);
    order.AddPosition(std::move(pos));
}

} // namespace

TEST_F(OrderEditing, NewOrderTakesTheSettingsTheSystemsBaseColoursAndEveryRate)
{
    Settings->DefInnerProfColor = QStringLiteral("OAK");   // not used for new orders
    TvxfOrder order;
    SetNewOrderDefaults(order);
    EXPECT_EQ(order.ProfSys, QStringLiteral("V70"));
    EXPECT_EQ(order.FurnSys, QStringLiteral("110"));
    EXPECT_EQ(order.InnerProfColor, QStringLiteral("WHITE"));
    EXPECT_EQ(order.OuterProfColor, QStringLiteral("WHITE"));
    EXPECT_EQ(order.FurnColor, QStringLiteral("SILVER"));
    EXPECT_EQ(order.Handle, QStringLiteral("VK-HANDLE"));
    EXPECT_EQ(order.FalzType, 102);
    EXPECT_EQ(order.DornType, 201);
    EXPECT_EQ(order.StulpFalzType, 301);
    EXPECT_EQ(order.FlugelType, 401);
    EXPECT_EQ(order.Currency, 1);
    EXPECT_FLOAT_EQ(order.NDSTax, 20);
    ASSERT_EQ(order.RateCount(), 3);
    EXPECT_EQ(order.Rate(0)->ID, 1);
    EXPECT_EQ(order.Rate(1)->ID, 2);
    EXPECT_FLOAT_EQ(order.Rate(1)->Rate, 98.5f);
    EXPECT_EQ(order.Rate(2)->ID, 3);

    // A system without a SysList row gives no colour.
    Settings->DefFurnSys = QStringLiteral("999");
    TvxfOrder other;
    SetNewOrderDefaults(other);
    EXPECT_TRUE(other.FurnColor.isEmpty());
    Settings->DefFurnSys = QStringLiteral("110");
}

TEST_F(OrderEditing, PublishingMakesTheOrdersRatesThePricingContext)
{
    TvxfOrder order;
    SetNewOrderDefaults(order);
    order.Currency = 2;
    order.NDSTax = 10;
    order.Rate(1)->Rate = 100;
    PublishOrderContext(order);
    EXPECT_EQ(Settings->CurrentCurrency, 2);
    EXPECT_FLOAT_EQ(Settings->CurrentNDSTax, 10);
    ASSERT_EQ(Settings->CurrentRates.size(), 3);
    EXPECT_EQ(Settings->CurrentRates[1], (TRateEntry{2, 100}));
    EXPECT_EQ(FormatSettings().CurrencyString, QStringLiteral("EUR"));
    EXPECT_EQ(FormatSettings().CurrencyDecimals, 4);
    // A rouble article now costs its price divided by the order's euro rate.
    order.Currency = 1;
    PublishOrderContext(order);
    const TMoney roubles = ArticlePrice(QStringLiteral("VK-4001-W"));
    order.Currency = 2;
    PublishOrderContext(order);
    EXPECT_EQ(ArticlePrice(QStringLiteral("VK-4001-W")), roubles / TMoney::FromInt(100));
}

TEST_F(OrderEditing, RecalculationTakesNewPricesAndStopsAtAFailingPosition)
{
    TvxfOrder order;
    SetNewOrderDefaults(order);
    PublishOrderContext(order);
    AddWindow(order, "1", "110", "VK-PO-L", "VK-HANDLE");
    AddWindow(order, "2", "110", "VK-PO-L", "VK-HANDLE", false);
    AddWindow(order, "3", "210", "AV-PO-L", "AV-HANDLE");
    AddWindow(order, "4", "110", "VK-PO-L", "VK-HANDLE");
    TMoney before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = order.Position(i)->Cost;

    const double oldPrice = PriceOf("VK-4001-W");
    SetPrice("VK-4001-W", oldPrice + 100);

    // Everything prices: the active rouble windows grow by the handle, the inactive one stays.
    TRecalcOutcome ok = RecalcActivePositions(order);
    EXPECT_FALSE(ok.Failed);
    EXPECT_EQ(ok.FailedIndex, -1);
    EXPECT_GT(order.Position(0)->Cost, before[0]);
    EXPECT_EQ(order.Position(1)->Cost, before[1]);
    EXPECT_EQ(order.Position(2)->Cost, before[2]);
    EXPECT_EQ(order.Position(3)->Cost, order.Position(0)->Cost);

    // Without the euro in the order's rates the third position fails: it keeps its prices and
    // material list, the fourth is not reached.
    SetPrice("VK-4001-W", oldPrice + 200);
    const TMoney after0 = order.Position(0)->Cost, after3 = order.Position(3)->Cost;
    const size_t mat2 = order.Position(2)->LeftFlugel->MatList.size();
    order.Rates.erase(order.Rates.begin() + 1);
    PublishOrderContext(order);
    TRecalcOutcome failed = RecalcActivePositions(order);
    SetPrice("VK-4001-W", oldPrice);
    EXPECT_TRUE(failed.Failed);
    EXPECT_EQ(failed.FailedIndex, 2);
    EXPECT_TRUE(failed.Message.endsWith(QStringLiteral("\r\n[Позиция: 3]"))) << failed.Message.toStdString();
    EXPECT_GT(order.Position(0)->Cost, after0);
    EXPECT_EQ(order.Position(2)->Cost, before[2]);
    EXPECT_EQ(order.Position(2)->LeftFlugel->MatList.size(), mat2);
    EXPECT_EQ(order.Position(3)->Cost, after3);
    EXPECT_TRUE(UI.Shown.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// The position dialog's OK and the fittings dialog's apply without their windows.

TEST(PositionBuild, LeftOutSizesAreFilledAsTheDialogsLinkedFieldsFillThem)
{
    using O = std::optional<int32_t>;
    using D = std::optional<double>;
    const struct {
        const char* name;
        TShapeInput in;
        int objType;
        int32_t width, height;
        double hx;
        int32_t hy;
        double radius;
    } cases[] = {
        {"window rectangle", {0, {}, {}, {}, {}, {}}, 0, 700, 1400, 0, 0, 0},
        {"door rectangle", {0, {}, {}, {}, {}, {}}, 1, 900, 2100, 0, 0, 0},
        {"stulp halves", {1, O(700), {}, {}, {}, {}}, 0, 700, 1400, 350, 350, 0},
        {"stulp with X", {2, O(700), {}, {}, D(300), {}}, 0, 700, 1400, 300, 400, 0},
        {"stulp with Y", {1, O(700), {}, O(500), {}, {}}, 0, 700, 1400, 200, 500, 0},
        {"stulp with X beyond B", {1, O(700), {}, {}, D(800), {}}, 0, 700, 1400, 800, 350, 0},
        {"trapezoid", {3, {}, O(1400), {}, {}, {}}, 0, 700, 1400, 700, 0, 0},
        {"half circle", {7, O(1000), {}, {}, {}, {}}, 0, 1000, 1400, 500, 0, 500},
        {"arch by rise", {7, O(1000), {}, {}, D(200), {}}, 0, 1000, 1400, 200, 0, 725},
        {"arch by radius", {7, O(1000), {}, {}, {}, D(625)}, 0, 1000, 1400, 250, 0, 625},
    };
    for (const auto& c : cases) {
        const TShapeRecord s = CompleteShape(c.in, c.objType);
        EXPECT_EQ(s.Width, c.width) << c.name;
        EXPECT_EQ(s.Height, c.height) << c.name;
        EXPECT_DOUBLE_EQ(s.HX, c.hx) << c.name;
        EXPECT_EQ(s.HY, c.hy) << c.name;
        EXPECT_FLOAT_EQ(s.Radius1, float(c.radius)) << c.name;
        EXPECT_EQ(s.Radius2, s.Radius1) << c.name;
    }
    // A radius under half the width becomes the half circle.
    TShapeRecord low = CompleteShape({7, 1000, {}, {}, {}, 400.0}, 0);
    ApplyRadiusMinimum(low);
    EXPECT_FLOAT_EQ(low.Radius1, 500);
    EXPECT_DOUBLE_EQ(low.HX, 500);
    EXPECT_EQ(DefaultPositionName(1, 5), QStringLiteral("Дверь с порогом: Комплект треугольный"));
    EXPECT_EQ(DefaultPosNo(2), QStringLiteral("003"));
}

TEST(PositionBuild, TakesTheOrdersCodesAndAFailureLeavesThePositionAsItWas)
{
    TNewPositionContext order;
    order.ProfSys = QStringLiteral("V70");
    order.FurnSys = QStringLiteral("110");
    order.FurnColor = QStringLiteral("SILVER");
    order.FalzType = 102;
    order.DornType = 202;
    order.StulpFalzType = 302;
    order.FlugelType = 401;
    TPositionInput in;
    in.PosNo = QStringLiteral("5");
    in.Name = QStringLiteral("Окно");
    in.Num = 3;
    in.Shape = CompleteShape({1, 1400, 1600, {}, {}, {}}, 0);

    TvxfConstruction pos;
    BuildPosition(order, in, pos);
    EXPECT_EQ(pos.PosNo, QStringLiteral("5"));
    EXPECT_EQ(pos.Num, 3);
    EXPECT_EQ(pos.Layout, 1);
    EXPECT_EQ(pos.Color, QStringLiteral("SILVER"));
    EXPECT_EQ(pos.StulpType, 302);
    EXPECT_EQ(pos.OpenType, 401);
    EXPECT_EQ(pos.LeftFlugel->Dorn, 202);
    EXPECT_EQ(pos.RightFlugel->Dorn, 202);

    // Sizes the dialog refuses, and a position already built: nothing changes.
    const struct {
        const char* name;
        TvxfConstruction* target;
        TShapeRecord shape;
        const char* message;
    } failures[] = {
        {"no width", nullptr, CompleteShape({0, 0, {}, {}, {}, {}}, 0), "Размеры B и H должны быть больше нуля!"},
        {"arch as high as the window", nullptr, CompleteShape({7, 1000, 400, {}, {}, {}}, 0),
         "Высота арки X должна быть меньше размера H!"},
        {"built twice", &pos, CompleteShape({0, {}, {}, {}, {}, {}}, 0), "Контур позиции уже построен!"},
    };
    for (const auto& f : failures) {
        TvxfConstruction fresh;
        TvxfConstruction& target = f.target ? *f.target : fresh;
        const QString posNo = target.PosNo;
        const uint8_t layout = target.Layout;
        const size_t points = target.LeftFlugel->Points.size();
        TPositionInput bad = in;
        bad.PosNo = QStringLiteral("9");
        bad.Shape = f.shape;
        try {
            BuildPosition(order, bad, target);
            ADD_FAILURE() << f.name;
        } catch (const EValtrixError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(f.message)) << f.name;
        }
        EXPECT_EQ(target.PosNo, posNo) << f.name;
        EXPECT_EQ(target.Layout, layout) << f.name;
        EXPECT_EQ(target.LeftFlugel->Points.size(), points) << f.name;
    }
}

TEST_F(OrderEditing, ApplyingFittingsChecksTheMainComplectsAndRestoresOnFailure)
{
    TvxfOrder order;
    SetNewOrderDefaults(order);
    PublishOrderContext(order);
    AddWindow(order, "1", "110", "VK-PO-L", "VK-HANDLE");
    TvxfConstruction& pos = *order.Position(0);
    const TMoney cost = pos.Cost;
    const size_t items = pos.LeftFlugel->FurnComp->Items.size();

    TFurnChoice c;
    c.Falz = 102;
    c.StulpType = 301;
    c.OpenType = 401;
    EXPECT_EQ(MissingComplectMessage(pos, c), QStringLiteral("Не указан комплект фурнитуры!"));
    TvxfConstruction two(&order);
    two.BuildGeometry(CompleteShape({1, 1400, 1600, {}, {}, {}}, 0), 201);
    EXPECT_EQ(MissingComplectMessage(two, c), QStringLiteral("Не указан левый комплект фурнитуры!"));
    c.Left.Components.Complect = QStringLiteral("VK-ST-P12");
    EXPECT_EQ(MissingComplectMessage(two, c), QStringLiteral("Не указан правый комплект фурнитуры!"));

    // «Вектор» hinges on a wooden rebate: the catalog refuses, the window keeps its fittings.
    c.Color = QStringLiteral("WHITE");
    c.Falz = 103;
    c.Left.Components.Complect = QStringLiteral("VK-PO-L");
    c.Left.Components.Hinge = QStringLiteral("VK-HINGE");
    c.Left.Dorn = 201;
    try {
        ApplyFittings(pos, QStringLiteral("110"), QStringLiteral("V70"), c);
        ADD_FAILURE() << "no error";
    } catch (const EValtrixError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Петли «Вектор» не предназначены"))) << e.message().toStdString();
    }
    EXPECT_EQ(pos.Falz, 102);
    EXPECT_EQ(pos.Cost, cost);
    ASSERT_TRUE(pos.LeftFlugel->FurnComp);
    EXPECT_EQ(pos.LeftFlugel->FurnComp->Items.size(), items);
    EXPECT_EQ(CodeOfText(QStringLiteral(" 102 ")), 102);
    EXPECT_EQ(CodeOfText(QStringLiteral("abc")), 0);
}
