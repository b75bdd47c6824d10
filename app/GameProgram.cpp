#include "app/GameProgram.h"

#include "app/WindowSet.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QStandardPaths>

namespace {

// Names the program before anything asks for them (the cache folder does).
QString namedCacheFolder()
{
    QApplication::setApplicationName(QStringLiteral("sujinoshima"));
    QApplication::setApplicationDisplayName(QStringLiteral("すうじのしま"));
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

} // namespace

GameProgram::GameProgram(const QString &gameFolder)
    // The game finds its pictures, sounds and user files beside itself.
    : m_gameFolder(gameFolder.isEmpty() ? QCoreApplication::applicationDirPath() : gameFolder),
      m_earlySplash(namedCacheFolder())
{
}

GameProgram::~GameProgram() = default;

WindowSet &GameProgram::makeWindows()
{
    m_earlySplash.show();
    ui::installFontSubstitutes();
    m_system = std::make_unique<SystemServices>(m_gameFolder);
    m_windows = std::make_unique<WindowSet>(m_system->services(), m_gameFolder);
    m_earlySplash.follow(*m_windows);
    return *m_windows;
}

int GameProgram::run()
{
    if (!m_windows)
        makeWindows();
    QObject::connect(m_windows.get(), &WindowSet::ended, qApp, &QCoreApplication::quit);
    m_windows->start();
    return QApplication::exec();
}
