#pragma once

#include "drill/DrillWindow.h"

class GameLabel;
class PictureBox;

// The mental multiplication drill window: one multiplication of long numbers
// at a time for a minute. The clock, the answer field, the counters and the
// reset are in place; the questions and the judging of a round come with the
// mental multiplication drill itself.
class TForm21 : public DrillWindow
{
    Q_OBJECT
public:
    explicit TForm21(WindowSet &windows);

    GameLabel *Label5;   // "せいかいしたかず"
    GameLabel *Label7;   // right count
    GameLabel *Label6;   // "まちがえたかず"
    GameLabel *Label8;   // wrong count
    GameLabel *Label1;   // first factor
    GameLabel *Label2;   // "×"
    GameLabel *Label3;   // second factor
    GameLabel *Label4;   // "="
    GameLabel *Label16;  // digit-group separators of long factors
    GameLabel *Label17;
    GameLabel *Label18;
    PictureBox *Image1;  // clock
    PictureBox *Image2;  // balloon
    PictureBox *Image3;  // mascot
    GameLabel *Label11;  // clock: tens of minutes
    GameLabel *Label12;  // minutes
    GameLabel *Label15;  // ":"
    GameLabel *Label14;  // tens of seconds
    GameLabel *Label13;  // seconds
    GameLabel *Label10;  // name text
    GameLabel *Label9;   // encouragement text

protected:
    void FormCreate() override;
    void MakeQuestion(bool firstOfRound) override;
    std::optional<qint64> ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;
};
