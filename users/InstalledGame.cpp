#include "users/InstalledGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace users {

bool isInstalledGame(const QString &gameFolder)
{
    return QFileInfo::exists(QDir(gameFolder).filePath(QLatin1String(InstalledMarker)));
}

QString recordsRootOf(const QString &gameFolder, const QString &dataFolder)
{
    return isInstalledGame(gameFolder) ? dataFolder : gameFolder;
}

QString playerDataFolder()
{
    // The folder is named after the game, whatever the asking program's name.
    const QString asking = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("sujinoshima"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(asking);
    return folder;
}

} // namespace users
