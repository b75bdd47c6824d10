#pragma once

#include "ui/GameWindow.h"

class DrillWindow;
class GameLabel;
class PictureBox;

// The count-down before a round: a big red 3, 2, 1 beside the drill's
// character, then the drill window of the drill chosen in the main menu.
// Escape calls the round off: the level menu is back, no drill starts.
class CountDownWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit CountDownWindow(GameStage &stage);

    // The drill chosen in the main menu: its character, and its window, which
    // the count-down starts when it closes.
    void SetDrill(QStringView characterPicture, DrillWindow *drill);
    // A level was chosen: the count starts.
    void Start();

    // One step of the count, once a second while enabled.
    void Timer1Timer();

    GameTimer *Timer1;

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    PictureBox *Image1;
    PictureBox *Image2;  // the drill's character
    GameLabel *Label1;   // the count
    static constexpr int Count = 3;
    int m_count = Count;   // the number on screen
    QString m_characterPicture;
    DrillWindow *m_drill = nullptr;
    bool m_cancelled = false;
};
