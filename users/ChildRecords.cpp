#include "users/ChildRecords.h"

#include "ui/IoError.h"
#include "users/RoundRecord.h"

#include <algorithm>
#include <functional>

namespace users {

namespace {

QString problemOf(const IoError &error)
{
    return error.file() + QStringLiteral(": ") + error.reason();
}

// Of the drills' dates, the one that comes first in `order`; null without any.
template <class Order>
QDate earliestOrLatest(const std::vector<DrillRow> &drills, QDate DrillFigures::*date, Order order)
{
    QDate found;
    for (const DrillRow &row : drills) {
        const QDate &day = row.figures.*date;
        if (day.isValid() && (!found.isValid() || order(day, found)))
            found = day;
    }
    return found;
}

} // namespace

QDate roundDate(QStringView text)
{
    const qsizetype firstSlash = text.indexOf(QLatin1Char('/'));
    const qsizetype lastSlash = text.lastIndexOf(QLatin1Char('/'));
    if (firstSlash < 0 || lastSlash <= firstSlash)
        return {};
    bool yearOk = false, monthOk = false, dayOk = false;
    const int year = text.first(firstSlash).toInt(&yearOk);
    const int month = text.sliced(firstSlash + 1, lastSlash - firstSlash - 1).toInt(&monthOk);
    const int day = text.sliced(lastSlash + 1).toInt(&dayOk);
    if (!yearOk || !monthOk || !dayOk)
        return {};
    return QDate(year, month, day);
}

DrillFigures figuresOf(Drill drill, const QStringList &roundLines, const std::vector<int> &levels,
                       QDate today)
{
    DrillFigures figures;
    for (const QString &line : roundLines) {
        const std::optional<RoundRecord> round = readHistoryLine(drill, line);
        if (!round)
            continue;
        ++figures.rounds;
        if (round->grade > 0 && (figures.bestGrade == 0 || round->grade < figures.bestGrade))
            figures.bestGrade = round->grade;
        const QDate date = roundDate(round->date);
        if (!date.isValid())
            continue;
        if (!figures.first.isValid() || date < figures.first)
            figures.first = date;
        if (!figures.last.isValid() || date > figures.last)
            figures.last = date;
        const qint64 daysAgo = date.daysTo(today);
        if (daysAgo >= 0 && daysAgo < 7)
            ++figures.lastWeek;
        if (daysAgo >= 0 && daysAgo < 30)
            ++figures.lastMonth;
    }
    const std::vector<int> passed = passedLevels(drill, levels);
    figures.highestPassed = passed.empty() ? 0 : passed.back();
    return figures;
}

QString factText(Drill drill, const QString &key)
{
    if (key.startsWith(QLatin1Char('L'))) {
        bool ok = false;
        const int level = key.mid(1).toInt(&ok);
        if (ok)
            return levelWord(drill, level);
    }
    QString text = key;
    text.replace(QLatin1Char('x'), u'×');
    text.replace(QLatin1Char('/'), u'÷');
    return text;
}

QString passedText(Drill drill, int level)
{
    return level > 0 ? levelWord(drill, level) : QString();
}

std::vector<int> passedLevels(Drill drill, const std::vector<int> &levels)
{
    std::vector<int> passed;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] >= drillInfo(drill).highestLevelValue)
            passed.push_back(int(i) + 1);
    }
    return passed;
}

bool ChildReport::damaged() const
{
    return !memoryProblem.isEmpty()
           || std::any_of(drills.begin(), drills.end(),
                          [](const DrillRow &row) { return !row.problem.isEmpty(); });
}

QDate ChildReport::first() const
{
    return earliestOrLatest(drills, &DrillFigures::first, std::less<>());
}

QDate ChildReport::last() const
{
    return earliestOrLatest(drills, &DrillFigures::last, std::greater<>());
}

ChildReport readChild(const UserFiles &files, const QString &name, QDate today)
{
    ChildReport child;
    child.name = name;
    try {
        child.memory = files.readMemory(name);
    } catch (const IoError &error) {
        child.memoryProblem = problemOf(error);
    }
    for (const DrillInfo &info : allDrills()) {
        DrillRow row{info.drill, {}, {}, {}, {}};
        try {
            Records records = files.readRecords(name, info.drill);
            const Progress progress = files.readProgress(name, info.drill);
            if (!records.lines.isEmpty())
                records.lines.removeFirst();
            row.figures = figuresOf(info.drill, records.lines, progress.levels, today);
            row.rounds = std::move(records.lines);
            row.passed = passedLevels(info.drill, progress.levels);
            const QStringList weakest = weakestFacts(child.memory.of(info.drill), 3);
            for (const QString &fact : weakest)
                row.figures.weakest << factText(info.drill, fact);
        } catch (const IoError &error) {
            row.problem = problemOf(error);
        }
        child.drills.push_back(row);
    }
    return child;
}

} // namespace users
