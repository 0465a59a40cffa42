#include "foundation/VXError.h"
#include "foundation/VXMoney.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using vx::TMoney;

TEST(Money, FromDoubleRoundsHalfToEven)
{
    struct { double in; int64_t raw; } cases[] = {
        {1.00005, 10001},   // the double lies just above the tie
        {1.00004, 10000},
        {2.5, 25000},
        {-1.23456, -12346},
        {0.0, 0},
    };
    for (auto c : cases)
        EXPECT_EQ(TMoney::FromDouble(c.in).raw(), c.raw) << c.in;
}

TEST(Money, ProductsAndQuotientsRoundToFourDecimalsTiesToEven)
{
    TMoney a = TMoney::FromRaw(15);      // 0.0015
    TMoney half = TMoney::FromRaw(5000); // 0.5
    EXPECT_EQ((a * half).raw(), 8);      // 0.00075 -> 0.0008 (tie, to even)
    EXPECT_EQ((TMoney::FromRaw(25) * half).raw(), 12); // 0.00125 -> 0.0012
    EXPECT_EQ((TMoney::FromInt(10) / TMoney::FromInt(3)).raw(), 33333);
    EXPECT_EQ((TMoney::FromInt(-10) / TMoney::FromInt(3)).raw(), -33333);
    EXPECT_EQ(TMoney::FromInt(100).mulDouble(0.2).raw(), 200000);
    EXPECT_THROW(TMoney::FromInt(1) / TMoney(), vx::EValtrixError);
}

TEST(Money, TextRoundTrip)
{
    TMoney m;
    ASSERT_TRUE(TMoney::TryParse(QStringLiteral("1 234,56789"), m));
    EXPECT_EQ(m.raw(), 12345679);
    EXPECT_EQ(m.toString(2, QLatin1Char(',')), QStringLiteral("1234,57"));
    EXPECT_EQ(TMoney::FromRaw(-5).toString(), QStringLiteral("-0.0005"));
    EXPECT_FALSE(TMoney::TryParse(QStringLiteral("12a"), m));
    EXPECT_FALSE(TMoney::TryParse(QString(), m));
}
