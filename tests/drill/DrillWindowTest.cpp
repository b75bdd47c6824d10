#include "DrillFixture.h"

#include "ui/IoError.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalTimesDrill.h"

namespace {

// A one-minute drill whose question is a number n and whose answer is 2n;
// it notes what the shared mechanics ask of it.
class DoublingDrill : public DrillWindow
{
public:
    explicit DoublingDrill(WindowSet &windows)
        : DrillWindow(windows, {"FormDoubling", ui::Cream, 1, QStringLiteral("おしまい～"),
                                {400, 200, 193, 45}, 37}),
          Right(ui::label(this, "Right", QStringLiteral("0"), {240, 16}, countFont())),
          Wrong(ui::label(this, "Wrong", QStringLiteral("0"), {240, 80}, countFont())),
          TensOfMinutes(ui::label(this, "TensOfMinutes", QStringLiteral("0"), {39, 368}, clockFont())),
          Minutes(ui::label(this, "Minutes", QStringLiteral("0"), {49, 368}, clockFont())),
          TensOfSeconds(ui::label(this, "TensOfSeconds", QStringLiteral("0"), {62, 368}, clockFont())),
          Seconds(ui::label(this, "Seconds", QStringLiteral("0"), {72, 368}, clockFont())),
          Name(ui::label(this, "Name", QString(), {200, 360}, balloonFont())),
          Cheer(ui::label(this, "Cheer", Encouragement, {232, 392}, balloonFont())),
          Question(ui::label(this, "Question", QStringLiteral("0"), {32, 176}, countFont()))
    {
        bindRoles({Right, Wrong, TensOfMinutes, Minutes, TensOfSeconds, Seconds, Name, Cheer});
    }

    GameLabel *Right, *Wrong, *TensOfMinutes, *Minutes, *TensOfSeconds, *Seconds, *Name, *Cheer,
        *Question;
    std::vector<bool> questionsMade;   // firstOfRound of each question put up
    QString clockWhenJudged;
    QString editWhenJudged;
    bool failRecording = false;
    int resets = 0;

protected:
    void MakeQuestion(bool firstOfRound) override
    {
        questionsMade.push_back(firstOfRound);
        Question->setText(QString::number(questionsMade.size() + 10));
    }
    std::optional<qint64> ExpectedAnswer() const override
    {
        return 2 * Question->text().toLongLong();
    }
    void JudgeRound() override
    {
        clockWhenJudged = Minutes->text() + TensOfSeconds->text() + Seconds->text();
        editWhenJudged = Edit1->isEnabled() ? QStringLiteral("enabled") : Edit1->text();
        if (failRecording)
            throw IoError(QStringLiteral("user\\taro.kak"), QStringLiteral("ない"));
        windows().resultWindow().Announce(QStringLiteral("Graphics\\本合格.bmp"), QStringLiteral("合格おめでと～"));
    }
    void ResetOnClose() override { ++resets; }
};

class DrillWindowTest : public DrillFixture
{
protected:
    DoublingDrill &startDoublingRound()
    {
        logIn();
        auto *drill = new DoublingDrill(*windows);
        drill->create();
        drill->Timer1->setEnabled(true);
        drill->Edit1->setEnabled(true);
        drill->openWindow();
        settle();
        return *drill;
    }

    // A level-1 addition round showing 2 + 3.
    AdditionDrill &startAdditionRound()
    {
        logIn();
        windows->additionMenu().openWindow();
        settle();
        windows->additionMenu().SelectedLevel = 1;
        random.script = {6};   // the seventh of the ten level-1 sums: 2 + 3
        countDown(1);
        return windows->additionDrill();
    }

    std::vector<DrillWindow *> allDrills() const
    {
        return {&windows->additionDrill(), &windows->timesTableDrill(), &windows->divisionTableDrill(),
                &windows->mentalTimesDrill(), &windows->mentalDivisionDrill(), &windows->horizontalAdditionDrill()};
    }
};

} // namespace

TEST_F(DrillWindowTest, ClockDigitsOfEveryWindowCountUpUnderTheirOwnNames)
{
    logIn();
    struct Clock
    {
        DrillWindow *drill;
        const char *tensOfMinutes, *minutes, *colon, *tensOfSeconds, *seconds;
    };
    const std::vector<Clock> clocks{
        {&windows->additionDrill(), "Label11", "Label12", "Label15", "Label13", "Label14"},
        {&windows->timesTableDrill(), "Label6", "Label7", "Label10", "Label8", "Label9"},
        {&windows->divisionTableDrill(), "Label6", "Label7", "Label10", "Label8", "Label9"},
        {&windows->mentalTimesDrill(), "Label11", "Label12", "Label15", "Label14", "Label13"},
        {&windows->mentalDivisionDrill(), "Label9", "Label10", "Label11", "Label12", "Label13"},
        {&windows->horizontalAdditionDrill(), "Label11", "Label12", "Label13", "Label14", "Label15"},
    };
    for (const Clock &c : clocks) {
        SCOPED_TRACE(c.drill->objectName().toStdString());
        c.drill->Timer1->setEnabled(true);
        tick(c.drill->Timer1, 59);
        const QString shown = text(*c.drill, c.tensOfMinutes) + text(*c.drill, c.minutes)
            + text(*c.drill, c.colon) + text(*c.drill, c.tensOfSeconds) + text(*c.drill, c.seconds);
        EXPECT_EQ(shown, QStringLiteral("00:59"));
        EXPECT_TRUE(c.drill->Timer1->isEnabled());
        c.drill->closeWindow();
        EXPECT_EQ(clockText(*c.drill), QStringLiteral("00:00"));
    }
}

TEST_F(DrillWindowTest, AdditionRoundEndsOnTheHundredTwentiethTick)
{
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
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(drill.Edit1->isEnabled());
    EXPECT_EQ(drill.Label7->text(), QString());
    EXPECT_EQ(drill.Label17->text(), QStringLiteral("しゅうりょう～"));
    EXPECT_TRUE(windows->resultWindow().isVisible());
}

TEST_F(DrillWindowTest, OneMinuteRoundIsJudgedOnTheSixtiethTickWithTheFieldFrozen)
{
    DoublingDrill &drill = startDoublingRound();
    QTest::keyClicks(drill.Edit1, QStringLiteral("9"));
    tick(drill.Timer1, 59);
    EXPECT_TRUE(drill.clockWhenJudged.isEmpty());
    tick(drill.Timer1, 1);
    EXPECT_EQ(drill.clockWhenJudged, QStringLiteral("100"));
    EXPECT_EQ(drill.editWhenJudged, QString()) << "emptied and disabled before judging";
    EXPECT_EQ(drill.Name->text(), QString());
    EXPECT_EQ(drill.Cheer->text(), QStringLiteral("おしまい～"));
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(drill.Edit1->isEnabled());
    EXPECT_EQ(clockText(drill), QStringLiteral("01:00"));
}

TEST_F(DrillWindowTest, ActivationGreetsTheChildAndPutsUpTheFirstQuestion)
{
    DoublingDrill &drill = startDoublingRound();
    EXPECT_EQ(active(), &drill);
    EXPECT_EQ(drill.Name->text(), QStringLiteral("taroさん"));
    EXPECT_EQ(drill.questionsMade, std::vector<bool>{true});
    EXPECT_EQ(drill.focusControl(), drill.Edit1);
}

TEST_F(DrillWindowTest, EveryWrongFormOfTheAnswerCountsAsWrong)
{
    AdditionDrill &drill = startAdditionRound();
    ASSERT_EQ(drill.Label1->text() + drill.Label3->text(), QStringLiteral("23"));
    const QStringList wrong{QString(), QStringLiteral("05"), QStringLiteral(" 5"),
                            QStringLiteral("5 "), QStringLiteral("５"), QStringLiteral("+5"),
                            QStringLiteral("5.0"), QStringLiteral("6"), QStringLiteral("five")};
    int count = 0;
    for (const QString &typed : wrong) {
        SCOPED_TRACE(typed.toStdString());
        sound.played.clear();
        answer(drill, typed);
        ++count;
        EXPECT_EQ(drill.Label9->text(), QString::number(count));
        EXPECT_EQ(drill.Label6->text(), QStringLiteral("0"));
        EXPECT_EQ(sound.played, QStringList{QStringLiteral("sound\\hazure.wav")});
        EXPECT_EQ(drill.Edit1->text(), QString());
        EXPECT_EQ(drill.Label1->text() + drill.Label3->text(), QStringLiteral("23"));
    }
    sound.played.clear();
    answer(drill, QStringLiteral("5"));
    EXPECT_EQ(drill.Label6->text(), QStringLiteral("1"));
    EXPECT_EQ(drill.Label9->text(), QString::number(count));
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("sound\\atari.wav")});
    EXPECT_EQ(drill.Edit1->text(), QString());
    EXPECT_NE(drill.Label1->text().toInt() + drill.Label3->text().toInt(), 5);
}

TEST_F(DrillWindowTest, TypingWithoutEnterChangesOnlyTheField)
{
    AdditionDrill &drill = startAdditionRound();
    QTest::keyClicks(drill.Edit1, QStringLiteral("12"));
    QTest::keyClick(drill.Edit1, Qt::Key_Backspace);
    QTest::keyClicks(drill.Edit1, QStringLiteral("5x"));
    settle();
    EXPECT_EQ(drill.Edit1->text(), QStringLiteral("15x"));
    EXPECT_EQ(drill.Label6->text(), QStringLiteral("0"));
    EXPECT_EQ(drill.Label9->text(), QStringLiteral("0"));
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(drill.Label1->text() + drill.Label3->text(), QStringLiteral("23"));
}

TEST_F(DrillWindowTest, EnterIsConsumedAndTheKeypadEnterJudgesToo)
{
    DoublingDrill &drill = startDoublingRound();
    QTest::keyClicks(drill.Edit1, QStringLiteral("22"));
    QTest::keyClick(drill.Edit1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(drill.Right->text(), QStringLiteral("1"));
    EXPECT_EQ(drill.Edit1->text(), QString());
    EXPECT_EQ(drill.questionsMade, (std::vector<bool>{true, false}));
}

TEST_F(DrillWindowTest, AfterTheEndNoKeyCounts)
{
    AdditionDrill &drill = startAdditionRound();
    answer(drill, QStringLiteral("5"));
    answer(drill, QStringLiteral("0"));
    tick(drill.Timer1, 120);
    ASSERT_FALSE(drill.Edit1->isEnabled());
    EXPECT_EQ(drill.Edit1->text(), QString());
    sound.played.clear();
    const QString question = drill.Label1->text() + drill.Label3->text();
    answer(drill, QStringLiteral("5"));
    answer(drill, QString());
    EXPECT_EQ(drill.Label6->text(), QStringLiteral("1"));
    EXPECT_EQ(drill.Label9->text(), QStringLiteral("1"));
    EXPECT_EQ(drill.Edit1->text(), QString());
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(drill.Label1->text() + drill.Label3->text(), question);
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
    EXPECT_EQ(drill.Right->text(), QStringLiteral("1"));
    EXPECT_EQ(drill.Wrong->text(), QStringLiteral("1"));
    EXPECT_EQ(clockText(drill), QStringLiteral("00:07"));
    EXPECT_EQ(drill.Name->text(), QStringLiteral("taroさん"));
}

TEST_F(DrillWindowTest, GoingBackResetsEveryDrillWindowShownOrNot)
{
    AdditionDrill &addition = startAdditionRound();
    answer(addition, QStringLiteral("5"));
    answer(addition, QStringLiteral("9"));
    // The other five were used by earlier rounds and left as a round leaves them.
    for (DrillWindow *drill : allDrills()) {
        if (drill == &addition)
            continue;
        drill->Timer1->setEnabled(true);
        drill->Edit1->setEnabled(true);
        tick(drill->Timer1, 13);
        answer(*drill, QStringLiteral("1"));
        drill->roles().encouragement->setText(drill->endCaption());
    }
    windows->timesTableDrill().Label11->setText(QStringLiteral("7"));
    windows->mentalTimesDrill().Label17->setText(QStringLiteral("，"));
    windows->mentalTimesDrill().Edit1->move(500, 152);
    windows->mentalDivisionDrill().Label16->setText(QStringLiteral("，"));
    windows->mentalDivisionDrill().Label16->move(64, 150);
    windows->horizontalAdditionDrill().Label4->setText(QStringLiteral("1234"));
    windows->horizontalAdditionDrill().Label16->setText(QStringLiteral("，"));
    windows->divisionTableDrill().Passed = 1;
    tick(addition.Timer1, 120);
    ASSERT_TRUE(windows->resultWindow().isVisible());

    QTest::mouseClick(windows->resultWindow().Label3, Qt::LeftButton);
    settle();

    EXPECT_FALSE(windows->resultWindow().isVisible());
    EXPECT_EQ(windows->resultWindow().Label2->text(), QString());
    EXPECT_EQ(active(), &windows->additionMenu());
    for (DrillWindow *drill : allDrills()) {
        SCOPED_TRACE(drill->objectName().toStdString());
        EXPECT_FALSE(drill->isVisible());
        EXPECT_FALSE(drill->Timer1->isEnabled());
        EXPECT_EQ(drill->roles().rightCount->text(), QStringLiteral("0"));
        EXPECT_EQ(drill->roles().wrongCount->text(), QStringLiteral("0"));
        EXPECT_EQ(clockText(*drill), QStringLiteral("00:00"));
        EXPECT_EQ(drill->roles().encouragement->text(), QStringLiteral("がんばってね！"));
    }
    EXPECT_EQ(addition.Label7->text(), QStringLiteral("taroさん"));
    EXPECT_EQ(addition.Score, 0);
    EXPECT_EQ(windows->timesTableDrill().Label11->text(), QStringLiteral("0"));
    EXPECT_EQ(windows->divisionTableDrill().Passed, 0);
    EXPECT_EQ(windows->mentalTimesDrill().Label17->text(), QString());
    EXPECT_EQ(windows->mentalTimesDrill().Edit1->geometry(), QRect(440, 152, 193, 45));
    EXPECT_EQ(windows->mentalDivisionDrill().Label16->text(), QString());
    EXPECT_EQ(windows->mentalDivisionDrill().Label16->pos(), QPoint(64, 165));
    EXPECT_EQ(windows->mentalDivisionDrill().Edit1->pos(), QPoint(496, 144));
    EXPECT_EQ(windows->mentalDivisionDrill().Label4->pos(), QPoint(440, 152));
    EXPECT_EQ(windows->horizontalAdditionDrill().Label4->text(), QString());
    EXPECT_EQ(windows->horizontalAdditionDrill().Label16->text(), QString());
}

TEST_F(DrillWindowTest, AFailedRecordIsReportedAndTheChildGetsBackToTheMenu)
{
    DoublingDrill &drill = startDoublingRound();
    drill.failRecording = true;
    windows->additionMenu().openWindow();   // a level menu beneath, as in a real round
    settle();
    drill.openWindow();
    settle();
    ASSERT_EQ(active(), &drill);
    answer(drill, QStringLiteral("1"));
    tick(drill.Timer1, 60);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("user\\taro.kak")));
    EXPECT_FALSE(drill.isVisible());
    EXPECT_FALSE(windows->resultWindow().isVisible());
    EXPECT_EQ(drill.resets, 1);
    EXPECT_EQ(drill.Wrong->text(), QStringLiteral("0"));
    EXPECT_EQ(active(), &windows->additionMenu());
}
