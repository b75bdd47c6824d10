#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The mental multiplication level menu.
class TForm9 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm9(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
