#pragma once

#include "app/GameForm.h"

class ButtonPanel;
class GameLabel;
class PictureBox;
class QListWidget;

// The main menu: the list of registered children, registration, and once a
// child has logged in, the records, deletion and the six drills. Closing it
// ends the game.
class TForm1 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm1(WindowSet &windows);

    // The drill mode last chosen, 1..6; 0 until a drill button is pressed.
    int DrillMode = 0;

    // Refills the user list from the user folder, in the folder's order.
    void FillUserList();
    // Enables or greys the records, deletion and drill buttons: the menu's
    // state with a child logged in, or with nobody.
    void EnableUserPanels(bool enabled);

    bool staysOnTop() const override { return false; }

    QListWidget *ListBox1;
    ButtonPanel *Panel8;
    ButtonPanel *Panel9;
    ButtonPanel *Panel11;
    ButtonPanel *Panel1;
    ButtonPanel *Panel3;
    ButtonPanel *Panel5;
    ButtonPanel *Panel2;
    ButtonPanel *Panel4;
    ButtonPanel *Panel6;
    ButtonPanel *Panel7;
    GameLabel *Label2;
    PictureBox *Image1;
    PictureBox *Image2;
    PictureBox *Image4;
    PictureBox *Image5;
    PictureBox *Image10;
    PictureBox *Image7;
    PictureBox *Image8;
    PictureBox *Image13;
    PictureBox *Image6;

protected:
    void FormCreate() override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void ScreenModeStep();
    void ListBox1Click();
    void Panel8Click();
    void Panel9Click();
    void Panel11Click();
    void Panel1Click();
    void Panel3Click();
    void Panel5Click();
    void Panel2Click();
    void Panel4Click();
    void Panel6Click();
    void Panel7Click();
    void Label2Click();
    void chooseDrill(int mode, GameForm &levelMenu);
};
