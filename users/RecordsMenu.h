#pragma once

#include "app/GameForm.h"

class GameLabel;
class PictureBox;

// The records menu: one entry per drill mode; an entry opens the records
// table of that mode.
class TForm14 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm14(WindowSet &windows);

    // The drill mode whose records the table shows, 1..6; 0 until an entry
    // is clicked.
    int RecordsMode = 0;

    GameLabel *Label1;
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;
    GameLabel *Label5;
    GameLabel *Label6;
    GameLabel *Label7;
    PictureBox *Image1;

protected:
    void FormCreate() override;

private:
    void ShowRecords(int mode);
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
};
