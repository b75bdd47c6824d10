#pragma once

#include "drills/basic/TableMenu.h"

// The multiplication-table level menu: "１の段" to "９の段" and "みっくす".
class TimesTableMenu : public TableMenu
{
    Q_OBJECT
public:
    TimesTableMenu(GameStage &stage, users::Session &session);
};
