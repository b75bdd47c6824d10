#pragma once

#include "users/DrillTable.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class Random;

// The rules of the mental multiplication drill, apart from its windows.
// Twenty levels, each a pair of digit counts ("２桁ｘ１桁": a two-digit number
// times a one-digit number); a level may be played in any order.
namespace mental::times {

inline constexpr int Levels = drillInfo(Drill::MentalTimes).levels;

// How many digits the two factors of a level have (levels 1..20).
int firstDigits(int level);
int secondDigits(int level);

// The menu's caption of a level, "２桁ｘ１桁", and the speech text over its
// entry, "れべる１".
QString caption(int level);
QString hoverText(int level);

// A question: first factor × second factor. The product of the longest
// level has twelve digits, well within 64 bits.
struct Question
{
    qint64 first = 0;
    qint64 second = 0;
    // What the child types: the product in plain digits.
    QString answer() const;
};

// A question of `level`, with the digits its caption promises and no
// leading zero. A one-digit factor is a multiplier from 2 to 9; a two-digit
// factor never has two equal digits (never 11, 22, …); longer factors are any
// number of their length.
Question makeQuestion(int level, Random &random);


} // namespace mental::times
