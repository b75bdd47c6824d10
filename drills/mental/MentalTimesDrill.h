#pragma once

#include "drills/mental/MentalDrill.h"

class GameLabel;
class MentalTimesMenu;

// The mental multiplication drill window: one product of long numbers at a
// time for a minute. The clock, the answer field, the counters and the reset
// are in place; the questions and the judging of a round come with the
// mental multiplication drill itself.
class MentalTimesDrill : public MentalDrill
{
    Q_OBJECT
public:
    MentalTimesDrill(GameStage &stage, const DrillContext &context, MentalTimesMenu &menu);

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    void ResetOnClose() override;

private:
    GameLabel *Label1;   // first factor
    GameLabel *Label2;   // "×"
    GameLabel *Label3;   // second factor
    GameLabel *Label4;   // "="
    GameLabel *Label16;  // digit-group separators of long numbers
    GameLabel *Label17;
    GameLabel *Label18;
};
