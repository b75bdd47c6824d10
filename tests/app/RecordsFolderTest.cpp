#include "QtPrinters.h"

#include "app/RecordsFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A game folder with a "user" folder it may write keeps its records; any
// other game (an installed one) keeps them in the player's data folder,
// which is made then.
TEST(RecordsFolderTest, BesideTheGameWhenItsUserFolderIsWritableElseInTheDataFolder)
{
    struct Case
    {
        const char *what;
        bool userFolder;   // the game folder carries "user"
        bool writable;     // and it may be written
        bool besideGame;
    };
    const Case cases[] = {
        {"a built or copied game", true, true, true},
        {"an installed game", false, false, false},
        {"a read-only copy", true, false, false},
    };
    for (const Case &c : cases) {
        QTemporaryDir game, data;
        if (c.userFolder)
            ASSERT_TRUE(QDir(game.path()).mkdir(QStringLiteral("user")));
        const QString dataFolder = data.filePath(QStringLiteral("sujinoshima"));
        const QString root = recordsRoot(game.path(), dataFolder, [&](const QString &folder) {
            return c.writable && QDir(folder).exists();
        });
        EXPECT_EQ(root, c.besideGame ? game.path() : dataFolder) << c.what;
        EXPECT_EQ(QDir(dataFolder).exists(QStringLiteral("user")), !c.besideGame) << c.what;
    }
}
