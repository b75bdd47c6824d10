#pragma once

#include "drill/LevelMenu.h"

// The mental multiplication level menu.
class MentalTimesMenu : public LevelMenu
{
    Q_OBJECT
public:
    explicit MentalTimesMenu(GameStage &stage);
};
