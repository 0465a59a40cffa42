#include "TestSupport.h"
#include "reports/VXAmountInWords.h"
#include <gtest/gtest.h>
#include <limits>

using namespace vx;

namespace {

TCurrencyWordForms Roubles()
{
    TCurrencyWordForms f;
    f.Nominative = QStringLiteral("рубль");
    f.Genitive = QStringLiteral("рубля");
    f.GenitivePlural = QStringLiteral("рублей");
    f.Gender = 0;
    f.Dec = 2;
    f.DecNominative = QStringLiteral("копейка");
    f.DecGenitive = QStringLiteral("копейки");
    f.DecGenitivePlural = QStringLiteral("копеек");
    return f;
}

// A currency missing from the currency table: no unit words, no fraction.
TCurrencyWordForms Missing()
{
    TCurrencyWordForms f;
    f.Dec = 0;
    return f;
}

TMoney Amount(const char* text)
{
    TMoney m;
    EXPECT_TRUE(TMoney::TryParse(QString::fromLatin1(text), m)) << text;
    return m;
}

struct TCase {
    const char* amount;
    const char* words;
};

TEST(AmountInWords, RoubleAmounts)
{
    const TCase cases[] = {
        {"0", "Ноль рублей 00 копеек"},
        {"1", "Один рубль 00 копеек"},
        {"21", "Двадцать один рубль 00 копеек"},
        {"12", "Двенадцать рублей 00 копеек"},
        {"114", "Сто четырнадцать рублей 00 копеек"},
        {"1001", "Одна тысяча один рубль 00 копеек"},
        {"2000000", "Два миллиона рублей 00 копеек"},
        {"123.45", "Сто двадцать три рубля 45 копеек"},
        {"5.01", "Пять рублей 01 копейка"},
        {"5.03", "Пять рублей 03 копейки"},
        {"5.11", "Пять рублей 11 копеек"},
        {"5.21", "Пять рублей 21 копейка"},
        {"0.45", "Рублей 45 копеек"},
        {"-123.45", "Сто двадцать три рубля 45 копеек"},
        {"2.005", "Два рубля 01 копейка"},      // halves up
        {"1.999", "Два рубля 00 копеек"},       // a fraction rounding to a whole unit is carried
        {"1000", "Одна тысяча рублей 00 копеек"},
        {"2000", "Две тысячи рублей 00 копеек"},
        {"5000", "Пять тысяч рублей 00 копеек"},
        {"11000", "Одиннадцать тысяч рублей 00 копеек"},
        {"21000", "Двадцать одна тысяча рублей 00 копеек"},
        {"1000000", "Один миллион рублей 00 копеек"},
        {"5000000", "Пять миллионов рублей 00 копеек"},
        {"1000000000", "Один миллиард рублей 00 копеек"},
        {"3000000000", "Три миллиарда рублей 00 копеек"},
        {"12000000000", "Двенадцать миллиардов рублей 00 копеек"},
        {"1000000000000", "Один триллион рублей 00 копеек"},
        {"4000000000000", "Четыре триллиона рублей 00 копеек"},
        {"20000000000000", "Двадцать триллионов рублей 00 копеек"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(AmountInWords(Roubles(), Amount(c.amount)), QString::fromUtf8(c.words)) << c.amount;

    // The ends of the money range (whose limit lies below the words' own limit of 10^15 - 1).
    const QString largest = QStringLiteral(
        "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона шестьсот "
        "восемьдесят пять тысяч четыреста семьдесят семь рублей 58 копеек");
    EXPECT_EQ(AmountInWords(Roubles(), TMoney::FromRaw(std::numeric_limits<int64_t>::max())), largest);
    EXPECT_EQ(AmountInWords(Roubles(), TMoney::FromRaw(std::numeric_limits<int64_t>::min())), largest);
}

// Every number word, written without unit words (currency missing from the table).
TEST(AmountInWords, NumberWordsWithoutCurrency)
{
    const TCase cases[] = {
        {"0", "Ноль"},         {"1", "Один"},          {"2", "Два"},           {"3", "Три"},
        {"4", "Четыре"},       {"5", "Пять"},          {"6", "Шесть"},         {"7", "Семь"},
        {"8", "Восемь"},       {"9", "Девять"},        {"10", "Десять"},       {"11", "Одиннадцать"},
        {"12", "Двенадцать"},  {"13", "Тринадцать"},   {"14", "Четырнадцать"}, {"15", "Пятнадцать"},
        {"16", "Шестнадцать"}, {"17", "Семнадцать"},   {"18", "Восемнадцать"}, {"19", "Девятнадцать"},
        {"20", "Двадцать"},    {"30", "Тридцать"},     {"40", "Сорок"},        {"50", "Пятьдесят"},
        {"60", "Шестьдесят"},  {"70", "Семьдесят"},    {"80", "Восемьдесят"},  {"90", "Девяносто"},
        {"100", "Сто"},        {"200", "Двести"},      {"300", "Триста"},      {"400", "Четыреста"},
        {"500", "Пятьсот"},    {"600", "Шестьсот"},    {"700", "Семьсот"},     {"800", "Восемьсот"},
        {"900", "Девятьсот"},  {"123.45", "Сто двадцать три"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(AmountInWords(Missing(), Amount(c.amount)), QString::fromUtf8(c.words)) << c.amount;
}

TEST(AmountInWords, GenderOfTheUnitAndFractionDigits)
{
    TCurrencyWordForms feminine = Roubles();
    feminine.Gender = 1;
    feminine.Nominative = QStringLiteral("гривна");
    feminine.Genitive = QStringLiteral("гривны");
    feminine.GenitivePlural = QStringLiteral("гривен");
    EXPECT_EQ(AmountInWords(feminine, Amount("2")), QStringLiteral("Две гривны 00 копеек"));
    EXPECT_EQ(AmountInWords(feminine, Amount("1")), QStringLiteral("Одна гривна 00 копеек"));

    TCurrencyWordForms neuter = Roubles();
    neuter.Gender = 2;
    neuter.Nominative = neuter.Genitive = neuter.GenitivePlural = QStringLiteral("евро");
    EXPECT_EQ(AmountInWords(neuter, Amount("1")), QStringLiteral("Одно евро 00 копеек"));
    EXPECT_EQ(AmountInWords(neuter, Amount("2")), QStringLiteral("Два евро 00 копеек"));

    // Digits of the fraction by the number of decimals.
    const struct {
        int dec;
        const char* amount;
        const char* words;
    } digits[] = {
        {1, "5.25", "Пять рублей 3 копейки"},
        {3, "5.0125", "Пять рублей 013 копеек"},
        {4, "5.0125", "Пять рублей 0125 копеек"},
        {5, "5.0125", "Пять рублей 1250 копеек"},
        {0, "5.99", "Пять рублей"},
    };
    for (const auto& d : digits) {
        TCurrencyWordForms f = Roubles();
        f.Dec = d.dec;
        EXPECT_EQ(AmountInWords(f, Amount(d.amount)), QString::fromUtf8(d.words)) << d.dec;
    }
}

} // namespace
