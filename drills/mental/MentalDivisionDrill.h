#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The mental division drill window.
class TForm24 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm24(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
