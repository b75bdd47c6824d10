#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

class GameLabel;
class PictureBox;

// The records menu: one entry per drill; an entry opens the records table
// of that drill.
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

    GameLabel *Label1;
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;
    GameLabel *Label5;
    GameLabel *Label6;
    GameLabel *Label7;
    PictureBox *Image1;
};
