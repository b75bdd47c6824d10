#include "report/ClassReport.h"

#include "ui/IoError.h"
#include "users/FactMemory.h"
#include "users/RoundRecord.h"

#include <algorithm>

namespace report {

namespace {

QString problemOf(const IoError &error)
{
    return error.file() + QStringLiteral(": ") + error.reason();
}

QString dateText(QDate date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
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
        const std::optional<users::RoundRecord> round = users::readHistoryLine(drill, line);
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
    const int passed = drillInfo(drill).highestLevelValue;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] == passed)
            figures.highestPassed = int(i) + 1;
    }
    return figures;
}

QString factText(Drill drill, const QString &key)
{
    if (key.startsWith(QLatin1Char('L'))) {
        bool ok = false;
        const int level = key.mid(1).toInt(&ok);
        if (ok)
            return users::levelWord(drill, level);
    }
    QString text = key;
    text.replace(QLatin1Char('x'), u'×');
    text.replace(QLatin1Char('/'), u'÷');
    return text;
}

QString passedText(Drill drill, int level)
{
    return level > 0 ? users::levelWord(drill, level) : QString();
}

bool ChildReport::damaged() const
{
    return !memoryProblem.isEmpty()
           || std::any_of(drills.begin(), drills.end(),
                          [](const DrillRow &row) { return !row.problem.isEmpty(); });
}

QDate ChildReport::first() const
{
    QDate first;
    for (const DrillRow &row : drills) {
        if (row.figures.first.isValid() && (!first.isValid() || row.figures.first < first))
            first = row.figures.first;
    }
    return first;
}

QDate ChildReport::last() const
{
    QDate last;
    for (const DrillRow &row : drills) {
        if (row.figures.last.isValid() && (!last.isValid() || row.figures.last > last))
            last = row.figures.last;
    }
    return last;
}

ChildReport readChild(const users::UserFiles &files, const QString &name, QDate today)
{
    ChildReport child;
    child.name = name;
    users::FactMemory memory;
    try {
        memory = files.readMemory(name);
    } catch (const IoError &error) {
        child.memoryProblem = problemOf(error);
    }
    for (const DrillInfo &info : allDrills()) {
        DrillRow row{info.drill, {}, {}};
        try {
            users::Records records = files.readRecords(name, info.drill);
            const users::Progress progress = files.readProgress(name, info.drill);
            if (!records.lines.isEmpty())
                records.lines.removeFirst();
            row.figures = figuresOf(info.drill, records.lines, progress.levels, today);
            const QStringList weakest = users::weakestFacts(memory.of(info.drill), 3);
            for (const QString &fact : weakest)
                row.figures.weakest << factText(info.drill, fact);
        } catch (const IoError &error) {
            row.problem = problemOf(error);
        }
        child.drills.push_back(row);
    }
    return child;
}

std::vector<ChildReport> readClass(const users::UserFiles &files, QDate today)
{
    QStringList names = files.readUsers();
    names.sort();
    std::vector<ChildReport> children;
    children.reserve(std::size_t(names.size()));
    for (const QString &name : std::as_const(names))
        children.push_back(readChild(files, name, today));
    return children;
}

QString csvField(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
                        || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (!quoted)
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QByteArray csvOf(const std::vector<ChildReport> &children)
{
    const QStringList header = {
        QStringLiteral("名前"), QStringLiteral("ドリル"), QStringLiteral("回数"),
        QStringLiteral("最初の日"), QStringLiteral("最後の日"), QStringLiteral("7日間の回数"),
        QStringLiteral("30日間の回数"), QStringLiteral("合格した一番上のレベル"),
        QStringLiteral("一番よい級"), QStringLiteral("にがて1"), QStringLiteral("にがて2"),
        QStringLiteral("にがて3"), QStringLiteral("注意"),
    };
    QString text = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const ChildReport &child : children) {
        for (const DrillRow &row : child.drills) {
            const DrillFigures &f = row.figures;
            const bool read = row.problem.isEmpty();
            QStringList problems;
            if (!read)
                problems << row.problem;
            if (!child.memoryProblem.isEmpty())
                problems << child.memoryProblem;
            QStringList fields = {
                child.name,
                drillInfo(row.drill).menuCaption.toString(),
                read ? QString::number(f.rounds) : QString(),
                dateText(f.first),
                dateText(f.last),
                read ? QString::number(f.lastWeek) : QString(),
                read ? QString::number(f.lastMonth) : QString(),
                passedText(row.drill, f.highestPassed),
                f.bestGrade > 0 ? QString::number(f.bestGrade) + QStringLiteral("級") : QString(),
            };
            for (int i = 0; i < 3; ++i)
                fields << f.weakest.value(i);
            fields << problems.join(QStringLiteral("; "));
            for (QString &field : fields)
                field = csvField(field);
            text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace report
