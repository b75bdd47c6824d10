#pragma once

#include "drills/basic/TableMenu.h"

// The division-table level menu: "１の段" to "９の段", "みっくす" and "あまり".
class DivisionTableMenu : public TableMenu
{
    Q_OBJECT
public:
    DivisionTableMenu(GameStage &stage, users::Session &session);
};
