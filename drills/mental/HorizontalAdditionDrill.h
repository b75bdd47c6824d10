#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The horizontal mental addition drill window.
class TForm26 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm26(WindowSet &windows);

    GameTimer *Timer1 = nullptr;
    QLineEdit *Edit1 = nullptr;
};
