#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// The records menu: one entry per drill mode.
class TForm14 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm14(WindowSet &windows);

};
