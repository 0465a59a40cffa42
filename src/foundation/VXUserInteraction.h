#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vx {

// Every question, warning and choice the core puts to the user goes through this interface.
// The desktop application answers with dialogs; the command-line tool and tests with scripts.
class TUserInteraction {
public:
    virtual ~TUserInteraction() = default;

    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInfo(const QString& text) = 0;
    // A plain box without icon or sound (file-system failures of the shell functions).
    virtual void ShowMessage(const QString& text) = 0;
    virtual bool Confirm(const QString& text) = 0;        // OK / Cancel, true for OK
    virtual bool ConfirmAbort(const QString& text) = 0;   // OK / Abort, true for OK
    virtual void ShowErrorDetail(const QString& text, const QString& detail) = 0;
    // 1 for the first button, 2 for the second, 0 when closed otherwise.
    virtual int AskTwoButtons(const QString& text, const QString& button1, const QString& button2,
                              const QString& caption) = 0;

    // A pick among alternative rows (each a key and its display texts). Answers the index of
    // the row current when the choice closes, whatever closed it; -1 stands for the row current
    // when it opened, the first one.
    struct TChoiceRow {
        QString Key;
        QStringList Texts;
    };
    virtual int ChooseAlternative(const QString& prompt, const QString& title, const QList<TChoiceRow>& rows)
    {
        Q_UNUSED(prompt);
        Q_UNUSED(title);
        Q_UNUSED(rows);
        return -1;
    }

    // The wait cursor: the caller brackets long operations; a box takes it down while shown.
    virtual void BeginWait() {}
    virtual void EndWait() {}
};

// The installed implementation; without one, a console implementation that refuses questions.
TUserInteraction& UI();
// Installs an implementation (not owned); nullptr goes back to the console one.
void SetUI(TUserInteraction* ui);

// Installs an implementation for one scope and puts the previous one back afterwards.
class TScopedUI {
public:
    explicit TScopedUI(TUserInteraction* ui);
    ~TScopedUI();
    TScopedUI(const TScopedUI&) = delete;
    TScopedUI& operator=(const TScopedUI&) = delete;

private:
    TUserInteraction* Previous;
};

// Brackets a long operation with the wait cursor, restored also on failure.
class TWaitCursor {
public:
    TWaitCursor() { UI().BeginWait(); }
    ~TWaitCursor() { UI().EndWait(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

inline void ShowWarning(const QString& text) { UI().ShowWarning(text); }
inline void ShowError(const QString& text) { UI().ShowError(text); }
inline void ShowInfo(const QString& text) { UI().ShowInfo(text); }
inline void ShowMessage(const QString& text) { UI().ShowMessage(text); }
inline bool Confirm(const QString& text) { return UI().Confirm(text); }
inline bool ConfirmAbort(const QString& text) { return UI().ConfirmAbort(text); }
inline void ShowErrorDetail(const QString& text, const QString& detail) { UI().ShowErrorDetail(text, detail); }
inline int AskTwoButtons(const QString& text, const QString& b1, const QString& b2, const QString& caption)
{
    return UI().AskTwoButtons(text, b1, b2, caption);
}
inline int ChooseAlternative(const QString& prompt, const QString& title,
                             const QList<TUserInteraction::TChoiceRow>& rows)
{
    return UI().ChooseAlternative(prompt, title, rows);
}

enum class TMessageKind { Warning, Error, Info, Plain, Confirm, ConfirmAbort, ErrorDetail, TwoButtons, Choice };

struct TShownMessage {
    TMessageKind Kind;
    QString Text;   // for ErrorDetail the text as shown: text, line break, "[", detail, "]"
};

// Records what was shown and answers from queues; an empty queue gives the default answer.
class TScriptedInteraction : public TUserInteraction {
public:
    QList<TShownMessage> Shown;
    QList<bool> ConfirmAnswers;      // consumed by Confirm and ConfirmAbort
    bool DefaultConfirm = false;
    QList<int> TwoButtonAnswers;
    int DefaultTwoButtons = 0;
    QList<int> ChoiceAnswers;        // row indexes; an empty queue takes the first row
    // When set, every message is also passed here (the command-line tool prints them).
    std::function<void(const TShownMessage&)> Echo;

    void ShowWarning(const QString& text) override { add(TMessageKind::Warning, text); }
    void ShowError(const QString& text) override { add(TMessageKind::Error, text); }
    void ShowInfo(const QString& text) override { add(TMessageKind::Info, text); }
    void ShowMessage(const QString& text) override { add(TMessageKind::Plain, text); }
    bool Confirm(const QString& text) override;
    bool ConfirmAbort(const QString& text) override;
    void ShowErrorDetail(const QString& text, const QString& detail) override;
    int AskTwoButtons(const QString& text, const QString& b1, const QString& b2, const QString& caption) override;
    // Records the prompt as a Choice message.
    int ChooseAlternative(const QString& prompt, const QString& title, const QList<TChoiceRow>& rows) override;

    int count(TMessageKind kind) const;
    QStringList texts() const;
    void clear() { Shown.clear(); }

private:
    void add(TMessageKind kind, const QString& text);
};

// Prints every message to standard error in UTF-8 and refuses every question.
class TConsoleInteraction : public TUserInteraction {
public:
    bool AnswerYes = false;
    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInfo(const QString& text) override;
    void ShowMessage(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool ConfirmAbort(const QString& text) override;
    void ShowErrorDetail(const QString& text, const QString& detail) override;
    int AskTwoButtons(const QString& text, const QString& b1, const QString& b2, const QString& caption) override;
    // Prints the rows and takes the first.
    int ChooseAlternative(const QString& prompt, const QString& title, const QList<TChoiceRow>& rows) override;
};

// "text\r\n[detail]" as the detail box shows it.
QString ErrorDetailText(const QString& text, const QString& detail);

} // namespace vx
