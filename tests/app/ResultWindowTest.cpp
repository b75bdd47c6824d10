#include "../drill/DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/TimesTableDrill.h"

namespace {

class ResultWindowTest : public DrillFixture
{
protected:
    ResultWindow &result() const { return windows->resultWindow(); }
};

} // namespace

TEST_F(ResultWindowTest, AnnouncesOverTheDrillAndGoesBackToTheLevelMenu)
{
    logIn();
    windows->additionMenu().openWindow();
    settle();
    windows->additionMenu().SelectedLevel = 1;
    countDown(1);
    AdditionDrill &drill = windows->additionDrill();
    ASSERT_EQ(active(), &drill);

    result().Announce(QStringLiteral("Graphics\\本合格.bmp"), QStringLiteral("合格おめでと～"));
    settle();
    EXPECT_EQ(active(), &result());
    EXPECT_EQ(result().Label2->text(), QStringLiteral("合格おめでと～"));
    EXPECT_EQ(result().Image2->fileName(), QStringLiteral("Graphics\\本合格.bmp"));
    EXPECT_TRUE(drill.isVisible()) << "the drill window lies beneath";

    // The level menu reads the progress file again when it comes back.
    writeFile(QStringLiteral("user/taro.tzk"), "2\r\n1\r\n0\r\n0\r\n");
    QTest::mouseClick(result().Label3, Qt::LeftButton);
    settle();
    EXPECT_FALSE(result().isVisible());
    EXPECT_FALSE(drill.isVisible());
    EXPECT_EQ(active(), &windows->additionMenu());
    EXPECT_FALSE(windows->additionMenu().Label1->isEnabled());
    EXPECT_TRUE(windows->additionMenu().Label3->isEnabled());

    // The message is gone; the picture stays until the next announcement.
    EXPECT_EQ(result().Label2->text(), QString());
    EXPECT_EQ(result().Image2->fileName(), QStringLiteral("Graphics\\本合格.bmp"));
    result().Announce(QStringLiteral("Graphics\\四人　落込.bmp"), QStringLiteral("がーーーーーーーん・・・・"));
    EXPECT_EQ(result().Image2->fileName(), QStringLiteral("Graphics\\四人　落込.bmp"));
}

TEST_F(ResultWindowTest, GoingBackClosesEveryDrillWindowEvenOneThatWasNeverShown)
{
    logIn();
    TimesTableDrill &tables = windows->timesTableDrill();
    tables.Timer1->setEnabled(true);
    tick(tables.Timer1, 12);
    ASSERT_FALSE(tables.isVisible());
    result().Announce(QStringLiteral("Graphics\\四人　喜.bmp"), QStringLiteral("１の段クリアーおめでと～"));
    settle();
    QTest::mouseClick(result().Label3, Qt::LeftButton);
    settle();
    EXPECT_FALSE(tables.Timer1->isEnabled());
    EXPECT_EQ(tables.Label9->text() + tables.Label8->text(), QStringLiteral("00"));
    EXPECT_EQ(active(), &windows->mainMenu());
}

TEST_F(ResultWindowTest, APictureThatCannotBeLoadedIsReported)
{
    logIn();
    QTest::mouseClick(windows->mainMenu().Panel1, Qt::LeftButton);
    settle();
    QFile::remove(path(QStringLiteral("Graphics/四人　喜.bmp")));
    windows->additionMenu().SelectedLevel = 1;
    countDown(1);
    tick(windows->additionDrill().Timer1, 120);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("四人　喜.bmp")));
    // The round could not be announced: back at the level menu, nothing recorded.
    EXPECT_EQ(active(), &windows->additionMenu());
    EXPECT_EQ(windows->userFiles().readProgress(QStringLiteral("taro"), 1).historyLines, 1);
}
