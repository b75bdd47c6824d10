#pragma once

#include "app/GameForm.h"

#include "users/UserFiles.h"

class GameLabel;
class QLineEdit;
class QPushButton;

// Registration of a new child: a parent types the child's name and password
// and presses OK; the name joins the main menu's list and the child's files
// are made. Registration does not log the child in.
class TForm10 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm10(WindowSet &windows);

    // The warning that refuses a registration before anything is written, or
    // an empty text when the name and password may be registered.
    static QString RefusalMessage(users::Refusal refusal);

    QWidget *focusControl() const override;

    GameLabel *Label4;
    GameLabel *Label1;
    QLineEdit *Edit1;    // the child's name
    GameLabel *Label3;
    QLineEdit *Edit3;    // the password, shown as typed, plain keyboard characters only
    QPushButton *Button1;
    QPushButton *Button2;

    void Button1Click();
    void Button2Click();
};
