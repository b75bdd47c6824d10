#include "drills/basic/Addition.h"
#include "drills/basic/Tables.h"
#include "drills/mental/MentalScoring.h"
#include "users/RoundRecord.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString Date = QStringLiteral("2001/3/07");

// Each drill's rule for the end of its rounds.
drill::RoundJudge judgeOf(Drill drill)
{
    switch (drill) {
    case Drill::Addition:
        return addition::judgeRound;
    case Drill::TimesTable:
    case Drill::DivisionTable:
        return tables::judgeRound;
    default:
        return mental::judgeRound;
    }
}

struct Row
{
    Drill drill;
    int level, right, wrong;
    std::vector<int> before;
    QString picture, message, sound;
    int levelValue;
    QString history;
    bool levelPassed;
};

} // namespace

// What a round of the addition and table drills comes to, as the result
// window, the sound, the progress file, the history file and the menu take it.
TEST(RoundResultTest, AdditionAndTableRoundsComeToTheirResult)
{
    const QString glad = QStringLiteral("Graphics\\四人　喜.bmp");
    const QString downcast = QStringLiteral("Graphics\\四人　落込.bmp");
    const QString cleared = QStringLiteral("sound\\大作戦・各段合格.wav");
    const QString gaan = QStringLiteral("がーーーーーーーん・・・・");
    const QString zannen = QStringLiteral("sound\\zannen.wav");
    const std::vector<Row> rows{
        // Every addition round is graded and glad; only 1級 clears the level.
        {Drill::Addition, 1, 0, 0, {0, 0, 0}, glad, "１０級合格おめでと～", "sound\\１０級合格.wav", 0, "1,2001/3/07,10級", false},
        {Drill::Addition, 3, 55, 0, {1, 1, 0}, glad, "３級合格おめでと～", "sound\\３級合格.wav", 0, "3,2001/3/07,3級", false},
        {Drill::Addition, 1, 70, 6, {0, 0, 0}, glad, "２級合格おめでと～", "sound\\２級合格.wav", 0, "1,2001/3/07,2級", false},
        {Drill::Addition, 2, 70, 5, {1, 0, 0}, glad, "１級合格おめでと～", "sound\\レベル１・１級合格.wav", 1, "2,2001/3/07,1級", true},
        // A cleared level played again and not cleared stays cleared.
        {Drill::Addition, 1, 3, 0, {1, 0, 0}, glad, "１０級合格おめでと～", "sound\\１０級合格.wav", 1, "1,2001/3/07,10級", false},
        // Twenty right answers clear a table, whatever the wrong count.
        {Drill::TimesTable, 1, 20, 30, std::vector<int>(10), glad, "１の段クリアーおめでと～", cleared, 1, "1の段,2001/3/07,合格", true},
        {Drill::TimesTable, 9, 19, 0, std::vector<int>(10), downcast, gaan, zannen, 0, "9の段,2001/3/07,不合格", false},
        {Drill::TimesTable, 10, 21, 0, std::vector<int>(10), glad, "みっくすクリアーおめでと～", cleared, 1, "みっくす,2001/3/07,合格", true},
        {Drill::TimesTable, 10, 0, 0, std::vector<int>(10, 1), downcast, gaan, zannen, 1, "みっくす,2001/3/07,不合格", false},
        {Drill::DivisionTable, 1, 0, 0, std::vector<int>(11), downcast, gaan, zannen, 0, "1の段,2001/3/07,不合格", false},
        {Drill::DivisionTable, 10, 20, 0, std::vector<int>(11), glad, "みっくすクリアーおめでと～", cleared, 1, "10の段,2001/3/07,合格", true},
        {Drill::DivisionTable, 11, 20, 0, std::vector<int>(11), glad, "あまりクリアーおめでと～", cleared, 1, "11の段,2001/3/07,合格", true},
        {Drill::DivisionTable, 11, 5, 9, std::vector<int>(11), downcast, gaan, zannen, 0, "11の段,2001/3/07,不合格", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.history.toStdString());
        const drill::RoundResult result =
            judgeOf(row.drill)({row.level, row.right, row.wrong, row.before, Date});
        EXPECT_EQ(QStringList({result.picture, result.message, result.sound}),
                  QStringList({row.picture, row.message, row.sound}));
        EXPECT_EQ(result.levelValue, row.levelValue);
        EXPECT_EQ(users::historyLine(row.drill, result.record), row.history);
        EXPECT_EQ(result.levelPassed, row.levelPassed);
    }
}

// The drill table's row and each drill's rules agree: at every level, a won
// round gives the level the row's highest value and a lost one leaves it as
// it was.
TEST(RoundResultTest, EveryDrillsRulesAgreeWithItsRow)
{
    // A round that passes, and one that does not, at any level.
    const std::map<Drill, std::pair<int, int>> winning{
        {Drill::Addition, {70, 0}}, {Drill::TimesTable, {20, 0}}, {Drill::DivisionTable, {20, 0}},
        {Drill::HorizontalAddition, {6, 0}}, {Drill::MentalTimes, {6, 0}}, {Drill::MentalDivision, {6, 0}},
    };
    for (const DrillInfo &info : allDrills()) {
        for (int level = 1; level <= info.levels; ++level) {
            SCOPED_TRACE(std::to_string(drillNumber(info.drill)) + " level " + std::to_string(level));
            // One step from passing: a mental level with four points, the
            // others not yet passed.
            std::vector<int> before(std::size_t(info.levels), 0);
            if (info.chart == ChartKind::Points)
                before[std::size_t(level - 1)] = info.highestLevelValue - 1;
            const auto [right, wrong] = winning.at(info.drill);
            const drill::RoundResult won = judgeOf(info.drill)({level, right, wrong, before, Date});
            EXPECT_TRUE(won.levelPassed);
            EXPECT_EQ(won.levelValue, info.highestLevelValue);
            const drill::RoundResult lost = judgeOf(info.drill)({level, 0, 10, before, Date});
            EXPECT_FALSE(lost.levelPassed);
            EXPECT_EQ(lost.levelValue, before[std::size_t(level - 1)]);
            EXPECT_EQ(won.record.level, level);
        }
    }
}
