// The records chart's data made from history lines, for each drill, without
// a window: which lines count, what each column or point shows, and how a
// long addition history is grouped.

#include "users/RecordsChart.h"
#include "users/RoundRecord.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using users::RecordsChart;
using users::recordsChart;

namespace {

struct ColumnsCase
{
    const char *name;
    Drill drill;
    QStringList lines;
    int rounds;                   // lines that count
    std::map<int, int> values;    // level → height; levels not named are 0
    std::set<int> passed;
};

class RecordsChartColumnsTest : public ::testing::TestWithParam<ColumnsCase>
{
};

TEST_P(RecordsChartColumnsTest, CountsTheRoundsOfEachLevel)
{
    const ColumnsCase &c = GetParam();
    const RecordsChart chart = recordsChart(c.drill, c.lines);
    EXPECT_EQ(chart.rounds, c.rounds);
    ASSERT_EQ(int(chart.columns.size()), drillInfo(c.drill).levels);
    for (int level = 1; level <= int(chart.columns.size()); ++level) {
        const users::ChartColumn &column = chart.columns[std::size_t(level - 1)];
        EXPECT_EQ(column.value, c.values.contains(level) ? c.values.at(level) : 0) << level;
        EXPECT_EQ(column.passed, c.passed.contains(level)) << level;
    }
    EXPECT_TRUE(chart.points.empty());
}

const QStringList TimesLines{
    "1の段,2026/10/03,不合格", "1の段,2026/10/04,合格", "2の段,2026/11/30,不合格",
    "みっくす,2026/12/07,不合格", "9の段,2026/12/07,合格",
    // Split by the table's rules: a quoted cell, blanks around a cell.
    "\"3の段\",2026/12/07,合格", " 3の段 ,2026/12/07 ,不合格", "3の段 x,2026/12/07,合格",
    // Left out: levels the drill never writes, a wrong result or date, a missing field.
    "10の段,2026/12/07,合格", "0の段,2026/12/07,合格", "01の段,2026/12/07,合格",
    "１の段,2026/12/07,合格", "2の段,2026/12/07,ごうかく", "2の段,2026/12/7,合格",
    "2の段,2026/13/07,合格", "2の段,,合格", "2の段,2026/12/07", "2の段,2026/12/07,合格,x", ""};
const QStringList DivisionLines{
    "1の段,2026/10/03,合格", "10の段,2026/10/04,不合格", "11の段,2026/10/05,合格",
    "11の段,2026/10/06,不合格", "みっくす,2026/10/07,合格", "12の段,2026/10/07,合格"};
const QStringList MentalLines{
    "れべる１,2026/10/03,1pt,", "れべる１,2026/10/04,1pt,", "れべる１,2026/10/05,2pt,",
    "れべる３,2026/10/05,5pt,合格", "れべる１３,2026/10/06,4pt,", "れべる２０,2026/10/06,3pt,",
    // Left out: half-width digits, points past 5 or without "pt", a wrong pass word.
    "れべる1,2026/10/06,3pt,", "れべる２,2026/10/06,6pt,", "れべる２,2026/10/06,2,",
    "れべる２,2026/10/06,2pt,ごうかく", "れべる０,2026/10/06,1pt,", "れべる,2026/10/06,1pt,"};

INSTANTIATE_TEST_SUITE_P(
    Records, RecordsChartColumnsTest,
    ::testing::Values(
        ColumnsCase{"Times", Drill::TimesTable, TimesLines, 7, {{1, 2}, {2, 1}, {3, 2}, {9, 1}, {10, 1}},
                    {1, 3, 9}},
        ColumnsCase{"Division", Drill::DivisionTable, DivisionLines, 4, {{1, 1}, {10, 1}, {11, 2}},
                    {1, 11}},
        ColumnsCase{"MentalTimes", Drill::MentalTimes, MentalLines, 6,
                    {{1, 2}, {3, 5}, {13, 4}, {20, 3}}, {3}},
        // Division has 13 levels, horizontal addition 16: れべる２０ is no level of theirs.
        ColumnsCase{"MentalDivision", Drill::MentalDivision, MentalLines, 5,
                    {{1, 2}, {3, 5}, {13, 4}}, {3}},
        ColumnsCase{"HorizontalAddition", Drill::HorizontalAddition, MentalLines, 5,
                    {{1, 2}, {3, 5}, {13, 4}}, {3}},
        ColumnsCase{"EmptyTimes", Drill::TimesTable, {}, 0, {}, {}},
        ColumnsCase{"EmptyMental", Drill::MentalTimes, {}, 0, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RecordsChartColumns, NameTheTablesAndLevels)
{
    const RecordsChart division = recordsChart(Drill::DivisionTable, {});
    const QStringList expected{"1", "2", "3", "4", "5", "6", "7", "8", "9", "みっくす", "あまり"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(division.columns[std::size_t(i)].label, expected[i]);
    EXPECT_EQ(recordsChart(Drill::TimesTable, {}).columns.back().label, QStringLiteral("みっくす"));
    EXPECT_EQ(recordsChart(Drill::MentalTimes, {}).columns.back().label, QStringLiteral("20"));
}

struct Point
{
    int slot;
    double grade;
    int level;
    bool operator==(const users::GradePoint &p) const
    {
        return slot == p.slot && grade == p.grade && level == p.level;
    }
};

TEST(RecordsChartGrades, OnePointPerRoundOldestFirstLeavingDamagedLinesOut)
{
    const RecordsChart chart = recordsChart(
        Drill::Addition,
        {"1,2026/10/03,10級", "1,2026/10/04,8級", "2,2026/11/30,9級", "4,2026/12/01,3級",
         "1,2026/12/01,0級", "1,2026/12/01,11級", "1,2026/12/01,３級", "1,2026/12/01", "",
         "1,2026/12/01,3級,x", "3,2026/12/07,1級"});
    EXPECT_EQ(chart.kind, RecordsChart::Kind::Grades);
    EXPECT_EQ(chart.rounds, 4);
    EXPECT_EQ(chart.roundsPerSlot, 1);
    EXPECT_EQ(chart.slotCount, 4);
    const std::vector<Point> expected{{0, 10, 1}, {1, 8, 1}, {2, 9, 2}, {3, 1, 3}};
    ASSERT_EQ(chart.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(expected[i] == chart.points[i]) << i;

    const RecordsChart empty = recordsChart(Drill::Addition, {});
    EXPECT_EQ(empty.rounds, 0);
    EXPECT_EQ(empty.slotCount, 0);
    EXPECT_TRUE(empty.points.empty());
}

TEST(RecordsChartGrades, ALongHistoryIsGroupedIntoTheMeanOfEachLevel)
{
    // 1,000 rounds: level 1 on even rounds at 10級 to 7級 in turn, level 2 on odd ones at 5級.
    QStringList lines;
    for (int round = 0; round < 1000; ++round) {
        lines << (round % 2 == 0 ? QStringLiteral("1,2026/12/07,%1級").arg(10 - round / 2 % 4)
                                 : QStringLiteral("2,2026/12/07,5級"));
    }
    const RecordsChart chart = recordsChart(Drill::Addition, lines);
    EXPECT_EQ(chart.rounds, 1000);
    EXPECT_EQ(chart.roundsPerSlot, 17);
    EXPECT_EQ(chart.slotCount, 59);
    ASSERT_LE(chart.slotCount, users::MaxGradeSlots);
    ASSERT_EQ(int(chart.points.size()), 2 * chart.slotCount);
    // Rounds 0 to 16: level 1 at 10, 9, 8, 7, 10, 9, 8, 7, 10 → 78 / 9.
    EXPECT_TRUE((Point{0, 78.0 / 9, 1}) == chart.points[0]);
    EXPECT_TRUE((Point{0, 5, 2}) == chart.points[1]);
    // The last group holds rounds 986 to 999 only.
    EXPECT_TRUE((Point{58, 5, 2}) == chart.points.back());
}

} // namespace

// Every round a drill can record reads back as it was written, at every
// level and with every outcome, so no round of a drill's wording can drop
// out of the chart.
TEST(RoundRecord, EveryRoundOfEveryDrillReadsBackAsWritten)
{
    for (const DrillInfo &info : allDrills()) {
        for (int level = 1; level <= info.levels; ++level) {
            std::vector<users::RoundRecord> rounds;
            for (const QString date : {QStringLiteral("2001/5/07"), QStringLiteral("2026/12/31")}) {
                switch (info.drill) {
                case Drill::Addition:
                    for (int grade = 1; grade <= 10; ++grade)
                        rounds.push_back({.level = level, .date = date, .grade = grade});
                    break;
                case Drill::TimesTable:
                case Drill::DivisionTable:
                    for (const bool passed : {false, true})
                        rounds.push_back({.level = level, .date = date, .passed = passed});
                    break;
                default:
                    for (int points = 0; points <= users::PointsOfAPassedLevel; ++points)
                        rounds.push_back({.level = level, .date = date, .points = points,
                                          .passed = points == users::PointsOfAPassedLevel});
                }
            }
            for (const users::RoundRecord &round : rounds) {
                const QString line = users::historyLine(info.drill, round);
                EXPECT_EQ(users::readHistoryLine(info.drill, line), round)
                    << info.recordsEntry << ' ' << line.toStdString();
            }
        }
    }
}
