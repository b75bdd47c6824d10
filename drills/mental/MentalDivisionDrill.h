#pragma once

#include "drills/mental/MentalDrill.h"

class GameLabel;
class MentalDivisionMenu;

// The mental division drill window: one exact division of long numbers at a
// time for a minute. The clock, the answer field, the counters and the reset
// are in place; the questions and the judging of a round come with the
// mental division drill itself.
class MentalDivisionDrill : public MentalDrill
{
    Q_OBJECT
public:
    MentalDivisionDrill(GameStage &stage, const DrillContext &context, MentalDivisionMenu &menu);

    // The faces of the question, which long numbers may shrink.
    static QFont numberFont();   // 73-pixel bold italic
    static QFont signFont();     // 37-pixel plain

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    void ResetOnClose() override;

private:
    GameLabel *Label1;   // dividend
    GameLabel *Label2;   // "÷"
    GameLabel *Label3;   // divisor
    GameLabel *Label4;   // "＝"
    GameLabel *Label16;  // digit-group separators of long numbers
    GameLabel *Label17;
    GameLabel *Label18;
    GameLabel *Label19;
};
