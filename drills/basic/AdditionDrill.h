#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The addition drill window.
class TForm11 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm11(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
