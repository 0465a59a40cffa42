#include "foundation/VXFormats.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {

// Each test starts from the application's formats and leaves them so.
class FormatsTest : public ::testing::Test {
protected:
    void SetUp() override { SetApplicationFormats(); }
    void TearDown() override { SetApplicationFormats(); }
};

TEST_F(FormatsTest, ApplicationFormats)
{
    const TFormatSettings& f = FormatSettings();
    EXPECT_EQ(f.DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(f.ThousandSeparator, QLatin1Char(' '));
    EXPECT_EQ(f.CurrencyString, QStringLiteral(" "));
    EXPECT_EQ(f.CurrencyFormat, 3);
    EXPECT_EQ(f.NegCurrFormat, 8);
    EXPECT_EQ(f.ShortDateFormat, QStringLiteral("dd.mm.yyyy"));
}

TEST_F(FormatsTest, Numbers)
{
    EXPECT_EQ(FormatNumber(1234567.125, 2), QStringLiteral("1 234 567,13"));
    EXPECT_EQ(FormatNumber(-1234.5, 0), QStringLiteral("-1 235"));
    EXPECT_EQ(FormatNumber(999, 1), QStringLiteral("999,0"));
    EXPECT_EQ(FormatNumber(-0.004, 2), QStringLiteral("0,00"));
}

TEST_F(FormatsTest, Money)
{
    const struct {
        double Value;
        int Decimals;
        const char* Symbol;
        const char* Expected;
    } cases[] = {
        {1234.5, -1, "", "1 234,50  "},          // the symbol is a blank after a blank
        {1234.5, 4, "руб", "1 234,5000 руб"},
        {-1234.5, 4, "EUR", "-1 234,5000 EUR"},
        {1234567.0, 2, "$", "1 234 567,00 $"},
        {-0.001, 2, "руб", "0,00 руб"},           // rounds to zero: no sign
        {0, 0, "руб", "0 руб"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatMoney(TMoney::FromDouble(c.Value), c.Decimals, QString::fromUtf8(c.Symbol)),
                  QString::fromUtf8(c.Expected))
            << c.Value;
}

TEST_F(FormatsTest, MoneyFollowsTheCurrencyFormats)
{
    FormatSettings().CurrencyFormat = 0;
    FormatSettings().NegCurrFormat = 1;
    EXPECT_EQ(FormatMoney(TMoney::FromDouble(5), 2, QStringLiteral("$")), QStringLiteral("$5,00"));
    EXPECT_EQ(FormatMoney(TMoney::FromDouble(-5), 2, QStringLiteral("$")), QStringLiteral("-$5,00"));
    FormatSettings().NegCurrFormat = 15;
    EXPECT_EQ(FormatMoney(TMoney::FromDouble(-5), 2, QStringLiteral("$")), QStringLiteral("(5,00 $)"));
}

TEST_F(FormatsTest, ShortDates)
{
    EXPECT_EQ(FormatShortDate(QDate(2024, 3, 5)), QStringLiteral("05.03.2024"));
    FormatSettings().ShortDateFormat = QStringLiteral("d.m.yy");
    EXPECT_EQ(FormatShortDate(QDate(2024, 3, 5)), QStringLiteral("5.3.24"));
}

} // namespace
