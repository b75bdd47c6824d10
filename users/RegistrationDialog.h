#pragma once

#include "ui/GameWindow.h"

#include "users/UserFiles.h"

class GameLabel;
class QLineEdit;
class QPushButton;

namespace users {
struct Session;
}

// Registration of a new child: a parent types the child's name and password
// and presses OK; the child's files are made and the name joins the main
// menu's list. Registration does not log the child in.
class RegistrationDialog : public GameWindow
{
    Q_OBJECT
public:
    RegistrationDialog(GameStage &stage, users::Session &session);

    // The warning that refuses a registration before anything is written, or
    // an empty text when the name and password may be registered.
    static QString RefusalMessage(users::Refusal refusal);

    QWidget *focusControl() const override;

signals:
    // The child's files exist now.
    void registered(const QString &name);

private:
    void Button1Click();
    void Button2Click();

    users::Session &m_session;
    GameLabel *Label4;
    GameLabel *Label1;
    QLineEdit *Edit1;    // the child's name
    GameLabel *Label3;
    QLineEdit *Edit3;    // the password, shown as typed, plain keyboard characters only
    QPushButton *Button1;
    QPushButton *Button2;
};
