#include "GameFixture.h"

#include "app/WindowStack.h"
#include "app/GameScreen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Links every file of a built asset folder into `target`, so a test may
// remove one without touching the build.
void linkFolder(const QString &source, const QString &target)
{
    QDir().mkpath(target);
    const QDir from(source);
    for (const QString &name : from.entryList(QDir::Files))
        QFile::link(from.filePath(name), QDir(target).filePath(name));
}

} // namespace

void GameFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    m_previousFolder = QDir::currentPath();
    linkFolder(QStringLiteral(GAME_APP_DIR "/Graphics"), folder.filePath(QStringLiteral("Graphics")));
    linkFolder(QStringLiteral(GAME_APP_DIR "/sound"), folder.filePath(QStringLiteral("sound")));
    QDir().mkpath(folder.filePath(QStringLiteral("user")));
    QDir::setCurrent(folder.path());
}

void GameFixture::TearDown()
{
    windows.reset();
    QDir::setCurrent(m_previousFolder);
}

WindowSet &GameFixture::createWindows()
{
    windows = std::make_unique<WindowSet>(services);
    windows->createWindows();
    windows->screen().show();
    return *windows;
}

WindowSet &GameFixture::startGame()
{
    createWindows();
    windows->showMainMenu();
    settle();
    return *windows;
}

void GameFixture::settle()
{
    QCoreApplication::processEvents();
    if (windows)
        windows->stack().settle();
}

void GameFixture::hover(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QString GameFixture::path(const QString &relativePath) const
{
    return folder.filePath(relativePath);
}

void GameFixture::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString file = path(relativePath);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

QByteArray GameFixture::readFile(const QString &relativePath) const
{
    QFile in(path(relativePath));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}
