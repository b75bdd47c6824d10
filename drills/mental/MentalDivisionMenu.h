#pragma once

#include "drills/mental/MentalMenu.h"

// The mental division level menu.
class MentalDivisionMenu : public MentalMenu
{
    Q_OBJECT
public:
    MentalDivisionMenu(GameStage &stage, users::Session &session);
};
