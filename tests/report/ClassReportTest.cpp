#include "QtPrinters.h"
#include "TemporaryGameFolder.h"

#include "report/ClassReport.h"
#include "users/Cp932.h"
#include "users/RoundRecord.h"
#include "users/UserFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <map>

namespace {

const QDate Today(2026, 12, 9);

QString roundDay(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.year()).arg(date.month()).arg(date.day(), 2, 10, QLatin1Char('0'));
}

struct ReportRun
{
    int exit = -1;
    QByteArray out, err;
};

ReportRun runReport(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(REPORT_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// Every entry of a folder with its bytes and its modification time.
std::map<QString, std::pair<QByteArray, qint64>> snapshot(const QString &folder)
{
    std::map<QString, std::pair<QByteArray, qint64>> all;
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        file.open(QIODevice::ReadOnly);
        all[entry.fileName()] = {file.readAll(),
                                 entry.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
    }
    return all;
}

// A game folder of four prepared children: たくさん with thousands of
// additions, こわれ whose times-table progress file is damaged, まだ who never
// played, and 髙橋, a name only Windows-31J holds, with times tables and weak
// facts; and a temporary left by an ended game, which a listing of the game
// would remove.
class ClassReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(game.isValid());
        for (const char *name : {"たくさん", "こわれ", "まだ", "髙橋"})
            files.createFileSet(QString::fromUtf8(name), QStringLiteral("pw"));

        // 3,000 rounds, thirty a day over the last hundred days, grades 10 to 1.
        QByteArray history = users::Cp932::encode(u"レベル,日付,ランク"_qs) + "\r\n";
        for (int i = 0; i < 3000; ++i) {
            const users::RoundRecord round{3, roundDay(Today.addDays(-(i / 30))), 10 - i % 10};
            history += users::Cp932::encode(users::historyLine(Drill::Addition, round)) + "\r\n";
        }
        put(u"たくさん.tzd"_qs, history);
        put(u"たくさん.tzk"_qs, users::progressContent({3001, {0, 0, 1}}));

        put(u"こわれ.kzk"_qs, "abc\r\n");

        // Two rounds 38 days ago, two 8 days ago, one 4 days ago; tables 1 to 3 passed.
        history = users::Cp932::encode(u"段,日付,合否"_qs) + "\r\n";
        for (const int daysAgo : {38, 38, 8, 8, 4}) {
            const users::RoundRecord round{3, roundDay(Today.addDays(-daysAgo)), 0, 0, daysAgo == 4};
            history += users::Cp932::encode(users::historyLine(Drill::TimesTable, round)) + "\r\n";
        }
        put(u"髙橋.kzd"_qs, history);
        put(u"髙橋.kzk"_qs, users::progressContent({6, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}}));
        // 7×8 always wrong, 6×9 wrong twice in three, 3×4 once, 2×2 never.
        std::vector<users::FactAnswer> answers;
        for (const auto &[fact, wrong] : {std::pair{"7x8", 3}, {"6x9", 2}, {"3x4", 1}, {"2x2", 0}}) {
            for (int i = 0; i < 3; ++i)
                answers.push_back({QString::fromLatin1(fact), 3, i >= wrong, 1500});
        }
        files.rememberAnswers(u"髙橋"_qs, Drill::TimesTable, answers);

        const QString tag = users::computerTag(QSysInfo::machineHostName());
        put(users::temporaryName(tag, 2147483647, 1), "1\r\n");
    }

    void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(game.filePath(QStringLiteral("user/") + file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    TemporaryGameFolder game;
    users::UserFiles files{GameFolder(game.path())};
};

} // namespace

// The CSV a teacher opens: one row per child and drill, the children by
// name; a damaged file is named in its row and on standard error, and every
// other row is in full.
TEST_F(ClassReportTest, WritesOneRowPerChildAndDrill)
{
    const ReportRun run = runReport({game.path(), QStringLiteral("--today"), QStringLiteral("2026-12-09")});
    EXPECT_EQ(run.exit, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("こわれ: user\\こわれ.kzk: 数字ではない行があります")) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.err).count(QLatin1Char('\n')), 1) << "only the damaged file is named";

    ASSERT_TRUE(run.out.startsWith("\xEF\xBB\xBF"));
    ASSERT_TRUE(run.out.endsWith("\r\n"));
    const QStringList lines = QString::fromUtf8(run.out.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 4 * 6 + 1);
    EXPECT_EQ(lines[0], u"名前,ドリル,回数,最初の日,最後の日,7日間の回数,30日間の回数,"
                        u"合格した一番上のレベル,一番よい級,にがて1,にがて2,にがて3,注意"_qs);
    // Rows, in the children's order of names and the game's order of drills.
    const std::map<int, QString> rows = {
        {1, u"こわれ,たしざん,0,,,0,0,,,,,,"_qs},
        {2, u"こわれ,かけざん大作戦,,,,,,,,,,,user\\こわれ.kzk: 数字ではない行があります"_qs},
        {3, u"こわれ,わりざん大作戦,0,,,0,0,,,,,,"_qs},
        {7, u"たくさん,たしざん,3000,2026-09-01,2026-12-09,210,900,3,1級,,,,"_qs},
        {8, u"たくさん,かけざん大作戦,0,,,0,0,,,,,,"_qs},
        {13, u"まだ,たしざん,0,,,0,0,,,,,,"_qs},
        {18, u"まだ,わりあんざん,0,,,0,0,,,,,,"_qs},
        {19, u"髙橋,たしざん,0,,,0,0,,,,,,"_qs},
        {20, u"髙橋,かけざん大作戦,5,2026-11-01,2026-12-05,1,3,3の段,,7×8,6×9,3×4,"_qs},
        {24, u"髙橋,わりあんざん,0,,,0,0,,,,,,"_qs},
    };
    for (const auto &[line, row] : rows)
        EXPECT_EQ(lines[line], row) << line;
    EXPECT_EQ(lines.last(), QString());

    // The user folder itself, named instead of the game folder, reads the same.
    const ReportRun direct = runReport({game.filePath(QStringLiteral("user")), QStringLiteral("--today=2026-12-09")});
    EXPECT_EQ(direct.exit, 1);
    EXPECT_EQ(direct.out, run.out);
}

// What a script can rely on: the exit status of each kind of run, and that
// no run changes, makes or removes any file of the folder, the temporary of
// an ended game included.
TEST_F(ClassReportTest, ExitsAsDocumentedAndChangesNoFile)
{
    const QString user = game.filePath(QStringLiteral("user"));
    const auto before = snapshot(user);
    QTemporaryDir out;
    const QString csv = out.filePath(QStringLiteral("class.csv"));
    struct Case
    {
        QStringList arguments;
        int exit;
        const char *said;   // in the output or the errors
    };
    const Case cases[] = {
        {{game.path()}, 1, "こわれ.kzk"},
        {{game.path(), QStringLiteral("--csv"), csv}, 1, ""},
        {{QStringLiteral("--help")}, 0, "Exit status"},
        {{QStringLiteral("-h")}, 0, "おわりの ばんごう"},
        {{game.path(), QStringLiteral("--bogus")}, 2, "bogus"},
        {{game.path(), game.path()}, 2, "one folder only"},
        {{game.path(), QStringLiteral("--today"), QStringLiteral("2026-13-01")}, 2, "2026-13-01"},
        {{game.path(), QStringLiteral("--csv")}, 2, "csv"},
        {{game.path(), QStringLiteral("--csv"), user + QStringLiteral("/class.csv")}, 2, "not into"},
        {{game.filePath(QStringLiteral("missing"))}, 3, "no readable folder"},
        {{game.filePath(QStringLiteral("user/まだ.pwd"))}, 3, "no readable folder"},
        {{game.path(), QStringLiteral("--csv"), out.filePath(QStringLiteral("no/class.csv"))}, 4, "cannot write"},
        {{game.path(), QStringLiteral("--pdf"), out.filePath(QStringLiteral("no/class.pdf"))}, 4, "cannot write"},
    };
    for (const Case &c : cases) {
        const ReportRun run = runReport(c.arguments);
        EXPECT_EQ(run.exit, c.exit) << c.arguments.join(' ').toStdString() << "\n" << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(c.said)) << c.arguments.join(' ').toStdString();
    }
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), runReport({game.path()}).out);

    EXPECT_EQ(snapshot(user), before);

    // Without the damaged file every file reads.
    QFile::remove(game.filePath(u"user/こわれ.kzk"_qs));
    QFile::copy(game.filePath(u"user/まだ.kzk"_qs), game.filePath(u"user/こわれ.kzk"_qs));
    EXPECT_EQ(runReport({game.path()}).exit, 0);
}

// The printable summary opens as a PDF of a class page and one page per
// child, every name in its text.
TEST_F(ClassReportTest, PrintsTheClassAndAPagePerChild)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdfinfo, pdffonts and pdftotext (poppler-utils) are not installed";
    const auto before = snapshot(game.filePath(QStringLiteral("user")));
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("class.pdf"));
    const ReportRun run = runReport({game.path(), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.out.isEmpty()) << "the PDF alone, no CSV";

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_EQ(info.exitCode(), 0);
    const QString infoText = QString::fromUtf8(info.readAll());
    EXPECT_TRUE(infoText.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\\n")))) << infoText.toStdString();
    EXPECT_TRUE(infoText.contains(QStringLiteral("x 842 pts (A4)"))) << infoText.toStdString();

    // In the game's face, embedded.
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    ASSERT_TRUE(fonts.waitForFinished());
    const QString fontList = QString::fromUtf8(fonts.readAll());
    EXPECT_TRUE(fontList.contains(QRegularExpression(QStringLiteral("IPAPGothic +CID TrueType +Identity-H +yes"))))
        << fontList.toStdString();

    // Page 1 is the class; each later page one child, in the order of names.
    const QStringList names = {u"こわれ"_qs, u"たくさん"_qs, u"まだ"_qs, u"髙橋"_qs};
    for (int page = 1; page <= 5; ++page) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished());
        const QString said = QString::fromUtf8(text.readAll());
        for (qsizetype i = 0; i < names.size(); ++i)
            EXPECT_EQ(said.contains(names[i]), page == 1 || page == i + 2) << page << " " << said.toStdString();
        if (page == 3)
            EXPECT_TRUE(said.contains(u"3000"_qs) && said.contains(u"1級"_qs)) << said.toStdString();
        if (page == 5)
            EXPECT_TRUE(said.contains(u"7×8"_qs) && said.contains(u"3の段"_qs)) << said.toStdString();
    }
    EXPECT_EQ(snapshot(game.filePath(QStringLiteral("user"))), before);
}

// The days a round counts in: today and the six days before are the last
// 7 days, today and the 29 before the last 30; a round dated after today
// (a clock set wrong) counts in neither. Passed levels come from the
// progress file, grades from the history.
TEST(DrillFiguresTest, CountsTheDaysBackFromToday)
{
    const struct
    {
        int daysAgo;
        bool week, month;
    } cases[] = {{0, true, true}, {6, true, true}, {7, false, true}, {29, false, true},
                 {30, false, false}, {-1, false, false}};
    for (const auto &c : cases) {
        const users::RoundRecord round{2, roundDay(Today.addDays(-c.daysAgo)), 4};
        const report::DrillFigures f = report::figuresOf(
            Drill::Addition, {users::historyLine(Drill::Addition, round), u"edited by hand"_qs},
            {1, 0, 0}, Today);
        EXPECT_EQ(f.rounds, 1) << c.daysAgo;
        EXPECT_EQ(f.lastWeek, int(c.week)) << c.daysAgo;
        EXPECT_EQ(f.lastMonth, int(c.month)) << c.daysAgo;
        EXPECT_EQ(f.first, Today.addDays(-c.daysAgo));
        EXPECT_EQ(f.bestGrade, 4);
        EXPECT_EQ(f.highestPassed, 1);
    }
    // A mental level is passed at five points, and "みっくす" is the tenth table.
    EXPECT_EQ(report::figuresOf(Drill::MentalTimes, {}, std::vector<int>(20, 4), Today).highestPassed, 0);
    EXPECT_EQ(report::passedText(Drill::MentalTimes,
                                 report::figuresOf(Drill::MentalTimes, {}, {5, 5, 4}, Today).highestPassed),
              u"れべる２"_qs);
    EXPECT_EQ(report::passedText(Drill::TimesTable, 10), u"みっくす"_qs);
    EXPECT_EQ(report::factText(Drill::MentalDivision, u"L12"_qs), u"れべる１２"_qs);
    EXPECT_EQ(report::factText(Drill::DivisionTable, u"57/8"_qs), u"57÷8"_qs);
}

// Fields a spreadsheet would misread are quoted, and one it would take for
// a formula is not one.
TEST(CsvFieldTest, QuotesWhatCsvNeeds)
{
    const std::pair<const char *, const char *> cases[] = {
        {"たろう", "たろう"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"=1+1", "'=1+1"}, {"-x,y", "\"'-x,y\""}, {"", ""},
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(report::csvField(QString::fromUtf8(text)), QString::fromUtf8(field)) << text;
}
