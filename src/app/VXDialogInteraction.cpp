#include "app/VXDialogInteraction.h"
#include "editing/DBLookup2Dlg.h"
#include "app/BtnDlg2.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vx {

namespace {

// While a box shows, a wait cursor gives way to the default one.
class TDefaultCursor {
public:
    TDefaultCursor()
    {
        const QCursor* current = QApplication::overrideCursor();
        if (current && current->shape() != Qt::ArrowCursor) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
            Pushed = true;
        }
    }
    ~TDefaultCursor()
    {
        if (Pushed)
            QApplication::restoreOverrideCursor();
    }
    TDefaultCursor(const TDefaultCursor&) = delete;
    TDefaultCursor& operator=(const TDefaultCursor&) = delete;

private:
    bool Pushed = false;
};

QString Shown(const QString& text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

enum TButton { bOK, bCancel, bAbort, bYes, bNo };

QString ButtonText(TButton b)
{
    switch (b) {
    case bOK: return QStringLiteral("OK");
    case bCancel: return QStringLiteral("Отмена");
    case bAbort: return QStringLiteral("Прервать");
    case bYes: return QStringLiteral("Да");
    case bNo: return QStringLiteral("Нет");
    }
    return {};
}

QMessageBox::ButtonRole ButtonRole(TButton b)
{
    switch (b) {
    case bOK: return QMessageBox::AcceptRole;
    case bYes: return QMessageBox::YesRole;
    case bNo: return QMessageBox::NoRole;
    case bCancel:
    case bAbort: return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

// Shows the box and answers the button pressed; the escape button when it was closed.
TButton RunBox(QMessageBox::Icon icon, const QString& caption, const QString& text, const QList<TButton>& buttons,
               TButton escape)
{
    TDefaultCursor cursor;
    QMessageBox box(icon, caption, Shown(text), QMessageBox::NoButton, DialogParent());
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> pushButtons;
    for (TButton b : buttons) {
        QPushButton* pb = box.addButton(ButtonText(b), ButtonRole(b));
        pb->setObjectName(ButtonText(b));
        pushButtons.append(pb);
    }
    box.setDefaultButton(pushButtons.first());
    box.setEscapeButton(pushButtons[qMax(0, int(buttons.indexOf(escape)))]);
    box.exec();
    const int index = int(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return index < 0 ? escape : buttons[index];
}

} // namespace

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    return nullptr;
}

void TDialogInteraction::ShowWarning(const QString& text)
{
    QApplication::beep();
    RunBox(QMessageBox::Warning, WarningCaption, text, {bOK}, bOK);
}

void TDialogInteraction::ShowError(const QString& text)
{
    QApplication::beep();
    RunBox(QMessageBox::Critical, ErrorCaption, text, {bOK}, bOK);
}

void TDialogInteraction::ShowInfo(const QString& text)
{
    RunBox(QMessageBox::Information, InfoCaption, text, {bOK}, bOK);
}

void TDialogInteraction::ShowMessage(const QString& text)
{
    RunBox(QMessageBox::NoIcon, QApplication::applicationName(), text, {bOK}, bOK);
}

bool TDialogInteraction::Confirm(const QString& text)
{
    return RunBox(QMessageBox::Question, ConfirmCaption, text, {bOK, bCancel}, bCancel) == bOK;
}

bool TDialogInteraction::ConfirmAbort(const QString& text)
{
    QApplication::beep();
    return RunBox(QMessageBox::Question, ConfirmCaption, text, {bOK, bAbort}, bAbort) == bOK;
}

void TDialogInteraction::ShowErrorDetail(const QString& text, const QString& detail)
{
    QApplication::beep();
    RunBox(QMessageBox::Critical, ErrorCaption, ErrorDetailText(text, detail), {bOK}, bOK);
}

int TDialogInteraction::AskTwoButtons(const QString& text, const QString& button1, const QString& button2,
                                      const QString& caption)
{
    QApplication::beep();
    TDefaultCursor cursor;
    TBtnDlg2 dialog(DialogParent());
    return dialog.Ask(text, button1, button2, caption);
}

int TDialogInteraction::ChooseAlternative(const QString& prompt, const QString& title, const QList<TChoiceRow>& rows)
{
    TDefaultCursor cursor;
    return ChooseAlternativeRow(DialogParent(), prompt, title, rows);
}

void TDialogInteraction::BeginWait()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TDialogInteraction::EndWait()
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

TYesNoCancel AskYesNoCancel(const QString& text)
{
    switch (RunBox(QMessageBox::Question, ConfirmCaption, text, {bYes, bNo, bCancel}, bCancel)) {
    case bYes: return TYesNoCancel::Yes;
    case bNo: return TYesNoCancel::No;
    default: return TYesNoCancel::Cancel;
    }
}

} // namespace vx
