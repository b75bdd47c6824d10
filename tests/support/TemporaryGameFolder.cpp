#include "TemporaryGameFolder.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The built pictures and sounds, as plain files: the game never reads one
// through a link. Hard links cost nothing; across file systems, copies.
void linkFolder(const QString &source, const QString &target)
{
    QDir().mkpath(target);
    const QDir from(source);
    for (const QString &name : from.entryList(QDir::Files)) {
        const QString to = QDir(target).filePath(name);
#ifdef Q_OS_UNIX
        if (::link(QFile::encodeName(from.filePath(name)).constData(), QFile::encodeName(to).constData()) == 0)
            continue;
#endif
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
