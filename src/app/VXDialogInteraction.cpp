#include "app/VXDialogInteraction.h"
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
    if (rows.isEmpty())
        return -1;
    TDefaultCursor cursor;
    QDialog dialog(DialogParent());
    dialog.setWindowTitle(title);
    dialog.setObjectName(QStringLiteral("ChooseAlternativeDlg"));
    auto* label = new QLabel(Shown(prompt), &dialog);
    label->setWordWrap(true);
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("ChoiceList"));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    int columns = 1;
    for (const TChoiceRow& row : rows)
        columns = qMax(columns, int(row.Texts.size()));
    list->setColumnCount(columns);
    list->setHeaderHidden(true);
    for (const TChoiceRow& row : rows)
        new QTreeWidgetItem(list, row.Texts.isEmpty() ? QStringList{row.Key} : row.Texts);
    for (int c = 0; c < columns; ++c)
        list->resizeColumnToContents(c);
    list->setCurrentItem(list->topLevelItem(0));
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(480, 320);
    dialog.exec();
    // The row current when the choice closes counts, whatever closed it.
    return list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
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
