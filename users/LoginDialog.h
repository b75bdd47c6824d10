#pragma once

#include "app/GameForm.h"

class GameLabel;

// The log-in dialog: asks for the password of the child picked in the main
// menu's list, and keeps the logged-in child's name.
class TPasswordDlg : public GameForm
{
    Q_OBJECT
public:
    explicit TPasswordDlg(WindowSet &windows);

    // The logged-in child's name; empty until the first log-in.
    QString UserName;

    GameLabel *Label3;   // the chosen name, set by the main menu
};
