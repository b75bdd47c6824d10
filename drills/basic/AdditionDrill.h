#pragma once

#include "drill/DrillWindow.h"

class GameLabel;
class PictureBox;

// The addition drill window: sums of two one-digit numbers for two minutes,
// then a grade from 10級 to 1級.
class TForm11 : public DrillWindow
{
    Q_OBJECT
public:
    explicit TForm11(WindowSet &windows);

    // Right count + 5 − wrong count, set when the round is judged; 0 after a close.
    int Score = 0;
    // The grade of the last round, 10..1.
    int Grade = 0;

    GameLabel *Label5;   // "せいかいしたかず"
    GameLabel *Label6;   // right count
    GameLabel *Label8;   // "まちがったかず"
    GameLabel *Label9;   // wrong count
    GameLabel *Label1;   // first addend
    GameLabel *Label2;   // "＋"
    GameLabel *Label3;   // second addend
    GameLabel *Label4;   // "＝"
    PictureBox *Image1;  // clock
    PictureBox *Image2;  // balloon
    PictureBox *Image3;  // mascot
    GameLabel *Label11;  // clock: tens of minutes
    GameLabel *Label12;  // minutes
    GameLabel *Label15;  // ":"
    GameLabel *Label13;  // tens of seconds
    GameLabel *Label14;  // seconds
    GameLabel *Label7;   // name text
    GameLabel *Label17;  // encouragement text

protected:
    void FormCreate() override;
    void MakeQuestion(bool firstOfRound) override;
    std::optional<qint64> ExpectedAnswer() const override;
    void JudgeRound() override;
    void ResetOnClose() override;

private:
    int level() const;
};
