#include "../drill/DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalTimesDrill.h"

namespace {

class CountDownTest : public DrillFixture
{
protected:
    CountDownWindow &countDown() const { return windows->countDown(); }

    // A level menu's start of a round.
    void start(int drillMode)
    {
        windows->mainMenu().DrillMode = drillMode;
        countDown().Timer1->setEnabled(true);
        countDown().openWindow();
        settle();
    }
};

} // namespace

TEST_F(CountDownTest, CountsThreeTwoOneAndStartsTheDrillWindow)
{
    logIn();
    windows->additionMenu().SelectedLevel = 1;
    start(1);
    ASSERT_EQ(active(), &countDown());
    EXPECT_EQ(countDown().Label1->text(), QStringLiteral("3"));
    EXPECT_EQ(countDown().Image1->fileName(), QStringLiteral("Graphics\\f1.bmp"));

    AdditionDrill &drill = windows->additionDrill();
    tick(countDown().Timer1, 1);
    EXPECT_EQ(countDown().Label1->text(), QStringLiteral("2"));
    tick(countDown().Timer1, 1);
    EXPECT_EQ(countDown().Label1->text(), QStringLiteral("1"));
    EXPECT_TRUE(countDown().isVisible());
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(drill.Edit1->isEnabled());

    tick(countDown().Timer1, 1);
    settle();
    // The 0 is never seen: the count is back at 3 and the window gone.
    EXPECT_EQ(countDown().Label1->text(), QStringLiteral("3"));
    EXPECT_FALSE(countDown().isVisible());
    EXPECT_FALSE(countDown().Timer1->isEnabled());
    EXPECT_TRUE(drill.isVisible());
    EXPECT_TRUE(drill.Timer1->isEnabled());
    EXPECT_TRUE(drill.Edit1->isEnabled());
    EXPECT_EQ(active(), &drill);
}

TEST_F(CountDownTest, TwoRoundsInARowBothStartAtThree)
{
    logIn();
    windows->additionMenu().openWindow();
    settle();
    windows->additionMenu().SelectedLevel = 1;
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        start(1);
        EXPECT_EQ(countDown().Label1->text(), QStringLiteral("3"));
        tick(countDown().Timer1, 1);
        EXPECT_EQ(countDown().Label1->text(), QStringLiteral("2"));
        tick(countDown().Timer1, 2);
        settle();
        ASSERT_EQ(active(), &windows->additionDrill());
        tick(windows->additionDrill().Timer1, 120);
        settle();
        ASSERT_TRUE(windows->resultWindow().isVisible());
        QTest::mouseClick(windows->resultWindow().Label3, Qt::LeftButton);
        settle();
        EXPECT_EQ(active(), &windows->additionMenu());
    }
}

TEST_F(CountDownTest, EachDrillModeHasItsCharacterAndItsDrillWindow)
{
    logIn();
    struct Mode
    {
        int drillMode;
        QString picture;
        DrillWindow *drill;
    };
    const std::vector<Mode> modes{
        {1, QStringLiteral("Graphics\\zuk顔3.BMP"), &windows->additionDrill()},
        {2, QStringLiteral("Graphics\\zukky顔3.BMP"), &windows->timesTableDrill()},
        {3, QStringLiteral("Graphics\\ピコちゃん顔4.BMP"), &windows->divisionTableDrill()},
        {4, QStringLiteral("Graphics\\zuk顔3.BMP"), &windows->horizontalAdditionDrill()},
        {5, QStringLiteral("Graphics\\zukky顔3.BMP"), &windows->mentalTimesDrill()},
        {6, QStringLiteral("Graphics\\みどり顔3.BMP"), &windows->mentalDivisionDrill()},
    };
    // Out of order, so that every picture replaces a different one.
    for (const int index : {5, 0, 1, 3, 2, 4}) {
        const Mode &mode = modes[std::size_t(index)];
        SCOPED_TRACE(mode.drillMode);
        start(mode.drillMode);
        EXPECT_EQ(countDown().Image2->fileName(), mode.picture);
        tick(countDown().Timer1, 3);
        settle();
        EXPECT_EQ(active(), mode.drill);
        EXPECT_TRUE(mode.drill->Timer1->isEnabled());
        EXPECT_TRUE(mode.drill->Edit1->isEnabled());
        for (DrillWindow *other : {static_cast<DrillWindow *>(&windows->additionDrill()),
                                   static_cast<DrillWindow *>(&windows->timesTableDrill()),
                                   static_cast<DrillWindow *>(&windows->divisionTableDrill()),
                                   static_cast<DrillWindow *>(&windows->mentalTimesDrill()),
                                   static_cast<DrillWindow *>(&windows->mentalDivisionDrill()),
                                   static_cast<DrillWindow *>(&windows->horizontalAdditionDrill())}) {
            if (other != mode.drill)
                EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
        }
        windows->resultWindow().GoBack();
        settle();
    }
}
