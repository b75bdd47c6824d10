#include "drills/basic/InTurnMenu.h"

#include "drills/basic/Tables.h"
#include "ui/Widgets.h"
#include "users/Session.h"

InTurnMenu::InTurnMenu(GameStage &stage, users::Session &session, Drill drill)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      m_session(session),
      m_drill(drill)
{
}

void InTurnMenu::FormActivate()
{
    const users::Progress progress = m_session.files.readProgress(m_session.UserName, m_drill);
    const std::vector<bool> offered = tables::offeredLevels(progress.levels);
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->setEnabled(offered[i]);
}

void InTurnMenu::LevelPassed(int level)
{
    if (level < 1 || level > int(m_entries.size()))
        return;
    m_entries[std::size_t(level - 1)]->setEnabled(false);
    if (level < int(m_entries.size()))
        m_entries[std::size_t(level)]->setEnabled(true);
}
