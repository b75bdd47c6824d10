#include "drills/mental/MentalScoring.h"

#include "drill/Texts.h"
#include "users/RoundRecord.h"

#include <numeric>

namespace mental {

Outcome judge(int right, int level, const std::vector<int> &levelPoints)
{
    const int before = level >= 1 && level <= int(levelPoints.size())
        ? levelPoints[std::size_t(level - 1)]
        : 0;
    if (right < PassMark)
        return {Outcome::NotCounted, QStringLiteral("sound\\zannen.wav"),
                QStringLiteral("Graphics\\みどりちゃん　泣く.bmp"),
                QStringLiteral("う～ん・・・次また頑張ろう！"), before, false};
    if (before != LevelPassed - 1)
        return {Outcome::Point, QStringLiteral("sound\\かけ・わり・横あんpointget.wav"),
                QStringLiteral("Graphics\\getpoint.bmp"),
                QStringLiteral("ポイントゲットおめでとう！"), before + 1, false};
    // The chosen level's own 4 is in the sum: it is 5 × N − 1 exactly when
    // every other level is passed already.
    const int sum = std::accumulate(levelPoints.begin(), levelPoints.end(), 0);
    if (sum == LevelPassed * int(levelPoints.size()) - 1)
        return {Outcome::AllClear, QStringLiteral("sound\\かけ・わり・横あんall clear.wav"),
                QStringLiteral("Graphics\\本合格.bmp"), QStringLiteral("君にはもうかないません！"),
                LevelPassed, true};
    return {Outcome::Pass, QStringLiteral("sound\\かけ・わり・横あん合格.wav"),
            QStringLiteral("Graphics\\本合格.bmp"), QStringLiteral("合格おめでと～"), LevelPassed,
            true};
}

QString levelWord(int level)
{
    // The three mental drills name their levels alike.
    return users::levelWord(Drill::MentalTimes, level);
}

drill::RoundResult judgeRound(const drill::PlayedRound &round)
{
    const Outcome outcome = judge(round.right, round.level, round.levelsBefore);
    return {.picture = outcome.picture,
            .message = outcome.message,
            .sound = outcome.sound,
            .levelValue = outcome.points,
            .record = {.level = round.level,
                       .date = round.date,
                       .points = outcome.points,
                       .passed = outcome.passed},
            .levelPassed = outcome.passed};
}

std::vector<bool> offeredLevels(const std::vector<int> &levelPoints)
{
    std::vector<bool> offered;
    for (const int points : levelPoints)
        offered.push_back(points != LevelPassed);
    return offered;
}

} // namespace mental
