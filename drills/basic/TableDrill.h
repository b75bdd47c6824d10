#pragma once

#include "drill/DrillWindow.h"
#include "users/DrillTable.h"

class TableMenu;

// What the multiplication-table and division-table drill windows share: a
// round passes with 20 right answers whatever the wrong count, a pass clears
// the level in the menu at once, and every round is recorded.
class TableDrill : public DrillWindow
{
    Q_OBJECT
public:
    // 1 once a round cleared its level; 0 after a close.
    int Passed = 0;

protected:
    TableDrill(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
               TableMenu &menu, Drill drill);

    void JudgeRound() override;
    void ResetOnClose() override;
    // The round's history line.
    virtual QString HistoryLine(const QString &date, bool passed) const = 0;

private:
    Drill m_drill;
};
