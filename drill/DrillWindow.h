#pragma once

#include "ui/GameWindow.h"

#include "drill/Answers.h"
#include "drill/Practice.h"
#include "drill/Round.h"
#include "drill/RoundResult.h"
#include "users/DrillTable.h"
#include "ui/Widgets.h"

#include <QRect>
#include <QString>

#include <QStringList>

#include <array>
#include <optional>

class GameLabel;
class LevelMenu;
class PictureBox;
class QFrame;
class QKeyEvent;
class QLineEdit;
class ResultWindow;

namespace users {
struct Session;
}

// The parts every drill window shows, by name and place: the two counters
// with their captions, the clock, the greeting and encouragement texts in
// the balloon, and three pictures. Each drill window gives its own table,
// naming only what differs from the usual.
struct DrillScreen
{
    struct Text
    {
        const char *name;
        QPoint pos;
    };
    struct Picture
    {
        const char *name;
        QRect geometry;
        QString file;
    };

    const char *objectName;   // "Form11"
    QRgb background = ui::Cream;
    int roundMinutes = 1;     // the round ends when the minutes digit reaches this
    // The encouragement text once the round is over.
    QString endCaption = QStringLiteral("しゅうりょう～");
    QRect answerField;        // Edit1
    int answerPixels = 37;    // Edit1's bold italic face

    Text rightCaption;        // "せいかいしたかず"
    Text rightCount;
    Text wrongCaption;
    QString wrongCaptionText = QStringLiteral("まちがったかず");
    Text wrongCount;
    std::array<Picture, 3> pictures;
    // Tens of minutes, minutes, ":", tens of seconds, seconds.
    std::array<Text, 5> clock;
    int clockPixels = 19;
    Text nameText;
    Text encouragement;
};

// What a drill window needs of the others: the children's files and the
// child playing, and the result window that announces the end of a round.
struct DrillContext
{
    users::Session &session;
    ResultWindow &result;
};

// What the six drill windows share: the round clock, the answer field judged
// on Enter, the right and wrong counters with their sounds, the end of the
// round, and the reset on close. Each drill fills in its questions, its
// expected answer and its own resets, gives the rule that judges its rounds,
// and declares only its own labels: the shared parts come from its
// DrillScreen.
//
// The end of a round is judged from the progress file as read, then shown,
// played and recorded here alone: a file that cannot be read is reported
// and the child is taken back to the level menu, with nothing shown or
// written.
//
// A round starts when the count-down calls StartRound(); it ends on the tick
// that brings the minutes digit to the round's length. The result window's
// "もどる" closes the window again.
//
// Escape during a round asks "やめる？" with the clock held: はい (or Enter)
// stops the round there, unrecorded and without a sound, and いいえ (or
// Escape again) goes back to the same question.
class DrillWindow : public GameWindow
{
    Q_OBJECT
public:
    // The round clock, one tick a second; StartRound() enables it.
    GameTimer *Timer1;

    // Enables the clock and the answer field and opens the window.
    void StartRound();

    QWidget *focusControl() const override;

    // The clock's tick: one second more, and on the last one the end of the round.
    void Timer1Timer();

    const drill::Round &round() const { return m_round; }
    const QString &endCaption() const { return m_screen.endCaption; }

    static const QString Encouragement;   // "がんばってね！"

    // The next round is a practice round (see drill::Practice), or
    // (nothing) a round for the records.
    using Practice = drill::Practice;
    void PrepareRound(const std::optional<Practice> &practice);
    bool practising() const { return m_practice.has_value(); }

signals:
    // The child stopped the round: the drill windows close as after a round.
    void roundStopped();

protected:
    DrillWindow(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                LevelMenu &menu, Drill drill, drill::RoundJudge judge);

    users::Session &session() const { return m_context.session; }
    // The drill's level menu, and the level chosen in it.
    LevelMenu &menu() const { return m_menu; }
    int level() const;
    ResultWindow &result() const { return m_context.result; }
    // The answer field; the end of the round empties and disables it.
    QLineEdit *answerField() const { return Edit1; }
    // The greeting in the balloon.
    GameLabel *nameText() const { return m_nameText; }

    // Places the window, loads its pictures, and keeps the drill's own
    // labels beneath the shared pictures and texts.
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The hooks each drill fills.
    // Puts up a question: the first of a round (and a new one when the window
    // is activated again), or the next after a right answer.
    virtual void MakeQuestion(bool firstOfRound) = 0;
    // The answer to the question on screen as the child must type it; empty
    // while there is no question, so that nothing counts as right.
    virtual QString ExpectedAnswer() const = 0;
    // Puts up the question of a fact ("7x8") in a practice round; false when
    // this drill has no question for it, and the usual one is asked.
    virtual bool MakeQuestionOf(const QString &) { return false; }
    // The question on screen as the review writes it, and the fact it asks.
    virtual drill::Question AskedQuestion() const = 0;
    // What this drill resets on close besides the counters, clock and
    // encouragement text.
    virtual void ResetOnClose() = 0;
    // A key pressed in the answer field while a round runs, before it goes
    // into the field; a drill that gives a key a meaning of its own takes it
    // and returns true. Enter and Escape never come here.
    virtual bool AnswerKey(const QKeyEvent &) { return false; }

private:
    void Edit1KeyPress();
    void EndRound();
    // Judges the finished round, shows and plays its result, records it in
    // the child's files and tells the menu.
    void JudgeRound();
    // Adds the round's answers to the child's memory of facts; a memory
    // that cannot be read or written is reported once and the round stands.
    void RememberAnswers();
    // The next question: of a weak fact in a practice round, or the drill's own.
    void NextQuestion(bool firstOfRound);
    // The end of a practice round: counts and a cheer, and the memory.
    void EndPractice();
    void ShowClock();
    // "やめる？": asked with the clock held, answered by はい or いいえ.
    void AskToStop();
    void StopRound();
    void GoOnWithRound();
    bool asking() const;

    DrillScreen m_screen;
    DrillContext m_context;
    LevelMenu &m_menu;
    Drill m_drill;
    drill::RoundJudge m_judge;
    drill::Round m_round;
    std::vector<drill::Answer> m_answers;
    std::optional<Practice> m_practice;
    int m_questions = 0;      // the questions of the round so far
    qint64 m_askedAt = 0;     // when the question on screen appeared or was last answered
    QLineEdit *Edit1;
    GameLabel *m_rightCount;
    GameLabel *m_wrongCount;
    std::array<PictureBox *, 3> m_pictures;
    std::array<GameLabel *, 5> m_clock;
    GameLabel *m_nameText;
    GameLabel *m_encouragement;
    QFrame *m_stopQuestion;
};
