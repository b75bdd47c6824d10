#pragma once

#include <QString>

#include "drill/RoundResult.h"
#include "users/RoundRecord.h"

#include <vector>

// How the three mental drills judge a round and keep a child's progress:
// each level collects points, one per round with at least six right answers;
// the fifth point passes the level, and passing the last level not yet
// passed is the all-clear. Levels do not unlock one another.
namespace mental {

inline constexpr int PassMark = 6;     // right answers that make a round count
inline constexpr int LevelPassed = users::PointsOfAPassedLevel;

struct Outcome
{
    enum Kind { NotCounted, Point, Pass, AllClear };
    Kind kind;
    QString sound;
    QString picture;
    QString message;
    int points;      // the level's points after the round
    bool passed;     // the history line's "合格"
};

// The outcome of a round with `right` right answers at `level` (1..N), from
// the level points of every level before the round.
Outcome judge(int right, int level, const std::vector<int> &levelPoints);

// "れべる１２"
QString levelWord(int level);

// The end of a round of any mental drill: its outcome shown and played, the
// level's points recorded, and a pass takes the level off the menu.
drill::RoundResult judgeRound(const drill::PlayedRound &round);

// The levels a menu offers: every level whose points are not 5.
std::vector<bool> offeredLevels(const std::vector<int> &levelPoints);

} // namespace mental
