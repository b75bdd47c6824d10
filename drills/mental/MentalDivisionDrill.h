#pragma once

#include "drill/DrillWindow.h"

class GameLabel;
class PictureBox;

// The mental division drill window: one exact division of long numbers at a
// time for a minute. The clock, the answer field, the counters and the reset
// are in place; the questions and the judging of a round come with the
// mental division drill itself.
class TForm24 : public DrillWindow
{
    Q_OBJECT
public:
    explicit TForm24(WindowSet &windows);

    GameLabel *Label5;   // "せいかいしたかず"
    GameLabel *Label7;   // right count
    GameLabel *Label6;   // "まちがったかず"
    GameLabel *Label8;   // wrong count
    GameLabel *Label1;   // dividend
    GameLabel *Label2;   // "÷"
    GameLabel *Label3;   // divisor
    GameLabel *Label4;   // "＝"
    GameLabel *Label16;  // digit-group separators of long numbers
    GameLabel *Label17;
    GameLabel *Label18;
    GameLabel *Label19;
    PictureBox *Image1;  // mascot
    PictureBox *Image2;  // balloon
    PictureBox *Image3;  // clock
    GameLabel *Label9;   // clock: tens of minutes
    GameLabel *Label10;  // minutes
    GameLabel *Label11;  // ":"
    GameLabel *Label12;  // tens of seconds
    GameLabel *Label13;  // seconds
    GameLabel *Label14;  // name text
    GameLabel *Label15;  // encouragement text

    // The faces of the question, which long numbers may shrink.
    static QFont numberFont();   // 73-pixel bold italic
    static QFont signFont();     // 37-pixel plain

protected:
    void FormCreate() override;
    void MakeQuestion(bool firstOfRound) override;
    std::optional<qint64> ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;
};
