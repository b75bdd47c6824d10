#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The records table of one drill mode.
class TForm15 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm15(WindowSet &windows);

};
