#pragma once

#include "drills/mental/MentalMenu.h"

// The horizontal mental addition level menu.
class HorizontalAdditionMenu : public MentalMenu
{
    Q_OBJECT
public:
    HorizontalAdditionMenu(GameStage &stage, users::Session &session);
};
