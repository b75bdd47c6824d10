#include "app/GamePaths.h"

#include <QDir>
#include <QFileInfo>

namespace GamePaths {

namespace {

// Finds an entry of `dir` named `name` when letter case is ignored.
QString findIgnoringCase(const QString &dir, const QString &name)
{
    const QDir folder(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolve(const QString &gameName)
{
    QString local = gameName;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (local.isEmpty() || QFileInfo::exists(local))
        return local;

    // Walk the path one part at a time, taking the existing spelling of each.
    const bool absolute = local.startsWith(QLatin1Char('/'));
    const QStringList parts = local.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString candidate = resolved.isEmpty() || resolved.endsWith(QLatin1Char('/'))
                                ? resolved + part
                                : resolved + QLatin1Char('/') + part;
        if (!QFileInfo::exists(candidate) && part != QLatin1String(".")
            && part != QLatin1String("..")) {
            const QString found = findIgnoringCase(resolved, part);
            if (found.isEmpty()) {
                // Nothing by that name: the rest keeps its spelling.
                QStringList rest = parts.mid(i);
                return (resolved.isEmpty() || resolved.endsWith(QLatin1Char('/'))
                            ? resolved
                            : resolved + QLatin1Char('/'))
                    + rest.join(QLatin1Char('/'));
            }
            candidate = resolved.isEmpty() || resolved.endsWith(QLatin1Char('/'))
                            ? resolved + found
                            : resolved + QLatin1Char('/') + found;
        }
        resolved = candidate;
    }
    return resolved;
}

bool exists(const QString &gameName)
{
    return QFileInfo::exists(resolve(gameName));
}

QString join(const QString &folder, const QString &fileName)
{
    return folder + QLatin1Char('\\') + fileName;
}

} // namespace GamePaths
