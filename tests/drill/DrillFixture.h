#pragma once

#include "GameFixture.h"

#include "drill/CountDownWindow.h"
#include "drill/DrillWindow.h"
#include "drill/ResultWindow.h"
#include "app/MainMenu.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <map>

// A game with a registered child logged in, and the steps of a round: the
// count-down, answers typed into a drill window, ticks of its clock.
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

    static void tick(GameTimer *timer, int times)
    {
        for (int i = 0; i < times; ++i)
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

    // The clock as it reads on screen, "00:59": the five clock labels of
    // each drill window, left to right.
    static QString clockText(const DrillWindow &drill)
    {
        static const std::map<QString, std::array<const char *, 5>> clocks{
            {QStringLiteral("Form11"), {"Label11", "Label12", "Label15", "Label13", "Label14"}},
            {QStringLiteral("Form18"), {"Label6", "Label7", "Label10", "Label8", "Label9"}},
            {QStringLiteral("Form20"), {"Label6", "Label7", "Label10", "Label8", "Label9"}},
            {QStringLiteral("Form21"), {"Label11", "Label12", "Label15", "Label14", "Label13"}},
            {QStringLiteral("Form24"), {"Label9", "Label10", "Label11", "Label12", "Label13"}},
            {QStringLiteral("Form26"), {"Label11", "Label12", "Label13", "Label14", "Label15"}},
        };
        QString shown;
        for (const char *name : clocks.at(drill.objectName()))
            shown += text(drill, name);
        return shown;
    }

    GameWindow *active() const { return windows->stack().activeForm(); }
};
