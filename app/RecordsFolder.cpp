#include "app/RecordsFolder.h"

#include "users/InstalledGame.h"

#include <QDir>
#include <QFile>

QString recordsRoot(const QString &gameFolder, const QString &dataFolder)
{
    if (!users::isInstalledGame(gameFolder))
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
