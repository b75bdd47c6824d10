#pragma once

#include "drill/NumberRow.h"
#include "drills/mental/MentalDivision.h"
#include "drills/mental/MentalDrill.h"

class GameLabel;
class MentalDivisionMenu;

// The mental division drill window: one exact division of long numbers at a
// time for a minute. The short levels show the division, the equals sign
// and the answer field on one row; the longer ones write the dividend on a
// row of its own and the rest beneath it, so that every number keeps its
// full size. Commas between digit groups are separate labels laid over the
// gaps between the digits, which the numbers' labels hold plain.
class MentalDivisionDrill : public MentalDrill
{
    Q_OBJECT
public:
    MentalDivisionDrill(GameStage &stage, const DrillContext &context, MentalDivisionMenu &menu);

    // The faces of the question, which the levels with commas space out.
    static QFont numberFont();   // 73-pixel bold italic
    static QFont signFont();     // 37-pixel plain

    // The division on screen.
    const mental::division::Question &question() const { return m_question; }

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    void ResetOnClose() override;

private:
    void PlaceRow(int level);

    mental::division::Question m_question;
    GameLabel *Label1;   // dividend
    GameLabel *Label2;   // "÷"
    GameLabel *Label3;   // divisor
    GameLabel *Label4;   // "＝"
    GameLabel *Label16;  // digit-group separators of long numbers
    GameLabel *Label17;
    GameLabel *Label18;
    GameLabel *Label19;
    // The dividend with Label16, Label17 and Label19 for its commas; the
    // divisor with Label18.
    drill::NumberRow m_dividend, m_divisor;
};
