#pragma once

#include "drills/basic/InTurnMenu.h"

class GameLabel;
class PictureBox;

// The addition level menu: れべる１ to れべる３, offered as the child's
// progress file allows, and a balloon that tells what the pointer is over.
class AdditionMenu : public InTurnMenu
{
    Q_OBJECT
public:
    AdditionMenu(GameStage &stage, users::Session &session);

protected:
    void FormCreate() override;
    void FormClose() override;
    void FormMouseMove() override;

private:
    void SetBalloon(const QString &first, const QString &second);
    void Label1Click();
    void Label3Click();
    void Label4Click();
    void Label2Click();
    void Label1MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label2MouseMove();

    PictureBox *Image2;  // balloon
    PictureBox *Image1;  // mascot
    GameLabel *Label1;   // れべる１
    GameLabel *Label3;   // れべる２
    GameLabel *Label4;   // れべる３
    GameLabel *Label2;   // もどる
    GameLabel *Label5;   // balloon text
    GameLabel *Label6;   // balloon text, second line
};
