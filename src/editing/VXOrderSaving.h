#pragma once
#include <QString>
#include <functional>

namespace vx {

class TvxfOrder;

// The file name of an order that was never saved; shown as the window's caption.
inline const QString NewOrderFileName = QStringLiteral("NewOrder.vfo370");

// An order as its window keeps it: the order, its file and the state of its changes.
struct TOrderDocument {
    TvxfOrder* Order = nullptr;
    QString FileName = NewOrderFileName;   // full path once saved or loaded
    bool IsNew = true;                     // never saved or loaded
    bool Saved = true;                     // no unsaved changes
    // The number, customer and object as they were when the file was loaded or last saved.
    QString LoadedNo;
    QString LoadedCustomer;
    QString LoadedObject;
};

// What saving needs from the window around it.
struct TOrderSaveHooks {
    // Asks the window to open the order properties once the current command has finished.
    std::function<void()> ShowOrderProperties;
    // The save dialog for the renamed file: the proposed name and the initial folder; an
    // empty answer is Cancel.
    std::function<QString(const QString& proposedName, const QString& initialDir)> ChooseFileName;
};

// The order number with the characters a file name must not hold replaced by "_": no folder,
// no extension.
QString DefaultFileName(const TvxfOrder& order);

// An order needs a number, and a new order one that is not in the registry yet. Shows why it
// refuses.
bool CheckOrderNumber(const TvxfOrder& order, bool isNew);

// Where an order file goes: into the orders directory under its own name when one is
// configured, otherwise where it was asked to go.
QString OrdersDirTarget(const QString& fileName);

// Saves the order: to the target (save as), or with an empty target to its current file,
// renamed after a changed number when the user wants it. Files are kept in the orders
// directory; the last number is remembered; with AutoReg on the order is registered. False
// when nothing was saved, or when the rename was cancelled or refused after the order was
// written to its current file; the document then keeps its unsaved changes.
bool SaveOrder(TOrderDocument& doc, const QString& target, const TOrderSaveHooks& hooks);

// "Valtrix.lon" in the orders directory, or in the program's directory without one: 31 bytes,
// a length byte and the number's first 30 characters in Windows-1251.
QString LastOrderNumberFile();
// A file that cannot be written is skipped without a message.
void WriteLastOrderNumber(const QString& orderNo);
// Empty when the file is missing or unreadable.
QString ReadLastOrderNumber();

} // namespace vx
