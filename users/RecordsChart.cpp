#include "users/RecordsChart.h"

#include "users/HistoryLine.h"

#include <algorithm>
#include <array>
#include <optional>

namespace users {

namespace {

// A plain half-width decimal of one or two digits from `low` to `high`, no
// sign, no leading zero.
std::optional<int> number(QStringView text, int low, int high)
{
    if (text.isEmpty() || text.size() > 2 || (text.size() > 1 && text[0] == QLatin1Char('0')))
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// The date text of a round: "2001/5/09", "2026/12/07".
bool isDate(QStringView text)
{
    const qsizetype firstSlash = text.indexOf(QLatin1Char('/'));
    const qsizetype lastSlash = text.lastIndexOf(QLatin1Char('/'));
    if (firstSlash != 4 || lastSlash != text.size() - 3 || lastSlash <= firstSlash + 1)
        return false;
    for (QChar c : text.first(4)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const QStringView day = text.sliced(lastSlash + 1);
    return number(text.sliced(5, lastSlash - 5), 1, 12)
           && day[0] >= QLatin1Char('0') && day[0] <= QLatin1Char('3')
           && number(day.sliced(day[0] == QLatin1Char('0') ? 1 : 0), 1, 31);
}

// The cells of a round line, as the records table splits them; a round has
// at most four.
struct Cells
{
    std::array<QStringView, 4> cell;
    qsizetype count = 0;
    QStringView operator[](std::size_t i) const { return cell[i]; }
};

Cells splitRound(const QString &line, QStringList &kept)
{
    Cells cells;
    const auto add = [&](QStringView piece) {
        if (cells.count < qsizetype(cells.cell.size()))
            cells.cell[std::size_t(cells.count)] = piece;
        ++cells.count;
    };
    if (!forEachPlainHistoryCell(line, add)) {
        kept = splitHistoryLine(line);
        for (const QString &piece : std::as_const(kept))
            add(piece);
    }
    return cells;
}

// The round lines split into cells, keeping those with `cells` cells
// (`optionalLast` allows one fewer) and a date in the second.
template <class Take>
void eachRound(const QStringList &lines, int cells, bool optionalLast, Take take)
{
    QStringList kept;
    for (const QString &line : lines) {
        const Cells split = splitRound(line, kept);
        if ((split.count == cells || (optionalLast && split.count == cells - 1))
            && isDate(split[1]))
            take(split);
    }
}

// "3級" → 3.
std::optional<int> grade(QStringView cell)
{
    if (!cell.endsWith(u'級'))
        return std::nullopt;
    return number(cell.chopped(1), 1, 10);
}

RecordsChart gradeChart(const QStringList &lines)
{
    struct Round { int level; int grade; };
    std::vector<Round> rounds;
    rounds.reserve(std::size_t(lines.size()));
    eachRound(lines, 3, false, [&](const Cells &cells) {
        const auto level = number(cells[0], 1, 3);
        const auto g = grade(cells[2]);
        if (level && g)
            rounds.push_back({*level, *g});
    });

    RecordsChart chart;
    chart.kind = RecordsChart::Kind::Grades;
    chart.rounds = int(rounds.size());
    const int count = chart.rounds;
    chart.roundsPerSlot = std::max(1, (count + MaxGradeSlots - 1) / MaxGradeSlots);
    chart.slotCount = (count + chart.roundsPerSlot - 1) / chart.roundsPerSlot;
    for (int slot = 0; slot < chart.slotCount; ++slot) {
        std::array<int, 3> sum{}, n{};
        const int first = slot * chart.roundsPerSlot;
        const int last = std::min(count, first + chart.roundsPerSlot);
        for (int i = first; i < last; ++i) {
            sum[std::size_t(rounds[std::size_t(i)].level - 1)] += rounds[std::size_t(i)].grade;
            ++n[std::size_t(rounds[std::size_t(i)].level - 1)];
        }
        for (std::size_t level = 0; level < 3; ++level) {
            if (n[level] > 0)
                chart.points.push_back({slot, double(sum[level]) / n[level], int(level) + 1});
        }
    }
    return chart;
}

// "3の段" → 3; the multiplication drill writes "みっくす" for its tenth level,
// the division drill "10の段" and "11の段".
std::optional<int> table(Drill drill, QStringView cell, int levels)
{
    if (drill == Drill::TimesTable && cell == u"みっくす")
        return levels;
    if (!cell.endsWith(u"の段"))
        return std::nullopt;
    return number(cell.chopped(2), 1, drill == Drill::TimesTable ? levels - 1 : levels);
}

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
    chart.kind = RecordsChart::Kind::Tables;
    const int levels = drillInfo(drill).levels;
    for (int level = 1; level <= levels; ++level)
        chart.columns.push_back({tableLabel(level), 0, false});
    eachRound(lines, 3, false, [&](const Cells &cells) {
        const auto level = table(drill, cells[0], levels);
        const bool passed = cells[2] == u"合格";
        if (!level || (!passed && cells[2] != u"不合格"))
            return;
        ChartColumn &column = chart.columns[std::size_t(*level - 1)];
        ++column.value;
        column.passed = column.passed || passed;
        ++chart.rounds;
    });
    return chart;
}

// "れべる１２" → 12.
std::optional<int> levelWord(QStringView cell, int levels)
{
    const QStringView word = u"れべる";
    if (!cell.startsWith(word) || cell.size() > word.size() + 2)
        return std::nullopt;
    std::array<char16_t, 2> digits{};
    const QStringView wide = cell.sliced(word.size());
    for (qsizetype i = 0; i < wide.size(); ++i) {
        if (wide[i] < QChar(0xFF10) || wide[i] > QChar(0xFF19))
            return std::nullopt;
        digits[std::size_t(i)] = char16_t(wide[i].unicode() - 0xFF10 + '0');
    }
    return number(QStringView(digits.data(), wide.size()), 1, levels);
}

RecordsChart pointsChart(Drill drill, const QStringList &lines)
{
    RecordsChart chart;
    chart.kind = RecordsChart::Kind::Points;
    const int levels = drillInfo(drill).levels;
    for (int level = 1; level <= levels; ++level)
        chart.columns.push_back({QString::number(level), 0, false});
    eachRound(lines, 4, true, [&](const Cells &cells) {
        const auto level = levelWord(cells[0], levels);
        const auto points = cells[2].endsWith(u"pt")
                                ? number(cells[2].chopped(2), 0, ChartPointsPassed)
                                : std::nullopt;
        const bool passed = cells.count == 4;
        if (!level || !points || (passed && cells[3] != u"合格"))
            return;
        // Points never go down, so the highest is where the level stands.
        ChartColumn &column = chart.columns[std::size_t(*level - 1)];
        column.value = std::max(column.value, *points);
        column.passed = column.passed || passed || *points == ChartPointsPassed;
        ++chart.rounds;
    });
    return chart;
}

} // namespace

RecordsChart recordsChart(Drill drill, const QStringList &roundLines)
{
    switch (drill) {
    case Drill::Addition:
        return gradeChart(roundLines);
    case Drill::TimesTable:
    case Drill::DivisionTable:
        return tableChart(drill, roundLines);
    case Drill::HorizontalAddition:
    case Drill::MentalTimes:
    case Drill::MentalDivision:
        return pointsChart(drill, roundLines);
    }
    return {};
}

} // namespace users
