#include "drills/mental/MentalDivision.h"

#include "drill/Texts.h"
#include "drills/mental/MentalScoring.h"
#include "ui/Services.h"

#include <array>

namespace mental::division {

namespace {

// In menu order: the divisor's digits, then the quotient's.
const std::array<Level, Levels> Table{{
    {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 2}, {2, 4}, {3, 3},
    {4, 2}, {4, 3}, {3, 4}, {4, 4}, {5, 5}, {6, 5},
}};

int power10(int digits)
{
    int value = 1;
    for (int i = 0; i < digits; ++i)
        value *= 10;
    return value;
}

// Numbers of so many digits, never starting with 0. A one-digit divisor is
// never 1, and like the two-digit numbers (10 to 98) no range takes the
// number written all in nines.
Range numbers(int digits, bool divisor)
{
    if (digits == 1)
        return {divisor ? 2 : 1, 9};
    return {power10(digits - 1), power10(digits) - 2};
}

} // namespace

QString Level::caption() const
{
    return QStringLiteral("÷") + drill::fullWidth(divisorDigits) + QStringLiteral("＝")
        + drill::fullWidth(quotientDigits);
}

const Level &level(int level)
{
    return Table.at(std::size_t(level - 1));
}

QString hoverText(int level)
{
    return levelWord(level) + QStringLiteral("だよ");
}

Range divisors(int level)
{
    return numbers(division::level(level).divisorDigits, true);
}

Range quotients(int level)
{
    return numbers(division::level(level).quotientDigits, false);
}

QString Question::answer() const
{
    if (divisor == 0)
        return {};
    return QString::number(dividend / divisor);
}

Question makeQuestion(int level, Random &random)
{
    const Range d = divisors(level);
    const Range q = quotients(level);
    const int divisor = random.uniform(d.low, d.high);
    const int quotient = random.uniform(q.low, q.high);
    return {qint64(divisor) * quotient, divisor};
}

} // namespace mental::division
