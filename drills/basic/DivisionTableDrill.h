#pragma once

#include "drill/DrillWindow.h"

class GameLabel;

// The division-table drill window: quotients of one table for a minute. The
// clock, the answer field, the counters and the reset are in place; the
// questions and the judging of a round come with the division-table drill
// itself.
class DivisionTableDrill : public DrillWindow
{
    Q_OBJECT
public:
    DivisionTableDrill(GameStage &stage, const DrillContext &context);

    // 1 once a round cleared its table; 0 after a close.
    int Passed = 0;

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;

private:
    GameLabel *Label11;  // dividend
    GameLabel *Label13;  // "÷"
    GameLabel *Label12;  // divisor
    GameLabel *Label14;  // "＝"
};
