#pragma once

#include "drill/LevelMenu.h"

// The horizontal mental addition level menu.
class HorizontalAdditionMenu : public LevelMenu
{
    Q_OBJECT
public:
    explicit HorizontalAdditionMenu(GameStage &stage);
};
