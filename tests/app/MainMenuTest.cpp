// The main menu: the list of children, the panels before and after log-in,
// and the drill buttons.

#include "GameFixture.h"

#include "app/MainMenu.h"
#include "drill/LevelMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/DrillTable.h"

#include <QDir>
#include <QListWidget>

namespace {

class MainMenuTest : public GameFixture
{
protected:
    MainMenu &menu() const { return windows->mainMenu(); }
    ButtonPanel *button(const char *name) const { return part<ButtonPanel>(&menu(), name); }
};

TEST_F(MainMenuTest, ListsTheChildrenWithAPasswordFileAndSaysNothingWithoutAUserFolder)
{
    struct Case
    {
        QStringList files; // in user/; none: no user folder at all
        QStringList listed;
    };
    const Case cases[] = {
        {{"taro.pwd", "hanako.pwd", "taro.tzk"}, {"hanako", "taro"}},
        {{".pwd", "jiro.pwd"}, {"jiro"}},   // a bare ".pwd" names nobody
        {{}, {}},
    };
    for (const Case &c : cases) {
        windows.reset();
        ASSERT_TRUE(QDir(path("user")).removeRecursively());
        for (const QString &file : c.files)
            writeFile("user/" + file, "pw\r\n");
        startGame();

        const QListWidget *list = part<QListWidget>(&menu(), "ListBox1");
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        names.sort(); // listed in the folder's order, which the file system decides
        EXPECT_EQ(names, c.listed) << c.files.join(' ').toStdString();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    }
}

TEST_F(MainMenuTest, BeforeLogInOnlyRegistrationTheListAndTheCloseButtonWork)
{
    startGame();
    EXPECT_TRUE(button("Panel8")->isEnabled());
    EXPECT_TRUE(button("Panel7")->isEnabled());
    EXPECT_TRUE(part<QListWidget>(&menu(), "ListBox1")->isEnabled());
    EXPECT_FALSE(button("Panel9")->isEnabled());
    EXPECT_FALSE(button("Panel11")->isEnabled());
    for (const DrillInfo &info : allDrills())
        EXPECT_FALSE(button(info.menuButton)->isEnabled()) << info.menuButton;

    // A greyed drill button ignores the click.
    QTest::mouseClick(button(drillInfo(Drill::Addition).menuButton), Qt::LeftButton);
    settle();
    EXPECT_FALSE(menu().DrillMode.has_value());
    EXPECT_FALSE(windows->levelMenu(Drill::Addition).isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
}

TEST_F(MainMenuTest, EachDrillButtonSetsItsModeAndShowsItsLevelMenu)
{
    startGame();
    menu().EnableUserPanels(true);

    for (const DrillInfo &info : allDrills()) {
        SCOPED_TRACE(info.menuButton);
        LevelMenu &levelMenu = windows->levelMenu(info.drill);
        QTest::mouseClick(button(info.menuButton), Qt::LeftButton);
        settle();
        EXPECT_EQ(menu().DrillMode, info.drill);
        EXPECT_TRUE(levelMenu.isVisible());
        EXPECT_EQ(windows->stack().activeForm(), &levelMenu);
        // The level menu lies over the main menu.
        EXPECT_EQ(windows->stack().topForm(), &levelMenu);
        levelMenu.closeWindow();
        settle();
        EXPECT_EQ(windows->stack().activeForm(), &menu());
    }
}

} // namespace
