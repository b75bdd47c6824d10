#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The addition level menu.
class TForm8 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm8(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
