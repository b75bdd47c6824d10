#include "drills/mental/MentalDrill.h"

#include "drill/ResultWindow.h"
#include "drill/Texts.h"
#include "drills/mental/MentalMenu.h"
#include "drills/mental/MentalScoring.h"
#include "ui/Services.h"
#include "users/Session.h"

MentalDrill::MentalDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                         MentalMenu &menu, Drill drill)
    : DrillWindow(stage, context, screen), m_menu(menu), m_drill(drill)
{
}

int MentalDrill::level() const
{
    return m_menu.SelectedLevel;
}

void MentalDrill::JudgeRound()
{
    const int level = this->level();
    const QString &name = session().UserName;
    // A progress file that cannot be read ends the judging before anything
    // is shown or written.
    const users::Progress before = session().files.readProgress(name, m_drill);
    const mental::Outcome outcome = mental::judge(round().right(), level, before.levels);

    services().sound.play(outcome.sound);
    result().Announce(outcome.picture, outcome.message);
    const auto setPoints = [&](users::Progress &progress) {
        if (level >= 1 && level <= int(progress.levels.size()))
            progress.levels[std::size_t(level - 1)] = outcome.points;
    };
    session().files.recordRound(
        name, m_drill, setPoints,
        mental::historyLine(level, drill::dateText(services().clock.now().date()), outcome));
    // Within the same tick, so the menu beneath has changed when the child
    // goes back; only a recorded pass takes the level away.
    if (outcome.passed)
        m_menu.LevelPassed(level);
}
