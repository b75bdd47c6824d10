#pragma once

#include "ui/GameWindow.h"

class GameLabel;
class QPushButton;

namespace users {
struct Session;
}

// Deletion of the logged-in child and all of the child's files.
class DeletionDialog : public GameWindow
{
    Q_OBJECT
public:
    DeletionDialog(GameStage &stage, users::Session &session);

signals:
    // The child's files are gone.
    void deleted();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void Button1Click();
    void Button2Click();

    users::Session &m_session;
    GameLabel *Label1;
    QPushButton *Button1;
    QPushButton *Button2;
};
