#pragma once

#include "ui/GameWindow.h"

#include "drill/Answers.h"

#include <vector>

class GameLabel;
class PictureBox;

// The result of a round: a picture, a message and the way back.
class ResultWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit ResultWindow(GameStage &stage);

    // What a drill does at the end of a round: the outcome's picture and
    // message, and the window shown over the drill window; with mistakes,
    // also "まちがいを みる", which asks for them to be shown.
    void Announce(const QString &picture, const QString &message,
                  const std::vector<drill::Mistake> &mistakes = {});
    const std::vector<drill::Mistake> &mistakes() const { return m_mistakes; }

    // "もどる": closes this window and then every drill window, each one
    // resetting itself, so the level menu beneath comes back.
    void GoBack();

signals:
    // This window has closed: the drill windows close now.
    void wentBack();
    // "まちがいを みる" was clicked.
    void mistakesAsked();

protected:
    void FormClose() override;

private:
    void Label3Click();

    PictureBox *Image2;
    GameLabel *Label2;   // the outcome message
    GameLabel *Label3;   // "もどる"
    GameLabel *m_mistakesLink;   // "まちがいを みる"
    std::vector<drill::Mistake> m_mistakes;
};
