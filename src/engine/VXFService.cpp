#include "engine/VXFService.h"
#include "db/VXDataModule.h"
#include "foundation/VXError.h"
#include <cmath>
#include <cstdint>

namespace vx {

namespace {

// Sets a filter on a shared table for one scope and puts the previous filter state back on
// every exit, errors included.
class TScopedTableFilter {
public:
    TScopedTableFilter(TTable& table, const QString& filter)
        : Table(table), OldFilter(table.Filter()), OldFiltered(table.Filtered())
    {
        Table.SetFilter(filter);
        Table.SetFiltered(true);
    }
    ~TScopedTableFilter()
    {
        try {
            if (OldFiltered) {
                Table.SetFilter(OldFilter);
            } else {
                Table.SetFiltered(false);
                Table.SetFilter(OldFilter);
            }
        } catch (...) {
            // A destructor must not throw; the table keeps whatever state it reached.
        }
    }
    TScopedTableFilter(const TScopedTableFilter&) = delete;
    TScopedTableFilter& operator=(const TScopedTableFilter&) = delete;

private:
    TTable& Table;
    QString OldFilter;
    bool OldFiltered;
};

QString NoArticleData(const QString& code, const QString& what)
{
    return QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [%2] через [Код])").arg(code, what);
}

QString ProdArticleNotFound(const QString& code)
{
    return NoArticleData(code, QStringLiteral("Артикул производителя"));
}

TField* CatalogField(const char* name)
{
    return DM().T_Catalog.FieldByName(QLatin1String(name));
}

// The fields every priced item reads, found once per layout of the table.
TField* CatalogField(TFieldRef& field)
{
    return field.Of(DM().T_Catalog);
}
TFieldRef PriceField("Price"), CurrencyCodeField("Currency"), PriceGrpField("PriceGrp"), VirtualField("Virtual");

// value / divisor rounded to the nearest integer, ties to even; divisor > 0.
int64_t DivRoundHalfEven(__int128 value, __int128 divisor)
{
    __int128 q = value / divisor;
    __int128 r = value % divisor;
    if (r < 0) {          // floor division
        q -= 1;
        r += divisor;
    }
    __int128 twice = r * 2;
    if (twice > divisor || (twice == divisor && (q & 1) != 0))
        q += 1;
    if (q > INT64_MAX || q < INT64_MIN)
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    return int64_t(q);
}

int BitLength(unsigned __int128 v)
{
    int n = 0;
    while (v) {
        v >>= 1;
        ++n;
    }
    return n;
}

// raw × rate / divisorRaw × 10000, rounded once to four decimals, ties to even. The single
// rate is an exact binary fraction, so the quotient is computed exactly when it fits.
int64_t ScaleRaw(int64_t raw, float rate, int64_t divisorRaw)
{
    if (divisorRaw < 0) {
        divisorRaw = -divisorRaw;
        raw = -raw;
    }
    if (raw == 0 || rate == 0)
        return 0;
    int exp = 0;
    float mant = std::frexp(rate, &exp);
    const int64_t m = int64_t(std::ldexp(mant, 24));   // rate = m × 2^(exp - 24), exactly
    const int e = exp - 24;
    __int128 num = __int128(raw) * m * TMoney::Scale;   // < 2^101
    __int128 den = divisorRaw;
    if (e >= 0) {
        if (BitLength(num < 0 ? -num : num) + e <= 125) {
            num <<= e;
            return DivRoundHalfEven(num, den);
        }
    } else if (BitLength(den) - e <= 125) {
        den <<= -e;
        return DivRoundHalfEven(num, den);
    }
    return RoundHalfEven(static_cast<long double>(raw) * rate * TMoney::Scale / divisorRaw);
}

QString CurrencyTitle(int currency)
{
    QString name = CurrencyName(currency).trimmed();
    return name.isEmpty() ? QString::number(currency) : name;
}

} // namespace

// =============================================================================================
// Articles

bool FindArticle(const QString& code)
{
    if (code.isEmpty())
        return false;
    return DM().T_Catalog.Locate(QStringLiteral("ID"), code);
}

QString ArticleProd(const QString& code, int mode, bool silent)
{
    if (!FindArticle(code)) {
        if (!silent)
            throw EValtrixError(ProdArticleNotFound(code));
        return QString();
    }
    switch (mode) {
    case 0:
        if (CatalogField("UseArticle")->AsInteger() == 2)
            return CatalogField("ProdArticle2")->AsString();
        return CatalogField("ProdArticle")->AsString();
    case 1:
        return CatalogField("ProdArticle")->AsString();
    case 2:
        return CatalogField("ProdArticle2")->AsString();
    default:
        return QString();
    }
}

TArticleInfo ArticleInfo(const QString& code, bool silent)
{
    TArticleInfo info;
    if (!FindArticle(code)) {
        if (!silent)
            throw EValtrixError(ProdArticleNotFound(code));
        return info;
    }
    info.ProdArticle = CatalogField("ProdArticle")->AsString();
    info.ProdArticle2 = CatalogField("ProdArticle2")->AsString();
    info.Name = CatalogField("Name")->AsString();
    info.Unit = CatalogField("Unit")->AsString();
    return info;
}

QString ArticleUnit(const QString& code)
{
    if (!FindArticle(code))
        throw EValtrixError(NoArticleData(code, QStringLiteral("Ед.изм")));
    return CatalogField("Unit")->AsString();
}

QString ArticleName(const QString& code, bool silent)
{
    if (!FindArticle(code)) {
        if (!silent)
            throw EValtrixError(NoArticleData(code, QStringLiteral("Наименование")));
        return QString();
    }
    return CatalogField("Name")->AsString();
}

TMoney ArticlePrice(const QString& code, bool silent)
{
    TvxfSetup& setup = Setup();
    const QList<TRateEntry>& rates = setup.CurrentRates;
    const bool currentKnown = RateIndex(&rates, setup.CurrentCurrency) >= 0;
    const TMoney current = TMoney::FromDouble(RateOf(&rates, setup.CurrentCurrency));

    if (!FindArticle(code)) {
        if (!silent)
            throw EValtrixError(NoArticleData(code, QStringLiteral("Наименование")));
        return TMoney();
    }
    const TMoney price = CatalogField(PriceField)->AsCurrency();
    const int currency = CatalogField(CurrencyCodeField)->AsInteger();
    const int group = CatalogField(PriceGrpField)->AsInteger();

    // A rate missing from the order's list would give a negative price (the list answers -1):
    // such a price is refused. A zero price needs no rate.
    if (!current.isZero() && !price.isZero()) {
        if (!currentKnown)
            throw EValtrixError(QStringLiteral("Не задан курс текущей валюты [%1]!").arg(CurrencyTitle(setup.CurrentCurrency)));
        if (RateIndex(&rates, currency) < 0)
            throw EValtrixError(QStringLiteral("Для артикула [%1] не задан курс валюты [%2]!").arg(code, CurrencyTitle(currency)));
    }
    const TMoney p = ConvertPrice(currency, current, price);
    if (group == 0)
        return p;
    const TMoney g = TMoney::FromDouble(PriceGroupReduce(group, 0));
    // p × (1 + g/100) on the raw values: (p·g + p·1000000) / 1000000, rounded once.
    return TMoney::FromRaw(DivRoundHalfEven(__int128(p.raw()) * (g.raw() + 100 * TMoney::Scale), 100 * TMoney::Scale));
}

QVariant ArticleField(const QString& code, const QString& fieldName, bool silent)
{
    if (code.isEmpty() || fieldName.isEmpty())
        return QString();
    if (!FindArticle(code)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В каталоге не найден материал с кодом [%1]!").arg(code));
        return QString();
    }
    TField* field = DM().T_Catalog.FindField(fieldName);
    if (!field)
        return QString();
    return field->AsVariant();
}

bool IsVirtualArticle(const QString& code)
{
    return FindArticle(code) && CatalogField(VirtualField)->AsInteger() == 1;
}

// =============================================================================================
// Currencies

namespace {

bool FindCurrency(int currency)
{
    return DM().T_Currency.Locate(QStringLiteral("ID"), currency);
}

TField* CurrencyField(const char* name)
{
    return DM().T_Currency.FieldByName(QLatin1String(name));
}

} // namespace

QString CurrencyName(int currency)
{
    return FindCurrency(currency) ? CurrencyField("Name")->AsString() : QString();
}

int CurrencyDec(int currency)
{
    return FindCurrency(currency) ? CurrencyField("Dec")->AsInteger() : 2;
}

void CurrencyWords(int currency, TCurrencyWordForms& forms)
{
    if (!FindCurrency(currency))
        return;
    forms.Nominative = CurrencyField("Nominative")->AsString();
    forms.Genitive = CurrencyField("Genitive")->AsString();
    forms.GenitivePlural = CurrencyField("GenitivePlural")->AsString();
    forms.Gender = uint8_t(CurrencyField("Gender")->AsInteger());
    forms.Dec = CurrencyField("Dec")->AsInteger();
    forms.DecNominative = CurrencyField("DecNominative")->AsString();
    forms.DecGenitive = CurrencyField("DecGenitive")->AsString();
    forms.DecGenitivePlural = CurrencyField("DecGenitivePlural")->AsString();
    forms.DecGender = uint8_t(CurrencyField("DecGender")->AsInteger());
}

void LoadRates(TRateList& rates)
{
    rates.clear();
    TTable& t = DM().T_Currency;
    TField* id = t.FieldByName(QStringLiteral("ID"));
    TField* value = t.FieldByName(QStringLiteral("Value"));
    for (t.First(); !t.Eof(); t.Next()) {
        auto item = std::make_unique<TvxfCurrencyItem>();
        item->ID = id->AsInteger();
        item->Rate = float(value->AsFloat());
        rates.push_back(std::move(item));
    }
}

void LoadRates(QList<TRateEntry>& rates)
{
    rates.clear();
    TTable& t = DM().T_Currency;
    TField* id = t.FieldByName(QStringLiteral("ID"));
    TField* value = t.FieldByName(QStringLiteral("Value"));
    for (t.First(); !t.Eof(); t.Next())
        rates.append(TRateEntry{id->AsInteger(), float(value->AsFloat())});
}

float RateOf(const TRateList* rates, int currency)
{
    int i = RateIndex(rates, currency);
    if (!rates)
        return 0;
    return i < 0 ? -1.0f : (*rates)[size_t(i)]->Rate;
}

float RateOf(const QList<TRateEntry>* rates, int currency)
{
    int i = RateIndex(rates, currency);
    if (!rates)
        return 0;
    return i < 0 ? -1.0f : (*rates)[i].Rate;
}

int RateIndex(const TRateList* rates, int currency)
{
    if (!rates)
        return -1;
    for (size_t i = 0; i < rates->size(); ++i)
        if ((*rates)[i]->ID == currency)
            return int(i);
    return -1;
}

int RateIndex(const QList<TRateEntry>* rates, int currency)
{
    if (!rates)
        return -1;
    for (int i = 0; i < rates->size(); ++i)
        if ((*rates)[i].ID == currency)
            return i;
    return -1;
}

TMoney ConvertPrice(int priceCurrency, TMoney currentRate, TMoney price)
{
    if (currentRate.isZero())
        throw EValtrixError(QStringLiteral("Значение текущей валюты = 0!"));
    const QList<TRateEntry>& rates = Setup().CurrentRates;
    if (price.isZero())
        return TMoney();
    if (RateIndex(&rates, priceCurrency) < 0)
        throw EValtrixError(QStringLiteral("Не задан курс валюты [%1]!").arg(CurrencyTitle(priceCurrency)));
    return TMoney::FromRaw(ScaleRaw(price.raw(), RateOf(&rates, priceCurrency), currentRate.raw()));
}

double PriceGroupReduce(int group, int index)
{
    TTable& t = DM().T_PriceGrp;
    if (!t.Locate(QStringLiteral("GroupID"), group))
        throw EValtrixError(QStringLiteral("В каталоге ценовых групп отсутствуют данные для группы [%1]!").arg(group));
    static TFieldRef reduces[] = {TFieldRef("Reduce_1"), TFieldRef("Reduce_2"), TFieldRef("Reduce_3"), TFieldRef("Reduce_4"),
                                  TFieldRef("Reduce_5"), TFieldRef("Reduce_6"), TFieldRef("Reduce_7"), TFieldRef("Reduce_8"),
                                  TFieldRef("Reduce_9"), TFieldRef("Reduce_10")};
    if (index >= 0 && index < int(std::size(reduces)))
        return reduces[index].Of(t)->AsFloat();
    return t.FieldByName(QStringLiteral("Reduce_%1").arg(index + 1))->AsFloat();
}

// =============================================================================================
// Systems, colours, complects

QString ColorName(const QString& color)
{
    if (color.isEmpty())
        return QString();
    TTable& t = DM().T_Color;
    return t.Locate(QStringLiteral("Color"), color) ? t.FieldByName(QStringLiteral("Name"))->AsString() : QString();
}

namespace {

bool FindSystem(const QString& system)
{
    return DM().T_SysList.Locate(QStringLiteral("ID"), system);
}

} // namespace

QString SystemName(const QString& system)
{
    return FindSystem(system) ? DM().T_SysList.FieldByName(QStringLiteral("Name"))->AsString() : QString();
}

int SystemCommonGrp(const QString& system, bool silent)
{
    if (!FindSystem(system)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В БД отсутствуют данные для системы [%1]!").arg(system));
        return 0;
    }
    return DM().T_SysList.FieldByName(QStringLiteral("CommonGrp"))->AsInteger();
}

QString SystemBaseColor(const QString& system)
{
    return FindSystem(system) ? DM().T_SysList.FieldByName(QStringLiteral("BaseColor"))->AsString() : QString();
}

QString ProfSysName(const QString& profSys)
{
    TTable& t = DM().T_SysProf;
    return t.Locate(QStringLiteral("SchlSysID"), profSys) ? t.FieldByName(QStringLiteral("Name"))->AsString() : QString();
}

bool FindComplect(const QString& id)
{
    return DM().T_FrnComp.Locate(QStringLiteral("ID"), id);
}

namespace {

TField* ComplectField(const char* name)
{
    return DM().T_FrnComp.FieldByName(QLatin1String(name));
}

} // namespace

QString ComplectName(const QString& id)
{
    if (!FindComplect(id))
        throw EValtrixError(QStringLiteral("В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [%1]").arg(id));
    return ComplectField("Name")->AsString();
}

bool ComplectNameOpt(const QString& id, QString& name)
{
    if (!FindComplect(id)) {
        name.clear();
        return false;
    }
    name = ComplectField("Name")->AsString();
    return true;
}

int ComplectGroup(const QString& id)
{
    return FindComplect(id) ? ComplectField("Group")->AsInteger() : 0;
}

int ComplectImage(const QString& id)
{
    return FindComplect(id) ? ComplectField("Image")->AsInteger() : 0;
}

int ComplectScrColor(const QString& id)
{
    return FindComplect(id) ? ComplectField("ScrColor")->AsInteger() : 16777215;
}

bool ComplectPrint(const QString& id, QString& printName)
{
    if (!FindComplect(id)) {
        printName.clear();
        return false;
    }
    printName = ComplectField("PrintName")->AsString();
    return ComplectField("Printable")->AsInteger() == 1;
}

int SideHandleDirect(const QString& id, int side)
{
    TTable& t = DM().T_FrnSide;
    if (!t.Locate(QStringList{QStringLiteral("ID"), QStringLiteral("Side")}, QVariantList{id, side}))
        return 0;
    return t.FieldByName(QStringLiteral("HandleDirect"))->AsInteger();
}

// =============================================================================================
// Parameter lists: each in its own view, so a code of another hundred is not found.

namespace {

bool FindParam(TTable& view, int code)
{
    return view.Locate(QStringLiteral("ID"), code);
}

QString ParamName(TTable& view, int code)
{
    return FindParam(view, code) ? view.FieldByName(QStringLiteral("Name"))->AsString() : QString();
}

} // namespace

TFalzParams FalzParams(int code, bool silent)
{
    TTable& t = DM().T_FalzList;
    TFalzParams params;
    if (!FindParam(t, code)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В БД параметров фальца отсутствуют данные для кода [%1]!").arg(code));
        return params;
    }
    params.FalzLuft = t.FieldByName(QStringLiteral("FalzLuft"))->AsInteger();
    params.FalzSize = t.FieldByName(QStringLiteral("FalzSize"))->AsInteger();
    params.FalzPos = t.FieldByName(QStringLiteral("FalzPos"))->AsInteger();
    return params;
}

float DornMass(int code, bool silent)
{
    TTable& t = DM().T_DornList;
    if (!FindParam(t, code)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В БД параметров дорнмасса отсутствуют данные для кода [%1]!").arg(code));
        return 0;
    }
    return float(t.FieldByName(QStringLiteral("DornMass"))->AsFloat());
}

uint8_t StulpTypeOf(int code, bool silent)
{
    TTable& t = DM().T_StulpList;
    if (!FindParam(t, code)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В БД типов штульпа отсутствуют данные для кода [%1]!").arg(code));
        return 0;
    }
    return uint8_t(t.FieldByName(QStringLiteral("StulpType"))->AsInteger());
}

uint8_t OpenTypeOf(int code, bool silent)
{
    TTable& t = DM().T_OpenList;
    if (!FindParam(t, code)) {
        if (!silent)
            throw EValtrixError(QStringLiteral("В БД типов открываний створок отсутствуют данные для кода [%1]!").arg(code));
        return 0;
    }
    return uint8_t(t.FieldByName(QStringLiteral("OpenType"))->AsInteger());
}

QString FalzName(int code)
{
    return ParamName(DM().T_FalzList, code);
}

QString DornName(int code)
{
    return ParamName(DM().T_DornList, code);
}

QString StulpName(int code)
{
    return ParamName(DM().T_StulpList, code);
}

QString OpenName(int code)
{
    return ParamName(DM().T_OpenList, code);
}

// =============================================================================================
// Filters

bool PropAllowed(int propKey, const QStringList& chosen, int group)
{
    TTable& t = DM().T_FrnProp;
    const QString fPropKey = QStringLiteral("PropKey");
    if (!t.Locate(fPropKey, propKey))
        return true;
    const QStringList keyFields{fPropKey, QStringLiteral("ID")};
    const QString groupText = QString::number(group);
    for (const QString& line : chosen) {
        if (line.left(1) != groupText)
            continue;
        bool ok = false;
        const int id = line.mid(2).trimmed().toInt(&ok);
        if (!ok)
            continue;   // not a property line of the fittings dialog
        if (t.Locate(keyFields, QVariantList{propKey, id}))
            continue;
        // The value is not listed: its family of ten restricts only when one of its values is.
        const int base = id / 10 * 10;
        int inFamily = 0;
        {
            TScopedTableFilter filter(t, QStringLiteral("PropKey = %1 and ID >= %2 and ID < %3").arg(propKey).arg(base).arg(base + 10));
            inFamily = t.RecordCount();
        }
        if (inFamily > 0)
            return false;
    }
    return true;
}

int ScaleCount(const QString& scheme, int length)
{
    if (scheme.isEmpty())
        return 0;
    int count = 0;
    const QStringList parts = scheme.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        bool ok = false;
        const int a = part.trimmed().toInt(&ok);
        if (!ok || a == -1)
            continue;
        if (a <= length)
            ++count;
    }
    return count;
}

int ByCatalogName(const TvxfMatListItem& a, const TvxfMatListItem& b)
{
    const QString nameA = ArticleName(a.Article);
    const QString nameB = ArticleName(b.Article);
    const int c = QString::compare(nameA, nameB, Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace vx
