#pragma once

#include "drill/LevelMenu.h"

// The multiplication-table level menu.
class TimesTableMenu : public LevelMenu
{
    Q_OBJECT
public:
    explicit TimesTableMenu(GameStage &stage);
};
