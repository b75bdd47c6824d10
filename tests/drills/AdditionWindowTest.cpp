#include "../drill/DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drill/MistakesWindow.h"
#include "users/FactMemory.h"
#include "users/UserFiles.h"
#include "users/WeakFactsWindow.h"
#include "users/Cp932.h"
#include "users/LoginDialog.h"
#include "users/RegistrationDialog.h"

#include <QListWidget>
#include <QPushButton>

namespace {

class AdditionWindowTest : public DrillFixture
{
protected:
    AdditionMenu &menu() const { return static_cast<AdditionMenu &>(windows->levelMenu(Drill::Addition)); }
    AdditionDrill &drill() const { return static_cast<AdditionDrill &>(windows->drillWindow(Drill::Addition)); }

    // The main menu's "たしざん".
    void openMenu() { chooseDrill(Drill::Addition); }

    // The level menu's entry of a level: "Label1", "Label3" or "Label4".
    GameLabel *entry(const char *name) const { return part<GameLabel>(&menu(), name); }
    void pickLevel(const char *entry) { DrillFixture::pickLevel(menu(), entry); }

    // The addends on screen.
    int first() const { return text(drill(), "Label1").toInt(); }
    int second() const { return text(drill(), "Label3").toInt(); }
    QString shownSum() const { return text(drill(), "Label1") + QLatin1Char('+') + text(drill(), "Label3"); }

    // Answers the question on screen rightly.
    void answerRight() { answer(drill(), QString::number(first() + second())); }

    // Plays the rest of the round: `right` right answers and `wrong` wrong
    // ones, then the clock runs out.
    void endRoundWith(int right, int wrong)
    {
        for (int i = 0; i < right; ++i)
            answerRight();
        for (int i = 0; i < wrong; ++i)
            answer(drill(), QStringLiteral("0"));
        tick(drill().Timer1, 120);
        settle();
    }

    void goBack()
    {
        QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
        settle();
    }

    QString resultMessage() const { return textOf(&windows->resultWindow(), "Label2"); }

    QList<QByteArray> progressLines() const
    {
        QList<QByteArray> lines = readFile(QStringLiteral("user/taro.tzk")).split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.pop_back();
        return lines;
    }

    QStringList historyLines() const
    {
        return users::Cp932::decode(readFile(QStringLiteral("user/taro.tzd")))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    std::array<bool, 3> entriesEnabled() const
    {
        return {entry("Label1")->isEnabled(), entry("Label3")->isEnabled(), entry("Label4")->isEnabled()};
    }
};

} // namespace

TEST_F(AdditionWindowTest, MenuOffersLevelsFromTheProgressFile)
{
    logIn();
    using Offer = std::array<bool, 3>;
    struct Case
    {
        QByteArray progress;
        Offer offered;
    };
    const std::vector<Case> cases{
        {"1\r\n0\r\n0\r\n0\r\n", {true, false, false}},
        {"4\r\n1\r\n0\r\n0\r\n", {false, true, false}},
        {"9\r\n1\r\n1\r\n0\r\n", {false, false, true}},
        {"9\r\n1\r\n1\r\n1\r\n", {false, false, false}},
    };
    for (const Case &c : cases) {
        writeFile(QStringLiteral("user/taro.tzk"), c.progress);
        openMenu();
        ASSERT_EQ(active(), &menu());
        EXPECT_EQ(entriesEnabled(), c.offered) << c.progress.constData();
        QTest::mouseClick(entry("Label2"), Qt::LeftButton);   // もどる
        settle();
        EXPECT_FALSE(menu().isVisible());
        EXPECT_EQ(active(), &windows->mainMenu());
    }
}

TEST_F(AdditionWindowTest, BalloonTellsWhatThePointerIsOver)
{
    logIn();
    openMenu();
    const auto balloon = [&] { return textOf(&menu(), "Label5") + QLatin1Char('|') + textOf(&menu(), "Label6"); };
    EXPECT_EQ(balloon(), QStringLiteral("たしざんだよ|"));
    const auto over = [&](QWidget *widget) {
        hover(widget, QPoint(5, 5));
        return balloon();
    };
    EXPECT_EQ(over(entry("Label1")), QStringLiteral("れべる|１"));
    EXPECT_EQ(over(entry("Label2")), QStringLiteral("最初にもどる|"));
    EXPECT_EQ(over(&menu()), QStringLiteral("たしざんだよ|"));
    // "れべる２" is not offered yet: the pointer over it is over the background.
    EXPECT_EQ(over(entry("Label1")), QStringLiteral("れべる|１"));
    EXPECT_EQ(over(entry("Label3")), QStringLiteral("たしざんだよ|"));

    menu().closeWindow();
    EXPECT_EQ(balloon(), QStringLiteral("|"));
    openMenu();
    EXPECT_EQ(balloon(), QStringLiteral("|")) << "empty until the mouse moves";
}

TEST_F(AdditionWindowTest, ARoundIsRecordedWithTheDateOfItsEnd)
{
    logIn();
    clock.time = QDateTime(QDate(2001, 3, 7), QTime(9, 59, 30));
    openMenu();
    pickLevel("Label1");
    ASSERT_EQ(active(), &drill());
    clock.time = QDateTime(QDate(2001, 3, 7), QTime(10, 1, 30));
    endRoundWith(0, 0);

    EXPECT_EQ(resultMessage(), QStringLiteral("１０級合格おめでと～"));
    EXPECT_EQ(part<PictureBox>(&windows->resultWindow(), "Image2")->fileName(),
              QStringLiteral("Graphics\\四人　喜.bmp"));
    EXPECT_EQ(sound.played.back(), QStringLiteral("sound\\１０級合格.wav"));
    EXPECT_EQ(progressLines(), (QList<QByteArray>{"2\r", "0\r", "0\r", "0\r"}));
    EXPECT_EQ(historyLines().size(), 2);
    EXPECT_EQ(historyLines().back(), QStringLiteral("1,2001/3/07,10級"));

    // A second round, on another day, with lines 3 and 4 kept as they are.
    goBack();
    writeFile(QStringLiteral("user/taro.tzk"), "2\r\n0\r\n1\r\n1\r\n");
    clock.time = QDateTime(QDate(2001, 12, 25), QTime(8, 0));
    pickLevel("Label1");
    endRoundWith(20, 0);
    EXPECT_EQ(resultMessage(), QStringLiteral("９級合格おめでと～"));
    EXPECT_EQ(progressLines(), (QList<QByteArray>{"3\r", "0\r", "1\r", "1\r"}));
    EXPECT_EQ(historyLines().back(), QStringLiteral("1,2001/12/25,9級"));
}

TEST_F(AdditionWindowTest, GradeOneAtLevelOneTakesLevelOneAwayAtOnceAndForGood)
{
    logIn();
    openMenu();
    pickLevel("Label1");
    endRoundWith(65, 0);
    // At once, while the result is still up.
    EXPECT_FALSE(entry("Label1")->isEnabled());
    EXPECT_TRUE(entry("Label3")->isEnabled());
    EXPECT_EQ(progressLines(), (QList<QByteArray>{"2\r", "1\r", "0\r", "0\r"}));

    goBack();
    EXPECT_EQ(active(), &menu());
    EXPECT_EQ(entriesEnabled(), (std::array<bool, 3>{false, true, false}));
    // And on every later activation of the menu.
    menu().closeWindow();
    settle();
    openMenu();
    EXPECT_EQ(entriesEnabled(), (std::array<bool, 3>{false, true, false}));
    QTest::mouseClick(entry("Label1"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(windows->countDown().isVisible()) << "a disabled entry starts nothing";
}

TEST_F(AdditionWindowTest, GradeOneAtLevelTwoClearsItAndOffersLevelThree)
{
    logIn();
    writeFile(QStringLiteral("user/taro.tzk"), "5\r\n1\r\n0\r\n0\r\n");
    openMenu();
    random.script = {4, 5};
    pickLevel("Label3");
    EXPECT_EQ(menu().SelectedLevel, 2);
    EXPECT_EQ(shownSum(), QStringLiteral("4+5"));
    endRoundWith(65, 0);
    EXPECT_EQ(progressLines(), (QList<QByteArray>{"6\r", "1\r", "1\r", "0\r"}));
    EXPECT_EQ(historyLines().back(), QStringLiteral("2,2001/3/07,1級"));
    goBack();
    EXPECT_EQ(entriesEnabled(), (std::array<bool, 3>{false, false, true}));
}

TEST_F(AdditionWindowTest, LevelOneQuestionsOnScreenNeverRepeatASum)
{
    logIn();
    openMenu();
    pickLevel("Label1");
    int previous = 0;
    for (int i = 0; i < 300; ++i) {
        ASSERT_GE(first(), 1);
        ASSERT_GE(second(), 1);
        ASSERT_LE(first() + second(), 5);
        ASSERT_NE(first() + second(), previous) << "question " << i;
        expectDigitsWhole(part<QLabel>(&drill(), "Label1"), 57);
        previous = first() + second();
        answerRight();
    }
    EXPECT_EQ(countsText(drill()), QStringLiteral("300/0"));
}

TEST_F(AdditionWindowTest, AProgressFileThatCannotBeReadLeavesNoTraceAndLeadsBackToTheMenu)
{
    logIn();
    openMenu();
    for (const QByteArray &bad : {QByteArray("1\r\nx\r\n0\r\n0\r\n"), QByteArray()}) {
        SCOPED_TRACE(bad.isEmpty() ? "missing" : "a letter");
        pickLevel("Label1");
        ASSERT_EQ(active(), &drill());
        const QByteArray history = readFile(QStringLiteral("user/taro.tzd"));
        if (bad.isEmpty())
            QFile::remove(path(QStringLiteral("user/taro.tzk")));
        else
            writeFile(QStringLiteral("user/taro.tzk"), bad);
        dialogs.errors.clear();
        endRoundWith(65, 0);

        ASSERT_FALSE(dialogs.errors.isEmpty());
        EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("taro.tzk")));
        // The round is judged from the file as read: no result is shown for
        // a round that cannot be recorded, and the child is back at the menu.
        settle();
        EXPECT_FALSE(windows->resultWindow().isVisible());
        EXPECT_FALSE(drill().isVisible());
        EXPECT_EQ(active(), &menu());
        EXPECT_EQ(countsText(drill()), QStringLiteral("0/0"));
        EXPECT_EQ(drill().round().right(), 0);
        EXPECT_TRUE(entry("Label1")->isEnabled()) << "an unrecorded 1級 clears nothing";
        EXPECT_EQ(readFile(QStringLiteral("user/taro.tzd")), history);
        EXPECT_EQ(readFile(QStringLiteral("user/taro.tzk")), bad);
        writeFile(QStringLiteral("user/taro.tzk"), "1\r\n0\r\n0\r\n0\r\n");
        menu().closeWindow();
        openMenu();
    }
}

TEST_F(AdditionWindowTest, AWholeRoundFromRegistrationToTheRefreshedMenu)
{
    startGame();
    const auto typeInto = [&](QLineEdit *field, const QString &text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(field, &key);
    };
    // Registration.
    QTest::mouseClick(part(&windows->mainMenu(), "Panel8"), Qt::LeftButton);
    settle();
    RegistrationDialog &registration = windows->registrationDialog();
    ASSERT_EQ(active(), &registration);
    typeInto(part<QLineEdit>(&registration, "Edit1"), QStringLiteral("はなこ"));
    typeInto(part<QLineEdit>(&registration, "Edit3"), QStringLiteral("abc"));
    QTest::mouseClick(part(&registration, "Button1"), Qt::LeftButton);
    settle();
    auto *list = part<QListWidget>(&windows->mainMenu(), "ListBox1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("はなこ"));
    // Log-in.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    settle();
    LoginDialog &login = windows->loginDialog();
    ASSERT_EQ(active(), &login);
    typeInto(part<QLineEdit>(&login, "Password"), QStringLiteral("abc"));
    QTest::mouseClick(part(&login, "OKBtn"), Qt::LeftButton);
    settle();
    ASSERT_EQ(windows->userName(), QStringLiteral("はなこ"));
    ASSERT_TRUE(part(&windows->mainMenu(), "Panel1")->isEnabled());
    clock.time = QDateTime(QDate(2001, 3, 7), QTime(15, 30));

    openMenu();
    ASSERT_EQ(active(), &menu());
    QTest::mouseClick(entry("Label1"), Qt::LeftButton);
    settle();
    CountDownWindow &countDown = windows->countDown();
    ASSERT_EQ(active(), &countDown);
    EXPECT_EQ(textOf(&countDown, "Label1"), QStringLiteral("3"));
    EXPECT_EQ(part<PictureBox>(&countDown, "Image2")->fileName(), QStringLiteral("Graphics\\zuk顔3.BMP"));
    tick(countDown.Timer1, 1);
    EXPECT_EQ(textOf(&countDown, "Label1"), QStringLiteral("2"));
    tick(countDown.Timer1, 1);
    EXPECT_EQ(textOf(&countDown, "Label1"), QStringLiteral("1"));
    EXPECT_FALSE(drill().isVisible());
    tick(countDown.Timer1, 1);
    settle();
    ASSERT_EQ(active(), &drill());
    EXPECT_EQ(text(drill(), "Label7"), QStringLiteral("はなこさん"));

    // Seventy seconds of sums: 65 right and 4 wrong, then the rest of the clock.
    for (int i = 0; i < 65; ++i) {
        answerRight();
        if (i % 20 == 0)
            answer(drill(), QStringLiteral("0"));
        if (i % 10 == 0)
            tick(drill().Timer1, 10);
    }
    EXPECT_EQ(countsText(drill()), QStringLiteral("65/4"));
    EXPECT_EQ(clockText(drill()), QStringLiteral("01:10"));
    tick(drill().Timer1, 50);
    settle();

    // Score 66: grade 2.
    ASSERT_EQ(active(), &windows->resultWindow());
    EXPECT_EQ(resultMessage(), QStringLiteral("２級合格おめでと～"));
    EXPECT_EQ(sound.played.back(), QStringLiteral("sound\\２級合格.wav"));
    EXPECT_EQ(sound.played.count(QStringLiteral("sound\\atari.wav")), 65);
    EXPECT_EQ(sound.played.count(QStringLiteral("sound\\hazure.wav")), 4);

    goBack();
    EXPECT_EQ(active(), &menu());
    EXPECT_TRUE(entry("Label1")->isEnabled());
    EXPECT_FALSE(drill().isVisible());
    EXPECT_EQ(countsText(drill()), QStringLiteral("0/0"));
    const users::Progress progress = windows->userFiles().readProgress(QStringLiteral("はなこ"), Drill::Addition);
    EXPECT_EQ(progress.historyLines, 2);
    EXPECT_EQ(progress.levels, (std::vector<int>{0, 0, 0}));
    const users::Records records = windows->userFiles().readRecords(QStringLiteral("はなこ"), Drill::Addition);
    ASSERT_EQ(records.lines.size(), 2);
    EXPECT_EQ(records.lines[1], QStringLiteral("1,2001/3/07,2級"));
}

// A round with mistakes offers "まちがいを みる": every question answered
// wrong, written as the drill shows it with its right answer, and what was
// typed; "もどる" leads back to the result, whose own "もどる" works as
// before. The child's memory learns every answer with its time, beside the
// records; a round without a mistake offers no review.
TEST_F(AdditionWindowTest, TheReviewShowsEveryMistakeOfTheRoundAndTheMemoryKeepsEveryAnswer)
{
    logIn();
    openMenu();
    pickLevel("Label1");
    const auto sumOnScreen = [&] { return std::pair(first(), second()); };
    const auto [a, b] = sumOnScreen();
    clock.time = clock.time.addMSecs(2500);
    answer(drill(), QStringLiteral("0"));
    answer(drill(), QStringLiteral("1"));
    answerRight();
    const auto [c, d] = sumOnScreen();
    answer(drill(), QString());
    endRoundWith(0, 0);

    GameLabel *link = part<GameLabel>(&windows->resultWindow(), "MistakesLink");
    ASSERT_TRUE(link->isVisible());
    QTest::mouseClick(link, Qt::LeftButton);
    settle();
    MistakesWindow &review = windows->mistakesWindow();
    ASSERT_EQ(active(), &review);
    QStringList shown;
    for (const QLabel *label : review.findChildren<QLabel *>())
        if (label->isVisible() && !label->text().isEmpty())
            shown << label->text();
    const auto wide = [](int n) { return drill::wide(QString::number(n)); };
    EXPECT_EQ(shown, (QStringList{"まちがえた もんだい", "もどる",
                                  wide(a) + " ＋ " + wide(b) + " ＝ " + wide(a + b), "（こたえた: 0、1）",
                                  wide(c) + " ＋ " + wide(d) + " ＝ " + wide(c + d),
                                  "（こたえた: なにも いれずに Enter）"}));
    QTest::mouseClick(part(&review, "Label4"), Qt::LeftButton);
    settle();
    EXPECT_EQ(active(), &windows->resultWindow());

    const users::DrillMemory memory = windows->session().files.readMemory("taro").of(Drill::Addition);
    EXPECT_EQ(memory.facts.at(users::facts::sum(a, b)), (users::FactTally{3, 2, 2500}));
    EXPECT_EQ(memory.facts.at(users::facts::sum(c, d)), (users::FactTally{1, 1, 0}));
    EXPECT_EQ(memory.recent.size(), 4u);
    EXPECT_EQ(historyLines().size(), 2);

    goBack();
    pickLevel("Label1");
    endRoundWith(3, 0);
    EXPECT_FALSE(part<GameLabel>(&windows->resultWindow(), "MistakesLink")->isVisible());
}

// A practice round from the map of weak facts asks them seven times in ten, ends with the
// counts and no grade, and changes none of the child's thirteen files: only
// the memory learns from it. A level chosen in the menu afterwards is a
// round for the records again.
TEST_F(AdditionWindowTest, APracticeRoundAsksMostlyTheWeakFactsAndChangesNoRecord)
{
    logIn();
    const QDir user(path(QStringLiteral("user")));
    const auto thirteen = [&] {
        QStringList files;
        for (const QString &file : user.entryList(QDir::Files))
            if (!file.endsWith(QLatin1String(".ngt")))
                files << file + ':' + QString::fromLatin1(readFile("user/" + file).toHex());
        return files;
    };
    const QStringList before = thirteen();
    // Two weak facts among known ones, and the map's link to practise them.
    writeFile("user/taro.ngt", users::Cp932::encode("すうじのしま きおく,1\r\nF,tzk,1+1,5,0,5000\r\n"
                                                    "F,tzk,2+3,5,0,6000\r\nF,tzk,6+9,3,2,9000\r\n"
                                                    "F,tzk,7+8,4,2,8000\r\n"));
    windows->weakFacts().ShowMap(Drill::Addition);
    settle();
    QTest::mouseClick(part(&windows->weakFacts(), "PracticeLink"), Qt::LeftButton);
    settle();
    tick(windows->countDown().Timer1, 3);
    settle();
    ASSERT_EQ(active(), &drill());
    constexpr int Questions = 400;
    int weak = 0;
    for (int i = 0; i < Questions; ++i) {
        weak += shownSum() == "7+8" || shownSum() == "6+9";
        answerRight();
    }
    endRoundWith(0, 1);
    EXPECT_NEAR(double(weak) / Questions, 0.7 + 0.3 * 2 / 81, 0.07);
    EXPECT_EQ(resultMessage(), QStringLiteral("れんしゅう おしまい！\nせいかい ４００　まちがい １"));
    EXPECT_EQ(thirteen(), before);
    EXPECT_EQ(windows->session().files.readMemory("taro").of(Drill::Addition).recent.size(),
              users::FactMemory::RecentAnswers);

    goBack();
    EXPECT_EQ(active(), &windows->weakFacts());
    openMenu();
    pickLevel("Label1");
    endRoundWith(0, 0);
    EXPECT_EQ(resultMessage(), QStringLiteral("１０級合格おめでと～"));
    EXPECT_EQ(historyLines().size(), 2);
}
