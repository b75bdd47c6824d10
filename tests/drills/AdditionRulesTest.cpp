#include "FakeServices.h"

#include "ui/SystemServices.h"
#include "drills/basic/Addition.h"

#include <gtest/gtest.h>

#include <set>

using addition::Sum;

TEST(AdditionGradeTest, ScoreBoundariesGiveTheGrade)
{
    struct Case
    {
        int score, grade;
    };
    const std::vector<Case> cases{{-7, 10}, {0, 10}, {5, 10}, {24, 10}, {25, 9}, {29, 9},
                                  {30, 8},  {34, 8}, {35, 7}, {40, 6},  {45, 5}, {49, 5},
                                  {50, 4},  {59, 4}, {60, 3}, {64, 3},  {65, 2}, {69, 2},
                                  {70, 1},  {300, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(addition::gradeFor(c.score).grade, c.grade) << "score " << c.score;
}

TEST(AdditionGradeTest, EachWrongAnswerCostsOnePoint)
{
    EXPECT_EQ(addition::score(0, 0), 5);
    EXPECT_EQ(addition::score(70, 6), 69);
    EXPECT_EQ(addition::score(3, 20), -12);
}

TEST(AdditionQuestionTest, LevelOneFirstQuestionIsOneOfTheTenSums)
{
    ScriptedRandom random;
    random.script = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<std::pair<int, int>> drawn;
    for (int i = 0; i < 10; ++i) {
        const Sum s = addition::firstQuestion(1, random);
        drawn.emplace_back(s.first, s.second);
    }
    const std::vector<std::pair<int, int>> tenSums{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1},
                                                   {2, 2}, {2, 3}, {3, 1}, {3, 2}, {4, 1}};
    EXPECT_EQ(drawn, tenSums);
}

TEST(AdditionQuestionTest, LevelOneNextQuestionDrawsInTheGamesOrder)
{
    ScriptedRandom random;
    // After 2 + 3: a = 2 again is drawn anew, a = 3, then b = 2 gives 5 again,
    // so a and b are drawn again: a = 2 (allowed now), b = 1.
    random.script = {2, 3, 2, 2, 1};
    const Sum next = addition::nextQuestion(1, {2, 3}, random);
    EXPECT_EQ(next.first, 2);
    EXPECT_EQ(next.second, 1);
    EXPECT_TRUE(random.script.empty());

    // a = 4 takes b = 1 without a draw.
    random.script = {4, 99};
    const Sum four = addition::nextQuestion(1, {1, 1}, random);
    EXPECT_EQ(four.first, 4);
    EXPECT_EQ(four.second, 1);
    EXPECT_EQ(random.script, std::vector<int>{99});
}

TEST(AdditionQuestionTest, LevelOneNeverRepeatsASumAndStaysAtMostFive)
{
    StandardRandom random;
    random.reseed(20010307);
    Sum previous = addition::firstQuestion(1, random);
    std::set<std::pair<int, int>> seen;
    int sameFirst = 0;
    for (int i = 0; i < 20000; ++i) {
        const Sum next = addition::nextQuestion(1, previous, random);
        ASSERT_GE(next.first, 1);
        ASSERT_GE(next.second, 1);
        ASSERT_LE(next.total(), 5);
        ASSERT_NE(next.total(), previous.total()) << "question " << i;
        sameFirst += next.first == previous.first;
        seen.emplace(next.first, next.second);
        previous = next;
    }
    EXPECT_EQ(seen.size(), 10u);
    // Only the redraw of step 3 may keep the first addend.
    EXPECT_LT(sameFirst, 20000 / 4);
}

TEST(AdditionQuestionTest, LevelsTwoAndThreeKeepTheirRangesAndNeverRepeatASum)
{
    StandardRandom random;
    random.reseed(7);
    for (const int level : {2, 3}) {
        const int high = level == 2 ? 5 : 9;
        Sum previous = addition::firstQuestion(level, random);
        std::set<int> firsts, seconds;
        for (int i = 0; i < 5000; ++i) {
            const Sum next = addition::nextQuestion(level, previous, random);
            ASSERT_NE(next.total(), previous.total());
            firsts.insert(next.first);
            seconds.insert(next.second);
            previous = next;
        }
        EXPECT_EQ(int(firsts.size()), high) << "level " << level;
        EXPECT_EQ(*firsts.begin(), 1);
        EXPECT_EQ(*firsts.rbegin(), high);
        EXPECT_EQ(*seconds.begin(), 1);
        EXPECT_EQ(*seconds.rbegin(), high);
    }
}
