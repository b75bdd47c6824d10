#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The count-down before a round: 3, 2, 1.
class TForm13 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm13(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
};
