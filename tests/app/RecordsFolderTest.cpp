#include "QtPrinters.h"

#include "app/RecordsFolder.h"
#include "users/InstalledGame.h"
#include "users/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Only the installed game, the one with the package's marker beside it,
// keeps its records in the player's data folder, which is made then. Any
// other game folder keeps them in its own "user" folder, whatever its
// spelling and whether it may be written or is there at all, and makes none.
TEST(RecordsFolderTest, InTheDataFolderOnlyWhenInstalled)
{
    struct Case
    {
        const char *what;
        const char *userFolder;   // in the game folder; null: none
        bool readOnly;
        bool installed;
    };
    const Case cases[] = {
        {"a built or copied game", "user", false, false},
        {"a folder copied from Windows", "USER", false, false},
        {"a read-only copy", "user", true, false},
        {"a game folder without records", nullptr, false, false},
        {"an installed game", nullptr, false, true},
        {"an installed game with a user folder beside it", "user", false, true},
    };
    for (const Case &c : cases) {
        QTemporaryDir game, data;
        const QDir gameDir(game.path());
        if (c.userFolder) {
            ASSERT_TRUE(gameDir.mkdir(QString::fromLatin1(c.userFolder)));
            QFile child(gameDir.filePath(QString::fromLatin1(c.userFolder) + "/taro.pwd"));
            ASSERT_TRUE(child.open(QIODevice::WriteOnly));
            if (c.readOnly)
                ASSERT_TRUE(QFile::setPermissions(gameDir.filePath(c.userFolder),
                                                  QFile::ReadOwner | QFile::ExeOwner));
        }
        if (c.installed) {
            QFile marker(gameDir.filePath(QLatin1String(users::InstalledMarker)));
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        }
        const QStringList gameBefore = gameDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString dataFolder = data.filePath(QStringLiteral("sujinoshima"));

        const QString root = recordsRoot(game.path(), dataFolder);
        EXPECT_EQ(root, c.installed ? dataFolder : game.path()) << c.what;
        const bool childThere = c.userFolder && !c.installed;
        EXPECT_EQ(users::UserFiles(GameFolder(root)).listUsers(),
                  childThere ? QStringList{"taro"} : QStringList()) << c.what;
        EXPECT_EQ(QDir(dataFolder).exists(QStringLiteral("user")), c.installed) << c.what;
        // The player's records are private to the player (by their POSIX
        // modes; on Windows a folder's access is its profile's).
#ifdef Q_OS_UNIX
        if (c.installed) {
            const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
            for (const QString &folder : {dataFolder, dataFolder + QStringLiteral("/user")})
                EXPECT_EQ(QFile::permissions(folder) & others, QFile::Permissions()) << c.what;
        }
#endif
        EXPECT_EQ(gameDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), gameBefore) << c.what;
    }
}

// The build's game folder is played from as it is, never as an installed game.
TEST(RecordsFolderTest, TheBuiltGameIsNotInstalled)
{
    EXPECT_EQ(recordsRoot(QStringLiteral(GAME_APP_DIR), QStringLiteral("/nonexistent")),
              QStringLiteral(GAME_APP_DIR));
}
