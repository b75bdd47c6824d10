#include "app/WindowSet.h"

#include "app/MainMenu.h"
#include "app/SplashWindow.h"
#include "drill/CountDownWindow.h"
#include "drill/MistakesWindow.h"
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
#include "users/WeakFactsWindow.h"

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

namespace {

// One row per drill: how its level menu and its drill window are made. The
// rows stand in the order the drill windows close after a round.
struct DrillFactory
{
    Drill drill;
    LevelMenu *(*makeMenu)(GameStage &, users::Session &);
    DrillWindow *(*makeWindow)(GameStage &, const DrillContext &, LevelMenu &);
};

template <class Menu>
LevelMenu *menuOf(GameStage &stage, users::Session &session)
{
    return new Menu(stage, session);
}

template <class Window, class Menu>
DrillWindow *windowOf(GameStage &stage, const DrillContext &context, LevelMenu &menu)
{
    return new Window(stage, context, static_cast<Menu &>(menu));
}

constexpr DrillFactory DrillFactories[] = {
    {Drill::Addition, menuOf<AdditionMenu>, windowOf<AdditionDrill, AdditionMenu>},
    {Drill::TimesTable, menuOf<TimesTableMenu>, windowOf<TimesTableDrill, TimesTableMenu>},
    {Drill::DivisionTable, menuOf<DivisionTableMenu>, windowOf<DivisionTableDrill, DivisionTableMenu>},
    {Drill::MentalTimes, menuOf<MentalTimesMenu>, windowOf<MentalTimesDrill, MentalTimesMenu>},
    {Drill::HorizontalAddition, menuOf<HorizontalAdditionMenu>,
     windowOf<HorizontalAdditionDrill, HorizontalAdditionMenu>},
    {Drill::MentalDivision, menuOf<MentalDivisionMenu>, windowOf<MentalDivisionDrill, MentalDivisionMenu>},
};

const DrillFactory &factoryOf(Drill drill)
{
    return *std::ranges::find(DrillFactories, drill, &DrillFactory::drill);
}

} // namespace

template <class Window, class... Args>
Window *WindowSet::make(Args &&...args)
{
    auto *window = new Window(m_stage, std::forward<Args>(args)...);
    m_windows.push_back(window);
    return window;
}

WindowSet::DrillWindows &WindowSet::rowOf(Drill drill)
{
    return *std::ranges::find(m_drills, drill, &DrillWindows::drill);
}

void WindowSet::makeMenu(Drill drill)
{
    DrillWindows &row = rowOf(drill);
    row.menu = factoryOf(drill).makeMenu(m_stage, m_session);
    m_windows.push_back(row.menu);
}

void WindowSet::makeDrillWindow(Drill drill, const DrillContext &context)
{
    DrillWindows &row = rowOf(drill);
    row.window = factoryOf(drill).makeWindow(m_stage, context, *row.menu);
    m_windows.push_back(row.window);
}

void WindowSet::createWindows()
{
    for (const DrillFactory &factory : DrillFactories)
        m_drills.push_back({factory.drill, nullptr, nullptr});

    // Made in the order the game has always created its windows; the drill
    // windows are told the result window, so it is made first, and created
    // in its place.
    auto *result = new ResultWindow(m_stage);
    const DrillContext drill{m_session, *result};

    m_mainMenu = make<MainMenu>(m_session);
    makeMenu(Drill::Addition);
    makeMenu(Drill::MentalTimes);
    m_registration = make<RegistrationDialog>(m_session);
    makeDrillWindow(Drill::Addition, drill);
    m_login = make<LoginDialog>(m_session);
    m_countDown = make<CountDownWindow>();
    m_recordsMenu = make<RecordsMenu>();
    m_recordsTable = make<RecordsTableWindow>(m_session);
    m_deletion = make<DeletionDialog>(m_session);
    makeMenu(Drill::TimesTable);
    makeDrillWindow(Drill::TimesTable, drill);
    makeMenu(Drill::DivisionTable);
    makeDrillWindow(Drill::DivisionTable, drill);
    makeDrillWindow(Drill::MentalTimes, drill);
    m_result = result;
    m_windows.push_back(result);
    makeMenu(Drill::MentalDivision);
    makeDrillWindow(Drill::MentalDivision, drill);
    makeMenu(Drill::HorizontalAddition);
    makeDrillWindow(Drill::HorizontalAddition, drill);
    // A drill without a place above is made last, before the splash.
    for (const DrillWindows &row : std::vector(m_drills)) {
        if (!row.menu)
            makeMenu(row.drill);
        if (!row.window)
            makeDrillWindow(row.drill, drill);
    }
    m_mistakes = make<MistakesWindow>();
    m_weakFacts = make<WeakFactsWindow>(m_session);
    m_splash = make<SplashWindow>();
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
    connect(m_recordsTable, &RecordsTableWindow::weakFactsAsked, m_weakFacts,
            &WeakFactsWindow::ShowMap);
    connect(m_weakFacts, &WeakFactsWindow::practiceAsked, this, [this](Drill drill, int level) {
        m_stage.runGuarded([&] {
            if (level > 0)
                return practise(drill, {level, {}});
            const users::FactMemory memory = m_session.files.readMemory(m_session.UserName);
            if (const std::optional<drill::Practice> practice = drill::practiceOfWeakFacts(drill, memory.of(drill)))
                practise(drill, *practice);
        });
    });

    // Back from a result, or from a round the child stopped: every drill
    // window closes and resets itself.
    const auto closeDrills = [this] {
        for (const DrillWindows &row : m_drills)
            row.window->closeWindow();
    };
    connect(m_result, &ResultWindow::wentBack, this, closeDrills);
    connect(m_result, &ResultWindow::mistakesAsked, m_mistakes,
            [this] { m_mistakes->ShowMistakes(m_result->mistakes()); });
    for (const DrillWindows &row : m_drills) {
        // A level chosen in the menu is played for the records.
        connect(row.menu, &LevelMenu::levelChosen, row.window,
                [window = row.window] { window->PrepareRound(std::nullopt); });
        connect(row.menu, &LevelMenu::levelChosen, m_countDown, &CountDownWindow::Start);
        connect(row.window, &DrillWindow::roundStopped, this, closeDrills);
    }
}

void WindowSet::practise(Drill drill, const drill::Practice &practice)
{
    DrillWindow &window = drillWindow(drill);
    m_countDown->SetDrill(drillInfo(drill).countDownPicture, &window);
    window.PrepareRound(practice);
    m_countDown->Start();
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
