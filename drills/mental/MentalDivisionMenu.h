#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The mental division level menu.
class TForm23 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm23(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
