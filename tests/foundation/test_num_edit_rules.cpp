#include "foundation/VXNumEditRules.h"
#include "foundation/VXError.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {
QString S(const char* utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

TEST(NumEditRules, Typing)
{
    struct Case {
        TNumStyle style; int digits; int decimals;
        const char* text; int selStart; int selLength; int cursor; char ch;
        bool accepted; const char* result;
    };
    const Case cases[] = {
        {nsFloat, 5, 2, "12", 2, 0, 2, '3', true, "123"},
        {nsFloat, 5, 2, "12345", 5, 0, 5, '6', false, "12345"},      // integer part full
        {nsFloat, 5, 2, "12345,1", 7, 0, 7, '2', true, "12345,12"},  // ...but the fraction is not
        {nsFloat, 5, 2, "1,23", 4, 0, 4, '4', false, "1,23"},        // fraction full
        {nsFloat, 5, 2, "1,23", 0, 0, 0, '5', true, "51,23"},        // ...but the integer part is not
        {nsFloat, 5, 2, "12345", 0, 1, 1, '9', true, "92345"},       // a selection is replaced
        {nsFloat, 5, 2, "1,23", 2, 1, 3, '9', true, "1,93"},
        {nsFloat, 5, 2, "12345,12", 5, 1, 6, '9', false, "12345,12"}, // joining the parts overfills
        {nsFloat, 5, 2, "1,2", 1, 1, 2, '9', true, "192"},
        {nsFloat, 5, 2, "-1234", 5, 0, 5, '5', true, "-12345"},      // the sign is no digit
        {nsInteger, 0, 0, "123456789012", 12, 0, 12, '3', true, "1234567890123"}, // no limit
        {nsFloat, 5, 2, "12", 0, 0, 0, '-', true, "-12"},
        {nsFloat, 5, 2, "12", 1, 0, 1, '-', false, "12"},
        {nsFloat, 5, 2, "-12", 0, 0, 0, '-', false, "-12"},
        {nsFloat, 5, 2, "-12", 0, 1, 1, '-', true, "-12"},
        {nsFloat, 5, 2, "-12", 0, 0, 0, '5', false, "-12"},          // nothing before the sign
        {nsFloat, 5, 2, "-12", 0, 0, 0, ',', false, "-12"},
        {nsFloat, 5, 2, "12", 2, 0, 2, ',', true, "12,"},
        {nsFloat, 5, 2, "", 0, 0, 0, ',', true, ","},
        {nsFloat, 5, 2, "1,2", 3, 0, 3, ',', false, "1,2"},          // once
        {nsFloat, 5, 2, "1,2", 1, 1, 2, ',', true, "1,2"},
        {nsFloat, 5, 2, "12", 2, 0, 2, '.', false, "12"},            // only the system separator
        {nsFloat, 5, 0, "12", 2, 0, 2, ',', false, "12"},            // no decimals allowed
        {nsInteger, 5, 2, "12", 2, 0, 2, ',', false, "12"},
        {nsInteger, 5, 2, "12", 2, 0, 2, 'a', false, "12"},
        {nsInteger, 5, 2, "12", 2, 0, 2, ' ', false, "12"},
        {nsInteger, 5, 2, "12", 2, 0, 2, '+', false, "12"},
    };
    for (const Case& c : cases) {
        TNumEditRules rules(c.style, c.digits, c.decimals);
        const TNumEditChange r = rules.TypeChar(S(c.text), c.selStart, c.selLength, c.cursor, QLatin1Char(c.ch));
        EXPECT_EQ(r.Accepted, c.accepted) << c.text << " + '" << c.ch << "' at " << c.cursor;
        EXPECT_EQ(r.Text, S(c.result)) << c.text << " + '" << c.ch << "' at " << c.cursor;
    }
}

TEST(NumEditRules, TypingOnHeldTextMovesTheCursor)
{
    TNumEditRules rules(nsFloat, 4, 2);
    int cursor = 0;
    for (char ch : {'1', '2', ',', '5', '7', '9'}) {
        rules.Type(QLatin1Char(ch), cursor, 0, cursor);
        cursor = rules.Cursor();
    }
    EXPECT_EQ(rules.Text(), S("12,57"));
    EXPECT_EQ(rules.Cursor(), 5);
    EXPECT_FALSE(rules.Type(QLatin1Char('x'), 0, 0, 0));
    EXPECT_EQ(rules.Text(), S("12,57"));

    TNumEditRules dotted(nsFloat, 4, 2, QLatin1Char('.'));
    EXPECT_TRUE(dotted.TypeChar(S("1"), 1, 0, 1, QLatin1Char('.')).Accepted);
    EXPECT_FALSE(dotted.TypeChar(S("1"), 1, 0, 1, QLatin1Char(',')).Accepted);
}

TEST(NumEditRules, Deleting)
{
    struct { const char* text; int selStart; int selLength; int cursor; bool backward; const char* result; int cursorAfter; } cases[] = {
        {"12,34", 3, 0, 3, true, "12", 2},     // Backspace over the separator takes the fraction
        {"12,34", 2, 0, 2, false, "12", 2},    // so does Delete
        {"12,34", 2, 0, 2, true, "1,34", 1},
        {"12,34", 3, 0, 3, false, "12,4", 3},
        {"12,34", 1, 3, 4, true, "1", 1},      // a selection holding the separator
        {"12,34", 3, 2, 5, false, "12,", 3},
        {"-5", 2, 0, 2, true, "-", 1},
    };
    TNumEditRules rules(nsFloat, 5, 2);
    for (const auto& c : cases) {
        const TNumEditChange r = rules.DeleteKey(S(c.text), c.selStart, c.selLength, c.cursor, c.backward);
        EXPECT_TRUE(r.Accepted) << c.text;
        EXPECT_EQ(r.Text, S(c.result)) << c.text << " at " << c.cursor << (c.backward ? " BS" : " Del");
        EXPECT_EQ(r.Cursor, c.cursorAfter) << c.text;
    }
    EXPECT_FALSE(rules.DeleteKey(S("12"), 0, 0, 0, true).Accepted);
    EXPECT_FALSE(rules.DeleteKey(S("12"), 2, 0, 2, false).Accepted);
    EXPECT_EQ(rules.DeleteKey(S("12"), 5, 9, 7, true).Text, S("1"));   // out-of-range positions are clamped
}

TEST(NumEditRules, Normalisation)
{
    struct { TNumStyle style; int decimals; const char* text; const char* expected; } cases[] = {
        {nsFloat, 2, "", "0,00"},
        {nsFloat, 2, ",5", "0,50"},
        {nsFloat, 2, "-,5", "-0,50"},
        {nsFloat, 2, "7", "7,00"},
        {nsFloat, 2, "7,", "7,00"},
        {nsFloat, 2, "1,239", "1,23"},     // cut, not rounded
        {nsFloat, 2, "-", "0,00"},
        {nsFloat, 2, " 12,5 ", "12,50"},
        {nsFloat, 0, "1,5", "1"},
        {nsInteger, 2, "12,7", "12"},
        {nsInteger, 2, "", "0"},
        {nsInteger, 2, ",5", "0"},
        {nsInteger, 2, "-12", "-12"},
        {nsInteger, 2, "-", "0"},
    };
    for (const auto& c : cases) {
        TNumEditRules rules(c.style, 9, c.decimals);
        EXPECT_EQ(rules.Normalized(S(c.text)), S(c.expected)) << c.text;
    }
}

TEST(NumEditRules, ReadingValues)
{
    TNumEditRules rules(nsFloat, 9, 2);
    struct { const char* text; int asInt; double asFloat; int64_t rawCurrency; } cases[] = {
        {"12,5", 13, 12.5, 125000},
        {"-12,5", -13, -12.5, -125000},
        {"12,49", 12, 12.49, 124900},
        {"42", 42, 42.0, 420000},
        {"1,23456", 1, 1.23456, 12346},    // currency keeps four decimals
        {"", 0, 0.0, 0},
        {"-", 0, 0.0, 0},
        {",", 0, 0.0, 0},
        {"1 234,5", 1235, 1234.5, 12345000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rules.IntegerOf(S(c.text)), c.asInt) << c.text;
        EXPECT_EQ(rules.FloatOf(S(c.text)), c.asFloat) << c.text;
        EXPECT_EQ(rules.CurrencyOf(S(c.text)).raw(), c.rawCurrency) << c.text;
    }
    EXPECT_THROW(rules.IntegerOf(S("99999999999")), EValtrixError);
}

TEST(NumEditRules, WritingValues)
{
    TNumEditRules two(nsFloat, 9, 2);
    EXPECT_EQ(two.TextOfFloat(2.675), S("2,68"));        // the decimal value, halves away from zero
    EXPECT_EQ(two.TextOfFloat(-2.675), S("-2,68"));
    EXPECT_EQ(two.TextOfFloat(-0.001), S("0,00"));       // no negative zero
    EXPECT_EQ(two.TextOfFloat(1234567.891), S("1234567,89"));
    EXPECT_EQ(two.TextOfInteger(5), S("5,00"));
    EXPECT_EQ(two.TextOfCurrency(TMoney::FromRaw(1250)), S("0,13"));
    EXPECT_EQ(two.TextOfCurrency(TMoney::FromRaw(-1250)), S("-0,13"));
    EXPECT_EQ(two.TextOfCurrency(TMoney::FromRaw(-49)), S("0,00"));
    EXPECT_EQ(two.TextOfCurrency(TMoney::FromRaw(std::numeric_limits<int64_t>::min())),
              S("-922337203685477,58"));

    TNumEditRules six(nsFloat, 9, 6);
    EXPECT_EQ(six.TextOfCurrency(TMoney::FromRaw(-49)), S("-0,004900"));
    EXPECT_EQ(six.TextOfFloat(1.0000005), S("1,000001"));

    TNumEditRules whole(nsInteger, 9, 2);
    EXPECT_EQ(whole.TextOfFloat(2.5), S("3"));            // an integer edit shows no decimals
    EXPECT_EQ(whole.TextOfCurrency(TMoney::FromRaw(-25000)), S("-3"));
    EXPECT_EQ(whole.TextOfInteger(-7), S("-7"));

    TNumEditRules dotted(nsFloat, 9, 2, QLatin1Char('.'));
    dotted.SetAsFloat(1.5);
    EXPECT_EQ(dotted.Text(), S("1.50"));
    EXPECT_EQ(dotted.AsFloat(), 1.5);
    dotted.SetAsCurrency(TMoney::FromRaw(123456));
    EXPECT_EQ(dotted.Text(), S("12.35"));
    EXPECT_EQ(dotted.AsCurrency().raw(), 123500);
}

TEST(NumEditRules, ChangingTheStyleClearsTheText)
{
    TNumEditRules rules(nsFloat, 9, 2);
    rules.SetAsFloat(12.5);
    rules.SetStyle(nsFloat);
    EXPECT_EQ(rules.Text(), S("12,50"));
    rules.SetStyle(nsInteger);
    EXPECT_EQ(rules.Text(), QString());
    EXPECT_EQ(rules.AsInteger(), 0);
    rules.SetText(S("8,"));
    rules.Normalize();
    EXPECT_EQ(rules.Text(), S("8"));
}
