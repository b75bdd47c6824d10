#pragma once

#include "app/GameForm.h"

class GameLabel;
class PictureBox;
class QFrame;

// The title shown for four seconds at start-up, before the main menu.
class TForm27 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm27(WindowSet &windows);

    QFrame *Panel1;
    PictureBox *Image1;
    GameLabel *Label1;
    GameTimer *Timer1;

    void Timer1Timer();

protected:
    void FormCreate() override;
};
