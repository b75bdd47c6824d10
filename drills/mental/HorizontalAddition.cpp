#include "drills/mental/HorizontalAddition.h"

#include "drill/Texts.h"
#include "drills/mental/MentalScoring.h"
#include "ui/Services.h"

#include <algorithm>

namespace mental::horizontal {

int digits(int level)
{
    return 4 + (level - 1) / 4;
}

int numbers(int level)
{
    return 2 + (level - 1) % 4;
}

QString caption(int level)
{
    return drill::fullWidth(digits(level)) + QStringLiteral("桁") + drill::fullWidth(numbers(level))
        + QStringLiteral("口");
}

QString hoverText(int level)
{
    return levelWord(level) + QStringLiteral("だよ");
}

qint64 distinctDigitNumber(int digits, Random &random)
{
    std::array<bool, 10> used{};
    qint64 number = 0;
    for (int place = 0; place < digits; ++place) {
        int digit = place == 0 ? random.uniform(1, 9) : random.uniform(0, 9);
        while (used[std::size_t(digit)])
            digit = random.uniform(0, 9);
        used[std::size_t(digit)] = true;
        number = number * 10 + digit;
    }
    return number;
}

qint64 Question::total() const
{
    qint64 sum = 0;
    for (const qint64 number : numbers)
        sum += number;
    return sum;
}

QString Question::answer() const
{
    return numbers.empty() ? QString() : QString::number(total());
}

std::array<QString, Rows> Question::rows() const
{
    std::array<QString, Rows> shown;
    const std::size_t first = Rows - std::min<std::size_t>(numbers.size(), Rows);
    for (std::size_t i = first; i < Rows; ++i)
        shown[i] = QString::number(numbers[i - first]);
    return shown;
}

Question makeQuestion(int level, Random &random)
{
    Question question;
    for (int i = 0; i < numbers(level); ++i)
        question.numbers.push_back(distinctDigitNumber(digits(level), random));
    return question;
}

} // namespace mental::horizontal
