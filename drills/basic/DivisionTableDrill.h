#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The division-table drill window.
class TForm20 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm20(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
