#include "users/FactMap.h"

#include <optional>
#include <utility>

namespace users {

namespace {

// The cell of a fact in the drill's grid, when it has one there.
std::optional<std::pair<int, int>> cellOf(Drill drill, const QString &fact)
{
    const QChar sign = drill == Drill::Addition ? u'+' : drill == Drill::TimesTable ? u'x' : u'/';
    if (!fact.contains(sign))
        return std::nullopt;
    const auto operands = facts::operands(fact);
    if (!operands)
        return std::nullopt;
    auto [row, column] = *operands;
    if (drill == Drill::DivisionTable) {
        const auto [dividend, divisor] = *operands;
        if (divisor == 0)
            return std::nullopt;
        row = divisor;
        column = dividend / divisor;
    }
    if (row < 1 || row > FactGrid::Size || column < 1 || column > FactGrid::Size)
        return std::nullopt;
    return std::pair(row, column);
}

} // namespace

bool hasFactGrid(Drill drill)
{
    return drill == Drill::Addition || drill == Drill::TimesTable || drill == Drill::DivisionTable;
}

FactGrid factGrid(Drill drill, const DrillMemory &memory)
{
    FactGrid grid;
    grid.sign = drill == Drill::Addition     ? QStringLiteral("＋")
                : drill == Drill::TimesTable ? QStringLiteral("×")
                                             : QStringLiteral("÷");
    if (!hasFactGrid(drill))
        return grid;
    // Each cell's facts added up under the cell's own key, then judged.
    DrillMemory cells;
    for (const auto &[fact, tally] : memory.facts) {
        if (const auto cell = cellOf(drill, fact)) {
            FactTally &sum = cells.facts[facts::product(cell->first, cell->second)];
            sum.asked += tally.asked;
            sum.wrong += tally.wrong;
            sum.milliseconds += tally.milliseconds;
        }
    }
    const int typical = typicalMilliseconds(memory);
    for (int row = 1; row <= FactGrid::Size; ++row) {
        for (int column = 1; column <= FactGrid::Size; ++column)
            grid.cells[std::size_t(row - 1)][std::size_t(column - 1)] =
                knowing(cells, facts::product(row, column), typical);
    }
    return grid;
}

QString markOf(Knowing knowing)
{
    switch (knowing) {
    case Knowing::Known:
        return QStringLiteral("◎");
    case Knowing::Slow:
        return QStringLiteral("△");
    case Knowing::Weak:
        return QStringLiteral("×");
    case Knowing::NeverAsked:
        break;
    }
    return QStringLiteral("・");
}

QString LevelFigures::shareText() const
{
    return played() ? QStringLiteral("%1%").arg(rightPercent()) : QString();
}

QString LevelFigures::rateText() const
{
    return played() ? QStringLiteral("%1もん").arg(perMinute(), 0, 'f', 1) : QString();
}

std::vector<LevelFigures> levelFigures(Drill drill, const DrillMemory &memory)
{
    std::vector<LevelFigures> levels;
    for (int level = 1; level <= drillInfo(drill).levels; ++level) {
        const auto found = memory.facts.find(facts::level(level));
        levels.push_back({level, found == memory.facts.end() ? FactTally{} : found->second});
    }
    return levels;
}

} // namespace users
