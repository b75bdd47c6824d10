// The window stack: which window lies on top, which one is active and takes
// the keys, and the guarded handlers that report a failed file and let the game go on.

#include "GameFixture.h"

#include "ui/GameScreen.h"
#include "ui/GameWindow.h"
#include "ui/IoError.h"
#include "app/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"

namespace {

// A window that counts its activations and closes.
class ProbeForm : public GameWindow
{
public:
    ProbeForm(WindowSet &windows, const char *name)
        : GameWindow(windows.stage(), Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
    {
        setObjectName(QString::fromLatin1(name));
        create();
    }
    int activations = 0;
    int closes = 0;
    std::function<void()> onActivate;

protected:
    void FormActivate() override
    {
        ++activations;
        if (onActivate)
            onActivate();
    }
    void FormClose() override { ++closes; }
};

class WindowStackTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        startGame();
        a = new ProbeForm(*windows, "A");
        b = new ProbeForm(*windows, "B");
        c = new ProbeForm(*windows, "C");
    }
    ProbeForm *a = nullptr;
    ProbeForm *b = nullptr;
    ProbeForm *c = nullptr;
};

TEST_F(WindowStackTest, TheWindowShownLastIsOnTopAndActive)
{
    a->openWindow();
    b->openWindow();
    settle();
    EXPECT_EQ(windows->stack().topForm(), b);
    EXPECT_EQ(windows->stack().activeForm(), b);
    // Activation is decided once the handler is over: A was never active.
    EXPECT_EQ(a->activations, 0);
    EXPECT_EQ(b->activations, 1);
    // The surface draws later children over earlier ones.
    const QObjectList &order = windows->screen().surface()->children();
    EXPECT_GT(order.indexOf(b), order.indexOf(a));
}

TEST_F(WindowStackTest, ClosingSeveralWindowsInOneHandlerActivatesTheOneBeneathOnce)
{
    a->openWindow();
    settle();
    b->openWindow();
    c->openWindow();
    settle();
    ASSERT_EQ(a->activations, 1);

    c->closeWindow();
    b->closeWindow();
    // A window that is not shown still runs its close step.
    b->closeWindow();
    settle();
    EXPECT_EQ(b->closes, 2);
    EXPECT_EQ(a->activations, 2);
    EXPECT_EQ(windows->stack().activeForm(), a);
    EXPECT_FALSE(b->isVisible());
}

TEST_F(WindowStackTest, ShowingTheActiveWindowAgainDoesNotActivateItAgain)
{
    a->openWindow();
    settle();
    a->openWindow();
    settle();
    EXPECT_EQ(a->activations, 1);
}

TEST_F(WindowStackTest, AClickActivatesAWindowAndRaisesIt)
{
    a->openWindow();
    b->openWindow();
    settle();
    QTest::mouseClick(a, Qt::LeftButton);
    settle();
    EXPECT_EQ(windows->stack().activeForm(), a);
    EXPECT_EQ(windows->stack().topForm(), a);
    EXPECT_EQ(a->activations, 1);

    // The main menu becomes active when clicked but stays beneath the others.
    MainMenu &menu = windows->mainMenu();
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(300, 300));
    settle();
    EXPECT_EQ(windows->stack().activeForm(), &menu);
    EXPECT_EQ(windows->stack().topForm(), a);
}

TEST_F(WindowStackTest, KeysReachOnlyTheActiveWindow)
{
    QLineEdit *fieldA = ui::edit(a, "Edit1", {8, 8, 100, 20});
    QLineEdit *fieldB = ui::edit(b, "Edit1", {8, 8, 100, 20});
    struct Case
    {
        const char *stack;
        std::function<void()> arrange;
        QString typedInA, typedInB;
    };
    const Case cases[] = {
        {"A open, B never opened", [&] { a->openWindow(); }, "12", ""},
        {"B open over A", [&] { a->openWindow(); b->openWindow(); }, "", "12"},
        {"B closed, A uncovered", [&] { a->openWindow(); b->openWindow(); b->closeWindow(); }, "12", ""},
        {"A closed", [&] { a->openWindow(); a->closeWindow(); }, "", ""},
    };
    for (const Case &c : cases) {
        fieldA->clear();
        fieldB->clear();
        c.arrange();
        settle();
        QTest::keyClicks(fieldA, "12");
        QTest::keyClicks(fieldB, "12");
        EXPECT_EQ(fieldA->text(), c.typedInA) << c.stack;
        EXPECT_EQ(fieldB->text(), c.typedInB) << c.stack;
        a->closeWindow();
        b->closeWindow();
    }
}

TEST_F(WindowStackTest, AFailureInAHandlerIsReportedAndEndsOnlyThatHandler)
{
    bool afterTheFailure = false;
    a->onActivate = [&] {
        throw IoError(QStringLiteral("user\\taro.tzk"), QStringLiteral("ファイルがありません"));
        afterTheFailure = true;
    };
    a->openWindow();
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("user\\taro.tzk")));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("ファイルがありません")));
    EXPECT_FALSE(afterTheFailure);
    // The game goes on: the window is shown and active, and others still work.
    EXPECT_TRUE(a->isVisible());
    b->openWindow();
    settle();
    EXPECT_EQ(b->activations, 1);
}

TEST_F(WindowStackTest, ADisabledLabelLetsTheWindowSeeThePointer)
{
    int windowMoves = 0;
    int labelMoves = 0;
    int clicks = 0;
    struct Menu : ProbeForm
    {
        using ProbeForm::ProbeForm;
        int *moves = nullptr;
        void FormMouseMove() override { ++*moves; }
    };
    auto *menu = new Menu(*windows, "Menu");
    menu->moves = &windowMoves;
    GameLabel *entry = ui::link(menu, "Label1", QStringLiteral("れべる１"), {56, 88}, 24);
    QObject::connect(entry, &GameLabel::mouseMoved, [&] { ++labelMoves; });
    QObject::connect(entry, &GameLabel::clicked, [&] { ++clicks; });
    menu->openWindow();
    settle();

    hover(entry, QPoint(5, 5));
    QTest::mouseClick(entry, Qt::LeftButton);
    EXPECT_EQ(labelMoves, 1);
    EXPECT_EQ(windowMoves, 0);
    EXPECT_EQ(clicks, 1);

    entry->setEnabled(false);
    hover(entry, QPoint(6, 6));
    QTest::mouseClick(entry, Qt::LeftButton);
    EXPECT_EQ(labelMoves, 1);
    EXPECT_EQ(windowMoves, 1);
    EXPECT_EQ(clicks, 1);
}

} // namespace
