#pragma once
#include "engine/VXFConstruction.h"
#include <QString>
#include <functional>
#include <optional>

namespace vx {

class TvxfOrder;

// What a new position takes from its order: the number of positions it already has and the
// technical defaults of the header.
struct TNewPositionContext {
    int PositionCount = 0;
    QString ProfSys;
    QString FurnSys;
    QString FurnColor;
    int32_t FalzType = 0;
    int32_t DornType = 0;
    int32_t StulpFalzType = 0;
    int32_t FlugelType = 0;

    static TNewPositionContext OfOrder(const TvxfOrder& order);
};

// The kit name of a shape ("Комплект арка") and the name a new position gets with it:
// "Окно: " or "Дверь с порогом: " by the object type, then the kit name.
QString ShapeKitName(int figure);
QString DefaultPositionName(int objType, int figure);
// The text of the next position of an order with that many positions: "001", "002", ...
QString DefaultPosNo(int positionCount);
// The default size of a new position: 900 x 2100 for a door with threshold, 700 x 1400 else.
int DefaultPositionWidth(int objType);
int DefaultPositionHeight(int objType);

// A shape as a user gives it: the figure and whichever sizes are known. The rest is filled as
// the position dialog's linked fields fill them.
struct TShapeInput {
    int Figure = 0;
    std::optional<int32_t> Width, Height, HY;
    std::optional<double> HX, Radius;
};
TShapeRecord CompleteShape(const TShapeInput& input, int objType);

// The smallest arch is a half circle: raises the radius of figure 7 to half the width.
void ApplyRadiusMinimum(TShapeRecord& shape);
// What is wrong with the sizes of a new position (a warning text), empty when they can be built.
QString PositionSizeProblem(const TShapeRecord& shape, int32_t num);

// The fields of a new position the position dialog collects.
struct TPositionInput {
    QString PosNo;
    QString Name;
    int32_t Num = 1;
    uint8_t ObjType = 0;
    TShapeRecord Shape;
};

// The position dialog's OK without the window: backs the position up, takes the fields, the
// layout of the shape and the order's codes, and builds the sashes with the order's Dornmass
// type. A failure restores the position and raises with the failure's text.
void BuildPosition(const TNewPositionContext& order, const TPositionInput& input, TvxfConstruction& position);

// Runs a change of the position; when it fails the position is put back from a backup taken
// before and the failure raised again (with the restore's own failure added, should that fail).
void ChangeOrRestore(TvxfConstruction& position, const std::function<void()>& change);

} // namespace vx
