#include "drills/mental/MentalTimes.h"

#include "drill/Texts.h"
#include "drills/mental/MentalScoring.h"
#include "ui/Services.h"

#include <algorithm>
#include <array>
#include <utility>

namespace mental::times {

namespace {

// The digit counts of the two factors, level by level: the menu shows them
// in this order, long numbers times one digit alternating with two long
// numbers.
constexpr std::array<std::pair<int, int>, Levels> Digits{{
    {2, 1}, {3, 1}, {4, 1}, {2, 2}, {5, 1}, {2, 3}, {3, 2}, {6, 1}, {3, 3}, {7, 1},
    {4, 3}, {3, 4}, {8, 1}, {4, 4}, {9, 1}, {5, 4}, {10, 1}, {5, 5}, {11, 1}, {6, 5},
}};

const std::pair<int, int> &digitsOf(int level)
{
    return Digits[std::size_t(std::clamp(level, 1, Levels) - 1)];
}

// A factor of `digits` digits.
qint64 factor(int digits, Random &random)
{
    if (digits == 1)
        return random.uniform(2, 9);
    const int leading = random.uniform(1, 9);
    if (digits == 2) {
        int units;
        do
            units = random.uniform(0, 9);
        while (units == leading);
        return leading * 10 + units;
    }
    qint64 number = leading;
    for (int i = 1; i < digits; ++i)
        number = number * 10 + random.uniform(0, 9);
    return number;
}

} // namespace

int firstDigits(int level)
{
    return digitsOf(level).first;
}

int secondDigits(int level)
{
    return digitsOf(level).second;
}

QString caption(int level)
{
    return drill::fullWidth(firstDigits(level)) + QStringLiteral("桁ｘ")
        + drill::fullWidth(secondDigits(level)) + QStringLiteral("桁");
}

QString hoverText(int level)
{
    return levelWord(level);
}

QString Question::answer() const
{
    return QString::number(first * second);
}

Question makeQuestion(int level, Random &random)
{
    Question question;
    // The first level draws its multiplier first.
    if (level == 1) {
        question.second = factor(secondDigits(level), random);
        question.first = factor(firstDigits(level), random);
    } else {
        question.first = factor(firstDigits(level), random);
        question.second = factor(secondDigits(level), random);
    }
    return question;
}

} // namespace mental::times
