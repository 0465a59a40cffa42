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

// The user's fittings choices for one sash and the items resolved from them.
class TvxfFurnComp {
public:
    explicit TvxfFurnComp(TvxfFlugel* owner) : Owner(owner) {}

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
};

} // namespace vx
