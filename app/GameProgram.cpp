#include "app/GameProgram.h"

#include "app/RecordsFolder.h"
#include "app/SplashWindow.h"
#include "app/WindowSet.h"
#include "ui/GameScreen.h"
#include "ui/Widgets.h"
#include "users/InstalledGame.h"

#include <QApplication>
#include <QStandardPaths>

namespace {

// Names the program before anything asks for the folders its name decides.
QString namedFolder(QStandardPaths::StandardLocation location)
{
    QApplication::setApplicationName(QStringLiteral("sujinoshima"));
    QApplication::setApplicationDisplayName(QStringLiteral("すうじのしま"));
    return QStandardPaths::writableLocation(location);
}

QString programFolderOr(const QString &gameFolder)
{
    return gameFolder.isEmpty() ? QCoreApplication::applicationDirPath() : gameFolder;
}

} // namespace

GameProgram::GameProgram(const QString &gameFolder)
    // The game finds its pictures and sounds beside itself.
    : m_gameFolder(programFolderOr(gameFolder)),
      m_recordsFolder(
          recordsRoot(m_gameFolder.path(), users::playerDataFolder())),
      m_earlySplash(namedFolder(QStandardPaths::CacheLocation))
{
}

GameProgram::GameProgram(const QString &gameFolder, Services &services) : GameProgram(gameFolder)
{
    m_services = &services;
}

GameProgram::~GameProgram() = default;

WindowSet &GameProgram::makeWindows()
{
    m_earlySplash.show();
    ui::installFontSubstitutes();
    if (!m_services) {
        m_system = std::make_unique<SystemServices>(m_gameFolder);
        m_services = &m_system->services();
    }
    m_windows = std::make_unique<WindowSet>(*m_services, m_gameFolder, m_recordsFolder);
    m_earlySplash.follow(*m_windows);
    return *m_windows;
}

int GameProgram::run()
{
    if (!m_windows)
        makeWindows();
    // Closed before anything of the game was on the screen but the kept
    // splash picture.
    if (m_earlySplash.wasClosed())
        return 0;
    WindowSet &windows = *m_windows;
    // The game can end before its event loop runs (a close during the
    // splash), when quit() would be lost: the end is remembered, and the
    // splash goes at once instead of holding start-up for its four seconds.
    bool ended = false;
    QObject endWatch;
    QObject::connect(&windows, &WindowSet::ended, &endWatch, [&] {
        ended = true;
        windows.splash().TimeUp();
        QCoreApplication::quit();
    });
    // Closing the kept picture is closing the game.
    QObject::connect(&m_earlySplash, &EarlySplash::closeRequested, &endWatch,
                     [&windows] { windows.screen().close(); });
    windows.start();
    if (ended)
        return 0;
    return QApplication::exec();
}
