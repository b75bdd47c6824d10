#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

class FactMapView;
class GameLabel;

namespace users {
struct Session;
}

// The にがて map of one drill, opened from its records: how well the
// logged-in child knows each fact, read from the child's memory on every
// opening. "もどる" gives the records back as they were left.
class WeakFactsWindow : public GameWindow
{
    Q_OBJECT
public:
    WeakFactsWindow(GameStage &stage, users::Session &session);

    // Opens the map of a drill.
    void ShowMap(Drill drill);

    // The drill whose map is shown.
    Drill MapMode = Drill::Addition;

    // The mark shown in a cell of the grid, rows and columns from 1; empty
    // for a mental drill.
    QString Mark(int row, int column) const;
    // What a mental drill's level shows: its share and its answers in a
    // minute, or nothing when it was never played.
    QStringList Figures(int level) const;

protected:
    void FormActivate() override;

private:
    void Label2Click();

    users::Session &m_session;
    GameLabel *Label1;
    FactMapView *PaintBox1;
    GameLabel *Label2;
};
