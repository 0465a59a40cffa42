#pragma once
#include <QList>
#include <QString>

class QMenu;

namespace vx {

class TMainForm;

enum class TChildKind { Order, Registry, Selection };

// Commands of the main window's tool bars that go to the active child window.
enum class TChildCommand {
    Properties,      // "Реквизиты"
    NewPosition,     // "Добавить"
    EditPosition,    // "Изменить"
    DeletePosition,  // "Удалить" (order tool bar)
    Print,           // "Печать"
    RegisterOrders,  // "Регистрация" (registry tool bar)
    OpenRegOrder,    // "Открыть" (registry tool bar)
    DeleteRegOrders, // "Удалить" (registry tool bar)
    MoveToArchive,   // "В архив"
    // The registry tool bar's record navigator.
    NavFirst,
    NavPrior,
    NavNext,
    NavLast,
    NavEdit,
    NavPost,
    NavCancel,
    NavRefresh
};

// What the main window needs of its child windows (order, registry and selection windows).
// A child window is a QWidget that also implements this; it refuses to close by ignoring its
// close event, which stops the main window's close and "Close all".
class TMdiChild {
public:
    virtual ~TMdiChild() = default;

    virtual TChildKind ChildKind() const = 0;
    // The child's own top menus, placed between "&Файл" and "&Установки" while it is active.
    virtual QList<QMenu*> ChildMenus() { return {}; }
    // Sets the main window's commands the child decides (save, print, tool bar buttons).
    virtual void UpdateCommands(TMainForm& main) { Q_UNUSED(main); }
    virtual void ExecuteCommand(TChildCommand command) { Q_UNUSED(command); }

    // Documents (orders and selections).
    virtual bool IsNewDocument() const { return false; }
    virtual QString DocumentFileName() const { return {}; }
    // The name the save dialog proposes for a new document.
    virtual QString DefaultFileName() const { return DocumentFileName(); }
    // Loads the file into the window; false after the failure was shown.
    virtual bool LoadDocument(const QString& fileName) { Q_UNUSED(fileName); return false; }
    // Saves to the given file ("save as"); false after the failure was shown.
    virtual bool SaveDocument(const QString& fileName) { Q_UNUSED(fileName); return false; }
    // Saves to the document's own file ("save"); a document may rename its file on the way.
    virtual bool SaveDocumentInPlace() { return SaveDocument(DocumentFileName()); }

    // The registry window: how many rows are selected (a new selection can start from them).
    virtual int SelectedRowCount() const { return 0; }
};

} // namespace vx
