#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

#include <array>
#include <optional>

class ButtonPanel;
class GameLabel;
class PictureBox;
class QListWidget;

namespace users {
struct Session;
}

// The main menu: the list of registered children, registration, and once a
// child has logged in, the records, deletion and the six drills. Closing it
// ends the game.
class MainMenu : public GameWindow
{
    Q_OBJECT
public:
    MainMenu(GameStage &stage, users::Session &session);

    // The drill last chosen; none until a drill button is pressed.
    std::optional<Drill> DrillMode;

    // Refills the user list from the user folder, in the folder's order.
    void FillUserList();
    // A child was registered: the name joins the end of the list.
    void AddUser(const QString &name);
    // Enables or greys the records, deletion and drill buttons: the menu's
    // state with a child logged in, or with nobody.
    void EnableUserPanels(bool enabled);
    // The list marks the child who is playing, or nobody when no one is
    // logged in: after a log-in that did not happen, the name clicked for
    // it is no longer marked.
    void MarkChildPlaying();

    bool staysOnTop() const override { return false; }

signals:
    void childPicked(const QString &name);
    void registrationAsked();
    void recordsAsked();
    void deletionAsked();
    void drillChosen(Drill drill);
    // The main menu has closed: the game ends.
    void closed();

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
    void Panel7Click();
    void Label2Click();
    void ChooseDrill(Drill drill);
    std::array<ButtonPanel *, DrillCount> makeDrillButtons();

    users::Session &m_session;
    QListWidget *ListBox1;
    ButtonPanel *Panel8;
    ButtonPanel *Panel9;
    ButtonPanel *Panel11;
    // The drills' buttons, made from the drill table in its order.
    std::array<ButtonPanel *, DrillCount> m_drillButtons;
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
};
