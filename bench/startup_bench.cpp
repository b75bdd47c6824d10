// Start-up figures: from exec to the splash on the screen (the picture kept
// from the start before, then the live splash), from exec to the main
// menu shown, and the peak resident memory once every window is made and
// every picture loaded. Run it under a real X server (bench/run-startup-bench.sh
// starts Xvfb). It starts the game code in child processes and prints the
// median and worst of the runs.

#include "app/EarlySplash.h"
#include "app/GameProgram.h"
#include "ui/GameScreen.h"
#include "app/MainMenu.h"
#include "app/SplashWindow.h"
#include "app/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Notes the first paint of the game's screen while the splash is up, and
// the first one with the main menu.
class PaintWatch : public QObject
{
public:
    PaintWatch(WindowSet &windows, std::function<void()> menuShown)
        : m_windows(windows), m_menuShown(std::move(menuShown))
    {
    }
    qint64 splashPainted = 0;
    qint64 menuPainted = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == m_windows.screen().viewport()) {
            // Report after the paint has been done.
            QTimer::singleShot(0, this, [this] {
                if (!splashPainted && m_windows.splash().isVisible())
                    splashPainted = monotonicNs();
                if (!menuPainted && m_windows.mainMenu().isVisible()) {
                    menuPainted = monotonicNs();
                    m_menuShown();
                }
            });
        }
        return false;
    }

private:
    WindowSet &m_windows;
    std::function<void()> m_menuShown;
};

// One start of the game, as main() does it.
int runChild(int argc, char **argv)
{
    const qint64 mainEntered = monotonicNs();
    QApplication app(argc, argv);
    const qint64 appMade = monotonicNs();
    GameProgram game(QStringLiteral(GAME_APP_DIR));
    qint64 earlyShown = 0;
    QObject::connect(&game.earlySplash(), &EarlySplash::shown, [&] { earlyShown = monotonicNs(); });
    PaintWatch watch(game.makeWindows(), [&] {
        // Let the main menu settle, then report.
        QTimer::singleShot(200, &app, [&] {
            std::printf("main %lld\napp %lld\nearly %lld\nsplash %lld\nmenu %lld\npeak_kb %ld\n",
                        mainEntered, appMade, earlyShown, watch.splashPainted, watch.menuPainted,
                        peakResidentKb());
            std::fflush(stdout);
            app.quit();
        });
    });
    app.installEventFilter(&watch);
    return game.run();
}

struct Figures
{
    double median, worst;
};

Figures summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

} // namespace

// startup_bench [runs] [--first-start]
// --first-start: every start is made without the splash picture kept from the
// start before, as on the first start of a new installation.
int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);

    int runs = 5;
    bool firstStarts = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--first-start")
            firstStarts = true;
        else
            runs = std::max(1, atoi(argv[i]));
    }
    // The kept splash picture lives in a cache folder of the bench's own.
    QTemporaryDir cache;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());

    std::vector<double> onScreenMs, liveMs, menuMs, peakMb;
    std::map<std::string, std::vector<double>> phaseMs;
    int earlyStarts = 0;
    // The first start after the X server came up also pays for the server's
    // own first-client work; it is run but not counted.
    for (int run = -1; run < runs; ++run) {
        // Each start begins on a quiet machine, as a child's start does: right
        // after a game has ended, the X server and the system are still
        // clearing up after it, which adds 10 to 30 ms to a start here.
        QThread::msleep(1000);
        if (firstStarts)
            QDir(cache.path()).removeRecursively();
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 started = monotonicNs();
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        if (!child.waitForFinished(30000)) {
            std::fprintf(stderr, "the game did not start\n");
            return 1;
        }
        std::map<QByteArray, qint64> seen;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                seen[parts[0]] = parts[1].toLongLong();
        }
        if (!seen["splash"] || !seen["menu"]) {
            std::fprintf(stderr, "no paint seen (is DISPLAY an X server?)\n");
            return 1;
        }
        if (run < 0)
            continue;
        const auto sinceExec = [&](const char *mark) {
            return seen[mark] ? (seen[mark] - started) / 1e6 : 0.0;
        };
        const bool early = seen["early"] != 0;
        earlyStarts += early;
        onScreenMs.push_back(early ? sinceExec("early") : sinceExec("splash"));
        liveMs.push_back(sinceExec("splash"));
        menuMs.push_back(sinceExec("menu"));
        peakMb.push_back(seen["peak_kb"] / 1024.0);
        for (const char *mark : {"main", "app"})
            phaseMs[mark].push_back(sinceExec(mark));
        std::printf("run %d: main() %.1f, application made %.1f, kept splash picture shown %.1f, "
                    "live splash painted %.1f, main menu painted %.1f ms, peak %.1f MB\n",
                    run + 1, sinceExec("main"), sinceExec("app"), sinceExec("early"),
                    liveMs.back(), menuMs.back(), peakMb.back());
    }
    std::printf("median ms after exec: main() entered %.1f, QApplication made %.1f\n",
                summarise(phaseMs["main"]).median, summarise(phaseMs["app"]).median);
    std::printf("starts with the kept splash picture: %d of %d\n", earlyStarts, runs);
    const Figures onScreen = summarise(onScreenMs);
    const Figures live = summarise(liveMs);
    const Figures menu = summarise(menuMs);
    const Figures peak = summarise(peakMb);
    std::printf("exec to splash on screen:       median %.1f ms, worst %.1f ms (target 100 ms)\n",
                onScreen.median, onScreen.worst);
    std::printf("exec to live splash painted:    median %.1f ms, worst %.1f ms\n", live.median,
                live.worst);
    std::printf("exec to main menu painted:      median %.1f ms, worst %.1f ms "
                "(the splash stays 4000 ms)\n",
                menu.median, menu.worst);
    std::printf("peak resident memory:           median %.1f MB, worst %.1f MB (target 60 MB)\n",
                peak.median, peak.worst);
    return 0;
}
