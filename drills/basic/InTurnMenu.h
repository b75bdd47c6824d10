#pragma once

#include "drill/LevelMenu.h"
#include "users/DrillTable.h"

#include <vector>

class GameLabel;

namespace users {
struct Session;
}

// The level menus of the addition and table drills, whose levels open in
// turn: a level is offered once the one before it is cleared (level 1 from
// the start), until it is cleared itself. The menu reads the child's
// progress each time it becomes active.
class InTurnMenu : public LevelMenu
{
    Q_OBJECT
public:
    // A round at `level` passed: its entry is no longer offered and the next
    // one is, at once.
    void LevelPassed(int level) override;

protected:
    InTurnMenu(GameStage &stage, users::Session &session, Drill drill);

    // The entries of levels 1..N, in order.
    void setEntries(std::vector<GameLabel *> entries) { m_entries = std::move(entries); }
    users::Session &session() const { return m_session; }

    void FormActivate() override;

private:
    users::Session &m_session;
    Drill m_drill;
    std::vector<GameLabel *> m_entries;
};
