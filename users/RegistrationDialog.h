#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// Registration of a new child: name and password.
class TForm10 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm10(WindowSet &windows);

};
