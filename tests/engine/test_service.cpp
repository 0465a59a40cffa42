#include "CatalogFixture.h"
#include "TestSupport.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include <functional>
#include <gtest/gtest.h>

using namespace vx;

namespace {

// Rates as an order keeps them: singles. 98.7654 as a single is 98.76540374755859375, and
// that difference reaches the fourth decimal of large prices.
const QList<TRateEntry> RubContext{{1, 1.0f}, {2, 98.7654f}, {3, 91.37f}};

class CatalogService : public ::testing::Test {
protected:
    vxtest::TCatalogFixture fx;

    void SetUp() override
    {
        // Currency has no key: rows keep the order they were added in.
        fx.AddRows("Currency.DB",
                   {"ID", "Name", "Value", "Dec", "Nominative", "Genitive", "GenitivePlural", "Gender",
                    "DecNominative", "DecGenitive", "DecGenitivePlural", "DecGender"},
                   {{2, "EUR", 98.7654, 2, "евро", "евро", "евро", 0, "цент", "цента", "центов", 1},
                    {1, "руб", 1, 2, "рубль", "рубля", "рублей", 1, "копейка", "копейки", "копеек", 2},
                    {3, "USD", 91.37, 2, "доллар", "доллара", "долларов", 1, "цент", "цента", "центов", 1},
                    {4, "CHF", 104.5, 0, "франк", "франка", "франков", 1, "", "", "", 0}});
        fx.AddRows("PriceGrp.DB", {"GroupID", "Name", "Reduce_1", "Reduce_2"},
                   {{5, "Скидка 10", -10, 0}, {6, "Наценка", 12.35, 3}});
        fx.AddRows("Catalog.DB", {"ID", "Name", "Unit", "ProdArticle", "ProdArticle2", "UseArticle", "Price", "Currency", "PriceGrp", "Virtual"},
                   {{"E1", "Ручка оконная", "шт", "P-100", "P-100/2", 2, 12.3456, 2, 0, 0},
                    {"E1-5", "Ручка со скидкой", "шт", "P-105", "", 0, 12.3456, 2, 5, 0},
                    {"E1-6", "Ручка с наценкой", "шт", "P-106", "", 0, 12.3456, 2, 6, 0},
                    {"R-TIE", "Петля", "шт", "H-1", "H-1/2", 1, 1.2345, 1, 5, 0},
                    {"R-UP", "Петля верхняя", "шт", "H-2", "", 0, 1.2355, 1, 5, 0},
                    {"R2", "Тяга", "м", "T-1", "", 0, 12340.0112, 1, 0, 0},
                    {"U1", "Замок", "шт", "L-1", "", 0, 250.5, 3, 0, 0},
                    {"CHF1", "Цилиндр", "шт", "C-1", "", 0, 10, 4, 0, 0},
                    {"X9", "Накладка", "шт", "N-9", "", 0, 10, 9, 0, 0},
                    {"ZERO", "Заглушка", "шт", "Z-1", "", 0, 0, 4, 0, 0},
                    {"G7", "Ответная планка", "шт", "S-7", "", 0, 10, 1, 7, 0},
                    {"V1", "Виртуальный элемент", "", "", "", 0, 0, 1, 0, 1}});
        fx.SetOrderContext(1, RubContext);
    }
};

TvxfMatListItem Mat(const char* article)
{
    TvxfMatListItem item;
    item.Article = QString::fromUtf8(article);
    return item;
}

QString Raised(const std::function<void()>& call)
{
    try {
        call();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<nothing raised>");
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Prices

TEST_F(CatalogService, PricesAreConvertedAndGroupedToTheLastTenThousandth)
{
    const QList<TRateEntry> eurContext{{2, 98.7654f}, {1, 1.0f}, {3, 91.37f}};
    struct Case {
        const char* code;
        int currency;
        const char* expected;
    } cases[] = {
        // The article's single rate takes part as it is: 12.3456 × 98.7654 is 1219.3181...,
        // with the single's value it is 1219.31824...
        {"E1", 1, "1219.3182"},
        {"E1-5", 1, "1097.3864"},        // 90 %: 1097.38638
        {"E1-6", 1, "1369.9040"},        // + 12.35 %: 1369.90399...
        {"R-TIE", 1, "1.1110"},          // 1.11105: a tie goes to the even digit
        {"R-UP", 1, "1.1120"},           // 1.11195
        // The current rate is first rounded to currency (98.7654): with the single it would be
        // 124.9426.
        {"R2", 2, "124.9427"},
        {"U1", 2, "231.7430"},           // 250.5 × 91.37 (single) / 98.7654
        {"E1", 2, "12.3456"},
        {"ZERO", 1, "0.0000"},           // no rate needed for nothing
        {"V1", 1, "0.0000"},
    };
    for (const Case& c : cases) {
        fx.SetOrderContext(c.currency, c.currency == 1 ? RubContext : eurContext);
        EXPECT_EQ(ArticlePrice(c.code).toString(4), QString::fromLatin1(c.expected)) << c.code << " in currency " << c.currency;
    }
}

TEST_F(CatalogService, PriceRefusals)
{
    struct Case {
        const char* code;
        int currency;
        QList<TRateEntry> rates;
        QString message;
    } cases[] = {
        {"E1", 1, {{1, 0.0f}, {2, 98.7654f}}, "Значение текущей валюты = 0!"},
        {"ZERO", 1, {{1, 0.0f}}, "Значение текущей валюты = 0!"},
        // A currency missing from the order's rates would make the price negative.
        {"CHF1", 1, RubContext, "Для артикула [CHF1] не задан курс валюты [CHF]!"},
        {"X9", 1, RubContext, "Для артикула [X9] не задан курс валюты [9]!"},
        {"E1", 4, RubContext, "Не задан курс текущей валюты [CHF]!"},
        {"G7", 1, RubContext, "В каталоге ценовых групп отсутствуют данные для группы [7]!"},
    };
    for (const Case& c : cases) {
        fx.SetOrderContext(c.currency, c.rates);
        EXPECT_EQ(Raised([&] { ArticlePrice(c.code); }), c.message) << c.code;
        // Silence covers a missing article only.
        EXPECT_EQ(Raised([&] { ArticlePrice(c.code, true); }), c.message) << c.code;
    }
    fx.SetOrderContext(1, {{1, 0.0f}});
    EXPECT_EQ(ArticlePrice("NOPE", true), TMoney());
}

TEST_F(CatalogService, ConvertPriceAndPriceGroups)
{
    EXPECT_EQ(ConvertPrice(2, TMoney::FromInt(1), TMoney::FromDouble(12.3456)).toString(4), "1219.3182");
    EXPECT_EQ(ConvertPrice(1, TMoney::FromDouble(98.7654), TMoney::FromDouble(12340.0112)).toString(4), "124.9427");
    EXPECT_EQ(Raised([] { ConvertPrice(1, TMoney(), TMoney::FromInt(5)); }), "Значение текущей валюты = 0!");
    EXPECT_EQ(Raised([] { ConvertPrice(4, TMoney::FromInt(1), TMoney::FromInt(5)); }), "Не задан курс валюты [CHF]!");

    EXPECT_DOUBLE_EQ(PriceGroupReduce(6, 0), 12.35);   // index 0 reads Reduce_1
    EXPECT_DOUBLE_EQ(PriceGroupReduce(6, 1), 3);
}

TEST_F(CatalogService, PriceEditsAreSeenAtOnce)
{
    EXPECT_EQ(ArticlePrice("R2").toString(4), "12340.0112");
    TTable& t = fx.DM().T_Catalog;
    ASSERT_TRUE(t.Locate("ID", "R2"));
    t.Edit();
    t.FieldByName("Price")->SetAsCurrency(TMoney::FromDouble(7.77));
    t.FieldByName("PriceGrp")->SetAsInteger(5);
    t.Post();
    EXPECT_EQ(ArticlePrice("R2").toString(4), "6.9930");
}

// ---------------------------------------------------------------------------------------------
// Rates and currencies

TEST_F(CatalogService, RateListLookups)
{
    QList<TRateEntry> list;
    list.append({7, 3.5f});
    LoadRates(list);
    EXPECT_EQ(list, (QList<TRateEntry>{{2, 98.7654f}, {1, 1.0f}, {3, 91.37f}, {4, 104.5f}}));

    TRateList items;
    LoadRates(items);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[3]->ID, 4);
    EXPECT_EQ(items[0]->Rate, 98.7654f);

    EXPECT_EQ(RateOf(&list, 3), 91.37f);
    EXPECT_EQ(RateOf(&list, 8), -1.0f);
    EXPECT_EQ(RateOf(static_cast<const QList<TRateEntry>*>(nullptr), 3), 0.0f);
    EXPECT_EQ(RateIndex(&list, 3), 2);
    EXPECT_EQ(RateIndex(&list, 8), -1);
    EXPECT_EQ(RateIndex(static_cast<const QList<TRateEntry>*>(nullptr), 3), -1);
    EXPECT_EQ(RateOf(&items, 4), 104.5f);
    EXPECT_EQ(RateOf(&items, 8), -1.0f);
    EXPECT_EQ(RateOf(static_cast<const TRateList*>(nullptr), 4), 0.0f);
    EXPECT_EQ(RateIndex(&items, 1), 1);
    EXPECT_EQ(RateIndex(static_cast<const TRateList*>(nullptr), 1), -1);
}

TEST_F(CatalogService, CurrencyLookups)
{
    EXPECT_EQ(CurrencyName(3), "USD");
    EXPECT_EQ(CurrencyName(9), "");
    EXPECT_EQ(CurrencyDec(4), 0);
    EXPECT_EQ(CurrencyDec(9), 2);

    TCurrencyWordForms forms;
    CurrencyWords(1, forms);
    EXPECT_EQ(forms.Nominative, "рубль");
    EXPECT_EQ(forms.Genitive, "рубля");
    EXPECT_EQ(forms.GenitivePlural, "рублей");
    EXPECT_EQ(forms.Gender, 1);
    EXPECT_EQ(forms.Dec, 2);
    EXPECT_EQ(forms.DecNominative, "копейка");
    EXPECT_EQ(forms.DecGenitive, "копейки");
    EXPECT_EQ(forms.DecGenitivePlural, "копеек");
    EXPECT_EQ(forms.DecGender, 2);

    TCurrencyWordForms kept;
    kept.Nominative = "как было";
    kept.Dec = 3;
    CurrencyWords(9, kept);
    EXPECT_EQ(kept.Nominative, "как было");
    EXPECT_EQ(kept.Dec, 3);
}

// ---------------------------------------------------------------------------------------------
// Articles

TEST_F(CatalogService, ArticleLookups)
{
    EXPECT_EQ(ArticleProd("E1", 0), "P-100/2");    // UseArticle 2 picks the second article
    EXPECT_EQ(ArticleProd("R-TIE", 0), "H-1");
    EXPECT_EQ(ArticleProd("E1", 1), "P-100");
    EXPECT_EQ(ArticleProd("R-TIE", 2), "H-1/2");
    EXPECT_EQ(ArticleProd("E1", 3), "");

    TArticleInfo info = ArticleInfo("R2");
    EXPECT_EQ(info.ProdArticle, "T-1");
    EXPECT_EQ(info.ProdArticle2, "");
    EXPECT_EQ(info.Name, "Тяга");
    EXPECT_EQ(info.Unit, "м");
    EXPECT_EQ(ArticleUnit("R2"), "м");
    EXPECT_EQ(ArticleName("U1"), "Замок");

    EXPECT_EQ(ArticleField("U1", "ProdArticle").toString(), "L-1");
    EXPECT_EQ(ArticleField("U1", "currency").toInt(), 3);      // field names ignore case
    EXPECT_EQ(ArticleField("U1", "NoSuchField"), QVariant(QString()));
    EXPECT_EQ(ArticleField("", "Name"), QVariant(QString()));
    EXPECT_EQ(ArticleField("U1", ""), QVariant(QString()));

    EXPECT_TRUE(IsVirtualArticle("V1"));
    EXPECT_FALSE(IsVirtualArticle("U1"));
    EXPECT_FALSE(IsVirtualArticle("NOPE"));
    EXPECT_FALSE(IsVirtualArticle(""));

    // Codes compare exactly.
    EXPECT_TRUE(FindArticle("E1"));
    EXPECT_FALSE(FindArticle("e1"));
}

TEST_F(CatalogService, LookupsLeaveTheSharedTablesOnTheirRow)
{
    fx.Add("FrnComp.DB", {{"ID", "K1"}, {"Name", "Поворотно-откидной"}});
    fx.Add("FrnComp.DB", {{"ID", "K2"}, {"Name", "Поворотный"}});
    fx.AddRows("ParamList.DB", {"ID", "Name"}, {{101, "Фальц 1"}, {102, "Фальц 2"}});

    ASSERT_TRUE(FindArticle("R2"));
    EXPECT_EQ(fx.DM().T_Catalog.FieldByName("Name")->AsString(), "Тяга");
    ArticlePrice("U1");
    EXPECT_EQ(fx.DM().T_Catalog.FieldByName("ID")->AsString(), "U1");
    ComplectName("K2");
    EXPECT_EQ(fx.DM().T_FrnComp.FieldByName("ID")->AsString(), "K2");
    FalzName(102);
    EXPECT_EQ(fx.DM().T_FalzList.FieldByName("ID")->AsInteger(), 102);
    // A miss leaves the cursor where it was.
    EXPECT_FALSE(FindArticle("NOPE"));
    EXPECT_EQ(fx.DM().T_Catalog.FieldByName("ID")->AsString(), "U1");
}

// ---------------------------------------------------------------------------------------------
// Systems, colours, complects, parameter lists

TEST_F(CatalogService, SystemColourAndComplectLookups)
{
    fx.Add("COLORSET.DB", {{"Color", "WH"}, {"Name", "Белый"}});
    fx.Add("SysList.DB", {{"ID", "S1"}, {"Name", "Система 1"}, {"CommonGrp", 12}, {"BaseColor", "WH"}});
    fx.Add("SysProf.DB", {{"SchlSysID", "P58"}, {"FurnSysID", "S1"}, {"Name", "Профиль 58"}});
    fx.Add("FrnComp.DB", {{"ID", "K1"}, {"Name", "Поворотно-откидной"}, {"Group", 1}, {"Image", 14},
                          {"ScrColor", 255}, {"PrintName", "ПО комплект"}, {"Printable", 1}});
    fx.Add("FrnComp.DB", {{"ID", "K2"}, {"Name", "Поворотный"}, {"PrintName", "П"}, {"Printable", 0}});
    fx.AddRows("FrnSide.DB", {"ID", "Side", "HandleDirect"}, {{"K1", 1, 0}, {"K1", 2, 3}, {"K2", 2, 1}});

    EXPECT_EQ(ColorName("WH"), "Белый");
    EXPECT_EQ(ColorName("RD"), "");
    EXPECT_EQ(ColorName(""), "");
    EXPECT_EQ(SystemName("S1"), "Система 1");
    EXPECT_EQ(SystemName("S9"), "");
    EXPECT_EQ(SystemCommonGrp("S1"), 12);
    EXPECT_EQ(SystemBaseColor("S1"), "WH");
    EXPECT_EQ(SystemBaseColor("S9"), "");
    EXPECT_EQ(ProfSysName("P58"), "Профиль 58");
    EXPECT_EQ(ProfSysName("S1"), "");

    EXPECT_TRUE(FindComplect("K1"));
    EXPECT_FALSE(FindComplect("K9"));
    EXPECT_EQ(ComplectName("K1"), "Поворотно-откидной");
    QString name = "прежнее";
    EXPECT_TRUE(ComplectNameOpt("K2", name));
    EXPECT_EQ(name, "Поворотный");
    EXPECT_FALSE(ComplectNameOpt("K9", name));
    EXPECT_EQ(name, "");
    EXPECT_EQ(ComplectGroup("K1"), 1);
    EXPECT_EQ(ComplectGroup("K9"), 0);
    EXPECT_EQ(ComplectImage("K1"), 14);
    EXPECT_EQ(ComplectImage("K9"), 0);
    EXPECT_EQ(ComplectScrColor("K1"), 255);
    EXPECT_EQ(ComplectScrColor("K9"), 16777215);
    QString print;
    EXPECT_TRUE(ComplectPrint("K1", print));
    EXPECT_EQ(print, "ПО комплект");
    EXPECT_FALSE(ComplectPrint("K2", print));
    EXPECT_EQ(print, "П");
    EXPECT_FALSE(ComplectPrint("K9", print));
    EXPECT_EQ(print, "");
    EXPECT_EQ(SideHandleDirect("K1", 2), 3);
    EXPECT_EQ(SideHandleDirect("K2", 2), 1);
    EXPECT_EQ(SideHandleDirect("K2", 1), 0);
}

TEST_F(CatalogService, EachParameterListAnswersOnlyForItsOwnRange)
{
    fx.AddRows("ParamList.DB", {"ID", "Name", "FalzLuft", "FalzSize", "FalzPos", "DornMass", "StulpType", "OpenType"},
               {{150, "Фальц 12/20", 12, 20, 9, 0, 0, 0},
                {250, "Дорнмасс 7,5", 0, 0, 0, 7.5, 0, 0},
                {350, "Штульп 2", 0, 0, 0, 0, 2, 0},
                {450, "Откидная", 0, 0, 0, 0, 0, 3},
                {500, "Вне списков", 1, 1, 1, 1, 1, 1}});

    TFalzParams falz = FalzParams(150);
    EXPECT_EQ(falz.FalzLuft, 12);
    EXPECT_EQ(falz.FalzSize, 20);
    EXPECT_EQ(falz.FalzPos, 9);
    EXPECT_FLOAT_EQ(DornMass(250), 7.5f);
    EXPECT_EQ(StulpTypeOf(350), 2);
    EXPECT_EQ(OpenTypeOf(450), 3);
    EXPECT_EQ(FalzName(150), "Фальц 12/20");
    EXPECT_EQ(DornName(250), "Дорнмасс 7,5");
    EXPECT_EQ(StulpName(350), "Штульп 2");
    EXPECT_EQ(OpenName(450), "Откидная");

    // A code of another hundred, and a code of no list, are not found.
    for (int code : {150, 250, 350, 450, 500}) {
        EXPECT_EQ(FalzName(code), code == 150 ? "Фальц 12/20" : "") << code;
        EXPECT_EQ(DornName(code), code == 250 ? "Дорнмасс 7,5" : "") << code;
        EXPECT_EQ(StulpName(code), code == 350 ? "Штульп 2" : "") << code;
        EXPECT_EQ(OpenName(code), code == 450 ? "Откидная" : "") << code;
    }
    TFalzParams none = FalzParams(250, true);
    EXPECT_EQ(none.FalzLuft + none.FalzSize + none.FalzPos, 0);
    EXPECT_EQ(DornMass(150, true), 0.0f);
    EXPECT_EQ(StulpTypeOf(450, true), 0);
    EXPECT_EQ(OpenTypeOf(500, true), 0);
    // The views keep their ranges after the look-ups.
    EXPECT_EQ(fx.DM().T_FalzList.RecordCount(), 1);
    EXPECT_EQ(fx.DM().T_OpenList.RecordCount(), 1);
}

// ---------------------------------------------------------------------------------------------
// Messages of missing keys

TEST_F(CatalogService, NotFoundMessages)
{
    const QString noProd = "В каталоге отсутствуют данные для [NOPE]!\r\n(Поиск [Артикул производителя] через [Код])";
    const QString noName = "В каталоге отсутствуют данные для [NOPE]!\r\n(Поиск [Наименование] через [Код])";
    struct Case {
        const char* what;
        std::function<void()> call;
        QString message;
    } cases[] = {
        {"ArticleProd", [] { ArticleProd("NOPE", 0); }, noProd},
        {"ArticleProd mode 5", [] { ArticleProd("NOPE", 5); }, noProd},
        {"ArticleInfo", [] { ArticleInfo("NOPE"); }, noProd},
        {"ArticleUnit", [] { ArticleUnit("NOPE"); },
         "В каталоге отсутствуют данные для [NOPE]!\r\n(Поиск [Ед.изм] через [Код])"},
        {"ArticleName", [] { ArticleName("NOPE"); }, noName},
        {"ArticlePrice", [] { ArticlePrice("NOPE"); }, noName},
        {"ArticleField", [] { ArticleField("NOPE", "Name"); }, "В каталоге не найден материал с кодом [NOPE]!"},
        {"PriceGroupReduce", [] { PriceGroupReduce(77, 0); }, "В каталоге ценовых групп отсутствуют данные для группы [77]!"},
        {"SystemCommonGrp", [] { SystemCommonGrp("S9"); }, "В БД отсутствуют данные для системы [S9]!"},
        {"ComplectName", [] { ComplectName("K9"); }, "В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [K9]"},
        // 250 belongs to the Dornmass hundred.
        {"FalzParams", [] { FalzParams(250); }, "В БД параметров фальца отсутствуют данные для кода [250]!"},
        {"DornMass", [] { DornMass(150); }, "В БД параметров дорнмасса отсутствуют данные для кода [150]!"},
        {"StulpTypeOf", [] { StulpTypeOf(401); }, "В БД типов штульпа отсутствуют данные для кода [401]!"},
        {"OpenTypeOf", [] { OpenTypeOf(301); }, "В БД типов открываний створок отсутствуют данные для кода [301]!"},
        {"ByCatalogName", [] { ByCatalogName(Mat("E1"), Mat("NOPE")); }, noName},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Raised(c.call), c.message) << c.what;
}

TEST_F(CatalogService, SilentLookupsAnswerDefaultsButArticleUnitRaises)
{
    EXPECT_EQ(ArticleProd("NOPE", 0, true), "");
    TArticleInfo info = ArticleInfo("NOPE", true);
    EXPECT_TRUE(info.ProdArticle.isEmpty() && info.ProdArticle2.isEmpty() && info.Name.isEmpty() && info.Unit.isEmpty());
    EXPECT_EQ(ArticleName("NOPE", true), "");
    EXPECT_EQ(ArticlePrice("NOPE", true), TMoney());
    EXPECT_EQ(ArticleField("NOPE", "Name", true), QVariant(QString()));
    EXPECT_EQ(SystemCommonGrp("S9", true), 0);
    EXPECT_THROW(ArticleUnit("NOPE"), EValtrixError);
    EXPECT_TRUE(fx.UI.Shown.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Filters

TEST_F(CatalogService, PropertyFilter)
{
    fx.AddRows("FrnProp.db", {"PropKey", "ID"}, {{10, 1005}, {20, 1003}, {30, 2001}, {30, 2002}});
    struct Case {
        int key;
        QStringList chosen;
        int group;
        bool allowed;
    } cases[] = {
        {10, {"1=1005"}, 1, true},             // the chosen value is listed
        {20, {"1=1005"}, 1, false},            // only 1003 of the family 1000..1009 is listed
        {30, {"1=1005"}, 1, true},             // no value of that family is listed
        {40, {"1=1005"}, 1, true},             // the key lists nothing
        {20, {"2=1005"}, 1, true},             // lines of other groups do not count
        {20, {"1=2001", "1=1005"}, 1, false},  // every line of the group is tried
        {30, {"1=2009", "1=1005"}, 1, false},
        {20, {"0=1009"}, 0, false},
        {20, {}, 1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PropAllowed(c.key, c.chosen, c.group), c.allowed) << c.key << " " << c.chosen.join(',').toStdString();
        EXPECT_FALSE(fx.DM().T_FrnProp.Filtered());
        EXPECT_EQ(fx.DM().T_FrnProp.RecordCount(), 4);
    }
}

TEST(CatalogServiceScale, ScaleCount)
{
    struct Case {
        const char* scheme;
        int length;
        int count;
    } cases[] = {
        {"400;600;x;800", 700, 2},
        {"", 700, 0},
        {"", 0, 0},
        {"700", 700, 1},         // a step at the length counts
        {"-1;500", 600, 1},      // -1 is no step
        {"-1", 0, 0},
        {"-5;3", 0, 1},
        {"400;;600;", 1000, 2},
        {" 400 ;600", 500, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleCount(c.scheme, c.length), c.count) << c.scheme << " / " << c.length;
}

TEST_F(CatalogService, OrderByCatalogName)
{
    const TvxfMatListItem handle = Mat("E1"), hinge = Mat("R-TIE"), hingeTop = Mat("R-UP"), sameName = Mat("E1");
    EXPECT_EQ(ByCatalogName(handle, hinge), 1);     // "Ручка оконная" after "Петля"
    EXPECT_EQ(ByCatalogName(hinge, handle), -1);
    EXPECT_EQ(ByCatalogName(hinge, hingeTop), -1);
    EXPECT_EQ(ByCatalogName(handle, sameName), 0);
}
