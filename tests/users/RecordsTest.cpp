// The records viewer: the records menu, the table filled from the logged-in
// child's progress and history files on every activation and emptied on
// close, what it does with missing, short and damaged files, the chart
// that stands in the table's place, and the map of weak facts.

#include "RecordLine.h"
#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/Cp932.h"
#include "users/RecordsChartView.h"
#include "users/RecordsMenu.h"
#include "users/RecordsModel.h"
#include "users/RecordsTableWindow.h"
#include "users/WeakFactsWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QAbstractItemDelegate>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

class RecordsTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        startGame();
        files().createFileSet(QStringLiteral("taro"), QStringLiteral("pw"));
        logIn(QStringLiteral("taro"));
    }

    const users::UserFiles &files() const { return windows->userFiles(); }
    RecordsMenu &menu() const { return windows->recordsMenu(); }
    RecordsTableWindow &table() const { return windows->recordsTable(); }
    QTableView *grid() const { return part<QTableView>(&table(), "StringGrid1"); }

    void logIn(const QString &name)
    {
        windows->session().UserName = name;
        windows->mainMenu().FillUserList();
        windows->mainMenu().EnableUserPanels(true);
    }

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    void playRound(Drill drill, const QString &line)
    {
        files().recordRound(QStringLiteral("taro"), drill, judged(nullptr, line));
    }

    // きろくをみる, then the menu entry of the drill.
    void openRecords(Drill drill)
    {
        if (!menu().isVisible())
            click(part<ButtonPanel>(&windows->mainMenu(), "Panel9"));
        click(part<GameLabel>(&menu(), drillInfo(drill).recordsEntry));
    }

    // The table's もどる.
    void back() { click(part<GameLabel>(&table(), "Label2")); }

    // What the grid shows in a row: the header for row 0, else the model's cells.
    QStringList shownRow(int row) const
    {
        QAbstractItemModel *model = grid()->model();
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << (row == 0 ? model->headerData(column, Qt::Horizontal).toString()
                               : model->index(row - 1, column).data().toString());
        }
        return cells;
    }

    int shownRows() const { return grid()->model()->rowCount() + 1; }

    void writeUserFile(const QString &file, const QByteArray &bytes)
    {
        writeFile(QStringLiteral("user/") + file, bytes);
    }
};

const QStringList EmptyRow{"", "", "", ""};
const QStringList MentalHeader{"れべる", "ひづけ", "ポイント", "合否"};

TEST_F(RecordsTest, MenuAndTableAreLaidOutAsDesigned)
{
    const std::pair<const char *, QString> entries[] = {
        {"Label1", "たしざんのきろく"},     {"Label2", "かけざん大作戦のきろく"},
        {"Label3", "わりざん大作戦のきろく"}, {"Label4", "よこはばくんのきろく"},
        {"Label5", "かけあんざんのきろく"},   {"Label6", "わりあんざんのきろく"}};
    for (const auto &[name, caption] : entries) {
        auto *entry = part<GameLabel>(&menu(), name);
        EXPECT_EQ(entry->text(), caption);
        EXPECT_EQ(entry->font().family(), QStringLiteral("ＭＳ ゴシック"));
    }
    EXPECT_EQ(part<PictureBox>(&menu(), "Image1")->fileName(),
              QStringLiteral("Graphics\\みどりとＺＵＫ.bmp"));

    EXPECT_EQ(grid()->geometry(), QRect(8, 8, 377, 457));
    const int widths[] = {100, 123, 75, 64};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(grid()->columnWidth(column), widths[column]);
    EXPECT_EQ(grid()->rowHeight(0), 35);
    EXPECT_EQ(grid()->horizontalHeader()->height(), 35);
    EXPECT_FALSE(grid()->verticalHeader()->isVisible());
    EXPECT_EQ(grid()->font().pixelSize(), 21);
    EXPECT_TRUE(grid()->font().bold());
    EXPECT_EQ(grid()->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid()->model()->flags(grid()->model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(shownRows(), 15);
    EXPECT_EQ(part<PictureBox>(&table(), "Image2")->fileName(), QStringLiteral("Graphics\\f4.BMP"));
    EXPECT_EQ(part<PictureBox>(&table(), "Image1")->fileName(),
              QStringLiteral("Graphics\\花　zukky.bmp"));
    EXPECT_EQ(textOf(&table(), "Label1"), QString());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

TEST_F(RecordsTest, AModeNotPlayedShowsTheHeaderAndOneEmptyRow)
{
    openRecords(Drill::Addition);
    EXPECT_EQ(windows->stack().activeForm(), &table());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(textOf(&table(), "Label1"), QStringLiteral("taroさんのきろく"));
    EXPECT_EQ(table().LineCount, 1);
    ASSERT_EQ(shownRows(), 2);
    EXPECT_EQ(shownRow(0), QStringList({"れべる", "ひづけ", "らんく", ""}));
    EXPECT_EQ(shownRow(1), EmptyRow);
    settle();
    grid()->grab();
    EXPECT_FALSE(grid()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

TEST_F(RecordsTest, ThreeRoundsShowInTheOrderPlayedAboveAnEmptyRow)
{
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる１,2001/5/09,1pt,"));
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる１,2001/5/10,5pt,合格"));
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる２,2001/5/11,1pt,"));
    openRecords(Drill::HorizontalAddition);

    EXPECT_EQ(table().LineCount, 4);
    ASSERT_EQ(shownRows(), 5);
    EXPECT_EQ(shownRow(0), MentalHeader);
    EXPECT_EQ(shownRow(1), QStringList({"れべる１", "2001/5/09", "1pt", ""}));
    EXPECT_EQ(shownRow(2), QStringList({"れべる１", "2001/5/10", "5pt", "合格"}));
    EXPECT_EQ(shownRow(3), QStringList({"れべる２", "2001/5/11", "1pt", ""}));
    EXPECT_EQ(shownRow(4), EmptyRow);
    // The file's own header line ("れべる,日付,…") is never shown.
    for (int row = 0; row < shownRows(); ++row)
        EXPECT_FALSE(shownRow(row).contains(QStringLiteral("日付"))) << row;
}

TEST_F(RecordsTest, AThreeColumnModeAfterAFourColumnModeLeavesTheFourthHeaderEmpty)
{
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる１,2001/5/09,5pt,合格"));
    playRound(Drill::TimesTable, QStringLiteral("2の段,2001/5/09,合格"));
    playRound(Drill::TimesTable, QStringLiteral("3の段,2001/5/10,不合格"));
    openRecords(Drill::HorizontalAddition);
    ASSERT_EQ(shownRow(0), MentalHeader);

    back();
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    openRecords(Drill::TimesTable);
    EXPECT_EQ(windows->stack().activeForm(), &table());
    EXPECT_EQ(shownRow(0), QStringList({"だん", "ひづけ", "合否", ""}));
    ASSERT_EQ(shownRows(), 4);
    EXPECT_EQ(shownRow(1), QStringList({"2の段", "2001/5/09", "合格", ""}));
    EXPECT_EQ(shownRow(2), QStringList({"3の段", "2001/5/10", "不合格", ""}));
    EXPECT_EQ(shownRow(3), EmptyRow);
}

TEST_F(RecordsTest, EveryActivationReadsTheFilesAgain)
{
    playRound(Drill::MentalTimes, QStringLiteral("れべる１,2001/5/09,1pt,"));
    openRecords(Drill::MentalTimes);
    ASSERT_EQ(shownRows(), 3);
    back();

    playRound(Drill::MentalTimes, QStringLiteral("れべる１,2001/5/10,2pt,"));
    openRecords(Drill::MentalTimes);
    ASSERT_EQ(shownRows(), 4);
    EXPECT_EQ(shownRow(2), QStringList({"れべる１", "2001/5/10", "2pt", ""}));
}

TEST_F(RecordsTest, ClosingEmptiesTitleAndCellsAndKeepsTheRows)
{
    playRound(Drill::MentalDivision, QStringLiteral("れべる１,2001/5/09,1pt,"));
    playRound(Drill::MentalDivision, QStringLiteral("れべる１,2001/5/10,2pt,"));
    openRecords(Drill::MentalDivision);
    ASSERT_EQ(shownRows(), 4);

    back();
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    EXPECT_EQ(textOf(&table(), "Label1"), QString());
    EXPECT_EQ(shownRows(), 4);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(shownRow(row), EmptyRow) << row;

    click(part<GameLabel>(&menu(), "Label7"));
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &windows->mainMenu());
}

TEST_F(RecordsTest, ALongHistoryScrollsUnderAHeaderThatStaysInView)
{
    for (int round = 1; round <= 30; ++round)
        playRound(Drill::DivisionTable,
                  QStringLiteral("%1の段,2001/5/09,合格").arg(round % 11 + 1));
    openRecords(Drill::DivisionTable);
    ASSERT_EQ(shownRows(), 32);
    EXPECT_EQ(shownRow(30), QStringList({"9の段", "2001/5/09", "合格", ""}));
    EXPECT_EQ(shownRow(31), EmptyRow);

    grid()->grab();
    QScrollBar *bar = grid()->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(bar->maximum(), 0);
    grid()->scrollToBottom();
    grid()->grab();
    EXPECT_EQ(bar->value(), bar->maximum());
    // The last (empty) row is in view, and the header still sits on top.
    const int bottom = grid()->viewport()->height() - 1;
    EXPECT_EQ(grid()->rowAt(bottom), 30);
    EXPECT_TRUE(grid()->horizontalHeader()->isVisible());
    EXPECT_EQ(grid()->horizontalHeader()->geometry().top(), grid()->frameWidth());
    EXPECT_EQ(grid()->horizontalHeader()->height(), 35);
    EXPECT_EQ(grid()->viewport()->geometry().top(), grid()->frameWidth() + 35);
}

TEST_F(RecordsTest, AMissingProgressFileIsReportedAndHeaderAndTitleStay)
{
    ASSERT_TRUE(QFile::remove(path("user/taro.mzk")));
    openRecords(Drill::HorizontalAddition);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("taro.mzk")))
        << dialogs.errors[0].toStdString();
    EXPECT_TRUE(table().isVisible());
    EXPECT_EQ(shownRow(0), MentalHeader);
    EXPECT_EQ(textOf(&table(), "Label1"), QStringLiteral("taroさんのきろく"));
    EXPECT_EQ(shownRows(), 15);
}

TEST_F(RecordsTest, AMissingHistoryFileIsReportedAndHeaderAndTitleStay)
{
    playRound(Drill::TimesTable, QStringLiteral("2の段,2001/5/09,合格"));
    openRecords(Drill::TimesTable);
    back();
    ASSERT_TRUE(QFile::remove(path("user/taro.kzd")));

    openRecords(Drill::TimesTable);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("taro.kzd")))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(shownRow(0), QStringList({"だん", "ひづけ", "合否", ""}));
    EXPECT_EQ(textOf(&table(), "Label1"), QStringLiteral("taroさんのきろく"));
    // Nothing of the earlier opening shows through.
    for (int row = 1; row < shownRows(); ++row)
        EXPECT_EQ(shownRow(row), EmptyRow) << row;
}

TEST_F(RecordsTest, AHistoryShorterThanTheCountEndsWithOneEmptyRow)
{
    writeUserFile("taro.kak", "6\r\n" + QByteArray("0\r\n").repeated(20));
    writeUserFile("taro.kad", users::Cp932::encode(QStringLiteral(
                                  "れべる,日付,ポイント,合否\r\nれべる１,2001/5/09,1pt,\r\n"
                                  "れべる１,2001/5/10,2pt,\r\n")));
    openRecords(Drill::MentalTimes);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(table().LineCount, 6);
    ASSERT_EQ(shownRows(), 4);
    EXPECT_EQ(shownRow(2), QStringList({"れべる１", "2001/5/10", "2pt", ""}));
    EXPECT_EQ(shownRow(3), EmptyRow);
}

TEST_F(RecordsTest, LinesAfterTheCountAreNotRead)
{
    playRound(Drill::Addition, QStringLiteral("1,2001/5/09,3級"));
    // A line appended from outside, not counted in the progress file.
    QByteArray history = readFile("user/taro.tzd");
    writeUserFile("taro.tzd", history + "2,2001/5/10,1級\r\n");
    openRecords(Drill::Addition);
    ASSERT_EQ(shownRows(), 3);
    EXPECT_EQ(shownRow(1), QStringList({"1", "2001/5/09", "3級", ""}));
    EXPECT_EQ(shownRow(2), EmptyRow);
}

struct BadCount
{
    QByteArray count;
    int rows;
};

class RecordsBadCountTest : public RecordsTest, public ::testing::WithParamInterface<BadCount>
{
};

TEST_P(RecordsBadCountTest, ShowsNoMoreRowsThanTheHistoryCanFill)
{
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる１,2001/5/09,1pt,"));
    playRound(Drill::HorizontalAddition, QStringLiteral("れべる１,2001/5/10,2pt,"));
    writeUserFile("taro.mzk", GetParam().count + "\r\n" + QByteArray("0\r\n").repeated(16));
    openRecords(Drill::HorizontalAddition);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(table().LineCount, GetParam().count.toInt());
    ASSERT_EQ(shownRows(), GetParam().rows);
    EXPECT_EQ(shownRow(0), MentalHeader);
    EXPECT_EQ(shownRow(GetParam().rows - 1), EmptyRow);
    grid()->scrollToBottom();
    EXPECT_FALSE(grid()->grab().isNull());
    back();
    EXPECT_EQ(shownRows(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Records, RecordsBadCountTest,
                         ::testing::Values(BadCount{"2000000000", 4}, BadCount{"2147483647", 4},
                                           BadCount{"0", 2}, BadCount{"-5", 2},
                                           BadCount{"-2147483648", 2}));

TEST_F(RecordsTest, DamagedHistoryLinesAreShownWithoutACrash)
{
    const QByteArray longPiece(10000, 'x');
    QByteArray history = users::Cp932::encode(QStringLiteral("れべる,日付,ポイント,合否\r\n"));
    history += longPiece + ",2001/5/09,1pt,\r\n";             // a line of 10,000 characters and more
    // Control and binary bytes, and a NUL that ends the line.
    history += QByteArray("\x01\x02\xff\xfe,ab\0z,c\r\n", 13);
    history += "\x81,\x82\r\n";                                  // lead bytes without their trail
    history += users::Cp932::encode(QStringLiteral("ソ表,能\r\n")); // trail bytes 0x5C
    writeUserFile("taro.mzd", history);
    writeUserFile("taro.mzk", "5\r\n" + QByteArray("0\r\n").repeated(16));

    openRecords(Drill::HorizontalAddition);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ASSERT_EQ(shownRows(), 6);
    // Of a line far longer than a round's, its beginning only.
    EXPECT_EQ(shownRow(1), QStringList({QString::fromLatin1(longPiece.first(users::LeadingLines::LongestLine)),
                                        "", "", ""}));
    const QStringList binary = shownRow(2);
    EXPECT_EQ(binary[1], QStringLiteral("ab"));
    EXPECT_EQ(binary[2], QString());
    EXPECT_EQ(shownRow(3), QStringList({"\uFFFD", "\uFFFD", "", ""}));
    EXPECT_EQ(shownRow(4), QStringList({"ソ表", "能", "", ""}));
    EXPECT_FALSE(grid()->grab().isNull());
}

TEST_F(RecordsTest, TheChartTakesTheTablesPlaceAndGivesItBackUnchanged)
{
    playRound(Drill::TimesTable, QStringLiteral("2の段,2026/12/07,不合格"));
    playRound(Drill::TimesTable, QStringLiteral("2の段,2026/12/08,合格"));
    playRound(Drill::TimesTable, QStringLiteral("みっくす,2026/12/08,不合格"));
    openRecords(Drill::TimesTable);
    auto *link = part<GameLabel>(&table(), "Label3");
    EXPECT_EQ(link->text(), QStringLiteral("グラフ"));
    EXPECT_EQ(link->pos(), QPoint(400, 432));
    EXPECT_EQ(link->font().pixelSize(), 27);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(table().findChild<RecordsChartView *>(), nullptr);
    std::vector<QStringList> rows;
    for (int row = 0; row < shownRows(); ++row)
        rows.push_back(shownRow(row));

    // The chart is made from the lines the table holds: no file is read again.
    ASSERT_TRUE(QFile::remove(path("user/taro.kzd")));
    click(link);
    EXPECT_EQ(link->text(), QStringLiteral("ひょう"));
    auto *chart = part<RecordsChartView>(&table(), "PaintBox1");
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_EQ(chart->geometry(), QRect(8, 8, 377, 457));
    EXPECT_EQ(chart->chart().rounds, 3);
    EXPECT_EQ(chart->chart().columns[1].value, 2);
    EXPECT_TRUE(chart->chart().columns[1].passed);
    EXPECT_EQ(chart->chart().columns[9].value, 1);
    EXPECT_FALSE(chart->grab().isNull());

    click(link);
    EXPECT_EQ(link->text(), QStringLiteral("グラフ"));
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(grid()->isVisible());
    ASSERT_EQ(shownRows(), int(rows.size()));
    for (int row = 0; row < shownRows(); ++row)
        EXPECT_EQ(shownRow(row), rows[std::size_t(row)]) << row;
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();

    // Every opening starts with the table, the chart then showing the new mode.
    click(link);
    back();
    playRound(Drill::MentalTimes, QStringLiteral("れべる２,2026/12/08,1pt,"));
    openRecords(Drill::MentalTimes);
    EXPECT_EQ(link->text(), QStringLiteral("グラフ"));
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(chart->isVisible());
    click(link);
    EXPECT_EQ(chart->chart().columns.size(), 20u);
    EXPECT_EQ(chart->chart().columns[1].value, 1);
}

TEST_F(RecordsTest, AnEmptyHistoryShowsAnEmptyChart)
{
    for (const DrillInfo &info : allDrills()) {
        openRecords(info.drill);
        click(part<GameLabel>(&table(), "Label3"));
        auto *chart = part<RecordsChartView>(&table(), "PaintBox1");
        EXPECT_EQ(chart->chart().rounds, 0) << drillNumber(info.drill);
        EXPECT_FALSE(chart->grab().isNull());
        back();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

// Every heading, date, level word, grade and result needs no more than its column's width.
TEST_F(RecordsTest, TheLongestTextsFitTheirColumnsWhole)
{
    const std::pair<Drill, QString> longest[] = {
        {Drill::Addition, "3,2026/12/07,10級"},
        {Drill::Addition, "1,2026/10/28,1級"},
        {Drill::TimesTable, "みっくす,2026/11/30,不合格"},
        {Drill::DivisionTable, "11の段,2026/12/31,不合格"},
        {Drill::MentalTimes, "れべる２０,2026/12/07,5pt,合格"},
        {Drill::MentalTimes, "れべる１８,2026/12/07,4pt,"}};
    for (const auto &[drill, line] : longest)
        playRound(drill, line);
    for (const DrillInfo &info : allDrills()) {
        openRecords(info.drill);
        QStyleOptionViewItem option;
        option.initFrom(grid());
        option.font = grid()->font();
        for (int column = 0; column < 4; ++column) {
            EXPECT_LE(grid()->horizontalHeader()->sectionSizeHint(column), grid()->columnWidth(column))
                << qPrintable(grid()->model()->headerData(column, Qt::Horizontal).toString());
        }
        for (int row = 0; row < grid()->model()->rowCount() - 1; ++row) {
            for (int column = 0; column < 4; ++column) {
                const QModelIndex index = grid()->model()->index(row, column);
                const int needed =
                    grid()->itemDelegateForIndex(index)->sizeHint(option, index).width();
                EXPECT_LE(needed, grid()->columnWidth(column) - grid()->showGrid())
                    << qPrintable(index.data().toString());
            }
        }
        back();
    }
}

// The marks of the map, from a memory whose typical answer takes 2 s: a
// fact wrong once in three is weak (×), one taking twice as long is slow
// (△); a division's cell gathers its dividends with and without remainder.
TEST_F(RecordsTest, TheWeakFactsMapMarksTheMemorysFactsAndGivesTheRecordsBack)
{
    writeUserFile("taro.ngt", users::Cp932::encode(QStringLiteral(
                                  "すうじのしま きおく,1\r\n"
                                  "F,tzk,7+8,3,1,6000\r\nF,tzk,2+3,4,0,16000\r\n"
                                  "F,tzk,1+1,4,0,8000\r\nF,tzk,4+4,2,0,4000\r\n"
                                  "F,wzk,57/8,1,1,2000\r\nF,wzk,56/8,5,0,10000\r\n"
                                  "F,kak,L3,20,5,60000\r\n")));
    struct Shown
    {
        Drill drill;
        int row, column;
        QString mark;
    };
    const Shown marks[] = {
        {Drill::Addition, 7, 8, "×"},      {Drill::Addition, 2, 3, "△"},
        {Drill::Addition, 1, 1, "◎"},      {Drill::Addition, 9, 9, "・"},
        {Drill::Addition, 8, 7, "・"},      {Drill::DivisionTable, 8, 7, "◎"},
        {Drill::DivisionTable, 7, 8, "・"}, {Drill::TimesTable, 7, 8, "・"},
    };
    WeakFactsWindow &map = windows->weakFacts();
    auto *link = part<GameLabel>(&table(), "Label4");
    EXPECT_EQ(link->text(), QStringLiteral("にがて"));
    for (const auto &[drill, row, column, mark] : marks) {
        openRecords(drill);
        click(link);
        EXPECT_EQ(windows->stack().activeForm(), &map);
        EXPECT_EQ(map.Mark(row, column), mark) << drillNumber(drill) << " " << row << "," << column;
        click(part<GameLabel>(&map, "Label2"));
        back();
    }
    openRecords(Drill::MentalTimes);
    click(part<GameLabel>(&table(), "Label3"));
    click(link);
    EXPECT_EQ(map.Figures(3), QStringList({"75%", "20.0もん"}));
    EXPECT_EQ(map.Figures(4), QStringList());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();

    // もどる: the records as they were left, the chart still up.
    click(part<GameLabel>(&map, "Label2"));
    EXPECT_EQ(windows->stack().activeForm(), &table());
    EXPECT_TRUE(part<RecordsChartView>(&table(), "PaintBox1")->isVisible());
    EXPECT_EQ(textOf(&table(), "Label1"), QStringLiteral("taroさんのきろく"));

    // A memory that cannot be read is said once, and the map shows no fact.
    writeUserFile("taro.ngt", "damaged\r\n");
    back();
    openRecords(Drill::Addition);
    click(link);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("taro.ngt"))) << dialogs.errors[0].toStdString();
    EXPECT_EQ(map.Mark(7, 8), QStringLiteral("・"));
}

// プリント: the child's records go through the print dialog to the file it
// chose, or, with no printer, into a PDF in the documents folder, said in
// plain words and never over an earlier one; a cancelled dialog makes
// nothing. The pages name the child, each drill played and its weakest fact.
TEST_F(RecordsTest, PrintPutsTheChildsRecordsOnPaperOrIntoThePlayersDocuments)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    playRound(Drill::Addition, QStringLiteral("1,2001/3/05,5級"));
    playRound(Drill::TimesTable, QStringLiteral("3の段,2001/3/06,合格"));
    writeUserFile("taro.ngt",
                  users::Cp932::encode(QStringLiteral("すうじのしま きおく,1\r\nF,tzk,7+8,3,2,6000\r\n")));
    openRecords(Drill::Addition);
    auto *link = part<GameLabel>(&table(), "Label5");
    EXPECT_EQ(link->text(), QStringLiteral("プリント"));
    const QByteArray history = readFile(QStringLiteral("user/taro.tzd"));

    QTemporaryDir out;
    const QString documents = out.filePath(QStringLiteral("ドキュメント"));
    const QString saved = documents + QStringLiteral("/すうじのしま taroの きろく 2001-03-07.pdf");
    const struct
    {
        bool printer;
        QString printToFile, made;
    } cases[] = {
        {true, QString(), QString()},
        {true, out.filePath(QStringLiteral("chosen.pdf")), out.filePath(QStringLiteral("chosen.pdf"))},
        {false, QString(), saved},
        {false, QString(), documents + QStringLiteral("/すうじのしま taroの きろく 2001-03-07 (2).pdf")},
    };
    printing.documents = documents;
    for (const auto &[printer, printToFile, made] : cases) {
        printing.printer = printer;
        printing.printToFile = printToFile;
        dialogs.informations.clear();
        click(link);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        if (made.isEmpty()) {
            EXPECT_EQ(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
            continue;
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {made, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished());
        const QString said = QString::fromUtf8(text.readAll());
        for (const QString &words :
             {u"taroさんの きろく"_qs, u"たしざん"_qs, u"5級"_qs, u"かけざん大作戦"_qs, u"3の段"_qs, u"7+8"_qs})
            EXPECT_TRUE(said.contains(words)) << made.toStdString() << ": " << said.toStdString();
        ASSERT_EQ(dialogs.informations.size(), printer ? 0u : 1u);
        if (!printer) {
            EXPECT_TRUE(dialogs.informations[0].text.contains(QDir::toNativeSeparators(documents)));
            EXPECT_TRUE(dialogs.informations[0].text.contains(QFileInfo(made).fileName()));
        }
    }
    EXPECT_EQ(printing.dialogs, 2);
    EXPECT_EQ(readFile(QStringLiteral("user/taro.tzd")), history);
}

} // namespace
