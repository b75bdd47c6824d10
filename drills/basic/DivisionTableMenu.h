#pragma once

#include "drill/LevelMenu.h"

// The division-table level menu.
class DivisionTableMenu : public LevelMenu
{
    Q_OBJECT
public:
    explicit DivisionTableMenu(GameStage &stage);
};
