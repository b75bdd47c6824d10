#include "users/RecordsChart.h"

#include "users/RoundRecord.h"

#include <algorithm>
#include <array>

namespace users {

namespace {

// The rounds among the lines, as the drill wrote them.
template <class Take>
void eachRound(Drill drill, const QStringList &lines, Take take)
{
    for (const QString &line : lines) {
        if (const std::optional<RoundRecord> round = readHistoryLine(drill, line))
            take(*round);
    }
}

RecordsChart gradeChart(Drill drill, const QStringList &lines)
{
    struct Round { int level; int grade; };
    std::vector<Round> rounds;
    rounds.reserve(std::size_t(lines.size()));
    eachRound(drill, lines,
              [&](const RoundRecord &round) { rounds.push_back({round.level, round.grade}); });

    RecordsChart chart;
    chart.kind = ChartKind::Grades;
    const int levels = drillInfo(drill).levels;
    chart.rounds = int(rounds.size());
    const int count = chart.rounds;
    chart.roundsPerSlot = std::max(1, (count + MaxGradeSlots - 1) / MaxGradeSlots);
    chart.slotCount = (count + chart.roundsPerSlot - 1) / chart.roundsPerSlot;
    for (int slot = 0; slot < chart.slotCount; ++slot) {
        std::vector<int> sum(static_cast<std::size_t>(levels), 0), n = sum;
        const int first = slot * chart.roundsPerSlot;
        const int last = std::min(count, first + chart.roundsPerSlot);
        for (int i = first; i < last; ++i) {
            sum[std::size_t(rounds[std::size_t(i)].level - 1)] += rounds[std::size_t(i)].grade;
            ++n[std::size_t(rounds[std::size_t(i)].level - 1)];
        }
        for (std::size_t level = 0; level < sum.size(); ++level) {
            if (n[level] > 0)
                chart.points.push_back({slot, double(sum[level]) / n[level], int(level) + 1});
        }
    }
    return chart;
}

// A table column's label: its table, or the word of the last levels.
QString tableLabel(int level)
{
    if (level == 10)
        return QStringLiteral("みっくす");
    if (level == 11)
        return QStringLiteral("あまり");
    return QString::number(level);
}

RecordsChart tableChart(Drill drill, const QStringList &lines)
{
    RecordsChart chart;
    chart.kind = ChartKind::Tables;
    const int levels = drillInfo(drill).levels;
    for (int level = 1; level <= levels; ++level)
        chart.columns.push_back({tableLabel(level), 0, false});
    eachRound(drill, lines, [&](const RoundRecord &round) {
        ChartColumn &column = chart.columns[std::size_t(round.level - 1)];
        ++column.value;
        column.passed = column.passed || round.passed;
        ++chart.rounds;
    });
    return chart;
}

RecordsChart pointsChart(Drill drill, const QStringList &lines)
{
    RecordsChart chart;
    chart.kind = ChartKind::Points;
    const int levels = drillInfo(drill).levels;
    for (int level = 1; level <= levels; ++level)
        chart.columns.push_back({QString::number(level), 0, false});
    eachRound(drill, lines, [&](const RoundRecord &round) {
        // Points never go down, so the highest is where the level stands.
        ChartColumn &column = chart.columns[std::size_t(round.level - 1)];
        column.value = std::max(column.value, round.points);
        column.passed =
            column.passed || round.passed || round.points == PointsOfAPassedLevel;
        ++chart.rounds;
    });
    return chart;
}

} // namespace

RecordsChart recordsChart(Drill drill, const QStringList &roundLines)
{
    switch (drillInfo(drill).chart) {
    case ChartKind::Grades:
        return gradeChart(drill, roundLines);
    case ChartKind::Tables:
        return tableChart(drill, roundLines);
    case ChartKind::Points:
        break;
    }
    return pointsChart(drill, roundLines);
}

} // namespace users
