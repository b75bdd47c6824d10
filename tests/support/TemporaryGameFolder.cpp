#include "TemporaryGameFolder.h"

#include <QDir>
#include <QFile>

namespace {

void linkFolder(const QString &source, const QString &target)
{
    QDir().mkpath(target);
    const QDir from(source);
    for (const QString &name : from.entryList(QDir::Files))
        QFile::link(from.filePath(name), QDir(target).filePath(name));
}

} // namespace

TemporaryGameFolder::TemporaryGameFolder()
{
    if (!m_dir.isValid())
        return;
    linkFolder(QStringLiteral(GAME_APP_DIR "/Graphics"), filePath(QStringLiteral("Graphics")));
    linkFolder(QStringLiteral(GAME_APP_DIR "/sound"), filePath(QStringLiteral("sound")));
    QDir().mkpath(filePath(QStringLiteral("user")));
}
