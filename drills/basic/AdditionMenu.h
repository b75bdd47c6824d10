#pragma once

#include "app/GameForm.h"

class GameLabel;
class PictureBox;

// The addition level menu: れべる１ to れべる３, offered as the child's
// progress file allows, and a balloon that tells what the pointer is over.
class TForm8 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm8(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;

    // A round at `level` reached 1級: the level is no longer offered and the
    // next one is, at once.
    void LevelCleared(int level);
    // The entry of level 1..3.
    GameLabel *levelEntry(int level) const;

    PictureBox *Image2;  // balloon
    PictureBox *Image1;  // mascot
    GameLabel *Label1;   // れべる１
    GameLabel *Label3;   // れべる２
    GameLabel *Label4;   // れべる３
    GameLabel *Label2;   // もどる
    GameLabel *Label5;   // balloon text
    GameLabel *Label6;   // balloon text, second line

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void FormMouseMove() override;

private:
    void StartLevel(int level);
    void SetBalloon(const QString &first, const QString &second);
    void Label1Click();
    void Label3Click();
    void Label4Click();
    void Label2Click();
    void Label1MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Label2MouseMove();
};
