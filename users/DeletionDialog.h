#pragma once

#include "app/GameForm.h"

class GameLabel;
class QLineEdit;

// Deletion of the logged-in child and all of the child's files.
class TForm16 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm16(WindowSet &windows);

};
