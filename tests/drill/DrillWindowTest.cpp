#include "DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableDrill.h"
#include "ui/IoError.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const DrillScreen DoublingScreen{
    .objectName = "FormDoubling",
    .endCaption = QStringLiteral("おしまい～"),
    .answerField = {400, 200, 193, 45},
    .rightCaption = {"RightCaption", {48, 16}},
    .rightCount = {"Right", {240, 16}},
    .wrongCaption = {"WrongCaption", {48, 80}},
    .wrongCount = {"Wrong", {240, 80}},
    .pictures = {{{"Image1", {4, 312, 181, 137}, QStringLiteral("Graphics\\時計.bmp")},
                  {"Image2", {176, 312, 257, 129}, QStringLiteral("Graphics\\f3.bmp")},
                  {"Image3", {416, 312, 169, 121}, QStringLiteral("Graphics\\zuk顔4.bmp")}}},
    .clock = {{{"TensOfMinutes", {39, 368}}, {"Minutes", {49, 368}}, {"Colon", {58, 368}},
               {"TensOfSeconds", {62, 368}}, {"Seconds", {72, 368}}}},
    .nameText = {"Name", {200, 360}},
    .encouragement = {"Cheer", {232, 392}},
};

// A one-minute drill whose question is a number n and whose answer is 2n;
// it notes what the shared mechanics ask of it. Its rounds are recorded in
// the mental multiplication drill's files, always as passed.
class DoublingDrill : public DrillWindow
{
public:
    explicit DoublingDrill(WindowSet &windows)
        : DrillWindow(windows.stage(), {windows.session(), windows.resultWindow()}, DoublingScreen,
                      windows.levelMenu(Drill::Addition), Drill::MentalTimes, judge)
    {
        judging = this;
    }

    // The clock as it reads on screen, "00:59".
    QString clockText() const
    {
        QString shown;
        for (const char *name : {"TensOfMinutes", "Minutes", "Colon", "TensOfSeconds", "Seconds"})
            shown += findChild<GameLabel *>(QString::fromLatin1(name))->text();
        return shown;
    }

    int question = 0;
    std::vector<bool> questionsMade;   // firstOfRound of each question put up
    QString clockWhenJudged;
    QString editWhenJudged;
    int resets = 0;

protected:
    void MakeQuestion(bool firstOfRound) override
    {
        questionsMade.push_back(firstOfRound);
        question = int(questionsMade.size()) + 10;
    }
    QString ExpectedAnswer() const override { return QString::number(2 * question); }
    drill::Question AskedQuestion() const override { return {QStringLiteral("２ × %1").arg(question), QString()}; }
    void ResetOnClose() override { ++resets; }

private:
    static inline DoublingDrill *judging = nullptr;
    static drill::RoundResult judge(const drill::PlayedRound &round)
    {
        judging->clockWhenJudged = judging->clockText();
        judging->editWhenJudged = judging->answerField()->isEnabled() ? QStringLiteral("enabled")
                                                                      : judging->answerField()->text();
        return {.picture = QStringLiteral("Graphics\\本合格.bmp"),
                .message = QStringLiteral("合格おめでと～"),
                .sound = QStringLiteral("sound\\かけ・わり・横あん合格.wav"),
                .levelValue = round.levelBefore(),
                .record = {.level = 1, .date = round.date, .points = 5, .passed = true}};
    }
};

class DrillWindowTest : public DrillFixture
{
protected:
    DoublingDrill &startDoublingRound()
    {
        logIn();
        auto *drill = new DoublingDrill(*windows);
        drill->create();
        drill->StartRound();
        settle();
        return *drill;
    }

    // A level-1 addition round showing 2 + 3, the child logged in.
    AdditionDrill &startAdditionRound()
    {
        chooseDrill(Drill::Addition);
        random.script = {6};   // the seventh of the ten level-1 sums: 2 + 3
        pickLevel(windows->levelMenu(Drill::Addition), "Label1");
        return static_cast<AdditionDrill &>(windows->drillWindow(Drill::Addition));
    }

    // Every file of the user folder with the time it was last written and its bytes.
    QStringList userFolderState() const
    {
        QStringList state;
        for (const QFileInfo &file :
             QDir(path(QStringLiteral("user"))).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
            state << file.fileName() + QLatin1Char(' ')
                    + QString::number(file.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ')
                    + QString::fromLatin1(readFile(QStringLiteral("user/") + file.fileName()).toHex());
        return state;
    }

    static QString shownSum(const AdditionDrill &drill)
    {
        return text(drill, "Label1") + QLatin1Char('+') + text(drill, "Label3");
    }
};

} // namespace

TEST_F(DrillWindowTest, ClockDigitsOfEveryWindowCountUpUnderTheirOwnNames)
{
    logIn();
    for (const DrillInfo &info : allDrills()) {
        DrillWindow &drill = windows->drillWindow(info.drill);
        SCOPED_TRACE(drill.objectName().toStdString());
        drill.Timer1->setEnabled(true);
        tick(drill.Timer1, 59);
        EXPECT_EQ(clockText(drill), QStringLiteral("00:59"));
        EXPECT_EQ(drill.round().elapsedSeconds(), 59);
        EXPECT_TRUE(drill.Timer1->isEnabled());
        drill.closeWindow();
        EXPECT_EQ(clockText(drill), QStringLiteral("00:00"));
        EXPECT_EQ(drill.round().elapsedSeconds(), 0);
    }
}

TEST_F(DrillWindowTest, AdditionRoundEndsOnTheHundredTwentiethTick)
{
    logIn();
    AdditionDrill &drill = startAdditionRound();
    tick(drill.Timer1, 59);
    EXPECT_EQ(clockText(drill), QStringLiteral("00:59"));
    tick(drill.Timer1, 1);
    EXPECT_EQ(clockText(drill), QStringLiteral("01:00"));
    tick(drill.Timer1, 59);
    EXPECT_EQ(clockText(drill), QStringLiteral("01:59"));
    EXPECT_TRUE(drill.Timer1->isEnabled());
    EXPECT_FALSE(windows->resultWindow().isVisible());

    tick(drill.Timer1, 1);
    EXPECT_EQ(clockText(drill), QStringLiteral("02:00"));
    EXPECT_EQ(drill.round().elapsedSeconds(), 120);
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(answerField(drill)->isEnabled());
    EXPECT_EQ(text(drill, "Label7"), QString());
    EXPECT_EQ(text(drill, "Label17"), QStringLiteral("しゅうりょう～"));
    EXPECT_TRUE(windows->resultWindow().isVisible());
}

TEST_F(DrillWindowTest, OneMinuteRoundIsJudgedOnTheSixtiethTickWithTheFieldFrozen)
{
    DoublingDrill &drill = startDoublingRound();
    QTest::keyClicks(answerField(drill), QStringLiteral("9"));
    tick(drill.Timer1, 59);
    EXPECT_TRUE(drill.clockWhenJudged.isEmpty());
    tick(drill.Timer1, 1);
    EXPECT_EQ(drill.clockWhenJudged, QStringLiteral("01:00"));
    EXPECT_EQ(drill.editWhenJudged, QString()) << "emptied and disabled before judging";
    EXPECT_EQ(textOf(&drill, "Name"), QString());
    EXPECT_EQ(textOf(&drill, "Cheer"), QStringLiteral("おしまい～"));
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(answerField(drill)->isEnabled());
    EXPECT_EQ(drill.clockText(), QStringLiteral("01:00"));
    EXPECT_TRUE(windows->resultWindow().isVisible());
}

TEST_F(DrillWindowTest, ActivationGreetsTheChildAndPutsUpTheFirstQuestion)
{
    DoublingDrill &drill = startDoublingRound();
    EXPECT_EQ(active(), &drill);
    EXPECT_EQ(textOf(&drill, "Name"), QStringLiteral("taroさん"));
    EXPECT_EQ(drill.questionsMade, std::vector<bool>{true});
    EXPECT_EQ(drill.focusControl(), answerField(drill));
}

TEST_F(DrillWindowTest, EveryWrongFormOfTheAnswerCountsAsWrong)
{
    logIn();
    AdditionDrill &drill = startAdditionRound();
    ASSERT_EQ(shownSum(drill), QStringLiteral("2+3"));
    const QStringList wrong{QString(), QStringLiteral("05"), QStringLiteral(" 5"),
                            QStringLiteral("5 "), QStringLiteral("５"), QStringLiteral("+5"),
                            QStringLiteral("5.0"), QStringLiteral("6"), QStringLiteral("five")};
    int count = 0;
    for (const QString &typed : wrong) {
        SCOPED_TRACE(typed.toStdString());
        sound.played.clear();
        answer(drill, typed);
        ++count;
        EXPECT_EQ(drill.round().wrong(), count);
        EXPECT_EQ(countsText(drill), QStringLiteral("0/%1").arg(count));
        EXPECT_EQ(sound.played, QStringList{QStringLiteral("sound\\hazure.wav")});
        EXPECT_EQ(answerField(drill)->text(), QString());
        EXPECT_EQ(shownSum(drill), QStringLiteral("2+3"));
    }
    sound.played.clear();
    answer(drill, QStringLiteral("5"));
    EXPECT_EQ(drill.round().right(), 1);
    EXPECT_EQ(countsText(drill), QStringLiteral("1/%1").arg(count));
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("sound\\atari.wav")});
    EXPECT_EQ(answerField(drill)->text(), QString());
    EXPECT_NE(text(drill, "Label1").toInt() + text(drill, "Label3").toInt(), 5);
    EXPECT_EQ(shownSum(drill), QStringLiteral("%1+%2").arg(drill.question().first).arg(drill.question().second));
}

TEST_F(DrillWindowTest, TypingWithoutEnterChangesOnlyTheField)
{
    logIn();
    AdditionDrill &drill = startAdditionRound();
    QLineEdit *field = answerField(drill);
    QTest::keyClicks(field, QStringLiteral("12"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("5x"));
    settle();
    EXPECT_EQ(field->text(), QStringLiteral("15x"));
    EXPECT_EQ(countsText(drill), QStringLiteral("0/0"));
    EXPECT_EQ(drill.round().right() + drill.round().wrong(), 0);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(shownSum(drill), QStringLiteral("2+3"));
}

TEST_F(DrillWindowTest, EnterIsConsumedAndTheKeypadEnterJudgesToo)
{
    DoublingDrill &drill = startDoublingRound();
    QTest::keyClicks(answerField(drill), QStringLiteral("22"));
    QTest::keyClick(answerField(drill), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(textOf(&drill, "Right"), QStringLiteral("1"));
    EXPECT_EQ(answerField(drill)->text(), QString());
    EXPECT_EQ(drill.questionsMade, (std::vector<bool>{true, false}));
}

TEST_F(DrillWindowTest, AfterTheEndNoKeyCounts)
{
    logIn();
    AdditionDrill &drill = startAdditionRound();
    answer(drill, QStringLiteral("5"));
    answer(drill, QStringLiteral("0"));
    tick(drill.Timer1, 120);
    ASSERT_FALSE(answerField(drill)->isEnabled());
    EXPECT_EQ(answerField(drill)->text(), QString());
    sound.played.clear();
    const QString question = shownSum(drill);
    answer(drill, QStringLiteral("5"));
    answer(drill, QString());
    EXPECT_EQ(countsText(drill), QStringLiteral("1/1"));
    EXPECT_EQ(drill.round().right(), 1);
    EXPECT_EQ(drill.round().wrong(), 1);
    EXPECT_EQ(answerField(drill)->text(), QString());
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(shownSum(drill), question);
}

TEST_F(DrillWindowTest, ActivatedAgainWhileRunningANewQuestionComesUncounted)
{
    DoublingDrill &drill = startDoublingRound();
    answer(drill, QStringLiteral("22"));
    answer(drill, QStringLiteral("1"));
    tick(drill.Timer1, 7);
    // Another window comes over the drill and goes away again.
    windows->resultWindow().openWindow();
    settle();
    windows->resultWindow().closeWindow();
    settle();
    EXPECT_EQ(active(), &drill);
    EXPECT_EQ(drill.questionsMade, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(textOf(&drill, "Right"), QStringLiteral("1"));
    EXPECT_EQ(textOf(&drill, "Wrong"), QStringLiteral("1"));
    EXPECT_EQ(drill.clockText(), QStringLiteral("00:07"));
    EXPECT_EQ(textOf(&drill, "Name"), QStringLiteral("taroさん"));
}

TEST_F(DrillWindowTest, GoingBackResetsEveryDrillWindowShownOrNot)
{
    logIn();
    chooseDrill(Drill::Addition);
    // The other five were used by earlier rounds and left as a round leaves
    // them: some open beneath with an answer counted, some hidden.
    for (const DrillInfo &info : allDrills()) {
        if (info.drill == Drill::Addition)
            continue;
        DrillWindow &drill = windows->drillWindow(info.drill);
        SCOPED_TRACE(drill.objectName().toStdString());
        drill.Timer1->setEnabled(true);
        if (drillNumber(info.drill) % 2 == 0) {
            drill.StartRound();
            settle();
            ASSERT_EQ(active(), &drill);
            answer(drill, QStringLiteral("1"));
            ASSERT_EQ(countsText(drill), QStringLiteral("0/1"));
        }
        tick(drill.Timer1, 13);
        ASSERT_EQ(clockText(drill), QStringLiteral("00:13"));
    }
    // What long numbers leave behind: a moved answer field and separator.
    answerField(windows->drillWindow(Drill::MentalTimes))->move(500, 152);
    part(&windows->drillWindow(Drill::MentalDivision), "Label16")->move(64, 150);

    // Then a round of the addition drill, over them all.
    windows->levelMenu(Drill::Addition).SelectedLevel = 1;
    random.script = {6};
    countDown(Drill::Addition);
    auto &addition = static_cast<AdditionDrill &>(windows->drillWindow(Drill::Addition));
    ASSERT_EQ(active(), &addition);
    ASSERT_EQ(shownSum(addition), QStringLiteral("2+3"));
    answer(addition, QStringLiteral("5"));
    answer(addition, QStringLiteral("9"));
    tick(addition.Timer1, 120);
    ASSERT_TRUE(windows->resultWindow().isVisible());
    ASSERT_EQ(text(addition, "Label17"), addition.endCaption());

    QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
    settle();

    EXPECT_FALSE(windows->resultWindow().isVisible());
    EXPECT_EQ(textOf(&windows->resultWindow(), "Label2"), QString());
    EXPECT_EQ(active(), &windows->levelMenu(Drill::Addition));
    for (const DrillInfo &info : allDrills()) {
        const DrillWindow &drill = windows->drillWindow(info.drill);
        SCOPED_TRACE(drill.objectName().toStdString());
        EXPECT_FALSE(drill.isVisible());
        EXPECT_FALSE(drill.Timer1->isEnabled());
        EXPECT_EQ(drill.round().right() + drill.round().wrong() + drill.round().elapsedSeconds(), 0);
        EXPECT_EQ(countsText(drill), QStringLiteral("0/0"));
        EXPECT_EQ(clockText(drill), QStringLiteral("00:00"));
        EXPECT_EQ(text(drill, partsOf(drill).encouragement), DrillWindow::Encouragement);
    }
    EXPECT_EQ(text(addition, "Label7"), QStringLiteral("taroさん"));
    EXPECT_EQ(answerField(windows->drillWindow(Drill::MentalTimes))->geometry(),
              QRect(440, 152, 193, 45));
    const DrillWindow &mentalDivision = windows->drillWindow(Drill::MentalDivision);
    EXPECT_EQ(part(&mentalDivision, "Label16")->pos(), QPoint(64, 165));
    EXPECT_EQ(answerField(mentalDivision)->pos(), QPoint(496, 144));
    EXPECT_EQ(part(&mentalDivision, "Label4")->pos(), QPoint(440, 152));
}

// A round whose recording fails: its progress file cannot be read, so
// nothing is shown; or its history file is gone, found after the result is
// shown.
class FailedRecordTest : public DrillWindowTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(FailedRecordTest, IsReportedAndTheChildGetsBackToTheMenuOrSeesTheResult)
{
    const bool announced = GetParam();
    DoublingDrill &drill = startDoublingRound();
    if (announced)
        QFile::remove(path(QStringLiteral("user/taro.kad")));
    else
        writeFile(QStringLiteral("user/taro.kak"), "x\r\n");
    windows->levelMenu(Drill::Addition).openWindow();   // a level menu beneath, as in a real round
    settle();
    drill.openWindow();
    settle();
    ASSERT_EQ(active(), &drill);
    answer(drill, QStringLiteral("1"));
    ASSERT_EQ(textOf(&drill, "Wrong"), QStringLiteral("1"));
    tick(drill.Timer1, 60);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(announced ? QStringLiteral("user\\taro.kad")
                                                           : QStringLiteral("user\\taro.kak")));
    // A result on screen stays there, its "もどる" working as after any round.
    EXPECT_EQ(windows->resultWindow().isVisible(), announced);
    EXPECT_EQ(drill.isVisible(), announced);
    if (announced) {
        EXPECT_EQ(active(), &windows->resultWindow());
        EXPECT_EQ(textOf(&windows->resultWindow(), "Label2"), QStringLiteral("合格おめでと～"));
        QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
        drill.closeWindow();   // "もどる" closes the game's own six
        settle();
        EXPECT_FALSE(windows->resultWindow().isVisible());
    }
    EXPECT_EQ(drill.resets, 1);
    EXPECT_EQ(textOf(&drill, "Wrong"), QStringLiteral("0"));
    EXPECT_EQ(active(), &windows->levelMenu(Drill::Addition));
}

INSTANTIATE_TEST_SUITE_P(BeforeAndAfterTheResult, FailedRecordTest, ::testing::Bool());

TEST_F(DrillWindowTest, AfterARoundTheDrillWindowsCloseInTheirOrder)
{
    logIn();
    // Each drill window notes when it goes from the screen.
    struct HideWatch : QObject
    {
        QStringList hidden;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Hide)
                hidden << watched->objectName();
            return false;
        }
    } watch;
    for (const DrillInfo &info : allDrills()) {
        windows->drillWindow(info.drill).installEventFilter(&watch);
        windows->drillWindow(info.drill).openWindow();
    }
    windows->resultWindow().Announce(QStringLiteral("Graphics\\本合格.bmp"), QString());
    settle();
    QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
    EXPECT_EQ(watch.hidden, QStringList({"Form11", "Form18", "Form20", "Form21", "Form26", "Form24"}));
}

TEST_F(DrillWindowTest, EscapeAsksToStopAndStopsTheRoundUnrecordedInEveryDrill)
{
    logIn();
    const QStringList files = userFolderState();
    ASSERT_EQ(files.size(), 13);
    int round = 0;
    for (const DrillInfo &info : allDrills()) {
        DrillWindow &drill = windows->drillWindow(info.drill);
        SCOPED_TRACE(drill.objectName().toStdString());
        chooseDrill(info.drill);
        LevelMenu &menu = windows->levelMenu(info.drill);
        menu.SelectedLevel = 1;

        // Escape during the count-down calls the round off at once.
        CountDownWindow &count = windows->countDown();
        count.SetDrill(info.countDownPicture, &drill);
        count.Start();
        settle();
        tick(count.Timer1, 1);
        QTest::keyClick(&count, Qt::Key_Escape);
        settle();
        EXPECT_FALSE(count.isVisible());
        EXPECT_FALSE(drill.isVisible());
        EXPECT_FALSE(count.Timer1->isEnabled());
        EXPECT_EQ(active(), &menu);
        EXPECT_EQ(textOf(&count, "Label1"), QStringLiteral("3"));

        // The next count-down starts the round as ever.
        countDown(info.drill);
        ASSERT_EQ(active(), &drill);
        QLineEdit *field = answerField(drill);
        answer(drill, QStringLiteral("0"));
        tick(drill.Timer1, 5);
        QTest::keyClicks(field, QStringLiteral("7"));
        const auto screen = [&drill] {
            QStringList texts;
            for (const GameLabel *label : drill.findChildren<GameLabel *>(Qt::FindDirectChildrenOnly))
                texts << label->text();
            return texts;
        };
        const QStringList shown = screen();
        const QWidget *question = part(&drill, "StopQuestion");
        const qsizetype sounds = sound.played.size();

        // Escape asks, with the clock held and no key counted; Escape again
        // and いいえ go back to the same question, the clock going on.
        for (const bool byClick : {false, true}) {
            QTest::keyClick(field, Qt::Key_Escape);
            ASSERT_TRUE(question->isVisible());
            EXPECT_EQ(textOf(question, "StopText"), QStringLiteral("やめる？"));
            EXPECT_FALSE(drill.Timer1->isEnabled());
            QTest::keyClicks(field, QStringLiteral("12"));
            if (byClick)
                QTest::mouseClick(part(question, "StopNo"), Qt::LeftButton);
            else
                QTest::keyClick(field, Qt::Key_Escape);
            EXPECT_FALSE(question->isVisible());
            EXPECT_TRUE(drill.Timer1->isEnabled());
            EXPECT_EQ(field->text(), QStringLiteral("7"));
            EXPECT_EQ(screen(), shown);
        }
        tick(drill.Timer1, 1);
        EXPECT_EQ(clockText(drill), QStringLiteral("00:06"));

        // はい, or Enter, stops the round: no sound, no result, the menu back.
        QTest::keyClick(field, Qt::Key_Escape);
        if (++round % 2)
            QTest::mouseClick(part(question, "StopYes"), Qt::LeftButton);
        else
            QTest::keyClick(field, Qt::Key_Return);
        settle();
        EXPECT_EQ(sound.played.size(), sounds);
        EXPECT_FALSE(windows->resultWindow().isVisible());
        EXPECT_FALSE(drill.isVisible());
        EXPECT_FALSE(question->isVisibleTo(&drill));
        EXPECT_EQ(active(), &menu);
        EXPECT_EQ(countsText(drill), QStringLiteral("0/0"));
        EXPECT_EQ(clockText(drill), QStringLiteral("00:00"));
        EXPECT_FALSE(field->isEnabled());
        menu.closeWindow();
        settle();
    }
    EXPECT_EQ(dialogs.errors, QStringList());
    EXPECT_EQ(userFolderState(), files);
}
