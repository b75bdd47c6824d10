#pragma once

#include "app/GameForm.h"

class GameLabel;
class PictureBox;

// The result of a round: a picture, a message and the way back.
class TForm22 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm22(WindowSet &windows);

    // What a drill does at the end of a round: the outcome's picture and
    // message, and the window shown over the drill window.
    void Announce(const QString &picture, const QString &message);

    // "もどる": closes this window and then every drill window, each one
    // resetting itself, so the level menu beneath comes back.
    void GoBack();

    PictureBox *Image2;
    GameLabel *Label2;   // the outcome message
    GameLabel *Label3;   // "もどる"

protected:
    void FormClose() override;

private:
    void Label3Click();
};
