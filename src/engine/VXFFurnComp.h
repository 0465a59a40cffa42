#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace vx {

class TvxfFlugel;
class TvxfFurnComp;

// One specification line of a sash's fittings.
struct TvxfFurnItem {
    QString Article;
    float Length = 0;        // mm; 0 for items counted in pieces
    int32_t Count = 0;
    QString Origin;          // trace of the resolution, kept in debug mode only
    QString Note;
    int32_t SideNo = 0;      // 0 = not bound to a side
    int32_t Reserved1 = 0, Reserved2 = 0, Reserved3 = 0;
    QString ComplectKey;     // FrnComp ID of the component that produced the item
    TvxfFurnComp* Owner = nullptr;
};

// The seven components a sash can be given; empty IDs are not chosen.
struct TFurnComponents {
    QString Complect, Hinge, Handle, Lock, Cylinder, Drive, Latch;

    bool Empty() const
    {
        return Complect.isEmpty() && Hinge.isEmpty() && Handle.isEmpty() && Lock.isEmpty()
            && Cylinder.isEmpty() && Drive.isEmpty() && Latch.isEmpty();
    }
};

// The fittings choice for one sash as the fittings dialog hands it over.
struct TSashChoice {
    TFurnComponents Components;
    int32_t UserHandleHeight = 0;
    bool HeightUserDefined = false;
    int32_t Dorn = 0;                 // Dornmass code of the sash
    QStringList Props;                // "%d=%s": group digit and property ID
    QStringList ExtraComplects;       // FrnComp IDs, in the user's order
};

// The fittings choice for a whole position: the position's technical codes and both sashes.
struct TFurnChoice {
    QString Color;
    int32_t Falz = 0;
    int32_t StulpType = 0;
    int32_t OpenType = 0;
    float ProfWidth = 0;
    float Thickness = 0;
    TSashChoice Left;
    TSashChoice Right;
};

// The user's fittings choices for one sash and the items resolved from them.
class TvxfFurnComp {
public:
    explicit TvxfFurnComp(TvxfFlugel* owner) : Owner(owner) {}
    TvxfFurnComp(const TvxfFurnComp&) = delete;
    TvxfFurnComp& operator=(const TvxfFurnComp&) = delete;

    QString FurnSys, ProfSys, Color;
    QString Complect, Hinge, Handle, Lock, Cylinder, Drive, Latch;
    int32_t ComplectImage = -1, HandleImage = -1, HingeImage = -1, DriveImage = -1, Image5 = -1;
    int32_t HandleScrColor = 0, HingeScrColor = 0, DriveScrColor = 0, ScrColor4 = 0;
    int32_t UserHandleHeight = 0;
    bool HeightUserDefined = false;
    QStringList Props;
    QStringList ExtraComplects;
    int32_t Tag1 = 0, Tag2 = 0;
    std::vector<std::unique_ptr<TvxfFurnItem>> Items;
    TvxfFlugel* Owner;

    TFurnComponents Components() const;
    bool NothingChosen() const { return Components().Empty() && ExtraComplects.isEmpty(); }

    void ClearItems();
    // Everything back to the state of a new complect: texts empty, images -1, colours 0.
    void Reset();
    // Stores the choice, applies the side rules to the sash and resolves the items.
    void Assign(const QString& furnSys, const QString& profSys, const QString& color, const TSashChoice& choice);
    // Stores only the components and the handle height and applies the side rules: the
    // sketch of the fittings dialog, without resolving.
    void AssignPreview(const TFurnComponents& components, int32_t userHandleHeight, bool heightUserDefined);
    // Rebuilds the item list from the choice; on failure the list is left empty and the
    // error passed on.
    void Resolve();
    // Index of the first item with the article, -1 when none.
    int FindItem(const QString& article) const;
    // Adds a resolved item. Without noMerge an equal item (article, component, length, side,
    // note) only grows in count; with it (the debug mode) every call appends an item carrying
    // its origin text. Empty articles, zero counts and virtual catalog articles add nothing.
    void AddItem(const QString& article, const QString& complectKey, const QString& origin, bool noMerge,
                 float length, const QString& note, int32_t count, int32_t sideNo);
};

} // namespace vx
