#pragma once

#include "drill/LevelMenu.h"

// The mental division level menu.
class MentalDivisionMenu : public LevelMenu
{
    Q_OBJECT
public:
    explicit MentalDivisionMenu(GameStage &stage);
};
