#pragma once
#include <QString>
#include <memory>

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

// The order or selection a command works on (a ".vfs370" file is a selection), loaded as above
// and made the current-order context, as its window does when activated.
struct TCliDocument {
    std::unique_ptr<TvxfOrder> Order;
    std::unique_ptr<TvxfOrderSelection> Selection;

    TCliDocument();
    ~TCliDocument();
    // False when the file could not be read; the reason has been shown.
    bool Load(const QString& fileName);
};

} // namespace vx::cli
