#pragma once

#include "FakeServices.h"
#include "QtPrinters.h"

#include "app/WindowSet.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A game played in a fresh application folder: a temporary folder, made the
// working folder, with the built pictures and sounds linked in and an empty
// user folder. The windows run on fake services.
class GameFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates every window (the splash is skipped) and shows the main menu.
    WindowSet &startGame();
    // Creates the windows only, as start-up does before the splash.
    WindowSet &createWindows();

    // Lets the windows settle after a handler: activation and queued events.
    void settle();

    // Moves the pointer over a widget, as the mouse would (the move goes to
    // the widget and, when it does not take it, to its parents).
    static void hover(QWidget *widget, QPoint pos = QPoint(2, 2));

    // Writes a file in the application folder, creating folders as needed.
    void writeFile(const QString &relativePath, const QByteArray &bytes);
    QByteArray readFile(const QString &relativePath) const;
    QString path(const QString &relativePath) const;

    QTemporaryDir folder;
    FakeDisplay display;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    FakeTimers timers;
    Services services{display, sound, dialogs, clock, random, timers};
    std::unique_ptr<WindowSet> windows;

private:
    QString m_previousFolder;
};
