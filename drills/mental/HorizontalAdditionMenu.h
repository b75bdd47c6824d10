#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The horizontal mental addition level menu.
class TForm25 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm25(WindowSet &windows);

    // The level last chosen in this menu.
    int SelectedLevel = 0;
};
