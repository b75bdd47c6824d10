#include "report/ClassReport.h"

namespace report {

namespace {

QString dateText(QDate date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

} // namespace

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
