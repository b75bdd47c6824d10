#include "drill/Practice.h"

#include <algorithm>

namespace drill {

std::optional<Practice> practiceOfWeakFacts(Drill drill, const users::DrillMemory &memory)
{
    const QStringList weakest = users::weakestFacts(memory, PracticeFacts);
    if (weakest.isEmpty())
        return std::nullopt;
    const DrillInfo &row = drillInfo(drill);
    switch (drill) {
    case Drill::Addition:
    case Drill::TimesTable:
        return Practice{row.levels, weakest};
    case Drill::DivisionTable: {
        const bool remainders = std::any_of(weakest.begin(), weakest.end(), [](const QString &fact) {
            const auto operands = users::facts::operands(fact);
            return operands && operands->second != 0 && operands->first % operands->second != 0;
        });
        // The levels end with みっくす and then あまり.
        return Practice{remainders ? row.levels : row.levels - 1, weakest};
    }
    case Drill::HorizontalAddition:
    case Drill::MentalTimes:
    case Drill::MentalDivision:
        // A mental drill's facts are its levels: "L3".
        for (const QString &fact : weakest)
            if (const int level = fact.mid(1).toInt(); fact == users::facts::level(level) && level >= 1 && level <= row.levels)
                return Practice{level, {}};
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace drill
