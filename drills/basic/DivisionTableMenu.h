#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The division-table level menu.
class TForm19 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm19(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
