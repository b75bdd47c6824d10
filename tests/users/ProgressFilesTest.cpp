#include "RecordLine.h"
#include "UserFolder.h"

#include "ui/IoError.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using users::Progress;

namespace {

class ProgressFilesTest : public UserFolder
{
protected:
    void SetUp() override
    {
        UserFolder::SetUp();
        files.createFileSet("taro", "pw");
    }
};

auto setLevel(int index, int value)
{
    return [=](Progress &p) { p.levels[std::size_t(index)] = value; };
}

} // namespace

TEST_F(ProgressFilesTest, ReadsNumbersTheWayTheGameAlwaysHas)
{
    const QByteArray header = bytes("taro.tzd");
    put("taro.tzk", " \t5\r\n\r\n\r\n\t  +1 and more\r\n-0");
    Progress p = files.readProgress("taro", Drill::Addition);
    EXPECT_EQ(p.historyLines, 5);
    EXPECT_EQ(p.levels, (std::vector<int>{1, 0, 0}));

    put("taro.kak", "4\r\n");
    p = files.readProgress("taro", Drill::MentalTimes);
    EXPECT_EQ(p.historyLines, 4);
    EXPECT_EQ(p.levels, std::vector<int>(20, 0));

    put("taro.tzk", "2147483647\r\n");
    EXPECT_EQ(files.readProgress("taro", Drill::Addition).historyLines, 2147483647);
    put("taro.tzk", "-2147483648\r\n");
    EXPECT_EQ(files.readProgress("taro", Drill::Addition).historyLines, -2147483648);

    const std::pair<QByteArray, QString> faults[] = {
        {"1\r\n0\r\nx\r\n0\r\n", "数字ではない行があります"},
        {"1\r\n0\r\n3a\r\n", "数字ではない行があります"},
        {"1\r\n-\r\n", "数字ではない行があります"},
        {"2147483648\r\n", "数が大きすぎます"},
        {"1\r\n-99999999999999999999\r\n", "数が大きすぎます"},
    };
    for (const auto &[content, reason] : faults) {
        put("taro.tzk", content);
        EXPECT_EQ(ioErrorOf([&] { files.readProgress("taro", Drill::Addition); }),
                  "user\\taro.tzk: " + reason)
            << content.constData();
        // A round cannot be recorded on top of it, and nothing is touched.
        ioErrorOf([&] { files.recordRound("taro", Drill::Addition, judged(setLevel(0, 1), "1,d,A")); });
        EXPECT_EQ(bytes("taro.tzk"), content);
        EXPECT_EQ(bytes("taro.tzd"), header);
    }
}

TEST_F(ProgressFilesTest, RecordsARoundInEveryMode)
{
    for (const DrillInfo &m : allDrills()) {
        const Drill mode = m.drill;
        const QString progress = "taro" + m.progressExt.toString();
        const QString history = "taro" + m.historyExt.toString();
        const QByteArray header = bytes(history);

        files.recordRound("taro", mode, judged(setLevel(m.levels - 1, 1), QString::fromUtf8("1,日付,Ａ")));
        files.recordRound("taro", mode, judged(setLevel(0, 1), "2,d,B"));

        QByteArray expected = "3\r\n1\r\n" + QByteArray("0\r\n").repeated(m.levels - 2) + "1\r\n";
        EXPECT_EQ(bytes(progress), expected) << drillNumber(mode);
        EXPECT_EQ(bytes(history), header + "1,\x93\xfa\x95\x74,\x82\x60\r\n2,d,B\r\n") << drillNumber(mode);
        const users::Records records = files.readRecords("taro", mode);
        EXPECT_EQ(records.count, 3);
        EXPECT_EQ(records.lines.mid(1), (QStringList{QString::fromUtf8("1,日付,Ａ"), "2,d,B"}));
    }
    // A drill cannot move line 1 itself.
    files.recordRound("taro", Drill::Addition, judged([](Progress &p) { p.historyLines = 100; }, "x"));
    EXPECT_EQ(files.readProgress("taro", Drill::Addition).historyLines, 4);
    EXPECT_EQ(entries().size(), 13);
}

TEST_F(ProgressFilesTest, ARoundThatCannotBeWrittenDownLeavesTheFilesAlone)
{
    const QByteArray progress = bytes("taro.wak");
    const QByteArray history = bytes("taro.wad");
    EXPECT_EQ(ioErrorOf([&] {
                  files.recordRound("taro", Drill::MentalDivision, judged(setLevel(0, 1),
                                    QString::fromUtf8("😀")));
              }),
              QStringLiteral("user\\taro.wad: ファイルに書けない文字があります"));
    EXPECT_EQ(bytes("taro.wak"), progress);
    EXPECT_EQ(bytes("taro.wad"), history);

    // A missing history file is found before the progress is changed.
    ASSERT_TRUE(QFile::remove(userPath("taro.wad")));
    EXPECT_EQ(ioErrorOf([&] { files.recordRound("taro", Drill::MentalDivision, judged(setLevel(0, 1), "x")); }),
              QStringLiteral("user\\taro.wad: ファイルがありません"));
    EXPECT_FALSE(QFile::exists(userPath("taro.wad")));
    EXPECT_EQ(bytes("taro.wak"), progress);
}

#ifdef Q_OS_UNIX
TEST_F(ProgressFilesTest, AFailedWriteKeepsTheOldProgress)
{
    const QByteArray progress = bytes("taro.tzk");
    const QByteArray history = bytes("taro.tzd");
    const QStringList before = entries();

    // Files may grow to 4 bytes only, as on a disk that is full; this works
    // for root as well. The signal the kernel sends for it is ignored.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto *previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const QString error =
        ioErrorOf([&] { files.recordRound("taro", Drill::Addition, judged(setLevel(2, 9), "3,d,A")); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, QStringLiteral("user\\taro.tzk: 書き込めません"));
    EXPECT_EQ(bytes("taro.tzk"), progress);
    EXPECT_EQ(bytes("taro.tzd"), history);
    EXPECT_EQ(entries(), before); // no half-written file left beside it
}
#endif

TEST_F(ProgressFilesTest, ReadsNoMoreRecordsThanTheHistoryHolds)
{
    put("taro.kzd", "h\r\na\r\nb\r\n");
    const std::pair<QByteArray, int> counts[] = {
        {"2000000000\r\n", 3}, {"2\r\n", 2}, {"0\r\n", 0}, {"-5\r\n", 0}};
    for (const auto &[line1, lines] : counts) {
        put("taro.kzk", line1);
        const users::Records records = files.readRecords("taro", Drill::TimesTable);
        EXPECT_EQ(records.count, line1.isEmpty() ? 0 : line1.chopped(2).toInt());
        EXPECT_EQ(records.lines, QStringList({"h", "a", "b"}).first(lines));
    }

    const QByteArray longLine(10000, 'z');
    put("taro.kzk", "9\r\n");
    put("taro.kzd", "h\r\n" + longLine + "\r\nbad \x81\xff\x82\r\n"
                        + QByteArray("\x00\x01\rtail", 7));
    const users::Records records = files.readRecords("taro", Drill::TimesTable);
    ASSERT_EQ(records.lines.size(), 4);
    // A line far longer than a round's keeps only its beginning, so a
    // planted file of one huge line costs no memory.
    EXPECT_EQ(records.lines[1], QString::fromLatin1(longLine.first(users::LeadingLines::LongestLine)));
    EXPECT_EQ(records.lines[2], QString::fromUtf8("bad \uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(records.lines[3], QString::fromUtf8("\x00\x01\rtail", 7));

    ASSERT_TRUE(QFile::remove(userPath("taro.kzd")));
    EXPECT_EQ(ioErrorOf([&] { files.readRecords("taro", Drill::TimesTable); }),
              QStringLiteral("user\\taro.kzd: ファイルがありません"));
    put("taro.kzk", "z\r\n");
    EXPECT_EQ(ioErrorOf([&] { files.readRecords("taro", Drill::TimesTable); }),
              QStringLiteral("user\\taro.kzk: 数字ではない行があります"));
}
