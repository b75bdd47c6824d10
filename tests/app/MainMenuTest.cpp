// The main menu: the list of children, the panels before and after log-in,
// and the drill buttons.

#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableMenu.h"
#include "drills/basic/TimesTableMenu.h"
#include "drills/mental/HorizontalAdditionMenu.h"
#include "drills/mental/MentalDivisionMenu.h"
#include "drills/mental/MentalTimesMenu.h"

#include <QDir>
#include <QListWidget>

namespace {

class MainMenuTest : public GameFixture
{
protected:
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < windows->mainMenu().ListBox1->count(); ++row)
            names << windows->mainMenu().ListBox1->item(row)->text();
        return names;
    }
};

TEST_F(MainMenuTest, ListsEveryPasswordFileInTheOrderTheFolderGivesThem)
{
    writeFile("user/taro.pwd", "a\r\n");
    writeFile("user/hanako.pwd", "b\r\n");
    writeFile("user/taro.tzk", "1\r\n0\r\n0\r\n0\r\n");
    startGame();

    QStringList expected;
    const QStringList entries = QDir(path("user")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                                 | QDir::NoDotAndDotDot,
                                                             QDir::Unsorted);
    for (const QString &entry : entries) {
        if (entry.endsWith(QLatin1String(".pwd")))
            expected << entry.chopped(4);
    }
    EXPECT_EQ(listed(), expected);
    EXPECT_EQ(listed().size(), 2);
    EXPECT_TRUE(listed().contains("taro"));
    EXPECT_TRUE(listed().contains("hanako"));
}

TEST_F(MainMenuTest, AFileNamedOnlyPwdGivesAnEmptyEntry)
{
    writeFile("user/.pwd", "x\r\n");
    startGame();
    EXPECT_EQ(listed(), QStringList{QString()});
}

TEST_F(MainMenuTest, NoUserFolderGivesAnEmptyListAndNoMessage)
{
    ASSERT_TRUE(QDir(path("user")).removeRecursively());
    startGame();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainMenuTest, BeforeLogInOnlyRegistrationTheListAndTheCloseButtonWork)
{
    startGame();
    MainMenu &menu = windows->mainMenu();
    EXPECT_TRUE(menu.Panel8->isEnabled());
    EXPECT_TRUE(menu.Panel7->isEnabled());
    EXPECT_TRUE(menu.ListBox1->isEnabled());
    for (ButtonPanel *panel : {menu.Panel1, menu.Panel2, menu.Panel3, menu.Panel4, menu.Panel5,
                               menu.Panel6, menu.Panel9, menu.Panel11})
        EXPECT_FALSE(panel->isEnabled()) << panel->objectName().toStdString();

    // A greyed drill panel ignores the click.
    QTest::mouseClick(menu.Panel1, Qt::LeftButton);
    settle();
    EXPECT_EQ(menu.DrillMode, 0);
    EXPECT_FALSE(windows->additionMenu().isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &menu);
}

TEST_F(MainMenuTest, EachDrillButtonSetsItsModeAndShowsItsLevelMenu)
{
    startGame();
    MainMenu &menu = windows->mainMenu();
    menu.EnableUserPanels(true);

    struct Drill
    {
        ButtonPanel *panel;
        int mode;
        GameWindow *levelMenu;
    };
    const Drill drills[] = {
        {menu.Panel1, 1, &windows->additionMenu()},  {menu.Panel3, 2, &windows->timesTableMenu()},
        {menu.Panel5, 3, &windows->divisionTableMenu()}, {menu.Panel2, 4, &windows->horizontalAdditionMenu()},
        {menu.Panel4, 5, &windows->mentalTimesMenu()},  {menu.Panel6, 6, &windows->mentalDivisionMenu()},
    };
    for (const Drill &drill : drills) {
        QTest::mouseClick(drill.panel, Qt::LeftButton);
        settle();
        EXPECT_EQ(menu.DrillMode, drill.mode) << drill.panel->text().toStdString();
        EXPECT_TRUE(drill.levelMenu->isVisible());
        EXPECT_EQ(windows->stack().activeForm(), drill.levelMenu);
        // The level menu lies over the main menu.
        EXPECT_EQ(windows->stack().topForm(), drill.levelMenu);
        drill.levelMenu->closeWindow();
        settle();
        EXPECT_EQ(windows->stack().activeForm(), &menu);
    }
}

TEST_F(MainMenuTest, ShowsTheCaptionsAndPicturesOfTheMenu)
{
    startGame();
    MainMenu &menu = windows->mainMenu();
    EXPECT_EQ(menu.Panel4->text(), QStringLiteral("かけあんざん"));
    EXPECT_EQ(menu.Panel3->text(), QStringLiteral("かけざん大作戦"));
    EXPECT_EQ(menu.Label2->text(), QStringLiteral("おしまいぼたん"));
    // Read top to bottom: one character a line.
    EXPECT_GT(menu.Label2->height(), 6 * menu.Label2->width());
    EXPECT_EQ(menu.Panel1->geometry(), QRect(64, 320, 153, 33));
    EXPECT_EQ(menu.ListBox1->geometry(), QRect(8, 40, 153, 129));
    EXPECT_EQ(menu.Image1->fileName(), QStringLiteral("Graphics\\ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP"));
    EXPECT_EQ(menu.Image6->fileName(), QStringLiteral("Graphics\\みどり　顔.BMP"));
    EXPECT_EQ(menu.palette().color(QPalette::Window), QColor(0xFB, 0xFD, 0xE3));
    EXPECT_EQ(menu.Panel8->palette().color(QPalette::Window), QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(menu.Panel1->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
}

} // namespace
