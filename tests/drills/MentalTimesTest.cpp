#include "../drill/DrillFixture.h"

#include "users/FactMapView.h"
#include "users/WeakFactsWindow.h"

#include "drill/LevelMenu.h"
#include "drills/mental/MentalTimes.h"
#include "drills/mental/MentalTimesDrill.h"
#include "users/Cp932.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <map>
#include <set>

namespace times = mental::times;

namespace {

// The menu's captions, level by level: the digits each level promises.
const QStringList Captions = QStringLiteral(
    "２桁ｘ１桁 ３桁ｘ１桁 ４桁ｘ１桁 ２桁ｘ２桁 ５桁ｘ１桁 ２桁ｘ３桁 ３桁ｘ２桁 ６桁ｘ１桁 ３桁ｘ３桁 ７桁ｘ１桁 "
    "４桁ｘ３桁 ３桁ｘ４桁 ８桁ｘ１桁 ４桁ｘ４桁 ９桁ｘ１桁 ５桁ｘ４桁 １０桁ｘ１桁 ５桁ｘ５桁 １１桁ｘ１桁 ６桁ｘ５桁")
    .split(QLatin1Char(' '));
// The levels' hover texts after "れべる".
const QStringList LevelNumbers = QStringLiteral("１ ２ ３ ４ ５ ６ ７ ８ ９ １０ １１ １２ １３ １４ １５ １６ １７ １８ １９ ２０")
                                     .split(QLatin1Char(' '));

// How far the ink of the widest number of `digits` digits reaches when
// `font` draws it from x 0, as a label does.
int widestInk(const QFont &font, int digits)
{
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        QImage image(QFontMetrics(font).horizontalAdvance(QString(digits, QLatin1Char(digit))) + 100,
                     QFontMetrics(font).height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, QString(digits, QLatin1Char(digit)));
        painter.end();
        for (int x = image.width() - 1; x > widest; --x)
            for (int y = 0; y < image.height() && x > widest; ++y)
                if (qGray(image.pixel(x, y)) < 200)
                    widest = x + 1;
    }
    return widest;
}

class MentalTimesTest : public DrillFixture
{
protected:
    LevelMenu &menu() const { return windows->levelMenu(Drill::MentalTimes); }
    MentalTimesDrill &drill() const
    {
        return static_cast<MentalTimesDrill &>(windows->drillWindow(Drill::MentalTimes));
    }
    GameLabel *entry(int level) const
    {
        return part<GameLabel>(&menu(), ("Label" + QByteArray::number(level)).constData());
    }
    QString speech() const { return textOf(&menu(), "Label21"); }

    // The factors as a child reads them, with their commas.
    QString shownReading() const
    {
        const std::vector<QLabel *> commas{part<QLabel>(&drill(), "Label16"), part<QLabel>(&drill(), "Label17"),
                                                 part<QLabel>(&drill(), "Label18")};
        return readNumberRow(part<QLabel>(&drill(), "Label1"), commas) + u'×'
            + readNumberRow(part<QLabel>(&drill(), "Label3"), commas);
    }
};

} // namespace

TEST(MentalTimesRulesTest, EveryLevelDrawsTheDigitsItsCaptionPromises)
{
    StandardRandom random;
    random.reseed(20010307);
    ASSERT_EQ(Captions.size(), times::Levels);
    for (int level = 1; level <= times::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        // The caption is made from the level's digit counts.
        EXPECT_EQ(times::caption(level), Captions[level - 1]);
        const int firstDigits = times::firstDigits(level), secondDigits = times::secondDigits(level);
        // One- and two-digit factors: every value the rules allow turns up.
        std::map<int, std::set<qint64>> small;
        for (int i = 0; i < 2000; ++i) {
            const times::Question q = times::makeQuestion(level, random);
            const QString first = QString::number(q.first), second = QString::number(q.second);
            ASSERT_EQ(first.size(), firstDigits) << q.first;
            ASSERT_EQ(second.size(), secondDigits) << q.second;
            for (const QString &factor : {first, second}) {
                if (factor.size() == 2)
                    ASSERT_NE(factor[0], factor[1]) << "equal digits in " << factor.toStdString();
                if (factor.size() <= 2)
                    small[int(factor.size())].insert(factor.toLongLong());
            }
        }
        for (const auto &[digits, seen] : small) {
            EXPECT_EQ(seen.size(), digits == 1 ? 8u : 81u);   // 2–9; 10–98 but 11, 22, …, 88
            EXPECT_EQ(*seen.begin(), digits == 1 ? 2 : 10);
            EXPECT_EQ(*seen.rbegin(), digits == 1 ? 9 : 98);
        }
    }
}

TEST(MentalTimesRulesTest, TheFirstLevelDrawsItsMultiplierFirstAndProductsFitSixtyFourBits)
{
    ScriptedRandom random;
    random.script = {5, 3, 3, 7};   // multiplier 5, tens 3, units 3 drawn again as 7
    const times::Question q = times::makeQuestion(1, random);
    EXPECT_EQ(q.first, 37);
    EXPECT_EQ(q.second, 5);
    EXPECT_EQ(q.answer(), QStringLiteral("185"));
    EXPECT_EQ((times::Question{99999999999, 9}.answer()), QStringLiteral("899999999991"));
}

TEST_F(MentalTimesTest, TheMenuOffersEveryLevelButThePassedOnesAndSaysWhatThePointerIsOver)
{
    logIn();
    writeFile(QStringLiteral("user/taro.kak"), "1\r\n0\r\n0\r\n5\r\n" + QByteArray("0\r\n").repeated(17));
    chooseDrill(Drill::MentalTimes);
    ASSERT_EQ(active(), &menu());
    EXPECT_EQ(speech(), QStringLiteral("かけあんざんだよ"));
    for (int level = 1; level <= times::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        GameLabel *label = entry(level);
        EXPECT_EQ(label->text(), Captions[level - 1]);
        EXPECT_EQ(label->isEnabled(), level != 3);
        hover(label);
        EXPECT_EQ(speech(), level == 3 ? QStringLiteral("かけあんざんだよ") : QStringLiteral("れべる") + LevelNumbers[level - 1]);
    }
    hover(part(&menu(), "Label22"));
    EXPECT_EQ(speech(), QStringLiteral("もどる"));
    QTest::mouseClick(part(&menu(), "Label22"), Qt::LeftButton);
    settle();
    EXPECT_EQ(active(), &windows->mainMenu());
}

TEST_F(MentalTimesTest, EveryLevelShowsItsLongestNumbersAndAnswerWholeAndReadsWithItsCommas)
{
    logIn();
    QLineEdit *field = answerField(drill());
    for (int level = 1; level <= times::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        menu().SelectedLevel = level;
        countDown(Drill::MentalTimes);
        ASSERT_EQ(active(), &drill());
        const int firstDigits = times::firstDigits(level), secondDigits = times::secondDigits(level);
        for (const auto &[name, digits] : {std::pair{"Label1", firstDigits}, std::pair{"Label3", secondDigits}}) {
            const GameLabel *factor = part<GameLabel>(&drill(), name);
            EXPECT_LE(widestInk(factor->font(), digits), factor->width()) << name;
        }
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        EXPECT_LE(widestInk(field->font(), firstDigits + secondDigits), field->width() - 2 * frame - 4);

        // The question's parts stand apart, inside the screen, clear of
        // the counters, the clock and the pictures.
        std::vector<QWidget *> row{part(&drill(), "Label1"), part(&drill(), "Label2"),
                                   part(&drill(), "Label3"), part(&drill(), "Label4"), field};
        for (QWidget *a : row) {
            EXPECT_TRUE(drill().rect().contains(a->geometry())) << a->objectName().toStdString();
            for (QWidget *b : drill().findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const bool separator = b->objectName() >= QStringLiteral("Label16")
                    && b->objectName() <= QStringLiteral("Label18");
                if (a != b && b->isVisible() && !separator)
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << a->objectName().toStdString() << " over " << b->objectName().toStdString();
            }
        }
        EXPECT_EQ(shownReading(), withCommas(drill().question().first) + u'×' + withCommas(drill().question().second));
        drill().closeWindow();
        settle();
    }
}

TEST_F(MentalTimesTest, SixRightAnswersInAMinuteEarnAPointAndTheCloseResetsTheScreen)
{
    logIn();
    chooseDrill(Drill::MentalTimes);
    const QRect fieldHome = answerField(drill())->geometry();
    const QPoint equalsHome = part(&drill(), "Label4")->pos();
    pickLevel(menu(), "Label20");
    ASSERT_EQ(active(), &drill());
    // The answer from the factors as the screen shows them.
    const auto product = [&] {
        return QString::number(text(drill(), "Label1").toLongLong() * text(drill(), "Label3").toLongLong());
    };
    const QString shown = text(drill(), "Label1") + text(drill(), "Label3");
    answer(drill(), QLatin1Char('0') + product());
    EXPECT_EQ(text(drill(), "Label1") + text(drill(), "Label3"), shown) << "a wrong answer keeps the question";
    for (int i = 0; i < 6; ++i)
        answer(drill(), product());
    EXPECT_EQ(countsText(drill()), QStringLiteral("6/1"));
    EXPECT_NE(answerField(drill())->geometry(), fieldHome) << "the long answer has its own place";

    tick(drill().Timer1, 60);
    settle();
    ASSERT_EQ(active(), &windows->resultWindow());
    EXPECT_EQ(textOf(&windows->resultWindow(), "Label2"), QStringLiteral("ポイントゲットおめでとう！"));
    EXPECT_EQ(readFile(QStringLiteral("user/taro.kak")),
              "2\r\n" + QByteArray("0\r\n").repeated(19) + "1\r\n");
    EXPECT_EQ(users::Cp932::decode(readFile(QStringLiteral("user/taro.kad"))).split(QStringLiteral("\r\n")).value(1),
              QStringLiteral("れべる２０,2001/3/07,1pt,"));

    QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
    settle();
    EXPECT_EQ(active(), &menu());
    EXPECT_EQ(countsText(drill()), QStringLiteral("0/0"));
    EXPECT_EQ(clockText(drill()), QStringLiteral("00:00"));
    EXPECT_EQ(text(drill(), "Label9"), DrillWindow::Encouragement);
    EXPECT_EQ(answerField(drill())->geometry(), fieldHome);
    EXPECT_EQ(part(&drill(), "Label4")->pos(), equalsHome);
    for (const char *name : {"Label16", "Label17", "Label18"})
        EXPECT_EQ(text(drill(), name), QString()) << name;
}


// The map of a mental drill lets a child practise a level already passed,
// which the menu no longer offers: its number in the map's table is a link.
TEST_F(MentalTimesTest, ALevelPassedIsPractisedFromItsNumberInTheMap)
{
    logIn();
    writeFile("user/taro.kak", "1\r\n0\r\n5\r\n" + QByteArray("0\r\n").repeated(18));
    windows->weakFacts().ShowMap(Drill::MentalTimes);
    settle();
    auto *map = part<FactMapView>(&windows->weakFacts(), "PaintBox1");
    // The hint to press a blue level stands clear of both links beside it.
    const QRect hint = part<GameLabel>(&windows->weakFacts(), "PassedLevelsHint")->geometry();
    for (const char *link : {"PracticeLink", "Label2"})
        EXPECT_FALSE(hint.intersects(part<GameLabel>(&windows->weakFacts(), link)->geometry())) << link;
    const auto pointOf = [&](int level) {
        for (int y = 0; y < map->height(); ++y)
            for (int x = 0; x < map->width(); x += 4)
                if (map->levelAt({x, y}) == level)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    QTest::mouseClick(map, Qt::LeftButton, {}, pointOf(1));   // not passed: nothing
    settle();
    EXPECT_EQ(active(), &windows->weakFacts());
    QTest::mouseClick(map, Qt::LeftButton, {}, pointOf(2));
    settle();
    tick(windows->countDown().Timer1, 3);
    settle();
    ASSERT_EQ(active(), &drill());
    EXPECT_TRUE(drill().practising());
    // Level 2: three digits by one.
    EXPECT_EQ(QString::number(drill().question().first).size(), 3);
    EXPECT_LT(drill().question().second, 10);
}
