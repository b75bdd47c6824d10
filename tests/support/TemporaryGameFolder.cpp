#include "TemporaryGameFolder.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

// The built pictures and sounds, as plain files: the game never reads one
// through a link. Hard links cost nothing; across file systems, copies.
void linkFolder(const QString &source, const QString &target)
{
    QDir().mkpath(target);
    const QDir from(source);
    for (const QString &name : from.entryList(QDir::Files)) {
        const QString to = QDir(target).filePath(name);
        if (::link(QFile::encodeName(from.filePath(name)).constData(), QFile::encodeName(to).constData()) != 0)
            QFile::copy(from.filePath(name), to);
    }
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
