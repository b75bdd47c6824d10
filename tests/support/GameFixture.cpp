#include "GameFixture.h"

#include "ui/GameScreen.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>

void GameFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
}

void GameFixture::TearDown()
{
    windows.reset();
}

WindowSet &GameFixture::createWindows()
{
    windows = std::make_unique<WindowSet>(services, GameFolder(folder.path()));
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

QString GameFixture::textOf(const QObject *window, const char *name)
{
    return part<GameLabel>(window, name)->text();
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
