#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;
class QPushButton;

// The log-in dialog: asks for the password of the child picked in the main
// menu's list, and keeps the logged-in child's name.
class TPasswordDlg : public GameForm
{
    Q_OBJECT
public:
    explicit TPasswordDlg(WindowSet &windows);

    // The logged-in child's name; empty until the first log-in. It changes
    // only when a password was typed right.
    QString UserName;

    QWidget *focusControl() const override;

    GameLabel *Label4;
    GameLabel *Label2;
    GameLabel *Label3;     // the chosen name, set by the main menu
    GameLabel *Label1;
    QLineEdit *Password;   // shown as "*"
    QPushButton *OKBtn;     // Enter presses it
    QPushButton *CancelBtn; // Escape presses it

    void OKBtnClick();
    void CancelBtnClick();

protected:
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;
};
