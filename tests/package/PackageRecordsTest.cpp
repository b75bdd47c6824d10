#include "QtPrinters.h"

#include "app/GameProgram.h"
#include "app/MainMenu.h"
#include "app/WindowSet.h"
#include "ui/WindowStack.h"
#include "users/RegistrationDialog.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList everything(const QString &folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        all << it.next();
    all.sort();
    return all;
}

} // namespace

// The game as installed by its package: a parent registers a child, and the
// child's thirteen files are in the player's data folder, none beside the
// program.
TEST(PackageRecordsTest, AnInstalledGameKeepsTheRecordsInThePlayersDataFolder)
{
    const QStringList packages =
        QDir(QStringLiteral(GAME_PACKAGE_DIR)).entryList({QStringLiteral("sujinoshima_*.deb")});
    ASSERT_FALSE(packages.isEmpty()) << "no package: run tools/package.sh";
    QTemporaryDir unpacked, home;
    ASSERT_EQ(QProcess::execute(QStringLiteral("dpkg-deb"),
                                {QStringLiteral("-x"),
                                 QStringLiteral(GAME_PACKAGE_DIR "/") + packages.first(),
                                 unpacked.path()}),
              0);
    const QString installed = unpacked.filePath(QStringLiteral("usr/lib/sujinoshima"));
    const QStringList before = everything(unpacked.path());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());

    {
        GameProgram game(installed);
        WindowSet &windows = game.makeWindows();
        windows.createWindows();
        windows.showMainMenu();
        windows.stack().settle();
        QTest::mouseClick(windows.mainMenu().findChild<QWidget *>(QStringLiteral("Panel8")),
                          Qt::LeftButton);
        windows.stack().settle();
        RegistrationDialog &registration = windows.registrationDialog();
        QTest::keyClicks(registration.findChild<QLineEdit *>(QStringLiteral("Edit1")),
                         QStringLiteral("taro"));
        QTest::keyClicks(registration.findChild<QLineEdit *>(QStringLiteral("Edit3")),
                         QStringLiteral("pw"));
        QTest::mouseClick(registration.findChild<QPushButton *>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        EXPECT_FALSE(registration.isVisible());
    }

    const QDir user(home.filePath(QStringLiteral("data/sujinoshima/user")));
    EXPECT_EQ(user.entryList(QDir::Files).size(), 13) << qPrintable(user.path());
    EXPECT_TRUE(user.exists(QStringLiteral("taro.pwd")));
    EXPECT_EQ(everything(unpacked.path()), before);
}
