#pragma once

#include "drill/DrillWindow.h"
#include "users/DrillTable.h"

class MentalMenu;

// What the three mental drill windows share: a round is judged by points
// (six right answers earn one, the fifth passes the level, the last level
// passed is the all-clear) and recorded, and a passed level leaves the menu
// at once.
class MentalDrill : public DrillWindow
{
    Q_OBJECT
protected:
    MentalDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                MentalMenu &menu, Drill drill);
};
