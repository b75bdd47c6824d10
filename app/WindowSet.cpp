#include "app/WindowSet.h"

#include "app/MainMenu.h"
#include "app/SplashWindow.h"
#include "drill/CountDownWindow.h"
#include "drill/ResultWindow.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/DivisionTableMenu.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/basic/TimesTableMenu.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/HorizontalAdditionMenu.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalDivisionMenu.h"
#include "drills/mental/MentalTimesDrill.h"
#include "drills/mental/MentalTimesMenu.h"
#include "ui/GameScreen.h"
#include "ui/WindowStack.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"
#include "users/RecordsMenu.h"
#include "users/RecordsTableWindow.h"
#include "users/RegistrationDialog.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

WindowSet::WindowSet(Services &services, const GameFolder &gameFolder,
                     const std::optional<GameFolder> &recordsFolder)
    : m_stage(services, gameFolder), m_session(recordsFolder.value_or(gameFolder))
{
    m_stage.screen().setCloseHandler([this] {
        if (m_mainMenu)
            m_mainMenu->closeWindow();
    });
}

WindowSet::~WindowSet() = default;

template <class Window, class... Args>
Window *WindowSet::make(Args &&...args)
{
    auto *window = new Window(m_stage, std::forward<Args>(args)...);
    m_windows.push_back(window);
    return window;
}

void WindowSet::createWindows()
{
    // Made in the order the game has always created its windows; the drill
    // windows are told the result window, so it is made first, and created
    // in its place.
    auto *result = new ResultWindow(m_stage);
    const DrillContext drill{m_session, *result};

    m_mainMenu = make<MainMenu>(m_session);
    m_additionMenu = make<AdditionMenu>(m_session);
    auto *mentalTimesMenu = make<MentalTimesMenu>(m_session);
    m_registration = make<RegistrationDialog>(m_session);
    m_additionDrill = make<AdditionDrill>(drill, *m_additionMenu);
    m_login = make<LoginDialog>(m_session);
    m_countDown = make<CountDownWindow>();
    m_recordsMenu = make<RecordsMenu>();
    m_recordsTable = make<RecordsTableWindow>(m_session);
    m_deletion = make<DeletionDialog>(m_session);
    auto *timesTableMenu = make<TimesTableMenu>(m_session);
    auto *timesTableDrill = make<TimesTableDrill>(drill, *timesTableMenu);
    auto *divisionTableMenu = make<DivisionTableMenu>(m_session);
    auto *divisionTableDrill = make<DivisionTableDrill>(drill, *divisionTableMenu);
    auto *mentalTimesDrill = make<MentalTimesDrill>(drill, *mentalTimesMenu);
    m_result = result;
    m_windows.push_back(result);
    auto *mentalDivisionMenu = make<MentalDivisionMenu>(m_session);
    auto *mentalDivisionDrill = make<MentalDivisionDrill>(drill, *mentalDivisionMenu);
    auto *horizontalAdditionMenu = make<HorizontalAdditionMenu>(m_session);
    auto *horizontalAdditionDrill = make<HorizontalAdditionDrill>(drill, *horizontalAdditionMenu);
    m_splash = make<SplashWindow>();

    // One row per drill: its level menu and its drill window, in the order
    // the drill windows close after a round.
    m_drills = {
        {Drill::Addition, m_additionMenu, m_additionDrill},
        {Drill::TimesTable, timesTableMenu, timesTableDrill},
        {Drill::DivisionTable, divisionTableMenu, divisionTableDrill},
        {Drill::MentalTimes, mentalTimesMenu, mentalTimesDrill},
        {Drill::HorizontalAddition, horizontalAdditionMenu, horizontalAdditionDrill},
        {Drill::MentalDivision, mentalDivisionMenu, mentalDivisionDrill},
    };
    wire();

    // The main menu first: its creation switches the screen mode, so every
    // window after it takes the game's screen size.
    m_mainMenu->create();
    m_stage.screen().setScreenSize(m_stage.screenSize());
    for (GameWindow *window : m_windows) {
        if (window != m_mainMenu)
            window->create();
    }
}

void WindowSet::wire()
{
    MainMenu *menu = m_mainMenu;
    connect(menu, &MainMenu::childPicked, m_login, &LoginDialog::AskPassword);
    connect(menu, &MainMenu::registrationAsked, m_registration, &GameWindow::openWindow);
    connect(menu, &MainMenu::recordsAsked, m_recordsMenu, &GameWindow::openWindow);
    connect(menu, &MainMenu::deletionAsked, m_deletion, &GameWindow::openWindow);
    connect(menu, &MainMenu::drillChosen, this, [this](Drill drill) {
        m_countDown->SetDrill(drillInfo(drill).countDownPicture, &drillWindow(drill));
        levelMenu(drill).openWindow();
    });
    connect(menu, &MainMenu::closed, this, &WindowSet::endGame);

    connect(m_login, &LoginDialog::loggedIn, menu, [menu] { menu->EnableUserPanels(true); });
    connect(m_login, &LoginDialog::cancelled, menu, &MainMenu::MarkChildPlaying);
    connect(m_registration, &RegistrationDialog::registered, menu, &MainMenu::AddUser);
    connect(m_deletion, &DeletionDialog::deleted, menu, [menu] {
        menu->FillUserList();
        menu->EnableUserPanels(false);
    });
    connect(m_recordsMenu, &RecordsMenu::recordsChosen, m_recordsTable,
            &RecordsTableWindow::ShowRecords);

    // Back from a result, or from a round the child stopped: every drill
    // window closes and resets itself.
    const auto closeDrills = [this] {
        for (const DrillWindows &row : m_drills)
            row.window->closeWindow();
    };
    connect(m_result, &ResultWindow::wentBack, this, closeDrills);
    for (const DrillWindows &row : m_drills) {
        connect(row.menu, &LevelMenu::levelChosen, m_countDown, &CountDownWindow::Start);
        connect(row.window, &DrillWindow::roundStopped, this, closeDrills);
    }
}

const WindowSet::DrillWindows &WindowSet::windowsOf(Drill drill) const
{
    const auto row = std::ranges::find(m_drills, drill, &DrillWindows::drill);
    Q_ASSERT_X(row != m_drills.end(), "WindowSet", "the windows are not made yet");
    return *row;
}

LevelMenu &WindowSet::levelMenu(Drill drill) const
{
    return *windowsOf(drill).menu;
}

DrillWindow &WindowSet::drillWindow(Drill drill) const
{
    return *windowsOf(drill).window;
}

void WindowSet::runSplash()
{
    m_stage.stack().showModal(m_splash);
}

void WindowSet::showMainMenu()
{
    m_mainMenu->openWindow();
}

void WindowSet::start()
{
    createWindows();
    // Without a window manager a full-screen request alone does not resize.
    if (const QScreen *physical = QGuiApplication::primaryScreen())
        m_stage.screen().setGeometry(physical->geometry());
    m_stage.screen().showFullScreen();
    runSplash();
    showMainMenu();
}

void WindowSet::endGame()
{
    m_stage.screen().hide();
    emit ended();
}
