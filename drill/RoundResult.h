#pragma once

#include "users/RoundRecord.h"

#include <QString>

#include <vector>

namespace drill {

// A round as it ended: what its drill judges it from.
struct PlayedRound
{
    int level = 0;                   // the level chosen, 1..N
    int right = 0;
    int wrong = 0;
    std::vector<int> levelsBefore;   // the progress file's level values before the round
    QString date;                    // "2001/3/07"

    // The played level's value before the round; 0 for a level out of range.
    int levelBefore() const
    {
        return level >= 1 && level <= int(levelsBefore.size())
            ? levelsBefore[std::size_t(level - 1)]
            : 0;
    }
};

// What a finished round comes to: the result window's picture and message,
// the sound, the played level's new value in the progress file, the round's
// history line, and whether the level menu takes the level away.
struct RoundResult
{
    QString picture;
    QString message;
    QString sound;
    int levelValue = 0;
    users::RoundRecord record;
    bool levelPassed = false;

    bool operator==(const RoundResult &) const = default;
};

// A drill's rule for the end of its rounds.
using RoundJudge = RoundResult (*)(const PlayedRound &);

} // namespace drill
