#pragma once

#include "app/GameForm.h"

class DrillWindow;
class GameLabel;
class PictureBox;

// The count-down before a round: a big red 3, 2, 1 beside the drill's
// character, then the drill window of the chosen drill mode.
//
// A level menu starts it by storing its level, enabling Timer1 and showing it.
class TForm13 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm13(WindowSet &windows);

    // One step of the count, once a second while enabled.
    void Timer1Timer();

    // The drill window of a drill mode (1..6); none for 0.
    DrillWindow *drillWindow(int drillMode) const;
    // The character picture shown beside the count in a drill mode.
    static QString characterPicture(int drillMode);

    PictureBox *Image1;
    PictureBox *Image2;  // the drill mode's character
    GameLabel *Label1;   // the count
    GameTimer *Timer1;

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
};
