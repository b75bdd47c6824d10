#pragma once

#include "ui/GamePaths.h"
#include "ui/Services.h"

#include <QString>

#include <memory>


// The screen of a desktop that is never switched for real: a mode request
// gives the game a virtual screen of that size, which the game's screen
// scales to fill the physical one, until restore() ends it.
class VirtualDisplay : public DisplaySettings
{
public:
    QSize screenSize() const override;
    int colorDepth() const override;
    void requestMode(int width, int height, int bitsPerPixel) override;
    void restore() override;

private:
    QSize m_mode;
};

// Plays sounds through the sound module that lies beside the game
// ("sujinoshima_sound"), loaded on the first sound. Without the module, or
// without a sound device, the game is simply silent. On Windows the system
// plays them (WindowsSound) and there is no module.
class SystemSoundPlayer : public SoundPlayer
{
public:
    // Sounds are found in `gameFolder`; the module in `moduleFolder`, by
    // default the program's own folder.
    explicit SystemSoundPlayer(GameFolder gameFolder, QString moduleFolder = QString());
    ~SystemSoundPlayer() override;
    void play(const QString &gameFileName) override;
    // Whether the sound module could be loaded (it is tried on the first sound).
    bool hasModule() const { return m_player != nullptr; }

private:
    GameFolder m_gameFolder;
    QString m_moduleFolder;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
};

class MessageBoxDialogs : public Dialogs
{
public:
    void warn(const QString &caption, const QString &text) override;
    void reportError(const QString &text) override;
    void inform(const QString &caption, const QString &text) override;
};

class SystemPrinting : public Printing
{
public:
    bool hasPrinter() const override;
    bool choose(QPrinter &printer, QWidget *parent) override;
    QString documentsFolder() const override;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class StandardRandom : public Random
{
public:
    StandardRandom();
    void reseed(quint64 seed) override;
    int uniform(int low, int high) override;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

class SystemTimers : public Timers
{
public:
    GameTimer *create(int intervalMs, QObject *owner) override;
};

// The services of the running game.
class SystemServices
{
public:
    explicit SystemServices(const GameFolder &gameFolder);
    ~SystemServices();
    Services &services() { return m_services; }

private:
    std::unique_ptr<DisplaySettings> m_display;
    SystemSoundPlayer m_sound;
    MessageBoxDialogs m_dialogs;
    SystemClock m_clock;
    StandardRandom m_random;
    SystemTimers m_timers;
    SystemPrinting m_printing;
    Services m_services;
};
