#include "app/NumEdit.h"
#include "foundation/VXFormats.h"
#include <QKeyEvent>
#include <QValidator>

namespace vx {

namespace {

// Text put in by paste or drop must be text the keyboard could have typed.
class TNumValidator : public QValidator {
public:
    TNumValidator(const TNumEditRules& rules, QObject* parent) : QValidator(parent), Rules(rules) {}

    State validate(QString& input, int& pos) const override
    {
        Q_UNUSED(pos);
        TNumEditRules probe(Rules.Style(), Rules.Digits(), Rules.Decimals(), Rules.Separator());
        QString text;
        for (QChar c : input) {
            TNumEditChange change = probe.TypeChar(text, text.size(), 0, text.size(), c);
            if (!change.Accepted)
                return Invalid;
            text = change.Text;
        }
        return text == input ? Acceptable : Invalid;
    }

private:
    const TNumEditRules& Rules;
};

} // namespace

TNumEdit::TNumEdit(QWidget* parent, TNumStyle style, int digits, int decimals)
    : QLineEdit(parent), Rules(style, digits, decimals, FormatSettings().DecimalSeparator)
{
    setValidator(new TNumValidator(Rules, this));
    setDragEnabled(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(Rules.Normalized(QString()));
}

void TNumEdit::SetStyle(TNumStyle style)
{
    if (style == Rules.Style())
        return;
    Rules.SetStyle(style);
    clear();
}

void TNumEdit::SetAsInteger(int value)
{
    SetValueText(Rules.TextOfInteger(value));
}

void TNumEdit::SetAsFloat(double value)
{
    SetValueText(Rules.TextOfFloat(value));
}

void TNumEdit::SetAsCurrency(TMoney value)
{
    SetValueText(Rules.TextOfCurrency(value));
}

void TNumEdit::SetValueText(const QString& value)
{
    const QString normal = Rules.Normalized(value);
    if (normal != text())
        setText(normal);
}

void TNumEdit::Normalize()
{
    SetValueText(text());
}

void TNumEdit::Apply(const TNumEditChange& change)
{
    if (!change.Accepted)
        return;
    if (change.Text != text())
        setText(change.Text);
    setCursorPosition(change.Cursor);
}

void TNumEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selLength = hasSelectedText() ? int(selectedText().size()) : 0;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) && mods == Qt::NoModifier) {
        Apply(Rules.DeleteKey(text(), selStart, selLength, cursorPosition(), event->key() == Qt::Key_Backspace));
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (mods == Qt::NoModifier && typed.size() == 1 && typed[0].isPrint()) {
        QChar c = typed[0];
        // The keypad's decimal key gives a point on some layouts.
        if ((event->modifiers() & Qt::KeypadModifier) && (c == QLatin1Char('.') || c == QLatin1Char(',')))
            c = Rules.Separator();
        Apply(Rules.TypeChar(text(), selStart, selLength, cursorPosition(), c));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumEdit::focusOutEvent(QFocusEvent* event)
{
    Normalize();
    QLineEdit::focusOutEvent(event);
}

} // namespace vx
