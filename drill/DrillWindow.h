#pragma once

#include "app/GameForm.h"

#include <QRect>
#include <QString>

#include <optional>

class GameLabel;
class QLineEdit;

// What sets one drill window apart from the others, besides its layout.
struct DrillSetup
{
    const char *objectName;   // "Form11"
    QRgb background;
    int roundMinutes;         // the round ends when the minutes digit reaches this
    QString endCaption;       // the encouragement text once the round is over
    QRect answerField;        // Edit1
    int answerPixels;         // Edit1's bold italic face
};

// The texts every drill window shows, by the part they play. Each window
// names them in its own way (the right count is Label6 in the addition drill,
// Label4 in the table drills).
struct DrillRoles
{
    GameLabel *rightCount = nullptr;
    GameLabel *wrongCount = nullptr;
    GameLabel *tensOfMinutes = nullptr;
    GameLabel *minutes = nullptr;
    GameLabel *tensOfSeconds = nullptr;
    GameLabel *seconds = nullptr;
    GameLabel *nameText = nullptr;
    GameLabel *encouragement = nullptr;
};

// What the six drill windows share: the round clock, the answer field judged
// on Enter, the right and wrong counters with their sounds, the end of the
// round, and the reset on close. Each drill fills in its questions, its
// expected answer, its judging of the round and its own resets.
//
// A round starts when the count-down enables Timer1 and Edit1 and shows the
// window; it ends on the tick that brings the minutes digit to the round's
// length. The result window's "もどる" closes the window again.
class DrillWindow : public GameForm
{
    Q_OBJECT
public:
    // The round clock, one tick a second; the count-down enables it.
    GameTimer *Timer1;
    // The answer field; the count-down enables it, the end of the round
    // empties and disables it.
    QLineEdit *Edit1;

    QWidget *focusControl() const override;

    // The clock's tick: one second more, and on the last one the end of the round.
    void Timer1Timer();

    int roundMinutes() const { return m_setup.roundMinutes; }
    const QString &endCaption() const { return m_setup.endCaption; }
    const DrillRoles &roles() const { return m_roles; }

    // A counter or digit as the number it shows.
    static int shownNumber(const GameLabel *label);
    // Reads the shown number, adds one and shows the new value.
    static void addOne(GameLabel *label);

    static const QString Encouragement;   // "がんばってね！"

    // Faces the drill windows share.
    static QFont countFont();     // captions and counters: 21-pixel bold
    static QFont clockFont();     // clock digits: 19-pixel bold
    static QFont balloonFont();   // name and encouragement texts: 16-pixel bold

protected:
    DrillWindow(WindowSet &windows, const DrillSetup &setup);
    // Each window hands over its texts by role once it has made them.
    void bindRoles(const DrillRoles &roles);

    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The hooks each drill fills.
    // Puts up a question: the first of a round (and a new one when the window
    // is activated again), or the next after a right answer.
    virtual void MakeQuestion(bool firstOfRound) = 0;
    // The answer to the question on screen, computed from the texts shown;
    // none while there is no question, so that nothing counts as right.
    virtual std::optional<qint64> ExpectedAnswer() const = 0;
    // Judges the finished round: result window, sound, the child's files.
    // An IoError thrown here is reported and the child is taken back to the
    // level menu, with nothing more written.
    virtual void JudgeRound() = 0;
    // What this drill resets on close besides the counters, clock and
    // encouragement text.
    virtual void ResetOnClose() = 0;

private:
    void Edit1KeyPress();
    void EndRound();

    DrillSetup m_setup;
    DrillRoles m_roles;
};
