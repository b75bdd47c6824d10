#include "drill/DateText.h"

#include <gtest/gtest.h>

TEST(DateTextTest, MonthWithoutAndDayWithLeadingZero)
{
    EXPECT_EQ(drill::dateText(QDate(2001, 3, 7)), QStringLiteral("2001/3/07"));
    EXPECT_EQ(drill::dateText(QDate(2001, 5, 9)), QStringLiteral("2001/5/09"));
    EXPECT_EQ(drill::dateText(QDate(2024, 12, 31)), QStringLiteral("2024/12/31"));
    EXPECT_EQ(drill::dateText(QDate(2010, 10, 1)), QStringLiteral("2010/10/01"));
}
