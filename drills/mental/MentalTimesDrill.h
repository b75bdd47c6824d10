#pragma once

#include "drill/NumberRow.h"
#include "drills/mental/MentalDrill.h"
#include "drills/mental/MentalTimes.h"

#include <array>

class GameLabel;
class MentalTimesMenu;

// The mental multiplication drill window: one product of long numbers at a
// time for a minute. Each level places the question row to fit its longest
// numbers: the short levels on one row, the long ones with the equals sign
// and the answer field on a second row beneath the factors. Commas between
// digit groups are separate labels laid over the factors, which hold plain
// digits.
class MentalTimesDrill : public MentalDrill
{
    Q_OBJECT
public:
    MentalTimesDrill(GameStage &stage, const DrillContext &context, MentalTimesMenu &menu);

    // The product on screen.
    const mental::times::Question &question() const { return m_question; }

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    void ResetOnClose() override;

private:
    void PlaceRow();

    mental::times::Question m_question;
    GameLabel *Label1;   // first factor
    GameLabel *Label2;   // "×"
    GameLabel *Label3;   // second factor
    GameLabel *Label4;   // "="
    GameLabel *Label16;  // digit-group separators of long numbers
    GameLabel *Label17;
    GameLabel *Label18;
    // The factors with their commas: the first factor's take the
    // separators first, Label18, Label16, Label17, and the second's the rest.
    drill::NumberRow m_first, m_second;
};
