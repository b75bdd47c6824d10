#pragma once

#include "app/WindowSet.h"
#include "ui/GameScreen.h"
#include "ui/Services.h"
#include "ui/SystemServices.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include "TemporaryGameFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// What every benchmark plays on: a game folder of its own beside the built
// pictures and sounds, a 640 × 480 screen that is never switched, silence,
// a fixed date, timers that tick only when the benchmark makes them, and
// messages printed (and counted) instead of shown.

class FixedDisplay : public DisplaySettings
{
public:
    QSize screenSize() const override { return {640, 480}; }
    int colorDepth() const override { return 32; }
    void requestMode(int, int, int) override {}
    void restore() override {}
};

class QuietSound : public SoundPlayer
{
public:
    void play(const QString &) override {}
};

class PrintedDialogs : public Dialogs
{
public:
    void warn(const QString &caption, const QString &text) override
    {
        std::fprintf(stderr, "warning %s: %s\n", qPrintable(caption), qPrintable(text));
        ++count;
    }
    void reportError(const QString &text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        ++count;
    }
    void inform(const QString &caption, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    int count = 0;
};

// No printer: a report is saved as a PDF in `documents`.
class NoPrinting : public Printing
{
public:
    bool hasPrinter() const override { return false; }
    bool choose(QPrinter &, QWidget *) override { return false; }
    QString documentsFolder() const override { return documents; }
    QString documents;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2001, 3, 7), QTime(10, 0)); }
};

class HandTimers : public Timers
{
public:
    GameTimer *create(int intervalMs, QObject *owner) override
    {
        return new GameTimer(intervalMs, owner);
    }
};

inline void tick(GameTimer *timer, int times)
{
    for (int i = 0; i < times; ++i)
        emit timer->timeout();
}

inline double millisecondsOf(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The median, the 99th percentile and the worst of the runs of a step.
inline void report(const char *what, std::vector<double> ms, double target = 0)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s runs %5zu  median %8.3f ms  99%% %8.3f ms  worst %8.3f ms", what,
                ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
    if (target > 0)
        std::printf("  (target %.0f ms)", target);
    std::printf("\n");
}

// The whole game, made and showing its main menu, with no child logged in.
struct BenchGame
{
    BenchGame()
    {
        if (!folder.isValid())
            qFatal("no temporary folder");
        windows.createWindows();
        windows.screen().show();
        windows.showMainMenu();
        settle();
    }

    void settle()
    {
        QCoreApplication::processEvents();
        windows.stack().settle();
    }

    TemporaryGameFolder folder;
    FixedDisplay display;
    QuietSound sound;
    PrintedDialogs dialogs;
    FixedClock clock;
    StandardRandom random;
    HandTimers timers;
    NoPrinting printing;
    Services services{display, sound, dialogs, clock, random, timers, printing};
    WindowSet windows{services, GameFolder(folder.path())};
};

// The application every benchmark runs in: headless unless told otherwise,
// with the game's faces.
inline void prepareBenchApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
