#include "app/RecordsFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool writableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QString recordsRoot(const QString &gameFolder, const QString &dataFolder,
                    const std::function<bool(const QString &)> &isWritableFolder)
{
    const auto writable = isWritableFolder ? isWritableFolder : writableFolder;
    if (writable(QDir(gameFolder).filePath(QStringLiteral("user"))))
        return gameFolder;
    QDir().mkpath(QDir(dataFolder).filePath(QStringLiteral("user")));
    return dataFolder;
}
