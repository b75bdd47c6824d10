#include "drill/Round.h"
#include "drills/basic/Tables.h"
#include "ui/SystemServices.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::set<int> oneToNine{1, 2, 3, 4, 5, 6, 7, 8, 9};

std::set<int> range(int low, int high)
{
    std::set<int> values;
    for (int v = low; v <= high; ++v)
        values.insert(v);
    return values;
}

} // namespace

TEST(TablesQuestionTest, TimesTablesKeepTheirFactorsAndNeverRepeatAQuestion)
{
    StandardRandom random;
    random.reseed(20010307);
    for (int level = 1; level <= tables::Mix; ++level) {
        SCOPED_TRACE(testing::Message() << "times level " << level);
        const std::set<int> firstFactors = level == tables::Mix ? oneToNine : std::set<int>{level};
        std::set<int> firsts, seconds;
        tables::Product previous = tables::firstProduct(level, random);
        for (int i = 0; i <= 2000; ++i) {
            const tables::Product next =
                i == 0 ? previous : tables::nextProduct(level, previous, random);
            if (i > 0)
                ASSERT_FALSE(next.first == previous.first && next.second == previous.second)
                    << "question " << i << ": " << next.first << " x " << next.second;
            ASSERT_TRUE(firstFactors.count(next.first)) << "first factor " << next.first;
            ASSERT_TRUE(oneToNine.count(next.second)) << "second factor " << next.second;
            firsts.insert(next.first);
            seconds.insert(next.second);
            previous = next;
        }
        EXPECT_EQ(firsts, firstFactors);
        EXPECT_EQ(seconds, oneToNine);
    }
}

TEST(TablesQuestionTest, DivisionTablesKeepTheirShapeAndNeverRepeatAQuestion)
{
    StandardRandom random;
    random.reseed(20010307);
    for (int level = 1; level <= tables::Remainder; ++level) {
        SCOPED_TRACE(testing::Message() << "division level " << level);
        const std::set<int> divisorRange = level == tables::Mix         ? oneToNine
                                           : level == tables::Remainder ? range(2, 9)
                                                                        : std::set<int>{level};
        std::set<int> divisors, quotients, remainders;
        tables::Division previous = tables::firstDivision(level, random);
        for (int i = 0; i <= 2000; ++i) {
            const tables::Division next =
                i == 0 ? previous : tables::nextDivision(level, previous, random);
            if (i > 0)
                ASSERT_FALSE(next.dividend == previous.dividend && next.divisor == previous.divisor)
                    << "question " << i << ": " << next.dividend << " / " << next.divisor;
            ASSERT_TRUE(divisorRange.count(next.divisor)) << "divisor " << next.divisor;
            if (level == tables::Remainder) {
                ASSERT_GE(next.remainder, 1);
                ASSERT_LT(next.remainder, next.divisor);
            } else {
                ASSERT_EQ(next.remainder, 0);
            }
            ASSERT_EQ(next.dividend % next.divisor, next.remainder)
                << next.dividend << " / " << next.divisor;
            const int quotient = next.dividend / next.divisor;
            ASSERT_TRUE(oneToNine.count(quotient)) << next.dividend << " / " << next.divisor;
            ASSERT_EQ(next.quotient(), quotient);
            divisors.insert(next.divisor);
            quotients.insert(quotient);
            remainders.insert(next.remainder);
            previous = next;
        }
        EXPECT_EQ(divisors, divisorRange);
        EXPECT_EQ(quotients, oneToNine);
        EXPECT_EQ(remainders, level == tables::Remainder ? range(1, 8) : std::set<int>{0});
    }
}

TEST(TablesAnswerTest, AnswerTextsAndOnlyTheExactRemainderAnswerIsRight)
{
    EXPECT_EQ((tables::Product{9, 9}.answer()), QStringLiteral("81"));
    EXPECT_EQ((tables::Product{1, 7}.answer()), QStringLiteral("7"));
    EXPECT_EQ((tables::Division{63, 9, 0}.answer()), QStringLiteral("7"));
    EXPECT_EQ((tables::Division{9, 9, 0}.answer()), QStringLiteral("1"));
    const QString expected = tables::Division{17, 5, 2}.answer();
    EXPECT_EQ(expected, QStringLiteral("3あまり2"));

    struct Case
    {
        QString typed;
        bool right;
    };
    const std::vector<Case> cases{
        {QStringLiteral("3あまり2"), true},    {QStringLiteral("3あまり1"), false},
        {QStringLiteral("3"), false},          {QStringLiteral("3 あまり 2"), false},
        {QStringLiteral("3あまり２"), false},  {QStringLiteral("３あまり2"), false},
        {QStringLiteral("3あまり"), false},    {QStringLiteral("あまり2"), false},
    };
    drill::Round round(3);
    for (const Case &c : cases)
        EXPECT_EQ(round.judge(c.typed, expected), c.right) << c.typed.toStdString();
    EXPECT_EQ(round.right(), 1);
    EXPECT_EQ(round.wrong(), 7);
}

TEST(TablesResultTest, PassMarkCaptionsAndMessages)
{
    struct Pass
    {
        int right;
        bool passed;
    };
    for (const Pass &p : std::vector<Pass>{{0, false}, {19, false}, {20, true}, {21, true}})
        EXPECT_EQ(tables::passed(p.right), p.passed) << p.right << " right";

    struct Caption
    {
        int level;
        QString caption;
    };
    const std::vector<Caption> captions{{1, QStringLiteral("１の段")},
                                        {9, QStringLiteral("９の段")},
                                        {tables::Mix, QStringLiteral("みっくす")},
                                        {tables::Remainder, QStringLiteral("あまり")}};
    for (const Caption &c : captions) {
        EXPECT_EQ(tables::caption(c.level), c.caption) << "level " << c.level;
        EXPECT_EQ(tables::clearedMessage(c.level), c.caption + QStringLiteral("クリアーおめでと～"))
            << "level " << c.level;
    }
}

TEST(TablesLevelsTest, ALevelIsOfferedOnceTheOneBeforeIsClearedUntilItIsClearedItself)
{
    struct Case
    {
        std::vector<int> flags;
        std::vector<bool> offered;
    };
    const std::vector<int> nineCleared(9, 1);
    auto then = [](std::vector<int> flags, std::initializer_list<int> more) {
        flags.insert(flags.end(), more);
        return flags;
    };
    auto only = [](std::size_t size, std::size_t index) {
        std::vector<bool> offered(size, false);
        offered[index] = true;
        return offered;
    };
    const std::vector<Case> cases{
        {{0, 0}, {true, false}},
        {{1, 0}, {false, true}},
        {{1, 1}, {false, false}},
        // A flag set out of order (a file edited by hand) offers nothing
        // whose predecessor is not cleared.
        {{0, 1}, {true, false}},
        // Times drill: the tables cleared, みっくす next; then all cleared.
        {then(nineCleared, {0}), only(10, 9)},
        {then(nineCleared, {1}), std::vector<bool>(10, false)},
        // Division drill: みっくす, then あまり, then nothing.
        {then(nineCleared, {0, 0}), only(11, 9)},
        {then(nineCleared, {1, 0}), only(11, 10)},
        {then(nineCleared, {1, 1}), std::vector<bool>(11, false)},
    };
    for (const Case &c : cases) {
        std::string flags;
        for (const int f : c.flags)
            flags += char('0' + f);
        EXPECT_EQ(tables::offeredLevels(c.flags), c.offered) << "flags " << flags;
    }
}
