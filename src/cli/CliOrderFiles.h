#pragma once
#include <QString>

namespace vx {
class TvxfOrder;
class TvxfOrderSelection;
}

namespace vx::cli {

// Loads an order file for a command. The model counts a file whose conversion was refused (or
// that a newer version wrote) as loaded with its header only; a command must not go on with
// such an order, so that counts as a failure here. False when the order could not be read;
// the reason has been shown.
bool LoadOrderFile(TvxfOrder& order, const QString& fileName);
// The same for a selection file.
bool LoadSelectionFile(TvxfOrderSelection& selection, const QString& fileName);

} // namespace vx::cli
