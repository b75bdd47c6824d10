#pragma once

#include "drills/mental/MentalMenu.h"

// The mental multiplication level menu.
class MentalTimesMenu : public MentalMenu
{
    Q_OBJECT
public:
    MentalTimesMenu(GameStage &stage, users::Session &session);
};
