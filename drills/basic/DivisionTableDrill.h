#pragma once

#include "drill/DrillWindow.h"

class GameLabel;
class PictureBox;

// The division-table drill window: exact divisions by one table for a
// minute. The clock, the answer field, the counters and the reset are in
// place; the questions and the judging of a round come with the
// division-table drill itself.
class TForm20 : public DrillWindow
{
    Q_OBJECT
public:
    explicit TForm20(WindowSet &windows);

    // 1 once a round cleared its table; 0 after a close.
    int Passed = 0;

    GameLabel *Label1;   // "せいかいしたかず"
    GameLabel *Label4;   // right count
    GameLabel *Label2;   // "まちがったかず"
    GameLabel *Label5;   // wrong count
    GameLabel *Label11;  // dividend
    GameLabel *Label13;  // "÷"
    GameLabel *Label12;  // divisor
    GameLabel *Label14;  // "＝"
    PictureBox *Image1;  // clock
    PictureBox *Image2;  // balloon
    PictureBox *Image3;  // mascot
    GameLabel *Label6;   // clock: tens of minutes
    GameLabel *Label7;   // minutes
    GameLabel *Label10;  // ":"
    GameLabel *Label8;   // tens of seconds
    GameLabel *Label9;   // seconds
    GameLabel *Label16;  // name text
    GameLabel *Label15;  // encouragement text

protected:
    void FormCreate() override;
    void MakeQuestion(bool firstOfRound) override;
    std::optional<qint64> ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;
};
