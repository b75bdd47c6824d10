#include "DrillFixture.h"

#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"

namespace {

class CountDownTest : public DrillFixture
{
protected:
    CountDownWindow &countDown() const { return windows->countDown(); }
    QString count() const { return textOf(&countDown(), "Label1"); }
    QString character() const { return part<PictureBox>(&countDown(), "Image2")->fileName(); }
};

} // namespace

TEST_F(CountDownTest, CountsThreeTwoOneAndStartsTheDrillWindow)
{
    logIn();
    chooseDrill(Drill::Addition);
    QTest::mouseClick(part(&windows->levelMenu(Drill::Addition), "Label1"), Qt::LeftButton);
    settle();
    ASSERT_EQ(active(), &countDown());
    EXPECT_EQ(count(), QStringLiteral("3"));
    EXPECT_EQ(part<PictureBox>(&countDown(), "Image1")->fileName(), QStringLiteral("Graphics\\f1.bmp"));

    auto &drill = static_cast<AdditionDrill &>(windows->drillWindow(Drill::Addition));
    tick(countDown().Timer1, 1);
    EXPECT_EQ(count(), QStringLiteral("2"));
    tick(countDown().Timer1, 1);
    EXPECT_EQ(count(), QStringLiteral("1"));
    EXPECT_TRUE(countDown().isVisible());
    EXPECT_FALSE(drill.Timer1->isEnabled());
    EXPECT_FALSE(answerField(drill)->isEnabled());

    tick(countDown().Timer1, 1);
    settle();
    // The 0 is never seen: the count is back at 3 and the window gone.
    EXPECT_EQ(count(), QStringLiteral("3"));
    EXPECT_FALSE(countDown().isVisible());
    EXPECT_FALSE(countDown().Timer1->isEnabled());
    EXPECT_TRUE(drill.isVisible());
    EXPECT_TRUE(drill.Timer1->isEnabled());
    EXPECT_TRUE(answerField(drill)->isEnabled());
    EXPECT_EQ(active(), &drill);
}

TEST_F(CountDownTest, TwoRoundsInARowBothStartAtThree)
{
    logIn();
    chooseDrill(Drill::Addition);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        QTest::mouseClick(part(&windows->levelMenu(Drill::Addition), "Label1"), Qt::LeftButton);
        settle();
        EXPECT_EQ(count(), QStringLiteral("3"));
        tick(countDown().Timer1, 1);
        EXPECT_EQ(count(), QStringLiteral("2"));
        tick(countDown().Timer1, 2);
        settle();
        ASSERT_EQ(active(), &windows->drillWindow(Drill::Addition));
        tick(windows->drillWindow(Drill::Addition).Timer1, 120);
        settle();
        ASSERT_TRUE(windows->resultWindow().isVisible());
        QTest::mouseClick(part(&windows->resultWindow(), "Label3"), Qt::LeftButton);
        settle();
        EXPECT_EQ(active(), &windows->levelMenu(Drill::Addition));
    }
}

TEST_F(CountDownTest, EachDrillHasItsCharacterAndItsDrillWindow)
{
    logIn();
    struct Case
    {
        Drill drill;
        QString picture;
    };
    // Out of order, so that every picture replaces a different one.
    const Case cases[]{
        {Drill::MentalDivision, QStringLiteral("Graphics\\みどり顔3.BMP")},
        {Drill::Addition, QStringLiteral("Graphics\\zuk顔3.BMP")},
        {Drill::TimesTable, QStringLiteral("Graphics\\zukky顔3.BMP")},
        {Drill::HorizontalAddition, QStringLiteral("Graphics\\zuk顔3.BMP")},
        {Drill::DivisionTable, QStringLiteral("Graphics\\ピコちゃん顔4.BMP")},
        {Drill::MentalTimes, QStringLiteral("Graphics\\zukky顔3.BMP")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(drillNumber(c.drill));
        chooseDrill(c.drill);
        ASSERT_EQ(active(), &windows->levelMenu(c.drill));
        EXPECT_EQ(windows->mainMenu().DrillMode, c.drill);
        // The level menu's choice of a level.
        emit windows->levelMenu(c.drill).levelChosen();
        settle();
        EXPECT_EQ(character(), c.picture);
        tick(countDown().Timer1, 3);
        settle();
        DrillWindow &drill = windows->drillWindow(c.drill);
        EXPECT_EQ(active(), &drill);
        EXPECT_TRUE(drill.Timer1->isEnabled());
        EXPECT_TRUE(answerField(drill)->isEnabled());
        for (const DrillInfo &other : allDrills()) {
            if (other.drill != c.drill)
                EXPECT_FALSE(windows->drillWindow(other.drill).isVisible()) << drillNumber(other.drill);
        }
        windows->resultWindow().GoBack();
        settle();
        ASSERT_EQ(active(), &windows->levelMenu(c.drill));
        windows->levelMenu(c.drill).closeWindow();
        settle();
    }
}
