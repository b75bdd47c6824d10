#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The multiplication-table level menu.
class TForm17 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm17(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
