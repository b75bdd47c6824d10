#include "app/GameProgram.h"

#include "app/RecordsFolder.h"
#include "app/WindowSet.h"
#include "ui/Widgets.h"

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
          recordsRoot(m_gameFolder.path(), namedFolder(QStandardPaths::AppDataLocation))),
      m_earlySplash(namedFolder(QStandardPaths::CacheLocation))
{
}

GameProgram::~GameProgram() = default;

WindowSet &GameProgram::makeWindows()
{
    m_earlySplash.show();
    ui::installFontSubstitutes();
    m_system = std::make_unique<SystemServices>(m_gameFolder);
    m_windows = std::make_unique<WindowSet>(m_system->services(), m_gameFolder, m_recordsFolder);
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
