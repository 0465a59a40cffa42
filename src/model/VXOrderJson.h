#pragma once
#include "editing/VXPositionBuild.h"
#include "engine/VXFFurnComp.h"
#include "foundation/VXError.h"
#include "model/VXFMatListItem.h"
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// Orders as JSON: the input from which an order is built (header fields by name, positions with
// their shape and fittings) and the full form in which an order is shown to other programs.
// Money is written as a text with four decimals and "." ("123.4500").

namespace vx {

class TvxfOrder;
class TvxfOrderSelection;

// Input that cannot be used as given: bad JSON, an unknown field, a wrong type or value. The
// message names the field by its path ("positions[1].shape.Width").
class EOrderInputError : public EValtrixError {
public:
    using EValtrixError::EValtrixError;
};

// One sash of the "fittings" object; Dorn is unset when the input leaves it out.
struct TSashInput {
    TSashChoice Choice;
    std::optional<int32_t> Dorn;
};

// The "fittings" object of a position: what is left out comes from the position.
struct TFittingsInput {
    std::optional<QString> FurnSys, ProfSys, Color;
    std::optional<int32_t> Falz, StulpType, OpenType;
    std::optional<float> ProfWidth, Thickness;
    TSashInput Left, Right;
};

struct TPositionJsonInput {
    std::optional<QString> PosNo, Name;
    std::optional<int32_t> Num, ObjType;
    std::optional<bool> Active;
    TShapeInput Shape;
    std::optional<TFittingsInput> Fittings;
};

struct TOrderJsonInput {
    QJsonObject Header;   // checked field by field; applied by ApplyOrderHeader
    QList<TPositionJsonInput> Positions;
};

// Reads and checks the whole input before anything is built; raises EOrderInputError.
TOrderJsonInput ParseOrderInput(const QByteArray& json);
// The header fields the input gives, over whatever the order holds (checked by ParseOrderInput).
void ApplyOrderHeader(const QJsonObject& header, TvxfOrder& order);

// "123.4500"
QString MoneyJson(TMoney value);

// The full form: "header", "totals", "positions" with their sashes, complects and materials.
QJsonObject OrderToJson(const TvxfOrder& order);
QJsonArray MatListToJson(const TMatList& list);
// A readable specification: positions, sizes, items with catalog names, prices, totals.
QString OrderToText(const TvxfOrder& order);

// A selection with its items and its collected, re-priced material list (prices at the current
// order context).
QJsonObject SelectionToJson(const TvxfOrderSelection& selection, const TMatList& materials);
QString SelectionToText(const TvxfOrderSelection& selection, const TMatList& materials);

} // namespace vx
