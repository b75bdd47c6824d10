#pragma once

#include "ui/Services.h"
#include "ui/SystemServices.h"

#include <QPrinter>
#include <QStringList>

#include <vector>

// Fakes of the game's platform services: they record what the game asked of
// them and never touch the real display, speakers or clock.

class FakeDisplay : public DisplaySettings
{
public:
    explicit FakeDisplay(QSize screen = QSize(640, 480), int depth = 32)
        : m_stored(screen), m_current(screen), m_depth(depth)
    {
    }
    QSize screenSize() const override { return m_current; }
    int colorDepth() const override { return m_depth; }
    void requestMode(int width, int height, int bitsPerPixel) override
    {
        requests.push_back({width, height, bitsPerPixel});
        m_current = QSize(width, height);
    }
    void restore() override
    {
        ++restores;
        m_current = m_stored;
    }

    struct Request
    {
        int width, height, depth;
    };
    std::vector<Request> requests;
    int restores = 0;

private:
    QSize m_stored;
    QSize m_current;
    int m_depth;
};

class FakeSound : public SoundPlayer
{
public:
    void play(const QString &gameFileName) override { played << gameFileName; }
    QStringList played;
};

class FakeDialogs : public Dialogs
{
public:
    struct Warning
    {
        QString caption, text;
    };
    void warn(const QString &caption, const QString &text) override
    {
        warnings.push_back({caption, text});
    }
    void reportError(const QString &text) override { errors << text; }
    void inform(const QString &caption, const QString &text) override
    {
        informations.push_back({caption, text});
    }

    std::vector<Warning> warnings;
    QStringList errors;
    std::vector<Warning> informations;
};

// A system with a printer whose dialog chooses "print to file" into
// `printToFile` (cancelled when it is empty), or with none.
class FakePrinting : public Printing
{
public:
    bool hasPrinter() const override { return printer; }
    bool choose(QPrinter &chosen, QWidget *) override
    {
        ++dialogs;
        if (printToFile.isEmpty())
            return false;
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(printToFile);
        return true;
    }
    QString documentsFolder() const override { return documents; }

    bool printer = false;
    QString printToFile;
    QString documents;
    int dialogs = 0;
};

class FakeClock : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2001, 3, 7), QTime(10, 0)};
};

// Timers that tick only when a test makes them.
class FakeTimers : public Timers
{
public:
    GameTimer *create(int intervalMs, QObject *owner) override
    {
        auto *timer = new GameTimer(intervalMs, owner);
        created.push_back(timer);
        return timer;
    }
    std::vector<GameTimer *> created;
};

// Random numbers from a script; once the script is used up, from a seeded
// generator (which the game reseeds from the fake clock, so runs repeat).
class ScriptedRandom : public Random
{
public:
    void reseed(quint64 seed) override { m_fallback.reseed(seed); }
    int uniform(int low, int high) override
    {
        if (!script.empty()) {
            const int value = script.front();
            script.erase(script.begin());
            return value;
        }
        return m_fallback.uniform(low, high);
    }
    std::vector<int> script;

private:
    StandardRandom m_fallback;
};
