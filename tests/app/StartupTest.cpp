// Start-up: making the windows, the screen-mode step, where windows stand,
// the splash before the main menu, and the end of the game.

#include "GameFixture.h"

#include "ui/GameScreen.h"
#include "app/EarlySplash.h"
#include "app/GameProgram.h"
#include "app/MainMenu.h"
#include "app/SplashWindow.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"
#include "users/RegistrationDialog.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

namespace {

class StartupTest : public GameFixture
{
};

// Ends a start-up that would wait for ever (the test fails then, rather than
// hanging), and tells whether it had to.
class Rescue
{
public:
    explicit Rescue(std::function<void()> unblock)
    {
        QTimer::singleShot(5000, &m_context, [this, unblock] {
            used = true;
            unblock();
        });
    }
    bool used = false;

private:
    QObject m_context;
};

// Message boxes that stay open until the splash's four seconds are up.
class SlowDialogs : public FakeDialogs
{
public:
    void reportError(const QString &text) override
    {
        FakeDialogs::reportError(text);
        if (whileOpen)
            whileOpen();
    }
    std::function<void()> whileOpen;
};

TEST_F(StartupTest, CreatesEveryWindowWithoutErrorsAndShowsNoneBeforeTheSplash)
{
    createWindows();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    const QList<GameWindow *> made = windows->screen().surface()->findChildren<GameWindow *>();
    ASSERT_FALSE(made.isEmpty());
    for (GameWindow *form : made)
        EXPECT_FALSE(form->isVisible()) << form->objectName().toStdString();
}

TEST_F(StartupTest, SplashStaysFourSecondsBeforeTheMainMenuAppears)
{
    createWindows();
    SplashWindow &splash = windows->splash();
    EXPECT_EQ(splash.Timer1->interval(), 4000);
    EXPECT_TRUE(splash.Timer1->isEnabled());
    EXPECT_EQ(part<PictureBox>(&splash, "Image1")->fileName(),
              QStringLiteral("Graphics\\N・I Title.BMP"));
    EXPECT_FALSE(textOf(&splash, "Label1").isEmpty());

    bool checkedWhileShown = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(splash.isVisible());
        EXPECT_FALSE(windows->mainMenu().isVisible());
        EXPECT_EQ(windows->stack().activeForm(), &splash);
        checkedWhileShown = true;
        // The four seconds are up.
        emit splash.Timer1->timeout();
    });
    windows->runSplash();
    EXPECT_TRUE(checkedWhileShown);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isEnabled());

    windows->showMainMenu();
    settle();
    EXPECT_TRUE(windows->mainMenu().isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &windows->mainMenu());
}

struct ScreenCase
{
    QSize desktop;
    int depth;
    bool switched;
    QSize game;
};

class ScreenModeTest : public GameFixture, public ::testing::WithParamInterface<ScreenCase>
{
};

TEST_P(ScreenModeTest, SwitchesOnlyWhenBothSidesDiffer)
{
    const ScreenCase c = GetParam();
    display = FakeDisplay(c.desktop, c.depth);
    startGame();

    if (c.switched) {
        ASSERT_EQ(display.requests.size(), 1u);
        EXPECT_EQ(display.requests[0].width, 640);
        EXPECT_EQ(display.requests[0].height, 480);
        EXPECT_EQ(display.requests[0].depth, c.depth);
    } else {
        EXPECT_TRUE(display.requests.empty());
    }
    EXPECT_EQ(windows->screen().screenSize(), c.game);
    for (GameWindow *form : windows->screen().surface()->findChildren<GameWindow *>()) {
        if (form->kind() == GameWindow::Kind::FullScreen)
            EXPECT_EQ(form->geometry(), QRect(QPoint(0, 0), c.game)) << form->objectName().toStdString();
    }

    // Closing the main menu restores the display, switched or not, and ends the game.
    QSignalSpy ended(windows.get(), &WindowSet::ended);
    QTest::mouseClick(part<GameLabel>(&windows->mainMenu(), "Label2"), Qt::LeftButton);
    EXPECT_EQ(display.restores, 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(windows->mainMenu().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Desktops, ScreenModeTest,
                         ::testing::Values(ScreenCase{{1024, 768}, 16, true, {640, 480}},
                                           ScreenCase{{1920, 1080}, 32, true, {640, 480}},
                                           ScreenCase{{640, 480}, 32, false, {640, 480}},
                                           ScreenCase{{640, 400}, 16, false, {640, 400}},
                                           ScreenCase{{800, 480}, 24, false, {800, 480}}));

TEST_F(StartupTest, DialogsAreCentredOnTheGameScreen)
{
    display = FakeDisplay(QSize(1024, 768), 16);
    createWindows();
    EXPECT_EQ(windows->loginDialog().geometry(), QRect(197, 154, 245, 172));
    EXPECT_EQ(windows->registrationDialog().geometry(), QRect(176, 146, 287, 187));
    EXPECT_EQ(windows->deletionDialog().geometry(), QRect(79, 186, 482, 108));
    EXPECT_EQ(windows->splash().geometry(), QRect(108, 103, 424, 273));
}

TEST_F(StartupTest, DialogTallerThanTheScreenGetsANegativePositionTruncatedTowardZero)
{
    // 640 wide, so not switched: (151 - 172) div 2 is -10, not -11.
    display = FakeDisplay(QSize(640, 151));
    createWindows();
    EXPECT_EQ(windows->loginDialog().pos(), QPoint(197, -10));
    EXPECT_EQ(windows->mainMenu().size(), QSize(640, 151));
}

TEST_F(StartupTest, TheDesktopsCloseCommandEndsTheGameLikeTheCloseButton)
{
    startGame();
    QSignalSpy ended(windows.get(), &WindowSet::ended);
    windows->screen().close();
    EXPECT_EQ(display.restores, 1);
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(StartupTest, ClickOnThePanelAroundTheLabelAlsoEndsTheGame)
{
    startGame();
    QSignalSpy ended(windows.get(), &WindowSet::ended);
    QTest::mouseClick(part<ButtonPanel>(&windows->mainMenu(), "Panel7"), Qt::LeftButton, {},
                      QPoint(3, 3));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(display.restores, 1);
}

TEST_F(StartupTest, AMissingPictureIsReportedAndStartUpGoesOn)
{
    writeFile("user/taro.pwd", "abc\r\n");
    ASSERT_TRUE(QFile::remove(path("Graphics/ｽﾞｯｷｰ.BMP")));
    createWindows();

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Graphics\\ｽﾞｯｷｰ.BMP")))
        << dialogs.errors[0].toStdString();
    MainMenu &menu = windows->mainMenu();
    // Pictures are decoration: reported once though two boxes show it, the
    // other pictures loaded, and the children listed.
    EXPECT_EQ(part<PictureBox>(&menu, "Image2")->fileName(), QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    EXPECT_TRUE(part<PictureBox>(&menu, "Image4")->fileName().isEmpty());
    EXPECT_EQ(part<PictureBox>(&menu, "Image1")->fileName(), QStringLiteral("Graphics\\ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP"));
    EXPECT_EQ(part<QListWidget>(&menu, "ListBox1")->count(), 1);
    // Every window after it was still created, down to the splash made last,
    // and the main menu still fills the screen.
    EXPECT_EQ(part<PictureBox>(&windows->splash(), "Image1")->fileName(), QStringLiteral("Graphics\\N・I Title.BMP"));
    EXPECT_EQ(menu.size(), QSize(640, 480));
}

TEST_F(StartupTest, AnErrorBoxOpenLongerThanTheSplashDoesNotHoldUpStartUp)
{
    ASSERT_TRUE(QFile::remove(path("Graphics/N・I Title.BMP")));
    SlowDialogs slow;
    Services slowBoxes{display, sound, slow, clock, random, timers, printing};
    windows = std::make_unique<WindowSet>(slowBoxes, GameFolder(folder.path()));
    slow.whileOpen = [this] { emit windows->splash().Timer1->timeout(); };

    Rescue rescue([this] { windows->stack().close(&windows->splash()); });
    windows->start();
    EXPECT_FALSE(rescue.used) << "start-up waited for a splash that had had its time";
    ASSERT_EQ(slow.errors.size(), 1);
    EXPECT_TRUE(slow.errors[0].contains(QStringLiteral("N・I Title.BMP")));
    settle();
    EXPECT_FALSE(windows->splash().isVisible());
    EXPECT_TRUE(windows->mainMenu().isVisible());
    windows.reset();
}

// The program as main() runs it, on the fake services, with the splash
// picture kept in a cache folder of its own.
class GameProgramTest : public StartupTest
{
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        ASSERT_TRUE(cache.isValid());
        m_oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        game = std::make_unique<GameProgram>(folder.path(), services);
    }
    void TearDown() override
    {
        game.reset();
        qputenv("XDG_CACHE_HOME", m_oldCache);
        StartupTest::TearDown();
    }

    // run(), ended by the test should it wait for ever.
    int runGame(WindowSet &started)
    {
        Rescue rescue([&started] {
            if (started.splash().isVisible())
                emit started.splash().Timer1->timeout();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
        const int code = game->run();
        EXPECT_FALSE(rescue.used) << "the game went on after it was closed";
        return code;
    }

    QTemporaryDir cache;
    std::unique_ptr<GameProgram> game;

private:
    QByteArray m_oldCache;
};

TEST_F(GameProgramTest, AClosedSplashEndsTheGameBeforeItsEventLoopRuns)
{
    WindowSet &started = game->makeWindows();
    QSignalSpy ended(&started, &WindowSet::ended);
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(started.splash().isVisible());
        started.screen().close();
    });
    EXPECT_EQ(runGame(started), 0);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(display.restores, 1);
    EXPECT_FALSE(started.screen().isVisible());
}

TEST_F(GameProgramTest, AClosedEarlyPictureEndsTheGameBeforeItsWindowsAreShown)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QImage kept(QSize(40, 30), QImage::Format_RGB32);
    kept.fill(qRgb(200, 100, 0));
    ASSERT_TRUE(SplashPicture::write(game->earlySplash().pictureFile(), screen, {QPoint(5, 5), kept}));
    WindowSet &started = game->makeWindows();
    ASSERT_TRUE(game->earlySplash().isShowing());

    QWindow *picture = nullptr;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        if (qobject_cast<PictureWindow *>(window) && window->isVisible())
            picture = window;
    ASSERT_NE(picture, nullptr);
    picture->close();
    EXPECT_EQ(runGame(started), 0);
    EXPECT_FALSE(started.screen().isVisible()) << "the game's screen was never to be shown";
}

} // namespace
