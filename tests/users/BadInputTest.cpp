// What a careless child, a damaged disk or a copied folder can hand the game,
// and what the game makes of each: it is taken as the game's rules say, or
// refused or reported with nothing lost.

#include "RecordLine.h"
#include "../drill/DrillFixture.h"

#include "drill/DrillWindow.h"
#include "ui/IoError.h"
#include "users/RecordsModel.h"
#include "users/RegistrationDialog.h"

#include <QDir>
#include <QPushButton>

namespace {

const QString Registered;  // no warning: the child is registered
const QString Empty = QStringLiteral("なまえとパスワードをいれてください");
const QString BadName = QStringLiteral("そのなまえはつかえません");
const QString BadPassword = QStringLiteral("そのパスワードはつかえません");

QString operator""_u(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, qsizetype(size));
}

class BadInputTest : public DrillFixture
{
protected:
    users::UserFiles &files() { return windows->session().files; }

    QStringList userEntries() const
    {
        return QDir(path(QStringLiteral("user"))).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // The reason of the IoError `action` throws, or the empty text.
    template <typename Action>
    static QString reasonOf(Action action)
    {
        try {
            action();
        } catch (const IoError &error) {
            return error.reason();
        }
        return {};
    }
};

} // namespace

TEST_F(BadInputTest, NamesAndPasswordsAtRegistration)
{
    struct Case
    {
        const char *what;
        QString name, password, warning;
    };
    const Case cases[] = {
        {"empty name", "", "pw", Empty},
        {"empty password", "jiro", "", Empty},
        {"spaces", "   ", "   ", Registered},
        {"name of 255 letters", QString(255, u'a'), "pw", BadName},
        {"password of 255 letters", "jiro", QString(255, u'a'), Registered},
        {"name of 1000 letters", QString(1000, u'a'), "pw", BadName},
        {"password of 1000 letters", "jiro", QString(1000, u'p'), Registered},
        {"slash", "a/b", "a/b", BadName},
        {"backslash", "a\\b", "a\\b", BadName},
        {"dot", ".", ".", Registered},
        {"dot dot", "..", "..", Registered},
        {"tab", "a\tb", "a\tb", BadName},
        {"control character", "a\x01", "pw", BadName},
        {"control character in the password", "jiro", "a\x01", Registered},
        {"line end in the password", "jiro", "a\nb", BadPassword},
        {"emoji name", "😀", "pw", BadName},
        {"emoji password", "jiro", "😀", BadPassword},
        {"kanji", "山田太郎"_u, "漢字"_u, Registered},
        {"half-width kana", "ﾀﾛｳ"_u, "ﾊﾟｽ"_u, Registered},
    };
    startGame();
    RegistrationDialog &dialog = windows->registrationDialog();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialog.openWindow();
        settle();
        part<QLineEdit>(&dialog, "Edit1")->setText(c.name);
        part<QLineEdit>(&dialog, "Edit3")->setText(c.password);
        ASSERT_EQ(part<QLineEdit>(&dialog, "Edit1")->text(), c.name);
        ASSERT_EQ(part<QLineEdit>(&dialog, "Edit3")->text(), c.password);
        dialogs.warnings.clear();
        QTest::mouseClick(part<QPushButton>(&dialog, "Button1"), Qt::LeftButton);
        settle();
        EXPECT_TRUE(dialogs.errors.isEmpty());
        if (c.warning.isEmpty()) {
            EXPECT_TRUE(dialogs.warnings.empty());
            EXPECT_EQ(files().listUsers(), QStringList{c.name});
            EXPECT_EQ(files().readPassword(c.name), c.password);
            EXPECT_EQ(userEntries().size(), 13);
            files().deleteFileSet(c.name);
        } else {
            ASSERT_EQ(dialogs.warnings.size(), 1u);
            EXPECT_EQ(dialogs.warnings[0].text, c.warning);
            EXPECT_TRUE(dialog.isVisible());
        }
        EXPECT_TRUE(userEntries().isEmpty());
        dialog.closeWindow();
    }
}

// Only the exact half-width text of the answer is right; nothing typed or
// pasted stalls the window or ends the round.
TEST_F(BadInputTest, AnswersTypedIntoADrillWindow)
{
    logIn();
    countDown(Drill::Addition);
    DrillWindow &drill = windows->drillWindow(Drill::Addition);
    const auto fullWidth = [](QString text) {
        for (QChar &c : text)
            c = QChar(c.unicode() - u'0' + u'０');
        return text;
    };
    struct Case
    {
        const char *what;
        QString (*typed)(const QString &expected, QString full);
        bool right;
    };
    const Case cases[] = {
        {"empty", [](const QString &, QString) { return QString(); }, false},
        {"huge number", [](const QString &, QString) { return QString(40, u'9'); }, false},
        {"minus sign", [](const QString &e, QString) { return "-" + e; }, false},
        {"plus sign", [](const QString &e, QString) { return "+" + e; }, false},
        {"full-width digits", [](const QString &, QString f) { return f; }, false},
        {"10,000 characters", [](const QString &e, QString) { return e.repeated(10000 / e.size()); }, false},
        {"control character", [](const QString &e, QString) { return e + '\x01'; }, false},
        {"tab before it", [](const QString &e, QString) { return '\t' + e; }, false},
        {"the answer", [](const QString &e, QString) { return e; }, true},
    };
    int right = 0, wrong = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString expected = QString::number(text(drill, "Label1").toInt() + text(drill, "Label3").toInt());
        ASSERT_NE(expected, QStringLiteral("0"));
        QLineEdit *field = answerField(drill);
        field->setText(c.typed(expected, fullWidth(expected)));
        QTest::keyClick(field, Qt::Key_Return);
        settle();
        ++(c.right ? right : wrong);
        EXPECT_EQ(countsText(drill), QString::number(right) + '/' + QString::number(wrong));
        EXPECT_EQ(active(), &drill);
    }
}

// A progress file as a damaged disk or a hand edit may leave it: read by the
// rule of missing and extra lines, or reported with both files left as they
// were, also when a round is recorded on top of it.
TEST_F(BadInputTest, ProgressFiles)
{
    struct Case
    {
        const char *what;
        Drill drill;
        QByteArray content;
        QString reason;               // empty: read as `lines` and `levels`
        int lines = 0;
        std::vector<int> levels = {};
    };
    const QString notANumber = QStringLiteral("数字ではない行があります");
    const QString outOfRange = QStringLiteral("ありえない数があります");
    const Case cases[] = {
        // Read as zeros, it would take every level from the child and hide
        // the history from the records.
        {"empty", Drill::Addition, "", QStringLiteral("ファイルが空です")},
        {"letters", Drill::Addition, "1\r\nabc\r\n0\r\n0\r\n", notANumber},
        {"binary", Drill::Addition, QByteArray("\x00\x01\xff\xfe\r\n", 6), notANumber},
        // No round writes it, and the menu could offer nothing sensible.
        {"negative cleared flag", Drill::Addition, "1\r\n-1\r\n0\r\n0\r\n", outOfRange},
        {"cleared flag of 2", Drill::Addition, "1\r\n1\r\n2\r\n0\r\n", outOfRange},
        {"negative points", Drill::MentalTimes, "1\r\n0\r\n-3\r\n", outOfRange},
        {"six points", Drill::MentalTimes, "1\r\n6\r\n", outOfRange},
        {"huge level", Drill::Addition, "1\r\n99999999999\r\n", QStringLiteral("数が大きすぎます")},
        {"missing lines", Drill::Addition, "3\r\n1\r\n", {}, 3, {1, 0, 0}},
        {"extra lines", Drill::Addition, "2\r\n1\r\n1\r\n0\r\n7\r\nx\r\n", {}, 2, {1, 1, 0}},
        {"LF only", Drill::Addition, "2\n1\n0\n0\n", {}, 2, {1, 0, 0}},
        {"UTF-8 byte order mark", Drill::Addition, "\xEF\xBB\xBF" "2\r\n1\r\n0\r\n0\r\n", {}, 2, {1, 0, 0}},
        {"negative count", Drill::TimesTable, "-4\r\n1\r\n", {}, -4, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    logIn();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const DrillInfo &m = drillInfo(c.drill);
        const QString progressFile = "user/taro" + m.progressExt.toString();
        const QString historyFile = "user/taro" + m.historyExt.toString();
        writeFile(progressFile, c.content);
        const QByteArray history = readFile(historyFile);
        const auto playLevelOne = [&] {
            files().recordRound("taro", c.drill, judged([](users::Progress &p) { p.setLevel(1, 1); }, "x"));
        };
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(reasonOf([&] { files().readProgress("taro", c.drill); }), c.reason);
            EXPECT_EQ(reasonOf(playLevelOne), c.reason);
            EXPECT_EQ(readFile(progressFile), c.content);
            EXPECT_EQ(readFile(historyFile), history);
            continue;
        }
        const users::Progress read = files().readProgress("taro", c.drill);
        EXPECT_EQ(read.historyLines, c.lines);
        EXPECT_EQ(read.levels, c.levels);
        playLevelOne();
        QByteArray rewritten = QByteArray::number(c.lines + 1) + "\r\n1\r\n";
        for (std::size_t i = 1; i < c.levels.size(); ++i)
            rewritten += QByteArray::number(c.levels[i]) + "\r\n";
        EXPECT_EQ(readFile(progressFile), rewritten);
        EXPECT_EQ(readFile(historyFile), history + "x\r\n");
    }

    // The level menu tells what is wrong instead of offering nothing.
    writeFile(QStringLiteral("user/taro.tzk"), "1\r\n-1\r\n0\r\n0\r\n");
    dialogs.errors.clear();
    chooseDrill(Drill::Addition);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("user\\taro.tzk"))) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains(outOfRange)) << dialogs.errors[0].toStdString();
}

// A history file as a damaged disk or a hand edit may leave it: the records
// show the lines that are there, as far as line 1 of the progress file says.
TEST_F(BadInputTest, HistoryFiles)
{
    const QString longLine(100000, u'z');
    struct Case
    {
        const char *what;
        QByteArray count, content;
        QStringList rounds;           // the lines after the header
    };
    const Case cases[] = {
        {"empty", "1", "", {}},
        {"header only", "1", "h\r\n", {}},
        {"letters", "2", "h\r\nabc\r\n", {"abc"}},
        {"binary", "2", QByteArray("h\r\n\x00\xff\x81\r\n", 8), {QString::fromUtf8("\x00\uFFFD\uFFFD", 7)}},
        {"missing lines", "5", "h\r\na\r\nb\r\n", {"a", "b"}},
        {"extra lines", "2", "h\r\na\r\nb\r\nc\r\n", {"a"}},
        {"LF only", "3", "h\na\nb\n", {"a", "b"}},
        {"no line end at the end", "3", "h\r\na\r\nb", {"a", "b"}},
        {"UTF-8 byte order mark", "2", "\xEF\xBB\xBFh\r\na\r\n", {"a"}},
        // Kept only as far as no round goes.
        {"a line of 100,000 characters", "3", "h\r\n" + longLine.toLatin1() + "\r\nb\r\n",
         {longLine.first(users::LeadingLines::LongestLine), "b"}},
        {"negative count", "-3", "h\r\na\r\n", {}},
        {"huge count", "2147483647", "h\r\na\r\n", {"a"}},
    };
    logIn();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(QStringLiteral("user/taro.kzk"), c.count + "\r\n");
        writeFile(QStringLiteral("user/taro.kzd"), c.content);
        const users::Records records = files().readRecords("taro", Drill::TimesTable);
        EXPECT_EQ(records.lines.mid(1), c.rounds);
        // The header, a row per round, and an empty last row.
        EXPECT_EQ(users::recordsRowCount(records.count, records.lines.size()), c.rounds.size() + 2);
    }
}
