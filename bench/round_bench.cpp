// How fast a round answers the child, in every drill at its longest level:
// from the Enter key to the next question painted, and the end of the round
// (judging, result window, progress file rewritten, history line appended
// and the child's memory of facts replaced) within the clock's last tick,
// and the review of the round's mistakes opened.
//
// Run from anywhere: the program makes its own game folder beside the built
// pictures and sounds, and plays on quiet stand-ins for the sound, the
// message boxes and the timers. Prints the median, the 99th percentile and
// the worst of many runs of each step.

#include "drill/CountDownWindow.h"
#include "drill/DrillWindow.h"
#include "drill/LevelMenu.h"
#include "drill/MistakesWindow.h"
#include "drill/ResultWindow.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalTimesDrill.h"
#include "users/UserFiles.h"

#include <QLineEdit>
#include <QTest>

#include "BenchServices.h"

namespace {

constexpr int AnswerRuns = 1000;
constexpr int RoundRuns = 100;
constexpr int Warmup = 20;

// A drill at its longest level, and the answer to the question on its screen.
struct Case
{
    Drill drill;
    int level;
    const char *what;
    std::function<QString(DrillWindow &)> answer;
};

template <class Window>
QString answerOf(DrillWindow &window)
{
    return static_cast<Window &>(window).question().answer();
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        {Drill::Addition, 3, "addition, level 3",
         [](DrillWindow &w) {
             return QString::number(static_cast<AdditionDrill &>(w).question().total());
         }},
        {Drill::TimesTable, 10, "times tables, みっくす", answerOf<TimesTableDrill>},
        {Drill::DivisionTable, 11, "division tables, あまり", answerOf<DivisionTableDrill>},
        {Drill::HorizontalAddition, 16, "horizontal addition, 7 digits x 5", answerOf<HorizontalAdditionDrill>},
        {Drill::MentalTimes, 19, "mental multiplication, 11 x 1 digits", answerOf<MentalTimesDrill>},
        {Drill::MentalDivision, 13, "mental division, 6 / 5 digits", answerOf<MentalDivisionDrill>},
    };
    return all;
}

// Types an answer as the child does: "あまり" is the space bar.
void type(QLineEdit *field, const QString &answer)
{
    const QString remainder = QStringLiteral("あまり");
    const qsizetype word = answer.indexOf(remainder);
    if (word < 0) {
        QTest::keyClicks(field, answer);
        return;
    }
    QTest::keyClicks(field, answer.first(word));
    QTest::keyClick(field, Qt::Key_Space);
    QTest::keyClicks(field, answer.sliced(word + remainder.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    prepareBenchApplication();
    QApplication app(argc, argv);
    ui::installFontSubstitutes();

    BenchGame game;
    WindowSet &windows = game.windows;
    const QString name = QStringLiteral("taro");
    windows.userFiles().createFileSet(name, QStringLiteral("pw"));
    windows.session().UserName = name;

    int failures = 0;
    for (const Case &c : cases()) {
        LevelMenu &menu = windows.levelMenu(c.drill);
        DrillWindow &drill = windows.drillWindow(c.drill);
        const auto startRound = [&] {
            windows.countDown().SetDrill(drillInfo(c.drill).countDownPicture, &drill);
            menu.SelectedLevel = c.level;
            windows.countDown().Start();
            game.settle();
            tick(windows.countDown().Timer1, 3);
            game.settle();
        };
        menu.openWindow();
        game.settle();
        startRound();
        drill.grab();
        auto *field = drill.findChild<QLineEdit *>(QStringLiteral("Edit1"));

        // The first answers fill the font and picture caches; they are not counted.
        std::vector<double> answers;
        for (int run = -Warmup; run < AnswerRuns; ++run) {
            type(field, c.answer(drill));
            const double ms = millisecondsOf([&] {
                QTest::keyClick(field, Qt::Key_Return);
                // The game's windows are drawn through the screen's scene,
                // which paints later; grab() paints the whole window now.
                drill.grab();
            });
            if (run >= 0)
                answers.push_back(ms);
        }
        if (drill.round().right() != AnswerRuns + Warmup || drill.round().wrong() != 0) {
            std::fprintf(stderr, "%s: %d right, %d wrong\n", c.what, drill.round().right(),
                         drill.round().wrong());
            ++failures;
        }

        const int linesBefore = windows.userFiles().readProgress(name, c.drill).historyLines;
        std::vector<double> endings, reviews;
        const int minutes = c.drill == Drill::Addition ? 2 : 1;
        for (int run = 0; run < RoundRuns; ++run) {
            // Back to the menu and a fresh round, one second before its end.
            windows.resultWindow().GoBack();
            game.settle();
            startRound();
            // A mistake and a right answer, which the memory learns and the
            // review shows.
            type(field, QStringLiteral("0"));
            QTest::keyClick(field, Qt::Key_Return);
            type(field, c.answer(drill));
            QTest::keyClick(field, Qt::Key_Return);
            tick(drill.Timer1, minutes * 60 - 1);
            endings.push_back(millisecondsOf([&] { tick(drill.Timer1, 1); }));
            if (!windows.resultWindow().isVisible()) {
                std::fprintf(stderr, "%s, run %d: no result window\n", c.what, run);
                ++failures;
            }
            auto *review = windows.resultWindow().findChild<GameLabel *>(QStringLiteral("MistakesLink"));
            reviews.push_back(millisecondsOf([&] {
                QTest::mouseClick(review, Qt::LeftButton);
                windows.mistakesWindow().grab();
            }));
            windows.mistakesWindow().closeWindow();
            game.settle();
        }
        windows.resultWindow().GoBack();
        game.settle();
        const int lines = windows.userFiles().readProgress(name, c.drill).historyLines;
        // The first ending closes the round the answers were timed in.
        if (lines != linesBefore + RoundRuns) {
            std::fprintf(stderr, "%s: history line count %d, not %d\n", c.what, lines,
                         linesBefore + RoundRuns);
            ++failures;
        }
        menu.closeWindow();
        game.settle();

        std::printf("%s\n", c.what);
        report("  Enter to the next question painted", answers, 1);
        report("  End of the round, its files and memory written", endings, 5);
        report("  まちがいを みる shown", reviews, 50);
    }
    if (game.dialogs.count)
        std::fprintf(stderr, "%d messages\n", game.dialogs.count);
    return failures == 0 && game.dialogs.count == 0 ? 0 : 1;
}
