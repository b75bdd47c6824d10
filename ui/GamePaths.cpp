#include "ui/GamePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Finds an entry of `dir` named `name` when letter case is ignored.
QString findIgnoringCase(const QString &dir, const QString &name)
{
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

QString joined(const QString &folder, const QString &part)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + part : folder + QLatin1Char('/') + part;
}

} // namespace

GameFolder::GameFolder(const QString &path) : m_path(QDir(path).absolutePath()) {}

QString GameFolder::resolve(const QString &gameName) const
{
    QString relative = gameName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString exact = joined(m_path, relative);
    if (relative.isEmpty() || QFileInfo::exists(exact))
        return exact;

    // Walk the name one part at a time, taking the existing spelling of each.
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = m_path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString candidate = joined(resolved, part);
        if (!QFileInfo::exists(candidate) && part != QLatin1String(".")
            && part != QLatin1String("..")) {
            const QString found = findIgnoringCase(resolved, part);
            // Nothing by that name: the rest keeps its spelling.
            if (found.isEmpty())
                return joined(resolved, parts.mid(i).join(QLatin1Char('/')));
            candidate = joined(resolved, found);
        }
        resolved = candidate;
    }
    return resolved;
}

bool GameFolder::exists(const QString &gameName) const
{
    return QFileInfo::exists(resolve(gameName));
}

QString GameFolder::join(const QString &folder, const QString &fileName)
{
    return folder + QLatin1Char('\\') + fileName;
}
