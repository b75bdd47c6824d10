#include "../drill/DrillFixture.h"

#include "drill/LevelMenu.h"
#include "users/Cp932.h"

#include <QInputMethodEvent>

#include <algorithm>
#include <climits>
#include <ostream>
#include <variant>
#include <vector>

namespace {

// A table drill as these tests play it: its files, its levels and what its
// menu and drill window do differently.
struct Table
{
    Drill drill;
    const char *name;
    QString progressFile, historyFile;
    int levels;
    QString firstHistory, mixHistory;   // the history texts of levels 1 and 10
    QString title, backHover;            // as the balloon shows them, line by line
    bool backHoverEmptiesSecond;
    bool closeKeepsQuestion;             // or writes "0" back into both numbers
};

void PrintTo(const Table &table, std::ostream *os)
{
    *os << table.name;
}

const Table Times{Drill::TimesTable, "Times", QStringLiteral("user/taro.kzk"), QStringLiteral("user/taro.kzd"),
                  10, QStringLiteral("1の段"), QStringLiteral("みっくす"),
                  QStringLiteral("かけざん\n大作戦だよ"), QStringLiteral("最初に\nもどる"), false, false};
const Table Division{Drill::DivisionTable, "Division", QStringLiteral("user/taro.wzk"),
                     QStringLiteral("user/taro.wzd"), 11, QStringLiteral("1の段"), QStringLiteral("10の段"),
                     QStringLiteral("わりざん\n大作戦だよ"), QStringLiteral("さいしょに\nもどる"), true, true};

const QString Today = QStringLiteral(",2001/3/07,");

// The balloon's two texts over each entry, みっくす and あまり last.
const QStringList EntryHovers{
    QStringLiteral("１|のだん"), QStringLiteral("２|のだん"), QStringLiteral("３|のだん"),
    QStringLiteral("４|のだん"), QStringLiteral("５|のだん"), QStringLiteral("６|のだん"),
    QStringLiteral("７|のだん"), QStringLiteral("８|のだん"), QStringLiteral("９|のだん"),
    QStringLiteral("みっくす|ぜんぶの\nだん"), QStringLiteral("あまり|あまりの\nでる\nわりざん")};

// Where a label's ink starts and ends across the window.
std::pair<int, int> inkSpan(QLabel *label)
{
    const QImage picture = label->grab().toImage();
    const QColor ink = label->palette().color(QPalette::WindowText);
    int left = INT_MAX, right = INT_MIN;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y) {
            if (isInk(picture.pixelColor(x, y), ink)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    return {label->x() + left, label->x() + right};
}

class TableFixture : public DrillFixture
{
protected:
    explicit TableFixture(const Table &table) : t(table) {}

    LevelMenu &menu() const { return windows->levelMenu(t.drill); }
    DrillWindow &drill() const { return windows->drillWindow(t.drill); }

    static QByteArray labelName(int number) { return "Label" + QByteArray::number(number); }
    // Label1 … LabelN are the levels, Label(N+1) is "もどる".
    GameLabel *entry(int number) const { return part<GameLabel>(&menu(), labelName(number).constData()); }
    GameLabel *back() const { return entry(t.levels + 1); }

    std::vector<bool> entriesEnabled() const
    {
        std::vector<bool> enabled;
        for (int level = 1; level <= t.levels; ++level)
            enabled.push_back(entry(level)->isEnabled());
        return enabled;
    }

    void openMenu() { chooseDrill(t.drill); }
    void reopenMenu()
    {
        QTest::mouseClick(back(), Qt::LeftButton);
        settle();
        openMenu();
    }

    // The answer to the question on screen, worked out from its numbers:
    // the product, or the quotient and any remainder.
    QString answerOnScreen() const
    {
        const int first = text(drill(), "Label11").toInt(), second = text(drill(), "Label12").toInt();
        if (t.drill == Drill::TimesTable)
            return QString::number(first * second);
        const QString quotient = QString::number(first / second);
        return first % second == 0 ? quotient : quotient + QStringLiteral("あまり") + QString::number(first % second);
    }

    // The narrowest gaps seen between the division's ink and the next sign's:
    // after the dividend ("÷") and after the divisor ("＝").
    void measureGaps()
    {
        const auto gap = [&](const char *number, const char *sign) {
            return inkSpan(part<QLabel>(&drill(), sign)).first - inkSpan(part<QLabel>(&drill(), number)).second;
        };
        dividendGap = std::min(dividendGap, gap("Label11", "Label13"));
        divisorGap = std::min(divisorGap, gap("Label12", "Label14"));
    }

    // The two numbers of the question on screen.
    QString shownNumbers() const { return text(drill(), "Label11") + QLatin1Char('|') + text(drill(), "Label12"); }

    // A whole round at a level: `right` right answers, `wrong` wrong ones,
    // then the minute runs out.
    void playRound(int level, int right, int wrong)
    {
        pickLevel(menu(), labelName(level).constData());
        ASSERT_EQ(active(), &drill());
        for (int i = 0; i < right; ++i) {
            if (t.drill == Drill::DivisionTable)
                measureGaps();
            const QString asked = shownNumbers();
            answer(drill(), answerOnScreen());
            EXPECT_NE(shownNumbers(), asked) << "the same question twice in a row";
        }
        for (int i = 0; i < wrong; ++i)
            answer(drill(), QStringLiteral("0"));
        EXPECT_EQ(countsText(drill()), QStringLiteral("%1/%2").arg(right).arg(wrong));
        tick(drill().Timer1, 60);
        settle();
        ASSERT_EQ(active(), &windows->resultWindow());
    }

    void goBack()
    {
        QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
        settle();
    }

    // Lines 2 onwards of the progress file: the levels' cleared flags.
    void writeProgress(const std::vector<int> &flags)
    {
        QByteArray bytes = "1\r\n";
        for (int level = 1; level <= t.levels; ++level)
            bytes += QByteArray::number(level <= int(flags.size()) ? flags[std::size_t(level - 1)] : 0) + "\r\n";
        writeFile(t.progressFile, bytes);
    }

    QList<QByteArray> progressLines() const
    {
        QList<QByteArray> lines = readFile(t.progressFile).split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.pop_back();
        return lines;
    }

    QStringList historyLines() const
    {
        return users::Cp932::decode(readFile(t.historyFile)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    const Table &t;
    int dividendGap = INT_MAX, divisorGap = INT_MAX;
};

class TableWindowsTest : public TableFixture, public ::testing::WithParamInterface<Table>
{
protected:
    TableWindowsTest() : TableFixture(GetParam()) {}
};

} // namespace

TEST_P(TableWindowsTest, TwentyRightAnswersPassWhateverTheWrongCount)
{
    logIn();
    openMenu();
    struct Case
    {
        int right, wrong;
        bool passes;
    };
    for (const Case c : {Case{19, 0, false}, Case{20, 25, true}}) {
        SCOPED_TRACE(testing::Message() << c.right << " right, " << c.wrong << " wrong");
        QList<QByteArray> progress = progressLines();
        const qsizetype historySize = historyLines().size();
        playRound(1, c.right, c.wrong);

        // What the result window shows and plays is the rules' (their rows).
        ASSERT_TRUE(windows->resultWindow().isVisible());
        // Line 1 counts the history lines; a pass sets the level's flag too.
        progress[0] = QByteArray::number(historySize + 1) + '\r';
        if (c.passes)
            progress[1] = "1\r";
        EXPECT_EQ(progressLines(), progress);
        EXPECT_EQ(historyLines().size(), historySize + 1);
        EXPECT_EQ(historyLines().back(), t.firstHistory + Today + (c.passes ? "合格" : "不合格"));

        // Going back closes the drill window: the multiplication drill writes
        // "0" back into its factors, the division drill leaves its question.
        const QString question = shownNumbers();
        goBack();
        ASSERT_EQ(active(), &menu());
        EXPECT_EQ(shownNumbers(), t.closeKeepsQuestion ? question : QStringLiteral("0|0"));
        EXPECT_EQ(countsText(drill()), QStringLiteral("0/0"));
    }
}

TEST_P(TableWindowsTest, EachPassClearsItsLevelAndOffersTheNextAtOnce)
{
    logIn();
    openMenu();
    QStringList history;
    for (int level = 1; level <= t.levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        playRound(level, 20, 0);

        std::vector<bool> offered(std::size_t(t.levels), false);
        if (level < t.levels)
            offered[std::size_t(level)] = true;
        EXPECT_EQ(entriesEnabled(), offered) << "while the result is up";
        QList<QByteArray> progress{QByteArray::number(level + 1) + '\r'};
        for (int i = 1; i <= t.levels; ++i)
            progress.append(i <= level ? "1\r" : "0\r");
        EXPECT_EQ(progressLines(), progress);

        goBack();
        ASSERT_EQ(active(), &menu());
        EXPECT_EQ(entriesEnabled(), offered) << "back at the menu";
        reopenMenu();
        EXPECT_EQ(entriesEnabled(), offered) << "from the progress file";

        history.append((level == 1 ? t.firstHistory
                        : level == 10 ? t.mixHistory
                                      : QString::number(level) + QStringLiteral("の段"))
                       + Today + QStringLiteral("合格"));
    }
    EXPECT_EQ(historyLines().mid(1), history);
    if (t.drill == Drill::DivisionTable)
        EXPECT_GE(dividendGap, divisorGap) << "a dividend runs into \"÷\"";
}

TEST_P(TableWindowsTest, MenuOffersTheFirstTwoTablesFromTheProgressFile)
{
    logIn();
    struct Case
    {
        int first, second;     // lines 2 and 3
        bool firstOffered, secondOffered;
    };
    for (const Case c : {Case{0, 0, true, false}, Case{1, 0, false, true}, Case{1, 1, false, false},
                         Case{0, 1, true, false}}) {
        SCOPED_TRACE(testing::Message() << "flags " << c.first << ' ' << c.second);
        writeProgress({c.first, c.second});
        openMenu();
        ASSERT_EQ(active(), &menu());
        EXPECT_EQ(entry(1)->isEnabled(), c.firstOffered);
        EXPECT_EQ(entry(2)->isEnabled(), c.secondOffered);
        QTest::mouseClick(back(), Qt::LeftButton);
        settle();
        EXPECT_EQ(active(), &windows->mainMenu());
    }
}

TEST_P(TableWindowsTest, BalloonTellsWhatThePointerIsOverInWholeWords)
{
    logIn();
    openMenu();
    GameLabel *first = entry(t.levels + 2), *second = entry(t.levels + 3);
    const auto balloon = [&] {
        // Each line whole in its text's width, and the second text beneath
        // the first one's last line (the design sets them 2 pixels into it).
        for (GameLabel *label : {first, second})
            for (const QString &line : label->text().split(QLatin1Char('\n')))
                EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width()) << qPrintable(line);
        EXPECT_GE(second->y(), first->y() + first->height() - 2) << qPrintable(first->text());
        return first->text() + QLatin1Char('|') + second->text();
    };
    // Every entry once it is offered, each level cleared up to it.
    for (int level = 1; level <= t.levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        writeProgress(std::vector<int>(std::size_t(level - 1), 1));
        reopenMenu();
        hover(entry(level), QPoint(5, 5));
        EXPECT_EQ(balloon(), EntryHovers[level - 1]);
    }
    hover(&menu(), QPoint(5, 5));
    EXPECT_EQ(balloon(), t.title + QLatin1Char('|'));
    // From an entry to "もどる": one menu keeps the entry's second text.
    hover(entry(t.levels), QPoint(5, 5));
    hover(back(), QPoint(5, 5));
    const QString entrysSecond = EntryHovers[t.levels - 1].section(QLatin1Char('|'), 1);
    EXPECT_EQ(balloon(), t.backHover + QLatin1Char('|') + (t.backHoverEmptiesSecond ? QString() : entrysSecond));
}

INSTANTIATE_TEST_SUITE_P(BothTables, TableWindowsTest, ::testing::Values(Times, Division),
                         [](const ::testing::TestParamInfo<Table> &info) { return std::string(info.param.name); });

namespace {

class RemainderWindowTest : public TableFixture
{
protected:
    RemainderWindowTest() : TableFixture(Division) {}
};

} // namespace

TEST_F(RemainderWindowTest, AKeyboardWithTheInputMethodOffTypesTheRemainderAnswer)
{
    logIn();
    // Table 1 not cleared yet, みっくす cleared: both 1 and あまり are offered.
    writeProgress({0, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    openMenu();
    ASSERT_TRUE(entry(11)->isEnabled());
    pickLevel(menu(), "Label11");
    ASSERT_EQ(active(), &drill());
    QLineEdit *field = answerField(drill());
    const QWidget *hint = part(&drill(), "RemainderHint");
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(textOf(&drill(), "RemainderHint"), QStringLiteral("あまりは スペースキー"));
    // The hint covers nothing else on the screen.
    for (const QWidget *other : drill().findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != hint && other->isVisible())
            EXPECT_FALSE(hint->geometry().intersects(other->geometry())) << qPrintable(other->objectName());
    }

    // The input method's text never reaches the field.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("あまり"));
    QApplication::sendEvent(field, &composed);
    EXPECT_EQ(field->text(), QString());

    // Keys as a child presses them, and what each leaves in the field;
    // %1 is the quotient on screen and %2 the remainder.
    struct Typing
    {
        std::vector<std::variant<const char *, Qt::Key>> keys;
        QString field;
    };
    const std::vector<Typing> typings{
        {{Qt::Key_Space}, QString()},
        {{"%1", Qt::Key_Space}, QStringLiteral("%1あまり")},
        {{"%1", Qt::Key_Right}, QStringLiteral("%1あまり")},
        {{"%1", Qt::Key_Space, Qt::Key_Space, "%2"}, QStringLiteral("%1あまり%2")},
        {{"%1", Qt::Key_Space, Qt::Key_Backspace}, QStringLiteral("%1")},
        {{"%1", Qt::Key_Space, "%2", Qt::Key_Backspace}, QStringLiteral("%1あまり")},
    };
    for (int question = 1; question <= 3; ++question) {
        // The division on screen, worked out here.
        const int dividend = textOf(&drill(), "Label11").toInt();
        const int divisor = textOf(&drill(), "Label12").toInt();
        ASSERT_GT(dividend % divisor, 0) << dividend << " / " << divisor;
        const QString quotient = QString::number(dividend / divisor);
        const QString remainder = QString::number(dividend % divisor);
        const auto fill = [&](const QString &pattern) {
            return QString(pattern).replace(QStringLiteral("%1"), quotient).replace(QStringLiteral("%2"), remainder);
        };
        for (const Typing &typing : typings) {
            field->clear();
            for (const auto &key : typing.keys) {
                if (std::holds_alternative<Qt::Key>(key))
                    QTest::keyClick(field, std::get<Qt::Key>(key));
                else
                    QTest::keyClicks(field, fill(QString::fromLatin1(std::get<const char *>(key))));
            }
            EXPECT_EQ(field->text(), fill(typing.field));
        }
        field->clear();

        // The quotient alone is wrong, and so is another remainder; the whole
        // answer typed with the space bar is right.
        const QString counted = QStringLiteral("%1/%2");
        QTest::keyClicks(field, quotient);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, quotient);
        QTest::keyClick(field, Qt::Key_Space);
        QTest::keyClicks(field, QString::number(dividend % divisor + 1));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(countsText(drill()), counted.arg(question - 1).arg(2 * question));
        QTest::keyClicks(field, quotient);
        QTest::keyClick(field, Qt::Key_Space);
        QTest::keyClicks(field, remainder);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(countsText(drill()), counted.arg(question).arg(2 * question));
    }

    // The other levels type a space as a space, and show no hint.
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(field, Qt::Key_Return);
    settle();
    ASSERT_EQ(active(), &menu());
    pickLevel(menu(), "Label1");
    ASSERT_EQ(active(), &drill());
    EXPECT_FALSE(hint->isVisible());
    QTest::keyClicks(field, QStringLiteral("3 "));
    EXPECT_EQ(field->text(), QStringLiteral("3 "));
}

TEST_F(RemainderWindowTest, TheLongestAnswerFitsTheAnswerField)
{
    startGame();
    // "9あまり8" is the widest answer either table drill asks for.
    for (DrillWindow *window : {&windows->drillWindow(Drill::DivisionTable),
                                &windows->drillWindow(Drill::TimesTable)}) {
        const QLineEdit *field = answerField(*window);
        const int room = field->contentsRect().width() - 2 * field->textMargins().left() - 4;
        EXPECT_LT(field->fontMetrics().horizontalAdvance(QStringLiteral("9あまり8")), room)
            << qPrintable(window->objectName());
    }
}
