// How fast the records viewer opens and scrolls a history of 100,000 rounds
// and turns it into a chart, how fast the map of weak facts opens for a
// child whose memory is full, and how fast the main menu lists a user folder
// of 10,000 children.
//
// Run from anywhere (the program makes its own application folder); prints
// the median and the worst of several runs of each step.

#include "BenchFiles.h"
#include "ui/GameScreen.h"
#include "app/MainMenu.h"
#include "ui/SystemServices.h"
#include "app/WindowSet.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"
#include "users/Cp932.h"
#include "users/RecordsChart.h"
#include "users/RecordsChartView.h"
#include "users/RecordsModel.h"
#include "users/RecordsTableWindow.h"
#include "users/WeakFactsWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include "BenchServices.h"
#include "TemporaryGameFolder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int Rounds = 100000;
constexpr int Children = 10000;
constexpr int Runs = 9;

// Runs `setUp` untimed and `step` timed, `Runs` times; prints median and worst.
void measure(const char *what, const std::function<void()> &setUp,
             const std::function<void()> &step, const std::function<void()> &tearDown)
{
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        setUp();
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        tearDown();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %8.2f ms   worst %8.2f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), Runs);
}

} // namespace

int main(int argc, char **argv)
{
    prepareBenchApplication();
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    BenchGame game;
    WindowSet &windows = game.windows;
    const TemporaryGameFolder &folder = game.folder;

    // taro has played 100,000 rounds of horizontal mental addition.
    const QString name = QStringLiteral("taro");
    windows.userFiles().createFileSet(name, QStringLiteral("pw"));
    QByteArray history = users::Cp932::encode(QStringLiteral("れべる,日付,ポイント,合否\r\n"));
    for (int round = 1; round <= Rounds; ++round) {
        const bool passed = round % 5 == 0;
        history += users::Cp932::encode(
            QStringLiteral("れべる%1,2001/5/%2,%3pt,%4\r\n")
                .arg(QChar(0xFF11 + round % 9))
                .arg(round % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(passed ? 5 : round % 5)
                .arg(passed ? QStringLiteral("合格") : QString()));
    }
    writeFile(folder.filePath(QStringLiteral("user/taro.mzd")), history);
    writeFile(folder.filePath(QStringLiteral("user/taro.mzk")),
              QByteArray::number(Rounds + 1) + "\r\n" + QByteArray("0\r\n").repeated(16));
    windows.session().UserName = name;
    windows.mainMenu().EnableUserPanels(true);
    windows.recordsTable().RecordsMode = Drill::HorizontalAddition;
    std::printf("history: %d rounds, %lld bytes\n", Rounds, qlonglong(history.size()));

    RecordsTableWindow &table = windows.recordsTable();
    auto *grid = table.findChild<QTableView *>(QStringLiteral("StringGrid1"));
    auto *model = table.findChild<users::RecordsModel *>();
    // Activation fills the model; the view lays out the new rows when the
    // event loop next runs, then paints.
    const auto open = [&] {
        table.openWindow();
        windows.stack().settle();
        QCoreApplication::processEvents();
        grid->grab();
    };
    const auto close = [&] {
        table.closeWindow();
        windows.stack().settle();
    };
    const auto nothing = [] {};

    measure("open the table (activation to painted)", nothing, open, close);
    // Where the time of opening goes.
    measure("  of which: read the files (readRecords)", nothing,
            [&] { windows.userFiles().readRecords(name, Drill::HorizontalAddition); }, nothing);
    const users::Records records = windows.userFiles().readRecords(name, Drill::HorizontalAddition);
    measure(
        "  of which: fill the model and paint", open,
        [&] {
            model->fill(records);
            QCoreApplication::processEvents();
            grid->grab();
        },
        close);
    const QList<QByteArray> rawLines = history.split('\n');
    measure("  (decoding the history line by line)", nothing,
            [&] {
                for (const QByteArray &line : rawLines)
                    users::Cp932::decode(line);
            },
            nothing);
    measure("  (decoding the history in one piece)", nothing,
            [&] { users::Cp932::decode(history); }, nothing);
    open();
    std::printf("  rows shown: %d, last round: %s | %s | %s | %s, scroll range %d\n",
                table.RowCount(), qPrintable(table.Cell(0, Rounds)),
                qPrintable(table.Cell(1, Rounds)), qPrintable(table.Cell(2, Rounds)),
                qPrintable(table.Cell(3, Rounds)), grid->verticalScrollBar()->maximum());
    close();
    measure(
        "scroll from top to bottom (scrollToBottom + paint)",
        [&] {
            open();
            grid->scrollToTop();
            grid->grab();
        },
        [&] {
            grid->scrollToBottom();
            grid->grab();
        },
        [&] {
            if (grid->verticalScrollBar()->value() != grid->verticalScrollBar()->maximum())
                qFatal("the table did not scroll to its bottom");
            close();
        });
    measure("close the table (clearing)", open, close, nothing);

    // グラフ: the chart made from the lines the table holds, and painted.
    auto *chartLink = table.findChild<GameLabel *>(QStringLiteral("Label3"));
    RecordsChartView *chart = nullptr;
    measure(
        "switch to the chart (click to painted)", open,
        [&] {
            emit chartLink->clicked();
            chart = table.findChild<RecordsChartView *>(QStringLiteral("PaintBox1"));
            chart->grab();
        },
        [&] {
            if (!chart->isVisible() || chart->chart().rounds != Rounds)
                qFatal("the chart does not show the rounds");
            close();
        });
    measure("  of which: the chart's data from the lines", nothing,
            [&] { users::recordsChart(Drill::HorizontalAddition, records.lines); }, nothing);
    measure("  of which: painting the chart", nothing, [&] { chart->grab(); }, nothing);
    measure("switch back to the table (click to painted)",
            [&] {
                open();
                emit chartLink->clicked();
                chart->grab();
            },
            [&] {
                emit chartLink->clicked();
                grid->grab();
            },
            close);
    // The addition chart groups a long history into at most 60 slots.
    QStringList additionLines;
    for (int round = 0; round < Rounds; ++round)
        additionLines << QStringLiteral("%1,2001/5/09,%2級").arg(round % 3 + 1).arg(round % 10 + 1);
    measure("addition chart's data, 100,000 rounds", nothing,
            [&] { users::recordsChart(Drill::Addition, additionLines); }, nothing);
    chart->setChart(users::recordsChart(Drill::Addition, additionLines));
    measure("  painting it", nothing, [&] { chart->grab(); }, nothing);

    // にがて: taro's memory as full as it grows: every fact of the three grid
    // drills (the division's with every remainder) and every level of the
    // mental drills asked a dozen times, and sums of two-digit numbers that
    // the grid leaves out, bringing the file to its bound; remembered and
    // written by the files layer, a drill at a time.
    {
        const auto answers = [](std::vector<users::FactAnswer> &given, const QString &fact, int seed,
                                int times) {
            for (int i = 0; i < times; ++i)
                given.push_back({fact, 1, (seed + i) % 5 != 0, 1500 + (seed * 37 + i * 211) % 4000});
        };
        std::map<Drill, std::vector<users::FactAnswer>> given;
        for (int a = 1; a <= 9; ++a) {
            for (int b = 1; b <= 9; ++b) {
                answers(given[Drill::Addition], users::facts::sum(a, b), a * b, 12);
                answers(given[Drill::TimesTable], users::facts::product(a, b), a + b, 12);
                for (int r = 0; r < a; ++r)
                    answers(given[Drill::DivisionTable], users::facts::quotient(a * b + r, a), a + r, 12);
            }
        }
        for (int a = 10; a < 56; ++a) {
            for (int b = 10; b < 56; ++b)
                answers(given[Drill::Addition], users::facts::sum(a, b), a + b, 1);
        }
        for (const DrillInfo &info : allDrills()) {
            for (int level = 1; level <= info.levels; ++level)
                answers(given[info.drill], users::facts::level(level), level, 12);
            windows.userFiles().rememberAnswers(name, info.drill, given[info.drill]);
        }
        const users::FactMemory kept = windows.userFiles().readMemory(name);
        std::size_t facts = 0;
        for (const users::DrillMemory &drill : kept.drills)
            facts += drill.facts.size();
        std::printf("memory: %lld bytes (at most %lld), %zu facts\n",
                    qlonglong(QFile(folder.filePath(QStringLiteral("user/taro.ngt"))).size()),
                    qlonglong(users::FactMemory::MaxBytes), facts);
    }
    WeakFactsWindow &map = windows.weakFacts();
    const std::pair<Drill, const char *> maps[] = {
        {Drill::Addition, "open the map of weak facts, addition (to painted)"},
        {Drill::DivisionTable, "open the map of weak facts, division (to painted)"},
        {Drill::MentalTimes, "open the map of weak facts, mental (to painted)"}};
    for (const auto &[drill, what] : maps) {
        measure(what, nothing,
                [&] {
                    map.ShowMap(drill);
                    windows.stack().settle();
                    QCoreApplication::processEvents();
                    map.grab();
                },
                [&] {
                    if (map.Mark(1, 1) == QStringLiteral("・") && map.Figures(1).isEmpty())
                        qFatal("the map does not show the memory");
                    map.closeWindow();
                    windows.stack().settle();
                });
    }
    measure("  of which: read the memory (readMemory)", nothing,
            [&] { windows.userFiles().readMemory(name); }, nothing);

    // プリント without a printer: the report of every drill taro played
    // (100,000 rounds, the newest printed) saved as a PDF, left in the
    // folder given on the command line to look at.
    QTemporaryDir documents;
    game.printing.documents = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() : documents.path();
    QDir().mkpath(game.printing.documents);
    table.openWindow();
    windows.stack().settle();
    auto *print = table.findChild<GameLabel *>(QStringLiteral("Label5"));
    measure("print the records to a PDF (100,000 rounds)", nothing, [&] { emit print->clicked(); },
            [&] {
                const QStringList made = QDir(game.printing.documents).entryList({QStringLiteral("*.pdf")});
                if (made.isEmpty())
                    qFatal("no PDF was made");
            });
    {
        const QStringList made =
            QDir(game.printing.documents).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        std::printf("  %lld PDFs, the last of %lld bytes\n", qlonglong(made.size()),
                    qlonglong(QFileInfo(QDir(game.printing.documents).filePath(made.value(0))).size()));
    }
    table.closeWindow();
    windows.stack().settle();

    // 10,000 children registered (their password files are what the list is made from).
    for (int child = 0; child < Children; ++child)
        writeFile(folder.filePath(QStringLiteral("user/child%1.pwd").arg(child, 5, 10, QLatin1Char('0'))),
                  "pw\r\n");
    MainMenu &menu = windows.mainMenu();
    auto *list = menu.findChild<QListWidget *>(QStringLiteral("ListBox1"));
    measure("fill the user list (10,000 children)", nothing, [&] { menu.FillUserList(); }, nothing);
    measure(
        "fill the user list and paint it", nothing,
        [&] {
            menu.FillUserList();
            list->grab();
        },
        nothing);
    std::printf("  entries listed: %d\n", list->count());

    return game.dialogs.count == 0 ? 0 : 1;
}
