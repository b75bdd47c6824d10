// How fast a round answers the child: from the Enter key to the next question
// painted, and the end of the round (judging, result window, progress file
// rewritten and history line appended) within the clock's last tick.
//
// Run from anywhere: the program makes its own application folder beside
// the built pictures and sounds, and plays on quiet stand-ins for the sound,
// the message boxes and the timers. Prints the median and the worst of many
// runs of each step.

#include "drill/CountDownWindow.h"
#include "ui/GameScreen.h"
#include "app/MainMenu.h"
#include "drill/ResultWindow.h"
#include "ui/Services.h"
#include "ui/SystemServices.h"
#include "app/WindowSet.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/AdditionMenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "BenchServices.h"
#include "TemporaryGameFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int AnswerRuns = 2000;
constexpr int RoundRuns = 200;
constexpr int Warmup = 20;

class CountedDialogs : public Dialogs
{
public:
    void warn(const QString &, const QString &) override { ++count; }
    void reportError(const QString &text) override
    {
        ++count;
        fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    int count = 0;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2001, 3, 7), QTime(10, 0)); }
};

// Timers that tick only when the bench makes them.
class HandTimers : public Timers
{
public:
    GameTimer *create(int intervalMs, QObject *owner) override
    {
        return new GameTimer(intervalMs, owner);
    }
};

void tick(GameTimer *timer, int times)
{
    for (int i = 0; i < times; ++i)
        emit timer->timeout();
}

void report(const char *what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    const auto over = std::count_if(ms.begin(), ms.end(), [&](double m) { return m > target; });
    printf("%-40s runs %5zu  median %7.3f ms  99%% %7.3f ms  worst %7.3f ms  (target %.0f ms, "
           "%td over)\n",
           what, ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), target, over);
}

double millisecondsOf(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();

    TemporaryGameFolder folder;
    if (!folder.isValid())
        qFatal("no temporary folder");

    FixedDisplay display;
    QuietSound sound;
    CountedDialogs dialogs;
    FixedClock clock;
    StandardRandom random;
    HandTimers timers;
    Services services{display, sound, dialogs, clock, random, timers};
    WindowSet windows(services, GameFolder(folder.path()));
    windows.createWindows();
    windows.screen().show();
    windows.showMainMenu();
    windows.userFiles().createFileSet(QStringLiteral("taro"), QStringLiteral("pw"));
    windows.session().UserName = QStringLiteral("taro");
    const auto settle = [&] {
        QCoreApplication::processEvents();
        windows.stack().settle();
    };

    AdditionMenu &menu = windows.additionMenu();
    AdditionDrill &drill = windows.additionDrill();
    const auto startRound = [&] {
        windows.countDown().SetDrill(drillInfo(Drill::Addition).countDownPicture, &drill);
        menu.SelectedLevel = 1;
        windows.countDown().Start();
        settle();
        tick(windows.countDown().Timer1, 3);
        settle();
    };
    menu.openWindow();
    settle();
    startRound();
    drill.grab();
    auto *field = drill.findChild<QLineEdit *>(QStringLiteral("Edit1"));

    // The first answers fill the font and picture caches; they are not counted.
    std::vector<double> answers;
    for (int run = -Warmup; run < AnswerRuns; ++run) {
        QTest::keyClicks(field, QString::number(drill.question().total()));
        const double ms = millisecondsOf([&] {
            QTest::keyClick(field, Qt::Key_Return);
            // The game's windows are drawn through the screen's scene, which
            // paints later; grab() paints the whole window here and now.
            drill.grab();
        });
        if (run >= 0)
            answers.push_back(ms);
    }
    if (drill.round().right() != AnswerRuns + Warmup)
        fprintf(stderr, "right count %d, not %d\n", drill.round().right(), AnswerRuns + Warmup);

    std::vector<double> endings;
    for (int run = 0; run < RoundRuns; ++run) {
        // Back to the menu and a fresh round, one second before its end.
        windows.resultWindow().GoBack();
        settle();
        startRound();
        tick(drill.Timer1, 119);
        endings.push_back(millisecondsOf([&] { tick(drill.Timer1, 1); }));
        if (!windows.resultWindow().isVisible())
            fprintf(stderr, "run %d: no result window\n", run);
    }
    const int historyLines =
        windows.userFiles().readProgress(QStringLiteral("taro"), Drill::Addition).historyLines;
    if (historyLines != RoundRuns + 1 || dialogs.count)
        fprintf(stderr, "history line count %d, %d messages\n", historyLines, dialogs.count);

    report("Enter to the next question painted", answers, 2);
    report("End of the round, both files written", endings, 20);
    return 0;
}
