#include "app/RecordsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString recordsRoot(const QString &gameFolder, const QString &dataFolder)
{
    if (!QFileInfo::exists(QDir(gameFolder).filePath(QLatin1String(InstalledMarker))))
        return gameFolder;
    // The player's records are the player's own: nobody else on the
    // computer may read the passwords in them.
    const QString users = QDir(dataFolder).filePath(QStringLiteral("user"));
    QDir().mkpath(users);
    const auto privately = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(dataFolder, privately);
    QFile::setPermissions(users, privately);
    return dataFolder;
}
