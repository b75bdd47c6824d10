#include "drills/mental/MentalDrill.h"

#include "drills/mental/MentalMenu.h"
#include "drills/mental/MentalScoring.h"

MentalDrill::MentalDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                         MentalMenu &menu, Drill drill)
    : DrillWindow(stage, context, screen, menu, drill, mental::judgeRound)
{
}
