#pragma once

#include "GameFixture.h"

#include "app/CountDown.h"
#include "app/MainMenu.h"
#include "app/ResultWindow.h"
#include "app/WindowStack.h"
#include "app/Widgets.h"
#include "drill/DrillWindow.h"
#include "users/LoginDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// A game with a registered child logged in, and the steps of a round: the
// count-down, answers typed into a drill window, ticks of its clock.
class DrillFixture : public GameFixture
{
protected:
    // Starts the game, registers `name` and logs the child in.
    WindowSet &logIn(const QString &name = QStringLiteral("taro"))
    {
        startGame();
        windows->userFiles().createFileSet(name, QStringLiteral("pw"));
        windows->form1().FillUserList();
        windows->passwordDlg().UserName = name;
        windows->form1().EnableUserPanels(true);
        return *windows;
    }

    // What a level menu does when a level is picked, then the three seconds
    // of the count-down: the drill window of `drillMode` runs.
    void countDown(int drillMode)
    {
        windows->form1().DrillMode = drillMode;
        TForm13 &countDown = windows->form13();
        countDown.Timer1->setEnabled(true);
        countDown.Show();
        settle();
        tick(countDown.Timer1, 3);
        settle();
    }

    static void tick(GameTimer *timer, int times)
    {
        for (int i = 0; i < times; ++i)
            emit timer->timeout();
    }

    // Types `text` into the answer field and presses Enter.
    void answer(DrillWindow &drill, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(drill.Edit1, char(c.unicode()));
                continue;
            }
            // A character typed through an input method: no key code, only text.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(drill.Edit1, &press);
        }
        QTest::keyClick(drill.Edit1, Qt::Key_Return);
        settle();
    }

    static QString text(const DrillWindow &drill, const char *name)
    {
        const auto *label = drill.findChild<GameLabel *>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    }

    // The clock as it reads on screen, "00:59".
    static QString clockText(const DrillWindow &drill)
    {
        const DrillRoles &r = drill.roles();
        return r.tensOfMinutes->text() + r.minutes->text() + QLatin1Char(':')
            + r.tensOfSeconds->text() + r.seconds->text();
    }

    GameForm *active() const { return windows->stack().activeForm(); }
};
