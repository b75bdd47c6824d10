// How long sujinoshima-report takes for a class of 40 children with 1,000
// rounds each, from the program's start to its exit: the CSV alone, and
// the CSV with the PDF. The target is under two seconds.
//
// Usage: report_bench [FOLDER]   (FOLDER: where to leave class.csv and
// class.pdf of the last run, to look at)

#include "BenchFiles.h"
#include "TemporaryGameFolder.h"

#include "users/Cp932.h"
#include "users/RoundRecord.h"
#include "users/UserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Children = 40;
constexpr int RoundsEach = 1000;
constexpr int Runs = 5;

// A class: each child's thousand rounds spread over the six drills and the
// last hundred days, and a memory of times-table facts.
void prepareClass(const TemporaryGameFolder &game)
{
    const users::UserFiles files{GameFolder(game.path())};
    const QDate today = QDate::currentDate();
    for (int child = 1; child <= Children; ++child) {
        const QString name = QStringLiteral("せいと%1").arg(child, 2, 10, QLatin1Char('0'));
        files.createFileSet(name, QStringLiteral("pw"));
        for (const DrillInfo &info : allDrills()) {
            const int rounds = RoundsEach / int(DrillCount) + (info.fileOrder <= RoundsEach % int(DrillCount));
            QByteArray history = users::Cp932::encode(info.historyHeader.toString()) + "\r\n";
            for (int i = 0; i < rounds; ++i) {
                const QDate date = today.addDays(-(i * 100 / rounds));
                users::RoundRecord round{1 + i % info.levels, QStringLiteral("%1/%2/%3")
                                             .arg(date.year()).arg(date.month())
                                             .arg(date.day(), 2, 10, QLatin1Char('0')),
                                         10 - i % 10, i % 6, i % 3 == 0};
                if (info.chart == ChartKind::Points)
                    round.passed = round.points == users::PointsOfAPassedLevel;
                history += users::Cp932::encode(users::historyLine(info.drill, round)) + "\r\n";
            }
            writeFile(game.filePath(QStringLiteral("user/") + name + info.historyExt.toString()), history);
            users::Progress progress{rounds + 1, std::vector<int>(std::size_t(info.levels), 0)};
            progress.levels[0] = info.highestLevelValue;
            writeFile(game.filePath(QStringLiteral("user/") + name + info.progressExt.toString()),
                      users::progressContent(progress));
        }
        std::vector<users::FactAnswer> answers;
        for (int a = 1; a <= 9; ++a) {
            for (int b = 1; b <= 9; ++b)
                answers.push_back({QStringLiteral("%1x%2").arg(a).arg(b), 10, (a * b + child) % 4 != 0, 900 + 40 * a});
        }
        files.rememberAnswers(name, Drill::TimesTable, answers);
    }
}

void measure(const char *what, const QStringList &arguments)
{
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        QProcess report;
        report.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        report.start(QStringLiteral(REPORT_PROGRAM), arguments);
        if (!report.waitForFinished(60000) || report.exitCode() != 0)
            qFatal("the report failed: %s", report.readAllStandardError().constData());
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.1f ms   worst %8.1f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), Runs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TemporaryGameFolder game;
    prepareClass(game);
    const QString out = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath()
                                 : game.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    std::printf("%d children, %d rounds each\n", Children, RoundsEach);
    measure("CSV to standard output", {game.path()});
    measure("CSV and PDF to files",
            {game.path(), QStringLiteral("--csv"), out + QStringLiteral("/class.csv"),
             QStringLiteral("--pdf"), out + QStringLiteral("/class.pdf")});
    return 0;
}
