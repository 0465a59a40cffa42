#include "TestSupport.h"
#include "config/VXFSetupX.h"
#include "db/VXCatalogGenerator.h"
#include "db/VXDataModule.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurn.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace vx;

// The synthetic catalog of the benchmarks must resolve as a supplier's does: complects fit
// exactly their outlines, and sashes get a full, priced specification without a question.

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

struct TComplect {
    QString Id;
    int Group = 0, SubGroup = 0;
    QString System;
};

class GeneratedCatalogResolution : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = std::make_unique<QTemporaryDir>();
        GenerateCatalog(Temp->path() + QStringLiteral("/cat"), Params);
        OpenUI = std::make_unique<TScriptedInteraction>();
        TScopedUI scoped(OpenUI.get());
        Module = std::make_unique<TDM>();
        Module->ConnectCatalog(Temp->path() + QStringLiteral("/cat"));
        Module->OpenCatalog();
        Settings = std::make_unique<TvxfSetup>(Temp->path() + QStringLiteral("/absent/VXFurniture.ini"));
        SetDM(Module.get());
        SetSetup(Settings.get());
        QList<TRateEntry> rates;
        LoadRates(rates);
        Settings->SetOrderContext(1, 20, rates);
        TTable& comp = Module->T_FrnComp;
        for (comp.First(); !comp.Eof(); comp.Next())
            Complects.push_back({comp.FieldByName(QStringLiteral("ID"))->AsString(),
                                 comp.FieldByName(QStringLiteral("Group"))->AsInteger(),
                                 comp.FieldByName(QStringLiteral("SubGroup"))->AsInteger(),
                                 comp.FieldByName(QStringLiteral("CommonGrp"))->AsString()});
    }
    static void TearDownTestSuite()
    {
        SetSetup(nullptr);
        SetDM(nullptr);
        Module.reset();
        Settings.reset();
        OpenUI.reset();
        Temp.reset();
    }

    // The first component of a group and system.
    static QString Component(int group, const QString& system)
    {
        for (const TComplect& c : Complects)
            if (c.Group == group && c.System == system)
                return c.Id;
        return QString();
    }

    TScriptedInteraction UI;
    TScopedUI Scoped{&UI};

    static inline const TCatalogGenParams Params{};
    static inline std::unique_ptr<QTemporaryDir> Temp;
    static inline std::unique_ptr<TScriptedInteraction> OpenUI;
    static inline std::unique_ptr<TDM> Module;
    static inline std::unique_ptr<TvxfSetup> Settings;
    static inline std::vector<TComplect> Complects;
};

struct TWindow {
    TvxfOrder Order;
    TvxfConstruction Pos{&Order};
    explicit TWindow(const TShapeRecord& shape)
    {
        Order.OuterProfColor = GenColorId(0);
        Order.InnerProfColor = GenColorId(1);
        Pos.BuildGeometry(shape, 201);
    }
};

TFurnChoice Choice(const TGenSashChoice& g)
{
    TFurnChoice c;
    c.Color = g.Color;
    c.Falz = 102;
    c.StulpType = 301;
    c.OpenType = 400;
    c.ProfWidth = 70;
    c.Thickness = 70;
    c.Left.Components.Complect = g.Complect;
    c.Left.Components.Handle = g.Handle;
    c.Left.Components.Hinge = g.Hinge;
    c.Left.Dorn = c.Right.Dorn = 201;
    return c;
}

} // namespace

TEST_F(GeneratedCatalogResolution, MainComplectsFitExactlyTheirOutlines)
{
    const struct {
        const char* Kind;
        TShapeRecord Shape;
    } shapes[] = {
        {"rectangle", Shape(0, 800, 1400)},      {"rectangle", Shape(0, 600, 800)},
        {"rectangle", Shape(0, 900, 2100)},      {"trapezoid 3", Shape(3, 1000, 1400, 800)},
        {"trapezoid 4", Shape(4, 1000, 1400, 800)}, {"triangle 5", Shape(5, 1000, 1400)},
        {"triangle 6", Shape(6, 1000, 1400)},    {"full arch", Shape(7, 1000, 1400, 500, 0, 500)},
        {"partial arch", Shape(7, 1000, 1400, 200, 0, 725)},
    };
    QSet<QString> fitting;
    for (const auto& s : shapes) {
        TWindow w(s.Shape);
        QSet<QString> systems;
        for (const TComplect& c : Complects) {
            if (c.Group < 10 || c.Group > 12 || !ComplectFitsSash(*w.Pos.LeftFlugel, c.Id))
                continue;
            systems.insert(c.System);
            // One outline kind per complect.
            const QString kind = QString::fromLatin1(s.Kind);
            for (const auto& other : shapes) {
                if (QString::fromLatin1(other.Kind) == kind)
                    continue;
                TWindow o(other.Shape);
                EXPECT_FALSE(ComplectFitsSash(*o.Pos.LeftFlugel, c.Id)) << c.Id.toStdString() << " fits " << s.Kind
                                                                       << " and " << other.Kind;
            }
            fitting.insert(c.Id);
        }
        EXPECT_EQ(systems.size(), qsizetype(Params.Systems)) << s.Kind;   // every system has one
    }
    for (const TComplect& c : Complects) {
        if (c.Group >= 10 && c.Group <= 12) {
            EXPECT_TRUE(fitting.contains(c.Id)) << c.Id.toStdString() << " fits none of the outlines";
        }
    }
}

TEST_F(GeneratedCatalogResolution, SashesGetAFullPricedSpecification)
{
    for (int n = 0; n < 2 * Params.Systems; ++n) {
        const TGenSashChoice g = GenSashChoice(Params, n);
        SCOPED_TRACE(g.Complect.toStdString());
        TWindow w(Shape(0, 700 + 50 * n, 1000 + 60 * n));
        ASSERT_TRUE(ComplectFitsSash(*w.Pos.LeftFlugel, g.Complect));
        w.Pos.SetFittings(g.FurnSys, g.ProfSys, Choice(g));
        ASSERT_TRUE(w.Pos.LeftFlugel->FurnComp);
        const auto& items = w.Pos.LeftFlugel->FurnComp->Items;
        EXPECT_GE(items.size(), 15u);
        EXPECT_LE(items.size(), 40u);
        // Strike plates, accessories and colour covers came with the items; a rod has a length.
        QSet<QString> kinds;
        bool cut = false;
        for (const auto& item : items) {
            kinds.insert(ArticleName(item->Article).section(QLatin1Char(' '), 0, -2));
            cut = cut || item->Length > 0;
        }
        for (const char* kind : {"Привод", "Ответная планка", "Петля верхняя", "Ручка оконная", "Декоративная накладка",
                                 "Винт крепежный", "Заглушка"})
            EXPECT_TRUE(kinds.contains(QString::fromUtf8(kind))) << kind;
        EXPECT_TRUE(cut);
        TMoney sum;
        for (const auto& m : w.Pos.LeftFlugel->MatList) {
            EXPECT_GT(m->Price, TMoney()) << m->Article.toStdString();
            sum += m->Sum;
        }
        EXPECT_EQ(w.Pos.Cost, sum);
    }
    EXPECT_TRUE(UI.Shown.isEmpty()) << UI.texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(GeneratedCatalogResolution, EveryMainComplectResolvesOnItsOutline)
{
    const TShapeRecord shapes[] = {Shape(0, 800, 1400), Shape(0, 600, 800), Shape(0, 900, 2100),
                                   Shape(3, 1000, 1400, 800), Shape(4, 1000, 1400, 800), Shape(5, 1000, 1400),
                                   Shape(6, 1000, 1400), Shape(7, 1000, 1400, 500, 0, 500),
                                   Shape(7, 1000, 1400, 200, 0, 725)};
    int resolved = 0;
    for (const TComplect& c : Complects) {
        if (c.Group < 10 || c.Group > 12)
            continue;
        SCOPED_TRACE(c.Id.toStdString());
        TGenSashChoice g;
        g.FurnSys = c.System;
        g.ProfSys = QStringLiteral("P%1-1").arg(c.System.toInt() / 100 * 100);
        g.Color = QString();
        g.Handle = Component(30, c.System);
        g.Hinge = Component(20, c.System);
        if (c.SubGroup == 11 || c.SubGroup == 12) {
            // A stulp pair: the passive sash is set after the active one (right first).
            if (c.SubGroup == 12)
                continue;
            const int index = int(&c - Complects.data());
            const QString passive = Complects[size_t(index + Params.Systems)].Id;
            TWindow w(Shape(1, 1400, 1400, 700, 700));
            TFurnChoice choice = Choice(g);
            choice.Right.Components.Complect = c.Id;
            choice.Right.Components.Handle = g.Handle;
            choice.Right.Components.Hinge = g.Hinge;
            choice.Left.Components = TFurnComponents();
            choice.Left.Components.Complect = passive;
            choice.Left.Components.Hinge = g.Hinge;
            w.Pos.SetFittings(g.FurnSys, g.ProfSys, choice);
            EXPECT_GE(w.Pos.RightFlugel->FurnComp->Items.size(), 10u);
            EXPECT_GE(w.Pos.LeftFlugel->FurnComp->Items.size(), 5u);
            resolved += 2;
            continue;
        }
        bool done = false;
        for (const TShapeRecord& shape : shapes) {
            TWindow w(shape);
            if (!ComplectFitsSash(*w.Pos.LeftFlugel, c.Id))
                continue;
            g.Complect = c.Id;
            w.Pos.SetFittings(g.FurnSys, g.ProfSys, Choice(g));
            EXPECT_GE(w.Pos.LeftFlugel->FurnComp->Items.size(), 10u);
            done = true;
            ++resolved;
            break;
        }
        EXPECT_TRUE(done);
    }
    EXPECT_EQ(resolved, Params.MainComplects);
    EXPECT_TRUE(UI.Shown.isEmpty()) << UI.texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(GeneratedCatalogResolution, CachedAndUncachedTablesResolveAlike)
{
    // The same windows through a data module that reads every table with SQL.
    TDM plain;
    for (TTable* t : plain.CatalogTables())
        t->SetCached(false);
    plain.ConnectCatalog(Temp->path() + QStringLiteral("/cat"));
    ASSERT_TRUE(plain.OpenCatalog());
    auto resolveAll = [](TDM& dm) {
        SetDM(&dm);
        QStringList out;
        for (int n = 0; n < 3 * Params.Systems; ++n) {
            const TGenSashChoice g = GenSashChoice(Params, n);
            TWindow w(Shape(0, 500 + 37 * n, 600 + 53 * n));
            TFurnChoice c = Choice(g);
            c.Falz = 100 + n % 12;
            c.OpenType = 400 + n % 2;
            c.Left.Dorn = 200 + n % 9;
            w.Pos.SetFittings(g.FurnSys, g.ProfSys, c);
            QStringList items;
            for (const auto& m : w.Pos.LeftFlugel->MatList)
                items << QStringLiteral("%1*%2=%3").arg(m->Article).arg(double(m->Quantity)).arg(m->Sum.toString());
            out << items.join(QLatin1Char(' ')) + QStringLiteral(" | ") + w.Pos.Cost.toString();
        }
        return out;
    };
    const QStringList uncached = resolveAll(plain);
    const QStringList cached = resolveAll(*Module);
    EXPECT_EQ(cached, uncached);
    EXPECT_TRUE(UI.Shown.isEmpty()) << UI.texts().join(QLatin1Char('\n')).toStdString();
}
