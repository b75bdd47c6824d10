#pragma once

#include "ui/GameWindow.h"

class GameLabel;
class PictureBox;

// The result of a round: a picture, a message and the way back.
class ResultWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit ResultWindow(GameStage &stage);

    // What a drill does at the end of a round: the outcome's picture and
    // message, and the window shown over the drill window.
    void Announce(const QString &picture, const QString &message);

    // "もどる": closes this window and then every drill window, each one
    // resetting itself, so the level menu beneath comes back.
    void GoBack();

signals:
    // This window has closed: the drill windows close now.
    void wentBack();

protected:
    void FormClose() override;

private:
    void Label3Click();

    PictureBox *Image2;
    GameLabel *Label2;   // the outcome message
    GameLabel *Label3;   // "もどる"
};
