#include "app/RecordsFolder.h"

#include <QDir>
#include <QFileInfo>

QString recordsRoot(const QString &gameFolder, const QString &dataFolder)
{
    if (!QFileInfo::exists(QDir(gameFolder).filePath(QLatin1String(InstalledMarker))))
        return gameFolder;
    QDir().mkpath(QDir(dataFolder).filePath(QStringLiteral("user")));
    return dataFolder;
}
