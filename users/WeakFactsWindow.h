#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

#include <array>
#include <vector>

class FactMapView;
class GameLabel;

namespace users {
struct DrillMemory;
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

    // The most levels a grid drill has: the division tables' eleven.
    static constexpr std::size_t MostLevels = 11;

signals:
    // A practice round of the drill on show: of its weakest facts (level 0),
    // or of a level already passed.
    void practiceAsked(Drill drill, int level);

protected:
    void FormActivate() override;

private:
    void Label2Click();
    // Offers the practice of the weak facts, or says there are none yet,
    // and the practice of every level passed.
    void OfferPractice(const users::DrillMemory &memory);

    users::Session &m_session;
    GameLabel *Label1;
    FactMapView *PaintBox1;
    GameLabel *Label2;
    GameLabel *PracticeLink;       // "にがてを れんしゅう"
    GameLabel *NoWeakFacts;        // "にがては まだ ないよ"
    GameLabel *PassedLevelsHint;   // a mental drill's: "あおい れべるは おすと …"
    GameLabel *PassedCaption;      // "ごうかくした ところも れんしゅう できるよ"
    std::array<GameLabel *, MostLevels> m_passedLinks;
    std::vector<int> m_passedLevels;
};
