#pragma once

#include "users/DrillTable.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the records chart shows of a drill's history, made from the round
// lines the records table holds (the file's own header left out). A line
// that is not a round of the drill as its drill window writes it is left
// out of the chart; the table still shows it as it stands.
namespace users {

// One point of the addition chart: a round's grade, or the mean grade of one
// level's rounds in a group of rounds.
struct GradePoint
{
    int slot = 0;        // 0 is the oldest round (or group) on the left
    double grade = 0;    // 10 (10級, at the bottom) to 1 (1級, at the top)
    int level = 0;       // 1 to 3, told apart by colour
};

// One column of the table and mental charts.
struct ChartColumn
{
    QString label;       // "1" … "9", "みっくす", "あまり"; or the level number
    int value = 0;       // rounds tried (tables) or points reached (mental, 0 to 5)
    bool passed = false; // a star over the column
};

struct RecordsChart
{
    using Kind = ChartKind;

    Kind kind = Kind::Grades;
    int rounds = 0;              // the round lines that made it into the chart
    // Grades: how many consecutive rounds one slot stands for, and the slots.
    int roundsPerSlot = 1;
    int slotCount = 0;
    std::vector<GradePoint> points;
    // Tables and points: one column per level of the drill, in menu order.
    std::vector<ChartColumn> columns;
};

// The addition chart shows at most this many slots: a longer history is cut
// into groups of consecutive rounds, each level of a group one point at the
// mean grade of its rounds, so the line stays readable and still shows the
// trend (a mean moves with every round, unlike the best or the last grade).
inline constexpr int MaxGradeSlots = 60;

RecordsChart recordsChart(Drill drill, const QStringList &roundLines);

} // namespace users
