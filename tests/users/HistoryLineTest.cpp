// Splitting a history line into the cells of a records table row, and how
// many rows a progress count and a history file give.

#include "users/DrillTable.h"
#include "users/HistoryLine.h"
#include "users/RecordsModel.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *what;
    QString line;
    QStringList cells;
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.what;
}

class SplitTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitTest, GivesTheCells)
{
    EXPECT_EQ(users::splitHistoryLine(GetParam().line), GetParam().cells);
}

const QChar Nul(0);

INSTANTIATE_TEST_SUITE_P(
    HistoryLine, SplitTest,
    ::testing::Values(
        SplitCase{"a round of the addition drill", QStringLiteral("1,2001/5/09,3級"),
                  {"1", "2001/5/09", "3級"}},
        SplitCase{"a mental round that did not pass ends with a comma and fills three cells",
                  QStringLiteral("れべる３,2001/5/09,2pt,"), {"れべる３", "2001/5/09", "2pt"}},
        SplitCase{"a passing mental round fills the fourth cell",
                  QStringLiteral("れべる３,2001/5/09,5pt,合格"),
                  {"れべる３", "2001/5/09", "5pt", "合格"}},
        SplitCase{"an empty line gives no cell", QString(), {}},
        SplitCase{"blanks alone give no cell", QStringLiteral(" \t\r "), {}},
        SplitCase{"leading spaces and control characters are skipped",
                  QStringLiteral("\t\x01  a,b"), {"a", "b"}},
        SplitCase{"two commas give an empty cell", QStringLiteral("a,,b"), {"a", "", "b"}},
        SplitCase{"a leading comma gives an empty first cell", QStringLiteral(",a"), {"", "a"}},
        SplitCase{"a comma alone gives one empty cell", QStringLiteral(","), {""}},
        SplitCase{"three commas give three empty cells", QStringLiteral(",,,"), {"", "", ""}},
        SplitCase{"a space separates like a comma", QStringLiteral("a b"), {"a", "b"}},
        SplitCase{"blanks around a comma are skipped", QStringLiteral("a , b"), {"a", "b"}},
        SplitCase{"a space before the trailing comma adds no cell", QStringLiteral("a ,"), {"a"}},
        SplitCase{"a quoted piece keeps commas and spaces", QStringLiteral("\"a, b\",c"),
                  {"a, b", "c"}},
        SplitCase{"a doubled quote stands for one quote", QStringLiteral("\"say \"\"hi\"\"\",x"),
                  {"say \"hi\"", "x"}},
        SplitCase{"an empty quoted piece is an empty cell", QStringLiteral("\"\",x"), {"", "x"}},
        SplitCase{"text right after a closing quote starts the next cell",
                  QStringLiteral("\"ab\"cd"), {"ab", "cd"}},
        SplitCase{"an unclosed quote runs to the end of the line", QStringLiteral("a,\"bc,d"),
                  {"a", "bc,d"}},
        SplitCase{"a quote inside a plain piece is kept", QStringLiteral("a\"b,c"),
                  {"a\"b", "c"}},
        SplitCase{"pieces past the fourth are kept", QStringLiteral("1,2,3,4,5,6"),
                  {"1", "2", "3", "4", "5", "6"}},
        SplitCase{"a NUL ends the line", QStringLiteral("a,b") + Nul + QStringLiteral(",c"),
                  {"a", "b"}},
        SplitCase{"full-width characters and the ideographic space are no separators",
                  QStringLiteral("ソ表　能,x"), {"ソ表　能", "x"}},
        SplitCase{"an unreadable character is an ordinary one", QStringLiteral("\uFFFD,\uFFFDa"),
                  {"\uFFFD", "\uFFFDa"}}));

TEST(RecordsRowCount, FollowsTheCountWhileTheHistoryFileLasts)
{
    // Header row, N - 1 rounds and the empty last row.
    EXPECT_EQ(users::recordsRowCount(1, 1), 2);
    EXPECT_EQ(users::recordsRowCount(4, 4), 5);
    EXPECT_EQ(users::recordsRowCount(100000, 100000), 100001);
}

TEST(RecordsRowCount, StopsOneRowAfterTheLastLineOfTheHistoryFile)
{
    EXPECT_EQ(users::recordsRowCount(6, 3), 4);
    EXPECT_EQ(users::recordsRowCount(2000000000, 3), 4);
    EXPECT_EQ(users::recordsRowCount(2147483647, 0), 2);
}

TEST(RecordsRowCount, AZeroOrNegativeCountGivesTheHeaderAndOneEmptyRow)
{
    EXPECT_EQ(users::recordsRowCount(0, 0), 2);
    EXPECT_EQ(users::recordsRowCount(-5, 0), 2);
    EXPECT_EQ(users::recordsRowCount(-2147483647 - 1, 0), 2);
}

TEST(RecordsHeader, ThreeCellsForTheBasicDrillsAndFourForTheMentalOnes)
{
    EXPECT_EQ(users::splitHistoryLine(drillInfo(Drill::Addition).recordsHeader.toString()),
              QStringList({"れべる", "ひづけ", "らんく"}));
    for (Drill drill : {Drill::TimesTable, Drill::DivisionTable})
        EXPECT_EQ(drillInfo(drill).recordsHeader.toString(), QStringLiteral("だん,ひづけ,合否"));
    for (Drill drill : {Drill::HorizontalAddition, Drill::MentalTimes, Drill::MentalDivision})
        EXPECT_EQ(users::splitHistoryLine(drillInfo(drill).recordsHeader.toString()),
                  QStringList({"れべる", "ひづけ", "ポイント", "合否"}));
}

} // namespace
