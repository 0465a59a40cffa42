#pragma once
#include "config/VXFSetupX.h"
#include "foundation/VXMoney.h"
#include "model/VXFMatListItem.h"
#include <QString>
#include <QVariant>

// The catalog service: the only road from the rest of the program to articles, prices,
// systems, colours, currencies, price groups, the four parameter lists, complect attributes
// and the property filter. Every look-up positions the shared table of the data module (DM())
// on the matching row or leaves it unpositioned. Errors are raised as EValtrixError carrying
// the message; "silent" look-ups answer the default instead.

namespace vx {

// --- Articles (Catalog.DB)
bool FindArticle(const QString& code);
QString ArticleProd(const QString& code, int mode, bool silent = false);
struct TArticleInfo {
    QString ProdArticle, ProdArticle2, Name, Unit;
};
TArticleInfo ArticleInfo(const QString& code, bool silent = false);
QString ArticleUnit(const QString& code);
QString ArticleName(const QString& code, bool silent = false);
// Price in the current currency of the settings' order context, price group applied. A non-zero
// price whose currency (or the current one) is missing from the order's rate list is refused
// with a message naming the article and the currency.
TMoney ArticlePrice(const QString& code, bool silent = false);
QVariant ArticleField(const QString& code, const QString& fieldName, bool silent = false);
bool IsVirtualArticle(const QString& code);

// --- Currencies
QString CurrencyName(int currency);
int CurrencyDec(int currency);
// Word forms of a currency for amounts in words.
struct TCurrencyWordForms {
    QString Nominative, Genitive, GenitivePlural;
    uint8_t Gender = 0;
    int Dec = 2;
    QString DecNominative, DecGenitive, DecGenitivePlural;
    uint8_t DecGender = 0;
};
void CurrencyWords(int currency, TCurrencyWordForms& forms);   // unchanged when missing
void LoadRates(TRateList& rates);
void LoadRates(QList<TRateEntry>& rates);
// The rate of a currency in a list: -1 when missing, 0 when there is no list.
float RateOf(const TRateList* rates, int currency);
float RateOf(const QList<TRateEntry>* rates, int currency);
int RateIndex(const TRateList* rates, int currency);
int RateIndex(const QList<TRateEntry>* rates, int currency);
// price × rate of its currency / current rate, rounded to four decimals; raises for a current
// rate of 0 and for a non-zero price in a currency the rate list lacks.
TMoney ConvertPrice(int priceCurrency, TMoney currentRate, TMoney price);
double PriceGroupReduce(int group, int index);

// --- Systems, colours, complects
QString ColorName(const QString& color);
QString SystemName(const QString& system);
int SystemCommonGrp(const QString& system, bool silent = false);
QString SystemBaseColor(const QString& system);
QString ProfSysName(const QString& profSys);
bool FindComplect(const QString& id);
QString ComplectName(const QString& id);                        // raises when missing
bool ComplectNameOpt(const QString& id, QString& name);
int ComplectGroup(const QString& id);
int ComplectImage(const QString& id);
int ComplectScrColor(const QString& id);                        // 16777215 when missing
bool ComplectPrint(const QString& id, QString& printName);      // printable flag
int SideHandleDirect(const QString& id, int side);

// --- Parameter lists (ParamList.DB views)
struct TFalzParams {
    int FalzLuft = 0, FalzSize = 0, FalzPos = 0;
};
TFalzParams FalzParams(int code, bool silent = false);
float DornMass(int code, bool silent = false);
uint8_t StulpTypeOf(int code, bool silent = false);
uint8_t OpenTypeOf(int code, bool silent = false);
QString FalzName(int code);
QString DornName(int code);
QString StulpName(int code);
QString OpenName(int code);

// --- Filters
bool PropAllowed(int propKey, const QStringList& chosen, int group);
int ScaleCount(const QString& scheme, int length);

// Ordering of material lists by the articles' catalog names (raises for a missing article).
int ByCatalogName(const TvxfMatListItem& a, const TvxfMatListItem& b);

} // namespace vx
