#pragma once
#include <QString>
#include <QStringList>

namespace vx {

class TDatabase;

// Sizes of a synthetic catalog. The same parameters always give the same rows, on every
// machine (the generator uses its own random sequence, not the standard library's
// distributions).
struct TCatalogGenParams {
    quint64 Seed = 1;
    int Systems = 4;              // fittings systems, two per family of a hundred (101, 102, 201, ...)
    int ProfileSystemsPerFamily = 2;
    int Colors = 12;
    int ColorsPerSystem = 6;
    int PriceGroups = 5;
    int Articles = 3000;          // Catalog.DB rows
    int Elements = 400;           // FrnItem.DB rows, some composite
    int MainComplects = 60;       // FrnComp.DB rows of the main complect groups
    int Components = 60;          // handles, hinge sets, locks, cylinders, closers, flush bolts
    int SetRows = 3000;           // FrnSet.DB rows over all complects and components
    int PropKeys = 20;
    int StrikePlateRows = 300;    // FrnSchl.DB
    int AccessoryRows = 300;      // FrnDop.DB
    int ColorAccessoryRows = 300; // FrnAbd.DB

    // A catalog the size of a large supplier's: 30 000 articles, 16 000 elements with over
    // 100 000 article rows, 2 000 complects with 50 000 set rows.
    static TCatalogGenParams Large();
};

struct TCatalogGenStats {
    int Colors = 0, Systems = 0, SysColors = 0, ProfileSystems = 0, Properties = 0, Materials = 0;
    int ParamRows = 0, Currencies = 0, PriceGroups = 0, Articles = 0, Complects = 0, SideRows = 0;
    int Elements = 0, SetRows = 0, ArtRows = 0, StrikePlateRows = 0, AccessoryRows = 0;
    int ColorAccessoryRows = 0, PropRows = 0, ItoIRows = 0;
    QString Summary() const;
};

// Keys the generator gives its rows, for tests and benchmarks that look rows up.
QString GenArticleId(int index);      // "A000001" for index 0
QString GenElementId(int index);      // "E00001"
QString GenComplectId(int index);     // "K00001": main complects first, then components
QString GenSystemId(int index);       // "101", "102", "201", ...
QString GenColorId(int index);        // "C01"

// A choice of fittings the generated catalog resolves for a rectangular sash of standard size
// (about 400-1300 mm wide and 500-1800 mm high): a tilt-turn main complect with a handle and a
// hinge set of its system, a profile system and a colour of that system. The index picks
// among the systems and their complects.
struct TGenSashChoice {
    QString FurnSys, ProfSys, Color, Complect, Handle, Hinge;
};
TGenSashChoice GenSashChoice(const TCatalogGenParams& params, int index);

// Fills the empty catalog tables of a connected catalog database, in one transaction.
// Every reference between the tables resolves: set rows name existing complects and elements,
// article rows name existing articles and profile systems, codes lie in their hundreds.
//
// The catalog is built as a supplier's is: each system has main complects for tilt-turn and
// turn rectangles in three size classes, stulp pairs, trapezoids, triangles, arches and doors,
// with side rules that admit exactly their outlines; handles, hinge sets, locks, cylinders,
// closers and flush bolts. Set rows choose their articles by sash height and width (drives,
// scissors), side length, angle and radius, count by width and side length, take lengths from
// formulas, and depend on rebate, Dornmass, thickness, stulp type, direction and colour (with
// the colourless fallback) as the parameter lists give them. Drives, locks and scissors carry
// strike plates per profile system, handles screws and caps, hinges covers by colour.
TCatalogGenStats FillCatalog(TDatabase& database, const TCatalogGenParams& params);

// Creates the catalog database with the whole schema in a directory that holds none yet and
// fills it.
TCatalogGenStats GenerateCatalog(const QString& directory, const TCatalogGenParams& params);

} // namespace vx
