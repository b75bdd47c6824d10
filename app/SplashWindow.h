#pragma once

#include "ui/GameWindow.h"

class GameLabel;
class PictureBox;
class QFrame;

// The title shown for four seconds at start-up, before the main menu.
class SplashWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit SplashWindow(GameStage &stage);

    // Closes the splash four seconds after it was made.
    GameTimer *Timer1;

    void Timer1Timer();

protected:
    void FormCreate() override;

private:
    QFrame *Panel1;
    PictureBox *Image1;
    GameLabel *Label1;
};
