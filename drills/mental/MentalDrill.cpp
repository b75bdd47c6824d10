#include "drills/mental/MentalDrill.h"

#include "drill/ResultWindow.h"
#include "drill/Texts.h"
#include "drills/mental/MentalMenu.h"
#include "drills/mental/MentalScoring.h"
#include "ui/Services.h"
#include "users/Session.h"

MentalDrill::MentalDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                         MentalMenu &menu, Drill drill)
    : DrillWindow(stage, context, screen, menu), m_drill(drill)
{
}

void MentalDrill::JudgeRound()
{
    const int level = this->level();
    const QString date = drill::dateText(services().clock.now().date());
    bool passed = false;
    // Judged from the progress file as read: a file that cannot be read ends
    // the judging before anything is shown or written.
    session().files.recordRound(session().UserName, m_drill, [&](users::Progress &progress) {
        const mental::Outcome outcome = mental::judge(round().right(), level, progress.levels);
        services().sound.play(outcome.sound);
        result().Announce(outcome.picture, outcome.message);
        progress.setLevel(level, outcome.points);
        passed = outcome.passed;
        return mental::historyLine(level, date, outcome);
    });
    // Within the same tick, so the menu beneath has changed when the child
    // goes back; only a recorded pass takes the level away.
    if (passed)
        menu().LevelPassed(level);
}
