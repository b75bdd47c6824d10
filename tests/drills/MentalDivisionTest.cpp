#include "../drill/DrillFixture.h"

#include "drill/LevelMenu.h"
#include "drills/mental/MentalDivision.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "users/Cp932.h"

#include <QPainter>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace division = mental::division;

namespace {

const QStringList Captions = QStringLiteral("÷１＝２ ÷１＝３ ÷２＝２ ÷２＝３ ÷３＝２ ÷２＝４ ÷３＝３ ÷４＝２ "
                                            "÷４＝３ ÷３＝４ ÷４＝４ ÷５＝５ ÷６＝５").split(u' ');
const QStringList LevelNumbers = QStringLiteral("１ ２ ３ ４ ５ ６ ７ ８ ９ １０ １１ １２ １３").split(u' ');

// The digits a caption promises the divisor (0) and the quotient (1):
// "÷２＝３" gives 2 and 3.
int promised(int level, int which)
{
    return Captions[level - 1].at(1 + 2 * which).unicode() - u'０';
}

} // namespace

TEST(MentalDivisionRulesTest, EveryLevelDividesExactlyWithTheDigitsItsCaptionPromises)
{
    StandardRandom random;
    random.reseed(20010307);
    for (int level = 1; level <= division::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        EXPECT_EQ(division::level(level).caption(), Captions[level - 1]);
        std::set<int> seen[2];
        for (int i = 0; i < 3000; ++i) {
            const division::Question q = division::makeQuestion(level, random);
            const QString shown[2] = {QString::number(q.divisor), q.answer()};
            for (int which : {0, 1}) {
                // Plain digits, so the count also rules out a leading zero.
                ASSERT_EQ(shown[which].size(), promised(level, which)) << qPrintable(shown[which]);
                seen[which].insert(shown[which].toInt());
            }
            ASSERT_EQ(q.dividend, qint64(q.divisor) * shown[1].toLongLong()) << q.dividend << " / " << q.divisor;
        }
        EXPECT_GE(*seen[0].begin(), 2);
        if (level == 1 || level == 3)
            EXPECT_EQ(std::vector<int>({*seen[0].begin(), *seen[0].rbegin(), *seen[1].begin(), *seen[1].rbegin()}),
                      std::vector<int>({level == 1 ? 2 : 10, level == 1 ? 9 : 98, 10, 98}));
    }
}

namespace {

const char *const Separators[] = {"Label16", "Label17", "Label18", "Label19"};

class MentalDivisionWindowTest : public DrillFixture
{
protected:
    LevelMenu &menu() const { return windows->levelMenu(Drill::MentalDivision); }
    MentalDivisionDrill &drill() const
    {
        return static_cast<MentalDivisionDrill &>(windows->drillWindow(Drill::MentalDivision));
    }
    GameLabel *label(const char *name) const { return part<GameLabel>(&drill(), name); }

    // What the child reads: the dividend's line, then any line beneath it,
    // each left to right by where its parts stand: the numbers with their
    // commas, and the sign.
    QString readsDivision() const
    {
        GameLabel *dividend = label("Label1");
        const auto lineBelow = [&](const QWidget *part) {
            return part->geometry().center().y() > dividend->geometry().bottom();
        };
        std::vector<QLabel *> commas;
        for (const char *separator : Separators)
            commas.push_back(label(separator));
        std::multimap<std::pair<bool, int>, QString> shown;
        for (GameLabel *part : {dividend, label("Label2"), label("Label3")})
            shown.emplace(std::pair{lineBelow(part), part->x()},
                          part == label("Label2") ? part->text() : readNumberRow(part, commas));
        QString text;
        for (const auto &[place, reading] : shown)
            text += reading;
        return text;
    }

    // A number's or a sign's face: its size, weight, slant and spacing.
    QString face(const char *name) const
    {
        const QFont font = label(name)->font();
        return QStringLiteral("%1%2%3+%4").arg(font.pixelSize()).arg(font.bold() ? "b" : "").arg(font.italic() ? "i" : "")
            .arg(font.letterSpacing());
    }

    // Where the ink of a label's text ends, from the label's left.
    static int inkEnd(const GameLabel *label)
    {
        QImage image(label->width() + 200, label->height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, label->text());
        painter.end();
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return x + 1;
        return 0;
    }
};

} // namespace

TEST_F(MentalDivisionWindowTest, EveryLevelsLongestQuestionAndAnswerFitTheScreen)
{
    logIn();
    // Each level's largest divisor and quotient, and how the division reads.
    struct Longest
    {
        int divisor, quotient;
        const char *reads;
    };
    const Longest longest[division::Levels]{
        {9, 98, "882÷9"}, {9, 998, "8，982÷9"}, {98, 98, "9，604÷98"}, {98, 998, "97，804÷98"},
        {998, 98, "97，804÷998"}, {98, 9998, "979，804÷98"}, {998, 998, "996，004÷998"},
        {9998, 98, "979，804÷9，998"}, {9998, 998, "9，978，004÷9，998"}, {998, 9998, "9，978，004÷998"},
        {9998, 9998, "99，960，004÷9，998"}, {99998, 99998, "9，999，600，004÷99，998"},
        {999998, 99998, "99，997，800，004÷999，998"}};
    for (int level = 1; level <= division::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        const auto [divisor, quotient, reads] = longest[level - 1];
        menu().SelectedLevel = level;
        random.script = {divisor, quotient};
        countDown(Drill::MentalDivision);
        EXPECT_EQ(readsDivision(), QString::fromUtf8(reads));
        for (const char *number : {"Label1", "Label3"})
            EXPECT_LE(inkEnd(label(number)), label(number)->width()) << number;
        // Inside the screen, clear of one another and of the pictures.
        std::vector<QWidget *> parts{label("Label1"), label("Label2"), label("Label3"), label("Label4"),
                                     answerField(drill()), part(&drill(), "Image1"), part(&drill(), "Image2"),
                                     part(&drill(), "Image3")};
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_TRUE(drill().rect().contains(parts[i]->geometry())) << qPrintable(parts[i]->objectName());
            for (std::size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << qPrintable(parts[i]->objectName()) << " and " << qPrintable(parts[j]->objectName());
        }
        const QLineEdit *field = answerField(drill());
        EXPECT_LT(field->fontMetrics().horizontalAdvance(QString::number(quotient)),
                  field->contentsRect().width() - 2 * field->textMargins().left() - 4);

        // Every level leaves the row alike for the next round: the answer
        // field and the equals sign 8 pixels above where they stood at
        // start-up, the numbers' faces as they were made, no commas.
        drill().closeWindow();
        settle();
        EXPECT_EQ(answerField(drill())->geometry(), QRect(496, 144, 129, 45));
        EXPECT_EQ(label("Label4")->pos(), QPoint(440, 152));
        EXPECT_EQ(face("Label1") + ' ' + face("Label2") + ' ' + face("Label3"), "73bi+0 37+0 73bi+0");
        for (const char *separator : Separators)
            EXPECT_EQ(label(separator)->text() + QString::number(label(separator)->y()), "165") << separator;
    }
}

TEST_F(MentalDivisionWindowTest, ARoundOfSixRightAnswersEarnsAPoint)
{
    logIn();
    chooseDrill(Drill::MentalDivision);
    random.script = {98, 98, 10, 10};   // 9604 ÷ 98, then 100 ÷ 10
    pickLevel(menu(), "Label3");
    ASSERT_EQ(active(), &drill());
    for (const char *wrong : {"", "098", " 98", "９８", "+98", "9，8", "97"})
        answer(drill(), QString::fromUtf8(wrong));
    EXPECT_EQ(countsText(drill()), QStringLiteral("0/7"));
    EXPECT_EQ(readsDivision(), QStringLiteral("9，604÷98"));
    EXPECT_EQ(QPoint(label("Label2")->x(), label("Label3")->x()), QPoint(248, 328)) << "\"÷\" and the divisor";
    for (int right = 1; right <= 6; ++right) {
        // Worked out from the numbers on screen.
        answer(drill(), QString::number(text(drill(), "Label1").toLongLong() / text(drill(), "Label3").toLongLong()));
        if (right == 1)
            EXPECT_EQ(readsDivision(), QStringLiteral("100÷10"));
    }
    EXPECT_EQ(countsText(drill()), QStringLiteral("6/7"));
    tick(drill().Timer1, 60);
    settle();
    ASSERT_EQ(active(), &windows->resultWindow());
    EXPECT_EQ(textOf(&windows->resultWindow(), "Label2"), QStringLiteral("ポイントゲットおめでとう！"));
    EXPECT_EQ(readFile(QStringLiteral("user/taro.wak")), "2\r\n0\r\n0\r\n1\r\n" + QByteArray("0\r\n").repeated(10));
    EXPECT_EQ(users::Cp932::decode(readFile(QStringLiteral("user/taro.wad"))),
              QStringLiteral("れべる,日付,ポイント,合否\r\nれべる３,2001/3/07,1pt,\r\n"));
}

TEST_F(MentalDivisionWindowTest, MenuOffersEveryLevelNotPassedAndTellsWhatThePointerIsOver)
{
    logIn();
    QByteArray progress = "9\r\n";
    for (int level = 1; level <= division::Levels; ++level)
        progress += level == 5 || level == 13 ? "5\r\n" : QByteArray::number(level % 5) + "\r\n";
    writeFile(QStringLiteral("user/taro.wak"), progress);
    chooseDrill(Drill::MentalDivision);
    ASSERT_EQ(active(), &menu());
    const auto speech = [&] { return textOf(&menu(), "Label14"); };
    EXPECT_EQ(speech(), QString());

    const QString title = QStringLiteral("わりあんざんだよ");
    for (int level = 1; level <= division::Levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        // Level 13's entry is Label15.
        GameLabel *entry = part<GameLabel>(&menu(), ("Label" + std::to_string(level == 13 ? 15 : level)).c_str());
        const bool offered = level != 5 && level != 13;
        EXPECT_EQ(entry->text(), Captions[level - 1]);
        EXPECT_EQ(entry->isEnabled(), offered);
        hover(entry);
        EXPECT_EQ(speech(), offered ? QStringLiteral("れべる") + LevelNumbers[level - 1] + QStringLiteral("だよ") : title);
    }
    hover(part(&menu(), "Label13"));
    EXPECT_EQ(speech(), QStringLiteral("メニューにもどる"));
    hover(&menu());
    EXPECT_EQ(speech(), title);
    QTest::mouseClick(part(&menu(), "Label13"), Qt::LeftButton);
    settle();
    EXPECT_EQ(active(), &windows->mainMenu());
}
