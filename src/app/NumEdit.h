#pragma once
#include "foundation/VXMoney.h"
#include "foundation/VXNumEditRules.h"
#include <QLineEdit>

namespace vx {

// The numeric edit control of the dialogs: a one-line edit that holds a number as text and
// lets only what the numeric rules accept be typed. The text is normalised when a value is set
// and when the control loses the focus; textChanged follows every change, typed or set.
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr, TNumStyle style = nsInteger, int digits = 9, int decimals = 2);

    TNumStyle Style() const { return Rules.Style(); }
    // Another style clears the text.
    void SetStyle(TNumStyle style);
    int Digits() const { return Rules.Digits(); }
    void SetDigits(int digits) { Rules.SetDigits(digits); }
    int Decimals() const { return Rules.Decimals(); }
    void SetDecimals(int decimals) { Rules.SetDecimals(decimals); }

    int AsInteger() const { return Rules.IntegerOf(text()); }
    void SetAsInteger(int value);
    double AsFloat() const { return Rules.FloatOf(text()); }
    void SetAsFloat(double value);
    TMoney AsCurrency() const { return Rules.CurrencyOf(text()); }
    void SetAsCurrency(TMoney value);
    // Sets a text and normalises it.
    void SetValueText(const QString& text);
    // What losing the focus does.
    void Normalize();

    const TNumEditRules& EditRules() const { return Rules; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Apply(const TNumEditChange& change);
    TNumEditRules Rules;
};

} // namespace vx
