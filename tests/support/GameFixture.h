#pragma once

#include "FakeServices.h"
#include "QtPrinters.h"
#include "TemporaryGameFolder.h"

#include "app/WindowSet.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A game played in a fresh game folder: a temporary folder with the built
// pictures and sounds linked in and an empty user folder. The windows run on
// fake services.
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

    // A component of a window by its name ("Label6"); the test stops when
    // the window has none.
    template <class Widget = QWidget>
    static Widget *part(const QObject *window, const char *name)
    {
        auto *found = window->findChild<Widget *>(QString::fromLatin1(name));
        if (!found)
            qFatal("%s has no %s", qPrintable(window->objectName()), name);
        return found;
    }
    // The text of a label of a window.
    static QString textOf(const QObject *window, const char *name);

    // Writes a file in the game folder, creating folders as needed.
    void writeFile(const QString &relativePath, const QByteArray &bytes);
    QByteArray readFile(const QString &relativePath) const;
    QString path(const QString &relativePath) const;

    TemporaryGameFolder folder;
    FakeDisplay display;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    FakeTimers timers;
    FakePrinting printing;
    Services services{display, sound, dialogs, clock, random, timers, printing};
    std::unique_ptr<WindowSet> windows;
};
