#pragma once
#include <QString>
#include <cstdint>

// Fittings resolution: which complects fit a sash, the side rules a complect puts on the
// sash, and the turning of a sash's fittings choices into specification items through the
// catalog's set, item, article, strike-plate and accessory tables.

namespace vx {

class TvxfFlugel;
class TvxfFurnComp;

// Technical parameters of a sash that article conditions test.
struct TSashParams {
    float ProfWidth = 0;
    float Thickness = 0;
    int32_t FalzLuft = 0;
    int32_t FalzSize = 0;
    int32_t FalzPos = 0;
    float DornMass = 0;
    uint8_t OpenType = 0;      // 1 takes the outer colour under colour condition 3; 2 a T-shaped sash
};

// What every component of one sash is resolved with.
struct TResolveContext {
    TvxfFurnComp* Comp = nullptr;        // receives the items; its properties and profile system
    TvxfFlugel* Sash = nullptr;
    TvxfFlugel* Adjacent = nullptr;      // the other sash of a two-sash position, else none
    int32_t W = 0;                       // sash size in units of 10 mm
    int32_t H = 0;
    int32_t Multiplier = 1;
    int32_t Direction = 0;               // Direct of the main complect
    int32_t StulpType = 6;               // 6 for a one-sash position
    double ProfWidthValue = 100;         // what profile-width conditions of articles see
    double WeightValue = 0;              // what weight conditions of articles see
    QString OuterColor, InnerColor, FurnColor;
    TSashParams Params;
};

// Measures of the sash an article is chosen for, and which of them the element's condition
// tests. W and H in units of 10 mm, lengths in mm, radii in whole mm, the angle in degrees.
struct TArticleMeasures {
    double A = 0, R2 = 0, R1 = 0, L2 = 0, L1 = 0;
    int32_t H = 0, W = 0;
    int32_t Condition = 0;
};

struct TArticleRequest {
    QString ElementId;
    QString OwnerName;                   // named in the messages about a missing profile system
    QString ProfSys;
    QString AlertText;                   // replaces the "not found" message of a required element
    bool Required = false;
    int32_t Direction = 0;
    int32_t StulpType = 0;
    bool DefineHandleHeight = false;
    double ProfWidthValue = 0;
    QString Color;
    double WeightValue = 0;
    TSashParams Params;
    TArticleMeasures Measures;
};

// Whether a main complect fits the sash by its side rules.
bool ComplectFitsSash(const TvxfFlugel& sash, const QString& complectId);

// Copies the side rules of the complect's main complect onto its sash's sides and fills the
// complect's sketch fields from the chosen components.
void ApplySideRules(TvxfFurnComp& comp);

// Resolves the set rows of one component into items of the context's complect.
void ResolveSetElements(const TResolveContext& context, const QString& componentId, int group, bool userHeight);

// Fills the complect's item list from its choices (the list was cleared before). Raises on
// catalog inconsistencies; the caller then discards what was added.
bool ResolveComplect(TvxfFurnComp& comp);

// Picks the catalog article of an element from FrnArt. True with the article and the handle
// height it defines; false when none applies and the element is not required.
bool SelectArticle(const TArticleRequest& request, int32_t& handleHeight, QString& article);

// The article filter texts of an element: the main text and, for a coloured element, the
// colourless fallback (empty otherwise). The element must exist in FrnItem.
void ArticleFilterTexts(const TArticleRequest& request, QString& mainText, QString& fallbackText);

// Adds the parts of a composite element (FrnItoI) with their articles.
void ExpandComposite(const TResolveContext& context, const QString& elementId, const QString& componentId,
                     int32_t quantity, int group, int32_t sideNo);

} // namespace vx
