#include "reports/VXAmountInWords.h"
#include <QStringList>

namespace vx {

namespace {

const char* const Units[] = {"", "", "", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять"};
const char* const Teens[] = {"десять",       "одиннадцать", "двенадцать",   "тринадцать", "четырнадцать",
                             "пятнадцать",   "шестнадцать", "семнадцать",   "восемнадцать", "девятнадцать"};
const char* const Tens[] = {"", "", "двадцать", "тридцать", "сорок", "пятьдесят", "шестьдесят", "семьдесят",
                            "восемьдесят", "девяносто"};
const char* const Hundreds[] = {"", "сто", "двести", "триста", "четыреста", "пятьсот", "шестьсот", "семьсот",
                                "восемьсот", "девятьсот"};

enum TGender { Masculine = 0, Feminine = 1, Neuter = 2 };

QString Word(const char* text) { return QString::fromUtf8(text); }

QString DigitWord(int digit, int gender)
{
    if (digit == 1)
        return gender == Masculine ? Word("один") : gender == Feminine ? Word("одна") : Word("одно");
    if (digit == 2)
        return gender == Feminine ? Word("две") : Word("два");
    return Word(Units[digit]);
}

// A group of 0..999 in words; answers the form number that chooses the following noun.
int WriteGroup(int group, int gender, QStringList& out)
{
    if (group <= 0)
        return 0;
    if (group / 100 > 0)
        out << Word(Hundreds[group / 100]);
    const int rest = group % 100;
    if (rest >= 20) {
        out << Word(Tens[rest / 10]);
        if (rest % 10 != 0)
            out << DigitWord(rest % 10, gender);
        return rest % 10;
    }
    if (rest >= 10)
        out << Word(Teens[rest - 10]);
    else if (rest > 0)
        out << DigitWord(rest, gender);
    return rest;
}

const QString& ByForm(int form, const QString& one, const QString& few, const QString& many)
{
    if (form == 1)
        return one;
    if (form >= 2 && form <= 4)
        return few;
    return many;
}

// The form number of a count: the last two digits below 20, otherwise the last digit.
int FormOf(int64_t n)
{
    const int rest = int(n % 100);
    return rest >= 20 ? rest % 10 : rest;
}

int GenderOf(int value) { return value == 0 ? Masculine : value == 1 ? Feminine : Neuter; }

} // namespace

TCurrencyWordForms CurrencyWordForms(int currency)
{
    TCurrencyWordForms forms;
    forms.Dec = 0;
    CurrencyWords(currency, forms);
    return forms;
}

QString AmountInWords(const TCurrencyWordForms& forms, TMoney amount)
{
    // In ten-thousandths, as an unsigned count so that the most negative amount has its absolute
    // value too. The money range ends below the limit of the words (999 999 999 999 999); the
    // test stays for amounts that reach here from elsewhere.
    const uint64_t raw = amount.raw() < 0 ? 0 - uint64_t(amount.raw()) : uint64_t(amount.raw());
    constexpr int64_t Limit = 999'999'999'999'999LL;
    int64_t whole = int64_t(raw / uint64_t(TMoney::Scale));
    const int64_t fraction = int64_t(raw % uint64_t(TMoney::Scale));
    if (whole > Limit || (whole == Limit && fraction > 0))
        return QString();

    // The fraction times 10^decimals, halves up; beyond four decimals the digits are zeros.
    // A fraction that rounds up to a whole unit is carried, so that 1,999 with two decimals
    // reads as two units and 00 rather than one unit and 100.
    int64_t f = 0;
    if (forms.Dec > 0) {
        f = fraction;
        if (forms.Dec < 4) {
            int64_t div = 1;
            for (int i = forms.Dec; i < 4; ++i)
                div *= 10;
            f = (fraction + div / 2) / div;
            if (f * div >= TMoney::Scale) {
                f = 0;
                ++whole;
            }
        } else {
            for (int i = 4; i < forms.Dec && i < 18; ++i)
                f *= 10;
        }
    }

    struct TScale {
        int64_t Size;
        const char *One, *Few, *Many;
        int Gender;
    };
    static const TScale Scales[] = {
        {1'000'000'000'000LL, "триллион", "триллиона", "триллионов", Masculine},
        {1'000'000'000LL, "миллиард", "миллиарда", "миллиардов", Masculine},
        {1'000'000LL, "миллион", "миллиона", "миллионов", Masculine},
        {1'000LL, "тысяча", "тысячи", "тысяч", Feminine},
    };
    QStringList parts;
    for (const TScale& s : Scales) {
        const int group = int((whole / s.Size) % 1000);
        if (group > 0) {
            const int form = WriteGroup(group, s.Gender, parts);
            parts << ByForm(form, Word(s.One), Word(s.Few), Word(s.Many));
        }
    }
    const int units = int(whole % 1000);
    int form = 0;
    if (units > 0 || fraction > 0)
        form = WriteGroup(units, GenderOf(forms.Gender), parts);
    else if (parts.isEmpty())
        parts << Word("ноль");
    parts << ByForm(form, forms.Nominative, forms.Genitive, forms.GenitivePlural);

    if (forms.Dec > 0) {
        const int width = forms.Dec == 1 ? 1 : forms.Dec <= 4 ? forms.Dec : 2;
        parts << QStringLiteral("%1").arg(f, width, 10, QLatin1Char('0'));
        parts << ByForm(FormOf(f), forms.DecNominative, forms.DecGenitive, forms.DecGenitivePlural);
    }

    QString text;
    for (const QString& p : parts) {
        if (p.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += p;
    }
    text = text.trimmed();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace vx
