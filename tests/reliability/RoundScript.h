#pragma once

#include "users/UserFileRules.h"

#include <QString>

// The rounds the crash test plays, the same in the recording child and in the
// test that checks its files: each round moves one level on, chosen by line 1,
// so the progress a file must hold follows from its line 1 alone.
namespace reliability {

inline const char *const Child = "taro";
inline const char *const RoundLine = "1,2001/5/09,1級";

// The children the registering recorder makes and deletes in turn.
inline QString registered(long i) { return QStringLiteral("k%1").arg(i); }
inline QString passwordOf(long i) { return QStringLiteral("pw%1").arg(i); }

inline void playRound(Drill drill, users::Progress &progress)
{
    const std::size_t level = std::size_t(progress.historyLines) % progress.levels.size();
    progress.levels[level] = (progress.levels[level] + 1) % (drillInfo(drill).highestLevelValue + 1);
}

// The progress of a drill after the rounds that give line 1 the value `lines`.
inline users::Progress progressAt(Drill drill, int lines)
{
    users::Progress progress;
    progress.historyLines = 1;
    progress.levels.assign(std::size_t(drillInfo(drill).levels), 0);
    while (progress.historyLines < lines) {
        playRound(drill, progress);
        ++progress.historyLines;
    }
    return progress;
}

} // namespace reliability
