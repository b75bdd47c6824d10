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
    TForm13 &countDown() const { return windows->form13(); }

    // A level menu's start of a round.
    void start(int drillMode)
    {
        windows->form1().DrillMode = drillMode;
        countDown().Timer1->setEnabled(true);
        countDown().Show();
        settle();
    }
};

} // namespace

TEST_F(CountDownTest, CountsThreeTwoOneAndStartsTheDrillWindow)
{
    logIn();
    windows->form8().SelectedLevel = 1;
    start(1);
    ASSERT_EQ(active(), &countDown());
    EXPECT_EQ(countDown().Label1->text(), QStringLiteral("3"));
    EXPECT_EQ(countDown().Image1->fileName(), QStringLiteral("Graphics\\f1.bmp"));

    TForm11 &drill = windows->form11();
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
    windows->form8().Show();
    settle();
    windows->form8().SelectedLevel = 1;
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        start(1);
        EXPECT_EQ(countDown().Label1->text(), QStringLiteral("3"));
        tick(countDown().Timer1, 1);
        EXPECT_EQ(countDown().Label1->text(), QStringLiteral("2"));
        tick(countDown().Timer1, 2);
        settle();
        ASSERT_EQ(active(), &windows->form11());
        tick(windows->form11().Timer1, 120);
        settle();
        ASSERT_TRUE(windows->form22().isVisible());
        QTest::mouseClick(windows->form22().Label3, Qt::LeftButton);
        settle();
        EXPECT_EQ(active(), &windows->form8());
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
        {1, QStringLiteral("Graphics\\zuk顔3.BMP"), &windows->form11()},
        {2, QStringLiteral("Graphics\\zukky顔3.BMP"), &windows->form18()},
        {3, QStringLiteral("Graphics\\ピコちゃん顔4.BMP"), &windows->form20()},
        {4, QStringLiteral("Graphics\\zuk顔3.BMP"), &windows->form26()},
        {5, QStringLiteral("Graphics\\zukky顔3.BMP"), &windows->form21()},
        {6, QStringLiteral("Graphics\\みどり顔3.BMP"), &windows->form24()},
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
        for (DrillWindow *other : {static_cast<DrillWindow *>(&windows->form11()),
                                   static_cast<DrillWindow *>(&windows->form18()),
                                   static_cast<DrillWindow *>(&windows->form20()),
                                   static_cast<DrillWindow *>(&windows->form21()),
                                   static_cast<DrillWindow *>(&windows->form24()),
                                   static_cast<DrillWindow *>(&windows->form26())}) {
            if (other != mode.drill)
                EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
        }
        windows->form22().GoBack();
        settle();
    }
}
