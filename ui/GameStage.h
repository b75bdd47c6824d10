#pragma once

#include "ui/GamePaths.h"

#include <QObject>
#include <QSet>
#include <QSize>

#include <functional>
#include <memory>

struct Services;
class GameScreen;
class IoError;
class WindowStack;
class QWidget;

// What every window of the game stands on: the game's one screen, the window
// stack that keeps the windows in order, the platform services, the game
// folder the pictures are read from, and the guard every handler runs in.

class GameStage : public QObject
{
    Q_OBJECT
public:
    GameStage(Services &services, GameFolder folder);
    ~GameStage() override;

    Services &services() const { return m_services; }
    const GameFolder &folder() const { return m_folder; }
    WindowStack &stack() const { return *m_stack; }
    GameScreen &screen() const { return *m_screen; }
    // The widget every window is a child of.
    QWidget *surface() const;
    // The size of the game's screen, as the display gives it now.
    QSize screenSize() const;

    // Runs a handler, reporting an IoError (or any other failure) in a
    // message box instead of letting it escape.
    void runGuarded(const std::function<void()> &handler) const;
    // Reports a failure as runGuarded() does, once a file: a picture that
    // several windows show is reported by the first.
    void reportOnce(const IoError &error) const;

private:
    void report(const IoError &error) const;

    Services &m_services;
    mutable QSet<QString> m_reported;
    GameFolder m_folder;
    std::unique_ptr<GameScreen> m_screen;
    WindowStack *m_stack;
};
