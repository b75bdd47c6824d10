// Start-up: making the windows, the screen-mode step, where windows stand,
// the splash before the main menu, and the end of the game.

#include "GameFixture.h"

#include "ui/GameScreen.h"
#include "app/MainMenu.h"
#include "app/SplashWindow.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"
#include "users/RegistrationDialog.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>

namespace {

class StartupTest : public GameFixture
{
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
    // The pictures before it were loaded; the rest of the creation was skipped.
    EXPECT_EQ(part<PictureBox>(&menu, "Image2")->fileName(), QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    EXPECT_TRUE(part<PictureBox>(&menu, "Image1")->fileName().isEmpty());
    EXPECT_EQ(part<QListWidget>(&menu, "ListBox1")->count(), 0);
    // Every window after it was still created, down to the splash made last,
    // and the main menu still fills the screen.
    EXPECT_EQ(part<PictureBox>(&windows->splash(), "Image1")->fileName(), QStringLiteral("Graphics\\N・I Title.BMP"));
    EXPECT_EQ(menu.size(), QSize(640, 480));
}

} // namespace
