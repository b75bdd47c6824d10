#pragma once

#include "users/DrillTable.h"

#include <QString>
#include <QStringView>

#include <optional>

// A round as its drill's history file records it, with the one writer and
// the one reader of its line. The drills write their rounds through it and
// the records chart reads them back through it, so the two cannot drift.
//
//   addition        "2,2001/5/07,3級"          level, date, grade
//   tables          "3の段,2001/5/07,合格"      "みっくす" for the tenth times table
//   mental drills   "れべる１２,2001/5/07,3pt,"  "…,5pt,合格" once the level is passed
namespace users {

// The points of a mental level that pass it.
inline constexpr int PointsOfAPassedLevel = 5;

struct RoundRecord
{
    int level = 0;       // 1 .. the drill's levels
    QString date;        // "2001/5/07", as the drill writes it
    int grade = 0;       // addition: 10 (10級) to 1 (1級)
    int points = 0;      // mental drills: the level's points after the round
    bool passed = false; // tables and mental drills: "合格"

    friend bool operator==(const RoundRecord &, const RoundRecord &) = default;
};

// "１２": the digits of a number in their full-width forms.
QString fullWidth(int number);

// How a history line names a level: "2", "3の段", "みっくす", "れべる１２".
QString levelWord(Drill drill, int level);

// How the level menus name a level: "１の段", "みっくす", "あまり" in the
// table drills, "れべる１" in the others.
QString levelCaption(Drill drill, int level);

QString historyLine(Drill drill, const RoundRecord &round);

// The round a line of the drill's history records; nothing for a line that
// is not one as the drill writes it (a header, a line a person edited).
std::optional<RoundRecord> readHistoryLine(Drill drill, QStringView line);

} // namespace users
