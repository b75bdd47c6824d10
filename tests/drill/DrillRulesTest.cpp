#include "drill/DateText.h"
#include "drill/RoundClock.h"

#include <gtest/gtest.h>

namespace {

QString shown(const drill::ClockDigits &c)
{
    return QStringLiteral("%1%2:%3%4").arg(c.tensOfMinutes).arg(c.minutes).arg(c.tensOfSeconds).arg(c.seconds);
}

} // namespace

TEST(DateTextTest, MonthWithoutAndDayWithLeadingZero)
{
    EXPECT_EQ(drill::dateText(QDate(2001, 3, 7)), QStringLiteral("2001/3/07"));
    EXPECT_EQ(drill::dateText(QDate(2001, 5, 9)), QStringLiteral("2001/5/09"));
    EXPECT_EQ(drill::dateText(QDate(2024, 12, 31)), QStringLiteral("2024/12/31"));
    EXPECT_EQ(drill::dateText(QDate(2010, 10, 1)), QStringLiteral("2010/10/01"));
}

TEST(RoundClockTest, OneMinuteRoundEndsOnTheSixtiethTick)
{
    drill::ClockDigits clock;
    for (int t = 1; t <= 59; ++t) {
        ASSERT_FALSE(drill::tick(clock, 1)) << "tick " << t;
        if (t == 9)
            EXPECT_EQ(shown(clock), QStringLiteral("00:09"));
        if (t == 10)
            EXPECT_EQ(shown(clock), QStringLiteral("00:10"));
    }
    EXPECT_EQ(shown(clock), QStringLiteral("00:59"));
    EXPECT_TRUE(drill::tick(clock, 1));
    EXPECT_EQ(shown(clock), QStringLiteral("01:00"));
}

TEST(RoundClockTest, TwoMinuteRoundPassesOneMinuteAndEndsOnTheHundredTwentiethTick)
{
    drill::ClockDigits clock;
    int ticks = 0;
    while (!drill::tick(clock, 2)) {
        ++ticks;
        if (ticks == 60)
            EXPECT_EQ(shown(clock), QStringLiteral("01:00"));
        ASSERT_LT(ticks, 200);
    }
    EXPECT_EQ(ticks + 1, 120);
    EXPECT_EQ(shown(clock), QStringLiteral("02:00"));
}
