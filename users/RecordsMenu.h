#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

class GameLabel;
class PictureBox;

// The records menu: one entry per drill, made from the drill table; an
// entry opens the records table of that drill.
class RecordsMenu : public GameWindow
{
    Q_OBJECT
public:
    explicit RecordsMenu(GameStage &stage);

signals:
    void recordsChosen(Drill drill);

protected:
    void FormCreate() override;

private:
    void Label7Click();

    GameLabel *Label7;   // もどる
    PictureBox *Image1;
};
