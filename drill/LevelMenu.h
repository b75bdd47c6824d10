#pragma once

#include "ui/GameWindow.h"

// What every level menu shares: the level last chosen, and the start of a
// round at it.
class LevelMenu : public GameWindow
{
    Q_OBJECT
public:
    using GameWindow::GameWindow;

    // The level last chosen in this menu; its drill window reads it.
    int SelectedLevel = 0;

    // A round passed `level`: the menu shows it at once (the entry is no
    // longer offered, and in some drills the next one is).
    virtual void LevelPassed(int level) = 0;

signals:
    // A level was chosen: the count-down starts.
    void levelChosen();

protected:
    void StartLevel(int level)
    {
        SelectedLevel = level;
        emit levelChosen();
    }
};
