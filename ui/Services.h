#pragma once

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// The few things the game asks of the system, each behind a small interface so
// that tests can put a fake in its place.

// The screen: its size, its colour depth, and a change of display mode that
// lasts only while the game runs.
class DisplaySettings
{
public:
    virtual ~DisplaySettings() = default;
    virtual QSize screenSize() const = 0;
    virtual int colorDepth() const = 0;
    // Asks for a display mode; whether it works is not reported.
    virtual void requestMode(int width, int height, int bitsPerPixel) = 0;
    // Goes back to the display settings stored by the system.
    virtual void restore() = 0;
};

// Plays a WAV file in the background and returns at once. A new sound cuts off
// the one playing; a sound that cannot be played is no error.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &gameFileName) = 0;
};

// Message boxes. Both block until the child or parent presses OK.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The exclamation beep, then a box with a stop icon, OK, caption and text.
    virtual void warn(const QString &caption, const QString &text) = 0;
    // What the game says when a file could not be read or written.
    virtual void reportError(const QString &text) = 0;
    // A box with an information icon, OK, caption and text.
    virtual void inform(const QString &caption, const QString &text) = 0;
};

// The family's printer. The pages of a report go to the printer or the file
// chosen in the system's print dialog; without any printer set up, the game
// saves them as a PDF in the player's documents folder instead.
class Printing
{
public:
    virtual ~Printing() = default;
    // Whether the system knows of a printer.
    virtual bool hasPrinter() const = 0;
    // Lets the player choose the printer (or a file) and its settings; false
    // when the dialog is cancelled.
    virtual bool choose(QPrinter &printer, QWidget *parent) = 0;
    // Where a report is saved without a printer.
    virtual QString documentsFolder() const = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The one random generator of the game; the drills reseed it from the clock.
class Random
{
public:
    virtual ~Random() = default;
    virtual void reseed(quint64 seed) = 0;
    // A uniform integer from low to high, both included.
    virtual int uniform(int low, int high) = 0;
};

// A timer that ticks while enabled, like the timers the windows hold. This
// base class never ticks by itself: tests tick it by calling the handler or
// emitting timeout(). The system's timers tick for real.
class GameTimer : public QObject
{
    Q_OBJECT
public:
    explicit GameTimer(int intervalMs, QObject *parent = nullptr)
        : QObject(parent), m_interval(intervalMs)
    {
    }
    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled) { m_enabled = enabled; }

signals:
    void timeout();

private:
    int m_interval;
    bool m_enabled = false;
};

class Timers
{
public:
    virtual ~Timers() = default;
    virtual GameTimer *create(int intervalMs, QObject *owner) = 0;
};

// Everything above, as one bundle handed to the windows.
struct Services
{
    DisplaySettings &display;
    SoundPlayer &sound;
    Dialogs &dialogs;
    Clock &clock;
    Random &random;
    Timers &timers;
    Printing &printing;
};
