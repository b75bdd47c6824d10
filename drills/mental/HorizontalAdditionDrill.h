#pragma once

#include "drills/mental/MentalDrill.h"

class GameLabel;
class HorizontalAdditionMenu;

// The horizontal mental addition drill window: two to five long numbers, one
// under another, to add in the head, for a minute. The clock, the answer
// field, the counters and the reset are in place; the questions and the
// judging of a round come with the horizontal mental addition drill itself.
class HorizontalAdditionDrill : public MentalDrill
{
    Q_OBJECT
public:
    HorizontalAdditionDrill(GameStage &stage, const DrillContext &context, HorizontalAdditionMenu &menu);

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    void ResetOnClose() override;

private:
    GameLabel *Label1;   // number rows 1..5, top to bottom
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;
    GameLabel *Label5;
    GameLabel *Label6;   // the rule under the rows
    // Digit-group separators of the rows, two per row.
    GameLabel *Label18;
    GameLabel *Label17;
    GameLabel *Label20;
    GameLabel *Label22;
    GameLabel *Label19;
    GameLabel *Label21;
    GameLabel *Label16;
    GameLabel *Label23;
    GameLabel *Label24;
    GameLabel *Label25;
};
