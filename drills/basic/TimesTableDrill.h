#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The multiplication-table drill window.
class TForm18 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm18(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
