#include "drills/basic/Tables.h"

#include "drill/Texts.h"
#include "ui/Services.h"
#include "users/RoundRecord.h"

namespace tables {

bool passed(int right)
{
    return right >= PassMark;
}

QString Product::answer() const
{
    return QString::number(first * second);
}

Product firstProduct(int level, Random &random)
{
    if (level == Mix) {
        const int first = random.uniform(1, 9);
        return {first, random.uniform(1, 9)};
    }
    return {level, random.uniform(1, 9)};
}

Product nextProduct(int level, const Product &previous, Random &random)
{
    Product next;
    do
        next = firstProduct(level, random);
    while (next.first == previous.first && next.second == previous.second);
    return next;
}

int Division::quotient() const
{
    return divisor == 0 ? 0 : dividend / divisor;
}

QString Division::answer() const
{
    if (remainder == 0)
        return QString::number(quotient());
    return QString::number(quotient()) + QStringLiteral("あまり") + QString::number(remainder);
}

Division firstDivision(int level, Random &random)
{
    if (level == Remainder) {
        const int divisor = random.uniform(2, 9);
        const int quotient = random.uniform(1, 9);
        const int remainder = random.uniform(1, divisor - 1);
        return {divisor * quotient + remainder, divisor, remainder};
    }
    const int divisor = level == Mix ? random.uniform(1, 9) : level;
    return {divisor * random.uniform(1, 9), divisor, 0};
}

Division nextDivision(int level, const Division &previous, Random &random)
{
    Division next;
    do
        next = firstDivision(level, random);
    while (next.dividend == previous.dividend && next.divisor == previous.divisor);
    return next;
}

QString caption(int level)
{
    return users::levelCaption(Drill::DivisionTable, level);
}

QString clearedMessage(int level)
{
    return caption(level) + QStringLiteral("クリアーおめでと～");
}

drill::RoundResult judgeRound(const drill::PlayedRound &round)
{
    const bool cleared = passed(round.right);
    drill::RoundResult result{.levelValue = cleared ? 1 : round.levelBefore(),
                              .record = {.level = round.level, .date = round.date, .passed = cleared},
                              .levelPassed = cleared};
    if (cleared) {
        result.picture = QStringLiteral("Graphics\\四人　喜.bmp");
        result.message = clearedMessage(round.level);
        result.sound = QStringLiteral("sound\\大作戦・各段合格.wav");
    } else {
        result.picture = QStringLiteral("Graphics\\四人　落込.bmp");
        result.message = QStringLiteral("がーーーーーーーん・・・・");
        result.sound = QStringLiteral("sound\\zannen.wav");
    }
    return result;
}

std::vector<bool> offeredLevels(const std::vector<int> &clearedFlags)
{
    std::vector<bool> offered(clearedFlags.size());
    for (std::size_t i = 0; i < clearedFlags.size(); ++i)
        offered[i] = clearedFlags[i] == 0 && (i == 0 || clearedFlags[i - 1] == 1);
    return offered;
}

} // namespace tables
