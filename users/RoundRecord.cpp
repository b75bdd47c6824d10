#include "users/RoundRecord.h"

#include "users/HistoryLine.h"

#include <QStringList>

#include <array>

namespace users {

namespace {

// Views, not strings: the level menus' texts are made from them while the
// program starts, in whatever order its parts are initialised.
constexpr QStringView Passed = u"合格";
constexpr QStringView Failed = u"不合格";
constexpr QStringView TableSuffix = u"の段";
constexpr QStringView MentalLevel = u"れべる";
constexpr QStringView Grade = u"級";
constexpr QStringView Points = u"pt";

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

// The cells of a line, as the records table splits them; a round has at
// most four. A quoted line is split into `kept`, which the cells then view.
struct Cells
{
    std::array<QStringView, 4> cell;
    qsizetype count = 0;
    QStringView operator[](std::size_t i) const { return cell[i]; }
};

Cells split(QStringView line, QStringList &kept)
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

// "れべる１２" → 12.
std::optional<int> mentalLevel(QStringView cell, int levels)
{
    if (!cell.startsWith(MentalLevel) || cell.size() > MentalLevel.size() + 2)
        return std::nullopt;
    std::array<char16_t, 2> digits{};
    const QStringView wide = cell.sliced(MentalLevel.size());
    for (qsizetype i = 0; i < wide.size(); ++i) {
        if (wide[i] < QChar(0xFF10) || wide[i] > QChar(0xFF19))
            return std::nullopt;
        digits[std::size_t(i)] = char16_t(wide[i].unicode() - 0xFF10 + '0');
    }
    return number(QStringView(digits.data(), wide.size()), 1, levels);
}

// "3の段" → 3; the times tables' last level is "みっくす".
std::optional<int> tableLevel(const DrillInfo &info, QStringView cell, int levels)
{
    const bool mixed = !info.lastLevelWord.isEmpty();
    if (mixed && cell == info.lastLevelWord)
        return levels;
    if (!cell.endsWith(TableSuffix))
        return std::nullopt;
    return number(cell.chopped(TableSuffix.size()), 1, mixed ? levels - 1 : levels);
}

} // namespace

QString fullWidth(int number)
{
    QString text = QString::number(number);
    for (QChar &c : text) {
        if (c.isDigit())
            c = QChar(c.unicode() - u'0' + u'０');
    }
    return text;
}

QString levelWord(Drill drill, int level)
{
    const DrillInfo &info = drillInfo(drill);
    switch (info.chart) {
    case ChartKind::Grades:
        return QString::number(level);
    case ChartKind::Tables:
        if (!info.lastLevelWord.isEmpty() && level == info.levels)
            return info.lastLevelWord.toString();
        return QString::number(level) + TableSuffix.toString();
    case ChartKind::Points:
        break;
    }
    return MentalLevel.toString() + fullWidth(level);
}

QString levelCaption(Drill drill, int level)
{
    if (drillInfo(drill).chart != ChartKind::Tables)
        return MentalLevel.toString() + fullWidth(level);
    if (level <= 9)
        return fullWidth(level) + TableSuffix.toString();
    return level == 10 ? QStringLiteral("みっくす") : QStringLiteral("あまり");
}

QString historyLine(Drill drill, const RoundRecord &round)
{
    const QString start = levelWord(drill, round.level) + QLatin1Char(',') + round.date
                          + QLatin1Char(',');
    switch (drillInfo(drill).chart) {
    case ChartKind::Grades:
        return start + QString::number(round.grade) + Grade.toString();
    case ChartKind::Tables:
        return start + (round.passed ? Passed : Failed).toString();
    case ChartKind::Points:
        break;
    }
    return start + QString::number(round.points) + Points.toString() + QLatin1Char(',')
           + (round.passed ? Passed.toString() : QString());
}

std::optional<RoundRecord> readHistoryLine(Drill drill, QStringView line)
{
    QStringList kept;
    const Cells cells = split(line, kept);
    const ChartKind form = drillInfo(drill).chart;
    // A mental round not passed ends in an empty cell, which adds none.
    const bool cellsFit = cells.count == 3 || (form == ChartKind::Points && cells.count == 4);
    if (!cellsFit || !isDate(cells[1]))
        return std::nullopt;
    const int levels = drillInfo(drill).levels;
    RoundRecord round;
    round.date = cells[1].toString();
    std::optional<int> level;
    switch (form) {
    case ChartKind::Grades: {
        level = number(cells[0], 1, levels);
        const auto grade = cells[2].endsWith(Grade) ? number(cells[2].chopped(1), 1, 10)
                                                    : std::nullopt;
        if (!grade)
            return std::nullopt;
        round.grade = *grade;
        break;
    }
    case ChartKind::Tables:
        level = tableLevel(drillInfo(drill), cells[0], levels);
        round.passed = cells[2] == Passed;
        if (!round.passed && cells[2] != Failed)
            return std::nullopt;
        break;
    case ChartKind::Points: {
        level = mentalLevel(cells[0], levels);
        const auto points = cells[2].endsWith(Points)
                                ? number(cells[2].chopped(Points.size()), 0, PointsOfAPassedLevel)
                                : std::nullopt;
        round.passed = cells.count == 4;
        if (!points || (round.passed && cells[3] != Passed))
            return std::nullopt;
        round.points = *points;
        break;
    }
    }
    if (!level)
        return std::nullopt;
    round.level = *level;
    return round;
}

} // namespace users
