#pragma once

#include "users/DrillTable.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// The rules of the horizontal mental addition drill ("よこはばくん"), apart
// from its windows. Level L (1..16) adds 2 + (L − 1) mod 4 numbers of
// 4 + (L − 1) div 4 digits each: levels 1–4 are four-digit numbers, two to
// five of them, levels 5–8 five-digit ones, and so on up to seven digits.
namespace mental::horizontal {

inline constexpr int Levels = drillInfo(Drill::HorizontalAddition).levels;
// The number rows of the drill window, top to bottom; a question fills the
// bottom ones.
inline constexpr int Rows = 5;

// Digits of each number at a level: 4..7.
int digits(int level);
// Numbers to add at a level: 2..5.
int numbers(int level);

// The menu's caption: "４桁２口" (four digits, two numbers).
QString caption(int level);
// What the menu's speech balloon says over a level: "れべる１０だよ".
QString hoverText(int level);

// A number of `digits` digits that never starts with 0 and never repeats a
// digit: the first digit is drawn from 1 to 9, each further one from 0 to 9,
// drawn again as long as the number already has it.
qint64 distinctDigitNumber(int digits, Random &random);

// A question: its numbers top to bottom, the last one in the bottom row.
struct Question
{
    std::vector<qint64> numbers;

    qint64 total() const;
    // The sum as the child types it; empty while there is no question.
    QString answer() const;
    // What the number rows show, top to bottom: the rows above the numbers
    // stay empty, and the numbers are plain digits.
    std::array<QString, Rows> rows() const;
};

// A new question at a level: its numbers, drawn one after another from the
// top row down, each with distinct digits. Numbers of one question may share
// digits and may even be equal.
Question makeQuestion(int level, Random &random);


} // namespace mental::horizontal
