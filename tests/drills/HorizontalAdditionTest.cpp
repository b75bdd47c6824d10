#include "../drill/DrillFixture.h"

#include "drill/LevelMenu.h"
#include "drills/mental/HorizontalAddition.h"
#include "ui/SystemServices.h"
#include "users/Cp932.h"

#include <QStyle>

#include <algorithm>
#include <set>

namespace horizontal = mental::horizontal;

TEST(HorizontalAdditionRulesTest, EveryLevelDrawsItsCountOfNumbersWithDistinctDigits)
{
    StandardRandom random;
    random.reseed(20010307);
    for (int level = 1; level <= horizontal::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        const int digits = 4 + (level - 1) / 4, count = 2 + (level - 1) % 4;
        std::set<QChar> firstDigits;
        for (int i = 0; i < 300; ++i) {
            const horizontal::Question question = horizontal::makeQuestion(level, random);
            const auto rows = question.rows();
            const auto firstUsed = rows.end() - count;
            ASSERT_TRUE(std::all_of(rows.begin(), firstUsed, [](const QString &row) { return row.isEmpty(); }));
            qint64 sum = 0;
            for (auto row = firstUsed; row != rows.end(); ++row) {
                ASSERT_EQ(row->size(), digits) << qPrintable(*row);
                ASSERT_NE(row->front(), QLatin1Char('0')) << qPrintable(*row);
                ASSERT_EQ(std::set<QChar>(row->begin(), row->end()).size(), std::size_t(digits)) << qPrintable(*row);
                firstDigits.insert(row->front());
                sum += row->toLongLong();
            }
            ASSERT_EQ(question.answer(), QString::number(sum));
        }
        EXPECT_EQ(firstDigits.size(), 9u);
    }
    EXPECT_EQ(horizontal::Question{}.answer(), QString());
}

TEST(HorizontalAdditionRulesTest, RepeatedDigitsAreDrawnAgain)
{
    ScriptedRandom random;
    random.script = {9, 9, 8, 9, 8, 0, 0, 7};
    EXPECT_EQ(horizontal::distinctDigitNumber(4, random), 9807);
    EXPECT_TRUE(random.script.empty());

    const std::vector<std::tuple<int, QString, QString>> texts{
        {1, QStringLiteral("４桁２口"), QStringLiteral("れべる１だよ")},
        {10, QStringLiteral("６桁３口"), QStringLiteral("れべる１０だよ")},
        {16, QStringLiteral("７桁５口"), QStringLiteral("れべる１６だよ")}};
    for (const auto &[level, caption, hover] : texts) {
        EXPECT_EQ(horizontal::caption(level), caption);
        EXPECT_EQ(horizontal::hoverText(level), hover);
    }
}

namespace {

class HorizontalAdditionWindowTest : public DrillFixture
{
protected:
    LevelMenu &menu() const { return windows->levelMenu(Drill::HorizontalAddition); }
    DrillWindow &drill() const { return windows->drillWindow(Drill::HorizontalAddition); }
    static QByteArray label(int number) { return "Label" + QByteArray::number(number); }
    GameLabel *drillLabel(int number) const { return part<GameLabel>(&drill(), label(number).constData()); }

    QStringList rows() const
    {
        QStringList shown;
        for (int r = 1; r <= horizontal::Rows; ++r)
            shown << drillLabel(r)->text();
        return shown;
    }
    // The "，" labels showing, out of Label16 … Label25.
    std::vector<GameLabel *> separators() const
    {
        std::vector<GameLabel *> shown;
        for (int number = 16; number <= 25; ++number)
            if (drillLabel(number)->text() == QStringLiteral("，"))
                shown.push_back(drillLabel(number));
        return shown;
    }
    // The sum of the numbers on screen, worked out here.
    QString sumShown() const
    {
        qint64 sum = 0;
        for (const QString &row : rows())
            sum += row.toLongLong();
        return QString::number(sum);
    }
};

} // namespace

TEST_F(HorizontalAdditionWindowTest, ARoundAtTheLongestLevelEarnsAPointAndTheCloseClearsTheScreen)
{
    logIn();
    chooseDrill(Drill::HorizontalAddition);
    pickLevel(menu(), "Label16");
    ASSERT_EQ(active(), &drill());

    const QStringList question = rows();
    answer(drill(), QStringLiteral("0") + sumShown());
    EXPECT_EQ(rows(), question) << "a wrong answer keeps the question";
    for (int i = 0; i < 6; ++i)
        answer(drill(), sumShown());
    EXPECT_NE(rows(), question);
    EXPECT_EQ(countsText(drill()), QStringLiteral("6/1"));
    tick(drill().Timer1, 60);
    settle();
    ASSERT_EQ(active(), &windows->resultWindow());
    EXPECT_EQ(textOf(&windows->resultWindow(), "Label2"), QStringLiteral("ポイントゲットおめでとう！"));

    // Line 1 counts the history lines, then the points of levels 1 to 16.
    EXPECT_EQ(readFile(QStringLiteral("user/taro.mzk")), "2\r\n" + QByteArray("0\r\n").repeated(15) + "1\r\n");
    EXPECT_EQ(users::Cp932::decode(readFile(QStringLiteral("user/taro.mzd"))),
              QStringLiteral("れべる,日付,ポイント,合否\r\nれべる１６,2001/3/07,1pt,\r\n"));

    QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
    settle();
    ASSERT_EQ(active(), &menu());
    EXPECT_EQ(rows(), QStringList(horizontal::Rows, QString()));
    EXPECT_TRUE(separators().empty());
    EXPECT_EQ(countsText(drill()) + QLatin1Char(' ') + clockText(drill()), QStringLiteral("0/0 00:00"));
    EXPECT_EQ(text(drill(), "Label27"), DrillWindow::Encouragement);
}

TEST_F(HorizontalAdditionWindowTest, MenuOffersEveryLevelNotPassedAndTellsWhatThePointerIsOver)
{
    logIn();
    // Levels 3 and 16 passed, every other one a point short of it.
    const QByteArray four("4\r\n"), passed("5\r\n");
    writeFile(QStringLiteral("user/taro.mzk"), "1\r\n" + four.repeated(2) + passed + four.repeated(12) + passed);
    chooseDrill(Drill::HorizontalAddition);
    ASSERT_EQ(active(), &menu());
    const auto speech = [&] { return textOf(&menu(), "Label18"); };
    const QString title = QStringLiteral("よこはばくんだよ");
    const QStringList captions = QStringLiteral("４桁２口 ４桁３口 ４桁４口 ４桁５口 ５桁２口 ５桁３口 ５桁４口 ５桁５口 "
                                                "６桁２口 ６桁３口 ６桁４口 ６桁５口 ７桁２口 ７桁３口 ７桁４口 ７桁５口")
                                     .split(u' ');
    const QStringList numbers = QStringLiteral("１ ２ ３ ４ ５ ６ ７ ８ ９ １０ １１ １２ １３ １４ １５ １６").split(u' ');
    EXPECT_EQ(speech(), QString());
    for (int level = 1; level <= horizontal::Levels; ++level) {
        GameLabel *entry = part<GameLabel>(&menu(), label(level).constData());
        EXPECT_EQ(entry->text(), captions[level - 1]);
        EXPECT_EQ(entry->isEnabled(), level != 3 && level != 16) << "level " << level;
        hover(entry);
        // Over a passed entry the pointer is over the background.
        EXPECT_EQ(speech(), entry->isEnabled() ? QStringLiteral("れべる") + numbers[level - 1] + QStringLiteral("だよ") : title);
    }
    hover(part(&menu(), "Label17"));
    EXPECT_EQ(speech(), QStringLiteral("メニューへもどる"));
    QTest::mouseClick(part(&menu(), "Label17"), Qt::LeftButton);
    settle();
    EXPECT_EQ(active(), &windows->mainMenu());
}

TEST_F(HorizontalAdditionWindowTest, EveryLevelsWidestNumbersAndAnswerFitTheScreen)
{
    logIn();
    chooseDrill(Drill::HorizontalAddition);
    const QRect screen(0, 0, 640, 480);
    for (int level = 1; level <= horizontal::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        const int digits = 4 + (level - 1) / 4, count = 2 + (level - 1) % 4;
        const QString widest = QStringLiteral("9876543").left(digits);
        random.script.clear();
        for (int i = 0; i < count * digits; ++i)
            random.script.push_back(widest[i % digits].digitValue());
        pickLevel(menu(), label(level).constData());
        ASSERT_EQ(active(), &drill());

        const GameLabel *rule = drillLabel(6);
        for (int r = horizontal::Rows - count + 1; r <= horizontal::Rows; ++r) {
            const GameLabel *row = drillLabel(r);
            ASSERT_EQ(row->text(), widest);
            // Drawn in italics, the number reaches past its last digit's advance.
            const int reach = row->fontMetrics().boundingRect(widest).right() + 1;
            const QRect drawn(row->pos(), QSize(reach, row->height()));
            EXPECT_LE(drawn.width(), row->width()) << "row " << r;
            EXPECT_TRUE(screen.contains(drawn.right(), std::max(drawn.top(), 0))) << "row " << r;
            for (const char *picture : {"Image1", "Image2", "Image3"})
                EXPECT_FALSE(drawn.intersects(part(&drill(), picture)->geometry())) << r << picture;
            EXPECT_LE(rule->x(), drawn.left());
            EXPECT_GE(rule->geometry().right(), drawn.right());
        }
        EXPECT_LE(rule->geometry().right(), screen.right());
        // Each row reads with its commas, which stand clear between its digits.
        const char *const commas[horizontal::Rows][2]{{"Label18", "Label17"}, {"Label20", "Label22"},
                                                      {"Label19", "Label21"}, {"Label16", "Label23"},
                                                      {"Label24", "Label25"}};
        for (int r = 1; r <= horizontal::Rows; ++r) {
            const QString read = readNumberRow(drillLabel(r), {part<QLabel>(&drill(), commas[r - 1][0]),
                                                               part<QLabel>(&drill(), commas[r - 1][1])});
            EXPECT_EQ(read, r > horizontal::Rows - count ? withCommas(widest.toLongLong()) : QString()) << "row " << r;
        }

        const QLineEdit *field = answerField(drill());
        const QString widestAnswer = QString::number(count * widest.toLongLong());
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        EXPECT_LE(field->fontMetrics().boundingRect(widestAnswer).right() + 1 + 2 * frame + 4, field->width());
        EXPECT_TRUE(screen.contains(field->geometry()));

        drill().closeWindow();
        settle();
        ASSERT_EQ(active(), &menu());
    }
}
