#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The result of a round: a picture, a message and the way back.
class TForm22 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm22(WindowSet &windows);

};
