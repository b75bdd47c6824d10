#pragma once

#include "app/EarlySplash.h"
#include "ui/GamePaths.h"
#include "ui/SystemServices.h"

#include <memory>

class WindowSet;

// The game as its program runs it: the splash kept from the last start put
// up at once, then the windows made, the live splash and the main menu. Make
// the application object first.
class GameProgram
{
public:
    // gameFolder: the folder with Graphics/ and sound/ (and, in a game that
    // keeps its records beside itself, user/); by default the folder the
    // program lies in.
    explicit GameProgram(const QString &gameFolder = QString());
    // The game on other services than the system's (the tests' fakes).
    GameProgram(const QString &gameFolder, Services &services);
    ~GameProgram();

    EarlySplash &earlySplash() { return m_earlySplash; }

    // The kept splash picture put up, then the windows made; run() does this
    // when it has not been done.
    WindowSet &makeWindows();
    // Start-up, then the game until its main menu closes; returns the
    // program's exit code. A close at any moment ends the game, during the
    // splash and before the windows are made as well.
    int run();

    // The folder the game plays from (its pictures and sounds), and the one
    // that holds the children's records in "user": both decided once here.
    const GameFolder &gameFolder() const { return m_gameFolder; }
    const GameFolder &recordsFolder() const { return m_recordsFolder; }

private:
    GameFolder m_gameFolder;
    GameFolder m_recordsFolder;
    EarlySplash m_earlySplash;
    std::unique_ptr<SystemServices> m_system;
    Services *m_services = nullptr;
    std::unique_ptr<WindowSet> m_windows;
};
