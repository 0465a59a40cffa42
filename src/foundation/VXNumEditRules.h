#pragma once
#include "foundation/VXMoney.h"
#include <QString>

namespace vx {

enum TNumStyle { nsInteger, nsFloat };

// Outcome of a key in the numeric edit: whether it was taken, the text and the cursor after it.
struct TNumEditChange {
    bool Accepted = false;
    QString Text;
    int Cursor = 0;
};

// The text rules of the numeric edit control, without the widget: what typing and deleting do,
// how the text is normalised and how it reads and writes values. The control holds one of these
// and passes its text, selection and cursor in.
class TNumEditRules {
public:
    // The application's formats set the comma as the decimal separator at start-up.
    explicit TNumEditRules(TNumStyle style = nsInteger, int digits = 9, int decimals = 2,
                           QChar separator = QLatin1Char(','));

    TNumStyle Style() const { return FStyle; }
    // Another style clears the text.
    void SetStyle(TNumStyle style);
    // The largest number of digits before the separator; 0 or less for no limit.
    int Digits() const { return FDigits; }
    void SetDigits(int digits) { FDigits = digits; }
    // Digits after the separator in nsFloat.
    int Decimals() const { return FDecimals; }
    void SetDecimals(int decimals) { FDecimals = decimals < 0 ? 0 : decimals; }
    QChar Separator() const { return FSeparator; }
    void SetSeparator(QChar separator) { FSeparator = separator; }
    // The separator may be typed: nsFloat with at least one decimal.
    bool DecimalsAllowed() const { return FStyle == nsFloat && FDecimals > 0; }

    // --- The rules on a given text; none of them touches the held text.

    // A typed character replaces the selection (or goes in at the cursor when nothing is
    // selected). Refused: anything but digits, a minus sign and the separator; a minus sign
    // anywhere but first; a second separator; a digit when its part is full and nothing is
    // selected.
    TNumEditChange TypeChar(const QString& text, int selStart, int selLength, int cursor, QChar ch) const;
    // Backspace (backward) or Delete. Deleting the separator also deletes the fraction.
    TNumEditChange DeleteKey(const QString& text, int selStart, int selLength, int cursor, bool backward) const;
    // Empty gives "0"; nsFloat gets exactly Decimals decimals and a "0" before a leading
    // separator; nsInteger drops a fraction.
    QString Normalized(const QString& text) const;

    int IntegerOf(const QString& text) const;      // a fraction rounds half away from zero
    double FloatOf(const QString& text) const;
    TMoney CurrencyOf(const QString& text) const;   // four decimals
    QString TextOfInteger(int value) const;
    QString TextOfFloat(double value) const;        // Decimals decimals, halves away from zero
    QString TextOfCurrency(TMoney value) const;

    // --- The same on the held text, as the control uses it.

    const QString& Text() const { return FText; }
    void SetText(const QString& text) { FText = text; }
    int Cursor() const { return FCursor; }
    bool Type(QChar ch, int selStart, int selLength, int cursor);
    void Delete(int selStart, int selLength, int cursor, bool backward);
    void Normalize() { FText = Normalized(FText); }   // on losing the focus

    int AsInteger() const { return IntegerOf(FText); }
    void SetAsInteger(int value) { FText = TextOfInteger(value); }
    double AsFloat() const { return FloatOf(FText); }
    void SetAsFloat(double value) { FText = TextOfFloat(value); }
    TMoney AsCurrency() const { return CurrencyOf(FText); }
    void SetAsCurrency(TMoney value) { FText = TextOfCurrency(value); }

private:
    int EffectiveDecimals() const { return FStyle == nsFloat ? FDecimals : 0; }
    QString Dotted(const QString& text) const;

    TNumStyle FStyle;
    int FDigits;
    int FDecimals;
    QChar FSeparator;
    QString FText;
    int FCursor = 0;
};

} // namespace vx
