#pragma once
#include "engine/VXFFurnComp.h"
#include <QString>

namespace vx {

class TvxfConstruction;

// A code field of the fittings dialog: 0 when empty or not a number.
int32_t CodeOfText(const QString& text);

// The main complects a position needs before its fittings can be set: the left sash's for one
// sash; for two sashes the left, then the right. The message of the first one missing, empty
// when both are there.
QString MissingComplectMessage(const TvxfConstruction& position, const TFurnChoice& choice);

// The fittings dialog's apply without the window: checks the main complects (a failed check
// changes nothing), backs the position up and sets its fittings and costs from the system, the
// profile system and the choice. A failure restores the position and raises with its text.
void ApplyFittings(TvxfConstruction& position, const QString& furnSys, const QString& profSys,
                   const TFurnChoice& choice);

} // namespace vx
