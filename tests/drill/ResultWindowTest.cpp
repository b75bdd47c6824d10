#include "DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"

namespace {

class ResultWindowTest : public DrillFixture
{
protected:
    ResultWindow &result() const { return windows->resultWindow(); }
    QString message() const { return textOf(&result(), "Label2"); }
    QString picture() const { return part<PictureBox>(&result(), "Image2")->fileName(); }
    void goBack()
    {
        QTest::mouseClick(part(&result(), "Label3"), Qt::LeftButton);
        settle();
    }
    bool offered(const char *entry) const { return part(&windows->levelMenu(Drill::Addition), entry)->isEnabled(); }
};

} // namespace

TEST_F(ResultWindowTest, AnnouncesOverTheDrillAndGoesBackToTheLevelMenu)
{
    logIn();
    chooseDrill(Drill::Addition);
    pickLevel(windows->levelMenu(Drill::Addition), "Label1");
    auto &drill = static_cast<AdditionDrill &>(windows->drillWindow(Drill::Addition));
    ASSERT_EQ(active(), &drill);

    result().Announce(QStringLiteral("Graphics\\本合格.bmp"), QStringLiteral("合格おめでと～"));
    settle();
    EXPECT_EQ(active(), &result());
    EXPECT_EQ(message(), QStringLiteral("合格おめでと～"));
    EXPECT_EQ(picture(), QStringLiteral("Graphics\\本合格.bmp"));
    EXPECT_TRUE(drill.isVisible()) << "the drill window lies beneath";

    // The level menu reads the progress file again when it comes back.
    writeFile(QStringLiteral("user/taro.tzk"), "2\r\n1\r\n0\r\n0\r\n");
    goBack();
    EXPECT_FALSE(result().isVisible());
    EXPECT_FALSE(drill.isVisible());
    EXPECT_EQ(active(), &windows->levelMenu(Drill::Addition));
    EXPECT_FALSE(offered("Label1"));
    EXPECT_TRUE(offered("Label3"));

    // The message is gone; the picture stays until the next announcement.
    EXPECT_EQ(message(), QString());
    EXPECT_EQ(picture(), QStringLiteral("Graphics\\本合格.bmp"));
    result().Announce(QStringLiteral("Graphics\\四人　落込.bmp"), QStringLiteral("がーーーーーーーん・・・・"));
    EXPECT_EQ(picture(), QStringLiteral("Graphics\\四人　落込.bmp"));
}

TEST_F(ResultWindowTest, GoingBackClosesEveryDrillWindowEvenOneThatWasNeverShown)
{
    logIn();
    DrillWindow &tables = windows->drillWindow(Drill::TimesTable);
    tables.Timer1->setEnabled(true);
    tick(tables.Timer1, 12);
    ASSERT_FALSE(tables.isVisible());
    ASSERT_EQ(clockText(tables), QStringLiteral("00:12"));
    result().Announce(QStringLiteral("Graphics\\四人　喜.bmp"), QStringLiteral("１の段クリアーおめでと～"));
    settle();
    goBack();
    EXPECT_FALSE(tables.Timer1->isEnabled());
    EXPECT_EQ(tables.round().elapsedSeconds(), 0);
    EXPECT_EQ(clockText(tables), QStringLiteral("00:00"));
    EXPECT_EQ(active(), &windows->mainMenu());
}

TEST_F(ResultWindowTest, APictureThatCannotBeLoadedIsReportedAndTheResultStillShown)
{
    logIn();
    chooseDrill(Drill::Addition);
    QFile::remove(path(QStringLiteral("Graphics/四人　喜.bmp")));
    pickLevel(windows->levelMenu(Drill::Addition), "Label1");
    tick(windows->drillWindow(Drill::Addition).Timer1, 120);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("四人　喜.bmp")));
    // The picture is decoration: the result is shown without it, and recorded.
    EXPECT_EQ(active(), &windows->resultWindow());
    EXPECT_EQ(windows->userFiles().readProgress(QStringLiteral("taro"), Drill::Addition).historyLines, 2);
}
