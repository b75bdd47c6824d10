#pragma once

#include "drill/DrillWindow.h"

class GameLabel;
class PictureBox;

// The horizontal mental addition drill window: two to five long numbers, one
// under another, to add in the head, for a minute. The clock, the answer
// field, the counters and the reset are in place; the questions and the
// judging of a round come with the horizontal mental addition drill itself.
class TForm26 : public DrillWindow
{
    Q_OBJECT
public:
    explicit TForm26(WindowSet &windows);

    GameLabel *Label1;   // number rows 1..5, top to bottom
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;
    GameLabel *Label5;
    GameLabel *Label6;   // rule line under the numbers
    GameLabel *Label7;   // "せいかいしたかず"
    GameLabel *Label9;   // right count
    GameLabel *Label8;   // "まちがったかず"
    GameLabel *Label10;  // wrong count
    PictureBox *Image1;  // mascot
    PictureBox *Image2;  // balloon
    PictureBox *Image3;  // clock
    GameLabel *Label11;  // clock: tens of minutes
    GameLabel *Label12;  // minutes
    GameLabel *Label13;  // ":"
    GameLabel *Label14;  // tens of seconds
    GameLabel *Label15;  // seconds
    GameLabel *Label18;  // digit-group separators, two a row
    GameLabel *Label17;
    GameLabel *Label20;
    GameLabel *Label22;
    GameLabel *Label19;
    GameLabel *Label21;
    GameLabel *Label16;
    GameLabel *Label23;
    GameLabel *Label24;
    GameLabel *Label25;
    GameLabel *Label26;  // name text
    GameLabel *Label27;  // encouragement text

protected:
    void FormCreate() override;
    void MakeQuestion(bool firstOfRound) override;
    std::optional<qint64> ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;
};
