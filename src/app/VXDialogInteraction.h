#pragma once
#include "foundation/VXUserInteraction.h"
#include <QString>

class QWidget;

namespace vx {

// The desktop answer to the user-interaction interface: modal message boxes with the sound of
// their kind, the two-button question, the list choice and the wait cursor. A box takes a wait
// cursor down while it shows.
class TDialogInteraction : public TUserInteraction {
public:
    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInfo(const QString& text) override;
    void ShowMessage(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool ConfirmAbort(const QString& text) override;
    void ShowErrorDetail(const QString& text, const QString& detail) override;
    int AskTwoButtons(const QString& text, const QString& button1, const QString& button2,
                      const QString& caption) override;
    int ChooseAlternative(const QString& prompt, const QString& title, const QList<TChoiceRow>& rows) override;
    void BeginWait() override;
    void EndWait() override;
};

// Answers of the Yes / No / Cancel question.
enum class TYesNoCancel { Yes, No, Cancel };
// A confirmation with Yes, No and Cancel (the question about unsaved changes); closing the box
// counts as Cancel.
TYesNoCancel AskYesNoCancel(const QString& text);

// Captions of the message boxes by kind.
inline const QString WarningCaption = QStringLiteral("Предупреждение");
inline const QString ErrorCaption = QStringLiteral("Ошибка");
inline const QString InfoCaption = QStringLiteral("Информация");
inline const QString ConfirmCaption = QStringLiteral("Подтверждение");

// The window the boxes belong to: the active modal dialog or window, else the main window.
QWidget* DialogParent();

} // namespace vx
