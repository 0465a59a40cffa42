#pragma once
#include "engine/VXFFurnComp.h"
#include "foundation/VXMoney.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// What the fittings dialog decides without a window: the component groups of an object type,
// the main complect's sub-groups, the filter texts of its drop-down lists, the property rows
// of the chosen components, and the rows of the specification page.

namespace vx {

class TTable;
class TvxfConstruction;
class TvxfFlugel;

// The seven components in the order of the property categories (the category tag is the index).
enum TFurnPart { fpComplect, fpHandle, fpHinge, fpLock, fpCylinder, fpDrive, fpLatch, FurnPartCount };

QString& PartOf(TFurnComponents& components, int part);
QString PartOf(const TFurnComponents& components, int part);

// FrnComp groups the component lists offer for an object type (0 window, 1 door with threshold).
struct TGroupCodes {
    QList<int> Complect, Handle, Hinge, Lock;
};
TGroupCodes GroupCodesOf(int objType);

// Main complect sub-groups of a sash, always three (a single value repeated).
std::array<int, 3> ComplectSubGroups(int layout, bool rightSash);
// The sash the layout handles first: right for layout 1, left otherwise.
bool IsMainSash(int layout, bool rightSash);

// The system group (CommonGrp of the fittings system) and its family (rounded down to hundreds).
struct TSystemGroup {
    int Group = 0;
    int Family = 0;
};
TSystemGroup SystemGroupOf(int commonGrp);

// "Group=a" or "(Group=a or Group=b ...)".
QString GroupCondition(const QList<int>& groups);

// Filter texts of the drop-down lists.
QString FurnSysListFilter();
// Empty while no system is chosen: the profile list is not filtered then.
QString ProfSysListFilter(const QString& furnSys);
QString ColorListFilter(const QString& furnSys);
QString ComplectFilter(TSystemGroup sys, int complectGroup, const std::array<int, 3>& subGroups, int material);
QString HandleListFilter(TSystemGroup sys, const TGroupCodes& codes, int material);
QString HingeFilter(TSystemGroup sys, const TGroupCodes& codes, int material);
// The locks follow the FrnComp group of the chosen handle (0 for none).
QString LockFilter(TSystemGroup sys, const TGroupCodes& codes, int handleGroup, int material);
QString CylinderFilter(TSystemGroup sys, int material);
QString DriveFilter(TSystemGroup sys, int material);
QString LatchFilter(TSystemGroup sys);

// One entry of a drop-down list.
struct TListRow {
    QString Key;
    QString Name;
    bool operator==(const TListRow&) const = default;
};
// The rows of a table under a filter (set for the read and removed on every exit), those the
// admit test refuses left out. A filter the table refuses gives no rows.
QList<TListRow> FilteredRows(TTable& table, const QString& filter, const QString& keyField, const QString& nameField,
                             const std::function<bool(const QString&)>& admit = {});
// The main complects of the current sash: the filter and the complect's side rules.
QList<TListRow> ComplectRows(const QString& filter, const TvxfFlugel& sash);

// FrnComp PropKey of a component, 0 when none is chosen or it is missing.
int ComponentPropKey(const QString& id);

// --- Properties

// A row of the property query.
struct TPropQueryRow {
    int ID = 0;
    QString GroupName;
    QString ValueName;
    bool Default = false;
    int PropKey = 0;
};

// One property of a component: a caption and the value list of its family.
struct TPropRow {
    int GroupID = 0;            // ID div 10 × 10
    QString Caption;
    QStringList Values;
    QList<int> ValueIDs;
    int Value = -1;             // index into Values, -1 for none
};
using TPropCategories = std::array<QList<TPropRow>, FurnPartCount>;

// The query text for the components' PropKeys (0 for a component not chosen).
QString PropQuerySql(const std::array<int, FurnPartCount>& keys);
// Runs the query on the catalog.
QList<TPropQueryRow> ReadPropRows(const std::array<int, FurnPartCount>& keys);
// The rows of each category from the query rows in their order; only the categories whose key
// is given (not 0) are filled, the others are left out of the result (empty).
TPropCategories BuildPropRows(const QList<TPropQueryRow>& rows, const std::array<int, FurnPartCount>& keys);
// Puts the chosen lines ("category=ID") into the rows; lines that match no value are ignored.
void RestorePropChoices(TPropCategories& categories, const QStringList& lines);
// The lines of the values chosen in the rows.
QStringList StorePropChoices(const TPropCategories& categories);

// --- Specification page

struct TSpecRow {
    QStringList Texts;          // the eleven columns
    TvxfFurnItem* Item = nullptr;   // none for the row between the sashes
    TMoney Cost;
};
// Left sash items, an empty row and the right sash items, each numbered from 1; prices are the
// current catalog prices, costs count × price (lengths not counted).
QList<TSpecRow> SpecRows(const TvxfConstruction& position, TMoney& total);
QString FixedText(double value, int decimals);

// Hand editing: adds the article to the complect (an equal hand item grows in count).
void AddHandItem(TvxfFurnComp& comp, const QString& article, int sideNo, const QString& note, int count);
// The item taken out of its complect; false when it belongs to none of the position's sashes.
bool DeleteItem(TvxfConstruction& position, const TvxfFurnItem* item);

// The sash choice read from a sash's complect and Dornmass (empty without complect).
TSashChoice ChoiceOfSash(const TvxfFlugel* sash);

} // namespace vx
