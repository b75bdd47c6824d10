#include "drills/basic/TableDrill.h"

#include "drill/ResultWindow.h"
#include "drill/Texts.h"
#include "drills/basic/TableMenu.h"
#include "drills/basic/Tables.h"
#include "ui/Services.h"
#include "users/Session.h"

TableDrill::TableDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                       TableMenu &menu, Drill drill)
    : DrillWindow(stage, context, screen, menu), m_drill(drill)
{
}

void TableDrill::JudgeRound()
{
    const int level = this->level();
    const bool passed = tables::passed(round().right());
    if (!passed) {
        services().sound.play(QStringLiteral("sound\\zannen.wav"));
        result().Announce(QStringLiteral("Graphics\\四人　落込.bmp"),
                          QStringLiteral("がーーーーーーーん・・・・"));
    } else {
        result().Announce(QStringLiteral("Graphics\\四人　喜.bmp"), tables::clearedMessage(level));
        services().sound.play(QStringLiteral("sound\\大作戦・各段合格.wav"));
        Passed = 1;
    }

    const auto markCleared = [&](users::Progress &progress) {
        if (Passed == 1)
            progress.setLevel(level, 1);
    };
    session().files.recordRound(session().UserName, m_drill, markCleared,
                                HistoryLine(drill::dateText(services().clock.now().date()), passed));
    // Within the same tick, so the menu beneath has changed when the child
    // goes back; only a recorded pass clears the level.
    if (Passed == 1)
        menu().LevelPassed(level);
}

void TableDrill::ResetOnClose()
{
    Passed = 0;
}
