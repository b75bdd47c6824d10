#pragma once

#include "drill/Practice.h"

#include "ui/GameStage.h"
#include "users/DrillTable.h"
#include "users/Session.h"

#include <QObject>

#include <array>
#include <optional>
#include <vector>

struct Services;
class GameScreen;
class GameWindow;
class WindowStack;

struct DrillContext;
class CountDownWindow;
class DeletionDialog;
class DrillWindow;
class LevelMenu;
class LoginDialog;
class MainMenu;
class RecordsMenu;
class RecordsTableWindow;
class RegistrationDialog;
class MistakesWindow;
class ResultWindow;
class SplashWindow;
class WeakFactsWindow;

// The game's windows: one of each, made at start-up and kept until the game
// ends. This is the one place that knows every window: it makes them, runs
// their creation handlers in the game's order, and wires the signals by
// which they open and notify one another.
class WindowSet : public QObject
{
    Q_OBJECT
public:
    // The children's records are in "user" inside `recordsFolder`; by default
    // in the game folder.
    WindowSet(Services &services, const GameFolder &gameFolder,
              const std::optional<GameFolder> &recordsFolder = std::nullopt);
    ~WindowSet() override;

    // The whole start-up: create the windows, show the screen, the splash for
    // four seconds, then the main menu.
    void start();

    // The steps of start-up, one by one.
    void createWindows();
    void runSplash();
    void showMainMenu();

    GameStage &stage() { return m_stage; }
    Services &services() const { return m_stage.services(); }
    WindowStack &stack() const { return m_stage.stack(); }
    GameScreen &screen() const { return m_stage.screen(); }
    users::Session &session() { return m_session; }
    const users::UserFiles &userFiles() const { return m_session.files; }
    // The logged-in child's name.
    const QString &userName() const { return m_session.UserName; }

    MainMenu &mainMenu() const { return *m_mainMenu; }
    SplashWindow &splash() const { return *m_splash; }
    RegistrationDialog &registrationDialog() const { return *m_registration; }
    LoginDialog &loginDialog() const { return *m_login; }
    DeletionDialog &deletionDialog() const { return *m_deletion; }
    RecordsMenu &recordsMenu() const { return *m_recordsMenu; }
    RecordsTableWindow &recordsTable() const { return *m_recordsTable; }
    WeakFactsWindow &weakFacts() const { return *m_weakFacts; }
    CountDownWindow &countDown() const { return *m_countDown; }
    ResultWindow &resultWindow() const { return *m_result; }
    MistakesWindow &mistakesWindow() const { return *m_mistakes; }

    // A drill's level menu and drill window.
    LevelMenu &levelMenu(Drill drill) const;
    DrillWindow &drillWindow(Drill drill) const;

    // A practice round of a drill, through the count-down; its result's
    // "もどる" leads back to the window it was asked from.
    void practise(Drill drill, const drill::Practice &practice);

    // The main menu has closed: the game ends.
    void endGame();

signals:
    void ended();

private:
    template <class Window, class... Args>
    Window *make(Args &&...args);
    void wire();

    GameStage m_stage;
    users::Session m_session;
    // Every window, in the order their creation handlers run.
    std::vector<GameWindow *> m_windows;

    MainMenu *m_mainMenu = nullptr;
    SplashWindow *m_splash = nullptr;
    RegistrationDialog *m_registration = nullptr;
    LoginDialog *m_login = nullptr;
    DeletionDialog *m_deletion = nullptr;
    RecordsMenu *m_recordsMenu = nullptr;
    RecordsTableWindow *m_recordsTable = nullptr;
    WeakFactsWindow *m_weakFacts = nullptr;
    CountDownWindow *m_countDown = nullptr;
    ResultWindow *m_result = nullptr;
    MistakesWindow *m_mistakes = nullptr;

    // Each drill's level menu and drill window, in the order of the drills.
    struct DrillWindows
    {
        Drill drill;
        LevelMenu *menu;
        DrillWindow *window;
    };
    std::vector<DrillWindows> m_drills;
    const DrillWindows &windowsOf(Drill drill) const;
    DrillWindows &rowOf(Drill drill);
    void makeMenu(Drill drill);
    void makeDrillWindow(Drill drill, const DrillContext &context);
};
