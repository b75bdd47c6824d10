#pragma once

#include "users/DrillTable.h"
#include "users/FactMemory.h"

#include <QString>

#include <array>
#include <vector>

// The map of a child's facts in one drill, as the にがて window shows it,
// made from the child's memory alone. The addition and the two table drills
// show a grid of 9 × 9 facts, each cell marked by how well it is known; the
// mental drills, whose numbers are too many for a grid, show per level the
// share of right answers and the answers in a minute.
namespace users {

// Whether the drill's map is a grid of facts (else figures per level).
bool hasFactGrid(Drill drill);

struct FactGrid
{
    // Rows and columns are numbered 1 to 9: the first and second number of
    // a sum, the table and the times of a product, the divisor and the
    // quotient of a division.
    static constexpr int Size = 9;
    // The sign in the grid's corner: "＋", "×" or "÷".
    QString sign;
    std::array<std::array<Knowing, Size>, Size> cells{};   // [row - 1][column - 1]

    Knowing at(int row, int column) const { return cells[std::size_t(row - 1)][std::size_t(column - 1)]; }
};

// A division's cell gathers every dividend of its divisor and quotient,
// with a remainder or without: their tallies are added up and the sum is
// judged as one fact, against the child's typical time in the drill.
FactGrid factGrid(Drill drill, const DrillMemory &memory);

// The mark a cell shows, so that it reads without its colour too.
QString markOf(Knowing knowing);

// One level of a mental drill.
struct LevelFigures
{
    int level = 0;
    FactTally tally;      // asked 0: never played

    bool played() const { return tally.asked > 0; }
    // Right answers in a hundred, rounded down: 100% only when none was wrong.
    int rightPercent() const { return played() ? tally.right() * 100 / tally.asked : 0; }
    // Answers in a minute of answering; 0 when no time was counted.
    double perMinute() const
    {
        return tally.milliseconds > 0 ? tally.asked * 60000.0 / double(tally.milliseconds) : 0;
    }
    // As the map writes them: "75%" and "20.0もん".
    QString shareText() const;
    QString rateText() const;
};

// Every level of the drill, from level 1.
std::vector<LevelFigures> levelFigures(Drill drill, const DrillMemory &memory);

} // namespace users
