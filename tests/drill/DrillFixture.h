#pragma once

#include "GameFixture.h"
#include "NumberRows.h"

#include "app/MainMenu.h"
#include "drill/CountDownWindow.h"
#include "drill/DrillWindow.h"
#include "drill/ResultWindow.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <map>

// A pixel drawn in (or nearly in) the ink colour, its edges' blending included.
inline bool isInk(QColor seen, QColor ink)
{
    return std::abs(seen.red() - ink.red()) + std::abs(seen.green() - ink.green())
        + std::abs(seen.blue() - ink.blue()) <= 96;
}

// A question's number box keeps its designed room and shows its digits whole,
// the last one's italic lean included: no stroke of a digit reaches the box's
// right edge, where it would be cut off.
inline void expectDigitsWhole(QLabel *box, int designedWidth)
{
    EXPECT_GE(box->width(), designedWidth) << box->objectName().toStdString();
    const QImage picture = box->grab().toImage();
    const QColor ink = box->palette().color(QPalette::WindowText);
    const int edge = picture.width() - 1;
    for (int y = 0; y < picture.height(); ++y) {
        ASSERT_FALSE(isInk(picture.pixelColor(edge, y), ink))
            << box->objectName().toStdString() << " \"" << box->text().toStdString()
            << "\" is cut off at its right edge";
    }
}

// A game with a registered child logged in, and the steps of a round: the
// choice of a drill and a level, the count-down, answers typed into a drill
// window, ticks of its clock.
class DrillFixture : public GameFixture
{
protected:
    // Starts the game, registers `name` and logs the child in.
    WindowSet &logIn(const QString &name = QStringLiteral("taro"))
    {
        startGame();
        windows->session().files.createFileSet(name, QStringLiteral("pw"));
        windows->mainMenu().FillUserList();
        windows->session().UserName = name;
        windows->mainMenu().EnableUserPanels(true);
        return *windows;
    }

    // The main menu's button of a drill: its level menu opens.
    void chooseDrill(Drill drill)
    {
        QTest::mouseClick(part(&windows->mainMenu(), drillInfo(drill).menuButton), Qt::LeftButton);
        settle();
    }

    // Clicks a level menu's entry, then the three seconds of the count-down.
    void pickLevel(const GameWindow &menu, const char *entry)
    {
        QTest::mouseClick(part(&menu, entry), Qt::LeftButton);
        settle();
        tick(windows->countDown().Timer1, 3);
        settle();
    }

    // What the main menu and a level menu do when a drill and a level are
    // picked, then the three seconds of the count-down: the drill window runs.
    void countDown(Drill drill)
    {
        CountDownWindow &countDown = windows->countDown();
        countDown.SetDrill(drillInfo(drill).countDownPicture, &windows->drillWindow(drill));
        countDown.Start();
        settle();
        tick(countDown.Timer1, 3);
        settle();
    }

    // Seconds of a window timer: like a real one, a disabled timer does not fire.
    static void tick(GameTimer *timer, int times)
    {
        for (int i = 0; i < times && timer->isEnabled(); ++i)
            emit timer->timeout();
    }

    static QLineEdit *answerField(const DrillWindow &drill)
    {
        return part<QLineEdit>(&drill, "Edit1");
    }

    // Types `text` into the answer field and presses Enter.
    void answer(DrillWindow &drill, const QString &text)
    {
        QLineEdit *field = answerField(drill);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(field, char(c.unicode()));
                continue;
            }
            // A character typed through an input method: no key code, only text.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
        QTest::keyClick(field, Qt::Key_Return);
        settle();
    }

    static QString text(const DrillWindow &drill, const char *name)
    {
        return textOf(&drill, name);
    }

    // The names of the parts every drill window shows, which each window
    // gives its own labels.
    struct DrillParts
    {
        const char *right, *wrong;
        // Tens of minutes, minutes, ":", tens of seconds, seconds, left to right.
        std::array<const char *, 5> clock;
        const char *name, *encouragement;
    };
    static const DrillParts &partsOf(const DrillWindow &drill)
    {
        static const std::map<QString, DrillParts> parts{
            {QStringLiteral("Form11"),
             {"Label6", "Label9", {"Label11", "Label12", "Label15", "Label13", "Label14"}, "Label7", "Label17"}},
            {QStringLiteral("Form18"),
             {"Label4", "Label5", {"Label6", "Label7", "Label10", "Label8", "Label9"}, "Label16", "Label15"}},
            {QStringLiteral("Form20"),
             {"Label4", "Label5", {"Label6", "Label7", "Label10", "Label8", "Label9"}, "Label16", "Label15"}},
            {QStringLiteral("Form21"),
             {"Label7", "Label8", {"Label11", "Label12", "Label15", "Label14", "Label13"}, "Label10", "Label9"}},
            {QStringLiteral("Form24"),
             {"Label7", "Label8", {"Label9", "Label10", "Label11", "Label12", "Label13"}, "Label14", "Label15"}},
            {QStringLiteral("Form26"),
             {"Label9", "Label10", {"Label11", "Label12", "Label13", "Label14", "Label15"}, "Label26", "Label27"}},
        };
        return parts.at(drill.objectName());
    }

    // The right and wrong counters as they read on screen, "3/1".
    static QString countsText(const DrillWindow &drill)
    {
        const DrillParts &p = partsOf(drill);
        return text(drill, p.right) + QLatin1Char('/') + text(drill, p.wrong);
    }

    // The clock as it reads on screen, "00:59".
    static QString clockText(const DrillWindow &drill)
    {
        QString shown;
        for (const char *name : partsOf(drill).clock)
            shown += text(drill, name);
        return shown;
    }

    GameWindow *active() const { return windows->stack().activeForm(); }
};
