#pragma once

#include "drill/NumberRow.h"
#include "drills/mental/HorizontalAddition.h"
#include "drills/mental/MentalDrill.h"

#include <array>

class GameLabel;
class HorizontalAdditionMenu;

// The horizontal mental addition drill window: two to five long numbers, one
// under another above a rule, to add in the head for a minute. Each number
// row has two "，" labels of its own that stand over the gaps between digit
// groups; the numbers themselves are plain digits.
class HorizontalAdditionDrill : public MentalDrill
{
    Q_OBJECT
public:
    HorizontalAdditionDrill(GameStage &stage, const DrillContext &context, HorizontalAdditionMenu &menu);

    // The sum on screen.
    const mental::horizontal::Question &question() const { return m_question; }

protected:
    // The first question of a round places the rows, the separators, the
    // rule and the answer field for the level first.
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    void ResetOnClose() override;

private:
    void SetUpLevel(int level);

    mental::horizontal::Question m_question;
    // The number rows, top to bottom: Label1 … Label5, each with its two
    // "，" labels, left one first: Label18 and Label17, Label20 and Label22,
    // Label19 and Label21, Label16 and Label23, Label24 and Label25.
    std::array<drill::NumberRow, mental::horizontal::Rows> m_rows;
    GameLabel *Label6;   // the rule under the rows
};
