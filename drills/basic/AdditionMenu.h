#pragma once

#include "drill/LevelMenu.h"

class GameLabel;
class PictureBox;

namespace users {
struct Session;
}

// The addition level menu: れべる１ to れべる３, offered as the child's
// progress file allows, and a balloon that tells what the pointer is over.
class AdditionMenu : public LevelMenu
{
    Q_OBJECT
public:
    AdditionMenu(GameStage &stage, users::Session &session);

    // A round at `level` reached 1級: the level is no longer offered and the
    // next one is, at once.
    void LevelPassed(int level) override;

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void FormMouseMove() override;

private:
    // The entry of level 1..3.
    GameLabel *levelEntry(int level) const;
    void SetBalloon(const QString &first, const QString &second);
    void Label1Click();
    void Label3Click();
    void Label4Click();
    void Label2Click();
    void Label1MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label2MouseMove();

    users::Session &m_session;
    PictureBox *Image2;  // balloon
    PictureBox *Image1;  // mascot
    GameLabel *Label1;   // れべる１
    GameLabel *Label3;   // れべる２
    GameLabel *Label4;   // れべる３
    GameLabel *Label2;   // もどる
    GameLabel *Label5;   // balloon text
    GameLabel *Label6;   // balloon text, second line
};
