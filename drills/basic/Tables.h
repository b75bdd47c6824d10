#pragma once

#include "users/DrillTable.h"

#include "drill/RoundResult.h"

#include <QString>

#include <vector>

class Random;

// The rules of the multiplication-table and division-table drills, apart
// from their windows. Their levels are the tables 1 to 9, then "みっくす"
// (every table) and, in the division drill only, "あまり" (divisions with a
// remainder).
namespace tables {

inline constexpr int Mix = drillInfo(Drill::TimesTable).levels;
inline constexpr int Remainder = drillInfo(Drill::DivisionTable).levels;
// Right answers that pass a round, whatever the wrong count.
inline constexpr int PassMark = 20;

bool passed(int right);

// A multiplication question: first factor × second factor.
struct Product
{
    int first = 0;
    int second = 0;
    QString answer() const;
};

// Table n (1..9): first factor n, second factor 1 to 9, never the same
// second factor twice in a row. みっくす: both factors 1 to 9, never the same
// question twice in a row. The first question of a round knows no previous one.
Product firstProduct(int level, Random &random);
Product nextProduct(int level, const Product &previous, Random &random);

// A division question: dividend ÷ divisor, with a remainder only in あまり.
struct Division
{
    int dividend = 0;
    int divisor = 0;
    int remainder = 0;
    int quotient() const;
    // What the child types: the quotient ("7"), or with a remainder the
    // quotient, "あまり" and the remainder ("3あまり2").
    QString answer() const;
};

// Table n (1..9): divisor n, quotient 1 to 9, never the same dividend twice
// in a row. みっくす: divisor and quotient 1 to 9. あまり: divisor 2 to 9,
// quotient 1 to 9 and remainder 1 to divisor − 1. Neither repeats a question
// twice in a row.
Division firstDivision(int level, Random &random);
Division nextDivision(int level, const Division &previous, Random &random);

// The menu's caption of a level: "１の段" … "９の段", "みっくす", "あまり".
QString caption(int level);
// What the result window says when a level is cleared: "１の段クリアーおめでと～".
QString clearedMessage(int level);

// The end of a round of either table drill: 20 right answers clear the
// level, with the four friends glad; fewer leave them downcast.
drill::RoundResult judgeRound(const drill::PlayedRound &round);

// The levels a menu offers, from the cleared flags of levels 1..N (lines 2
// onwards of the progress file): a level while it is not cleared, once the
// level before it is cleared (level 1 from the start).
std::vector<bool> offeredLevels(const std::vector<int> &clearedFlags);

} // namespace tables
