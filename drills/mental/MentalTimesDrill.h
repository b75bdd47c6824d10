#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The mental multiplication drill window.
class TForm21 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm21(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
