#pragma once

#include "ui/GameWindow.h"

class GameLabel;
class QLineEdit;
class QPushButton;

namespace users {
struct Session;
}

// The log-in dialog: asks for the password of the child picked in the main
// menu's list; the right password makes that child the one playing.
class LoginDialog : public GameWindow
{
    Q_OBJECT
public:
    LoginDialog(GameStage &stage, users::Session &session);

    // Opens the dialog for the child picked in the list.
    void AskPassword(const QString &name);

    QWidget *focusControl() const override;

signals:
    // The password was right: the session's UserName is the child's now.
    void loggedIn();
    // Closed without a log-in: whoever played before plays on.
    void cancelled();

protected:
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OKBtnClick();
    void CancelBtnClick();

    users::Session &m_session;
    GameLabel *Label4;
    GameLabel *Label2;
    GameLabel *Label3;     // the chosen name
    GameLabel *Label1;
    QLineEdit *Password;   // shown as "*"
    QPushButton *OKBtn;     // Enter presses it
    QPushButton *CancelBtn; // Escape presses it
};
