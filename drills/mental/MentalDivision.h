#pragma once

#include "users/DrillTable.h"

#include <QString>

#include <vector>

class Random;

// The rules of the mental division drill, apart from its windows: thirteen
// levels, each a divisor of so many digits and a quotient of so many, and
// every question divides exactly.
namespace mental::division {

inline constexpr int Levels = drillInfo(Drill::MentalDivision).levels;

// The digits of a level's divisor and quotient, and what its menu entry says.
struct Level
{
    int divisorDigits;
    int quotientDigits;
    QString caption() const;   // "÷１＝２"
};
// Level 1 … 13.
const Level &level(int level);
// The balloon's text over a level's entry: "れべる１だよ".
QString hoverText(int level);

// The numbers a level draws from, both ends included.
struct Range
{
    int low;
    int high;
};
Range divisors(int level);
Range quotients(int level);

// A question: the dividend is made as divisor × quotient, so the answer is
// whole.
struct Question
{
    qint64 dividend = 0;
    int divisor = 0;
    // What the child types: the quotient in plain digits; empty before the
    // first question.
    QString answer() const;
};

// Draws the divisor, then the quotient, each uniformly from the level's range.
Question makeQuestion(int level, Random &random);


} // namespace mental::division
