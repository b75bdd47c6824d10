#include "NumberRows.h"
#include "QtPrinters.h"

#include "drill/Texts.h"
#include "drill/Round.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

TEST(DateTextTest, MonthWithoutAndDayWithLeadingZero)
{
    EXPECT_EQ(drill::dateText(QDate(2001, 3, 7)), QStringLiteral("2001/3/07"));
    EXPECT_EQ(drill::dateText(QDate(2001, 5, 9)), QStringLiteral("2001/5/09"));
    EXPECT_EQ(drill::dateText(QDate(2024, 12, 31)), QStringLiteral("2024/12/31"));
    EXPECT_EQ(drill::dateText(QDate(2010, 10, 1)), QStringLiteral("2010/10/01"));
}

namespace {

std::array<int, 4> digits(const drill::Round &round)
{
    const drill::ClockDigits c = round.clock();
    return {c.tensOfMinutes, c.minutes, c.tensOfSeconds, c.seconds};
}

} // namespace

TEST(RoundTest, OnlyTheTickThatReachesTheRoundsLengthEndsItAndTheClockShowsMinutesAndSeconds)
{
    for (const int minutes : {1, 2}) {
        SCOPED_TRACE(minutes);
        drill::Round round(minutes);
        EXPECT_EQ(digits(round), (std::array<int, 4>{0, 0, 0, 0}));
        for (int second = 1; second <= minutes * 60 + 1; ++second)
            EXPECT_EQ(round.tick(), second == minutes * 60) << "second " << second;
        EXPECT_EQ(round.elapsedSeconds(), minutes * 60 + 1);
    }

    struct Case
    {
        int seconds;
        std::array<int, 4> shown;
    };
    const Case cases[]{{0, {0, 0, 0, 0}},   {9, {0, 0, 0, 9}},    {59, {0, 0, 5, 9}},
                       {60, {0, 1, 0, 0}},  {119, {0, 1, 5, 9}},  {120, {0, 2, 0, 0}},
                       {599, {0, 9, 5, 9}}, {600, {1, 0, 0, 0}}};
    drill::Round round(10);
    int elapsed = 0;
    for (const Case &c : cases) {
        for (; elapsed < c.seconds; ++elapsed)
            round.tick();
        EXPECT_EQ(digits(round), c.shown) << c.seconds << " s";
    }
}

TEST(RoundTest, OnlyTheExactTextOfTheExpectedAnswerIsRightAndEveryAnswerCounts)
{
    struct Case
    {
        QString typed, expected;
        bool right;
    };
    const Case cases[]{
        {QStringLiteral("7"), QStringLiteral("7"), true},
        {QStringLiteral(" 7"), QStringLiteral("7"), false},
        {QStringLiteral("7 "), QStringLiteral("7"), false},
        {QStringLiteral("07"), QStringLiteral("7"), false},
        {QStringLiteral("+7"), QStringLiteral("7"), false},
        {QStringLiteral("７"), QStringLiteral("7"), false},
        {QString(), QStringLiteral("7"), false},
        {QString(), QString(), false},
        {QStringLiteral("7"), QString(), false},
        {QStringLiteral("3あまり2"), QStringLiteral("3あまり2"), true},
        {QStringLiteral("3"), QStringLiteral("3あまり2"), false},
        {QStringLiteral("32"), QStringLiteral("3あまり2"), false},
        {QStringLiteral("3 あまり 2"), QStringLiteral("3あまり2"), false},
        {QStringLiteral("123456789012"), QStringLiteral("123456789012"), true},
        {QStringLiteral("123456789011"), QStringLiteral("123456789012"), false},
    };
    drill::Round round(1);
    int right = 0, wrong = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(("typed \"" + c.typed + "\", expected \"" + c.expected + '"').toStdString());
        EXPECT_EQ(round.judge(c.typed, c.expected), c.right);
        ++(c.right ? right : wrong);
        EXPECT_EQ(round.right(), right);
        EXPECT_EQ(round.wrong(), wrong);
    }
}

TEST(RoundTest, ResetClearsTheCountsAndTheClockAndTheRoundRunsItsFullLengthAgain)
{
    drill::Round round(1);
    round.judge(QStringLiteral("2"), QStringLiteral("2"));
    round.judge(QStringLiteral("3"), QStringLiteral("2"));
    for (int second = 0; second < 45; ++second)
        round.tick();
    round.reset();
    EXPECT_EQ(round.right(), 0);
    EXPECT_EQ(round.wrong(), 0);
    EXPECT_EQ(round.elapsedSeconds(), 0);
    EXPECT_EQ(digits(round), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(round.minutes(), 1);
    for (int second = 1; second < 60; ++second)
        ASSERT_FALSE(round.tick()) << "second " << second;
    EXPECT_TRUE(round.tick());
}

TEST(NumberTextTest, FullWidthDigitsAndCommasBetweenGroupsOfThreeFromTheRight)
{
    EXPECT_EQ(drill::fullWidth(12), QStringLiteral("１２"));
    const std::vector<std::pair<qint64, QString>> cases{
        {20, QStringLiteral("20")},
        {100, QStringLiteral("100")},
        {9604, QStringLiteral("9，604")},
        {100000, QStringLiteral("100，000")},
        {1234567, QStringLiteral("1，234，567")},
        {99997800004, QStringLiteral("99，997，800，004")},
        {899999999991, QStringLiteral("899，999，999，991")},
    };
    for (const auto &[number, text] : cases) {
        EXPECT_EQ(withCommas(number), text) << number;
        EXPECT_EQ(int(drill::commaPlaces(int(QString::number(number).size())).size()),
                  int(text.count(QStringLiteral("，"))))
            << number;
    }
}
