#pragma once

#include "users/DrillTable.h"
#include "users/FactMemory.h"

#include <QStringList>

#include <optional>

namespace drill {

// A practice round: at `level`, seven questions in ten drawn from `facts`
// (the child's weakest) and the others as the level asks them. It ends with
// the right and wrong counts and a cheer, no grade, and changes no record
// of the child's: only the memory learns from it.
struct Practice
{
    int level = 0;
    QStringList facts;

    bool operator==(const Practice &) const = default;
};

// How many weak facts a practice round draws from.
inline constexpr int PracticeFacts = 8;

// The practice of a drill's weakest facts, at the level that asks all of
// them: addition's level 3, the tables' みっくす, division's あまり when a
// weak fact has a remainder; the three mental drills practise their weakest
// level. Nothing when the drill has no weak fact yet.
std::optional<Practice> practiceOfWeakFacts(Drill drill, const users::DrillMemory &memory);

} // namespace drill
