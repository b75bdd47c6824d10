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
    // The splash's time is over (its four seconds, or the game has ended):
    // it closes now, or as soon as it is shown when it is not on the screen
    // yet, so start-up never waits for a splash that has already had its time.
    void TimeUp();

protected:
    void FormCreate() override;
    void showEvent(QShowEvent *event) override;

private:
    QFrame *Panel1;
    PictureBox *Image1;
    GameLabel *Label1;
    bool m_timeUp = false;
};
