#include "../drill/DrillFixture.h"

#include "drills/mental/MentalDrill.h"
#include "drills/mental/MentalMenu.h"
#include "drills/mental/MentalScoring.h"
#include "users/Cp932.h"

namespace {

using mental::Outcome;

// N level points: `others` everywhere but the levels given.
std::vector<int> levels(int n, int others, std::map<int, int> given = {})
{
    std::vector<int> points(std::size_t(n), others);
    for (const auto &[level, value] : given)
        points[std::size_t(level - 1)] = value;
    return points;
}

// Sound, result picture and message of each outcome.
const std::map<Outcome::Kind, QStringList> Announced{
    {Outcome::NotCounted, {"sound\\zannen.wav", "Graphics\\みどりちゃん　泣く.bmp", "う～ん・・・次また頑張ろう！"}},
    {Outcome::Point, {"sound\\かけ・わり・横あんpointget.wav", "Graphics\\getpoint.bmp", "ポイントゲットおめでとう！"}},
    {Outcome::Pass, {"sound\\かけ・わり・横あん合格.wav", "Graphics\\本合格.bmp", "合格おめでと～"}},
    {Outcome::AllClear, {"sound\\かけ・わり・横あんall clear.wav", "Graphics\\本合格.bmp", "君にはもうかないません！"}},
};

const DrillScreen PlusOneScreen{
    .objectName = "FormPlusOne",
    .answerField = {400, 200, 193, 45},
    .rightCaption = {"RightCaption", {48, 16}}, .rightCount = {"Right", {240, 16}},
    .wrongCaption = {"WrongCaption", {48, 80}}, .wrongCount = {"Wrong", {240, 80}},
    .pictures = {{{"Image1", {4, 312, 181, 137}, QStringLiteral("Graphics\\時計.bmp")},
                  {"Image2", {176, 312, 257, 129}, QStringLiteral("Graphics\\f3.bmp")},
                  {"Image3", {416, 312, 169, 121}, QStringLiteral("Graphics\\zuk顔4.bmp")}}},
    .clock = {{{"M10", {39, 368}}, {"M1", {49, 368}}, {"Colon", {58, 368}}, {"S10", {62, 368}}, {"S1", {72, 368}}}},
    .nameText = {"Name", {200, 360}}, .encouragement = {"Cheer", {232, 392}},
};

// The first three levels of the mental multiplication files, in a menu of their own.
const MentalMenuLayout ThreeLevels{
    .objectName = "FormThreeLevels", .drill = Drill::MentalTimes, .background = ui::Cream, .pictures = {},
    .entries = {{1, "Level1", QStringLiteral("いち"), {40, 40}, QStringLiteral("ひとつめ")},
                {2, "Level2", QStringLiteral("に"), {40, 80}, QStringLiteral("ふたつめ")},
                {3, "Level3", QStringLiteral("さん"), {40, 120}, QStringLiteral("みっつめ")}},
    .entryPixels = 24, .backName = "Back", .backPos = {8, 416}, .backPixels = 24, .backColor = ui::Black,
    .backHover = QStringLiteral("もどるよ"), .speechName = "Speech", .speechPos = {216, 184},
    .title = QStringLiteral("ためしのめにゅう"), .titleAtCreation = true,
};

// A mental drill whose question is a number n and whose answer is n + 1.
class PlusOneDrill : public MentalDrill
{
public:
    PlusOneDrill(WindowSet &w, MentalMenu &menu)
        : MentalDrill(w.stage(), {w.session(), w.resultWindow()}, PlusOneScreen, menu, Drill::MentalTimes) {}
    QString ExpectedAnswer() const override { return QString::number(question + 1); }
    drill::Question AskedQuestion() const override { return {QString::number(question), QString()}; }
    void MakeQuestion(bool) override { question += 7; }
    void ResetOnClose() override {}
    int question = 0;
};

class MentalScoringTest : public DrillFixture
{
protected:
    void SetUp() override
    {
        DrillFixture::SetUp();
        logIn();
        menu = new MentalMenu(windows->stage(), windows->session(), ThreeLevels);
        menu->create();
        drill = new PlusOneDrill(*windows, *menu);
        drill->create();
    }

    static QByteArray progressBytes(int historyLines, const std::vector<int> &points)
    {
        QByteArray bytes = QByteArray::number(historyLines) + "\r\n";
        for (const int p : points)
            bytes += QByteArray::number(p) + "\r\n";
        return bytes;
    }
    // Writes the progress file and opens the menu over it.
    void openMenu(int historyLines, const std::vector<int> &points)
    {
        writeFile(Progress, progressBytes(historyLines, points));
        menu->openWindow();
        settle();
    }
    QStringList history() const { return users::Cp932::decode(readFile(History)).split("\r\n", Qt::SkipEmptyParts); }
    QWidget *entry(int level) const { return part(menu, QByteArray("Level" + QByteArray::number(level)).constData()); }
    std::vector<bool> entriesEnabled() const { return {entry(1)->isEnabled(), entry(2)->isEnabled(), entry(3)->isEnabled()}; }

    // Picks the level's entry, then a round with `right` right answers and one wrong.
    void playRound(int level, int right)
    {
        QTest::mouseClick(entry(level), Qt::LeftButton);
        drill->StartRound();
        settle();
        for (int i = 0; i < right; ++i)
            answer(*drill, drill->ExpectedAnswer());
        answer(*drill, QStringLiteral("0"));
        sound.played.clear();
        tick(drill->Timer1, 60);
        settle();
    }

    const QString Progress = QStringLiteral("user/taro.kak"), History = QStringLiteral("user/taro.kad");
    MentalMenu *menu = nullptr;
    PlusOneDrill *drill = nullptr;
};

} // namespace

TEST(MentalScoringRules, OutcomeHistoryLineAndLevelsOffered)
{
    struct Row { int right, level; std::vector<int> points; Outcome::Kind kind; QString history; };
    const std::vector<Row> rows{
        {5, 4, levels(20, 0), Outcome::NotCounted, "れべる４,2001/5/07,0pt,"},
        {5, 1, levels(20, 0, {{1, 2}}), Outcome::NotCounted, "れべる１,2001/5/07,2pt,"},
        {5, 20, levels(20, 5, {{20, 4}}), Outcome::NotCounted, "れべる２０,2001/5/07,4pt,"},
        {6, 12, levels(20, 0, {{12, 2}}), Outcome::Point, "れべる１２,2001/5/07,3pt,"},
        {6, 10, levels(20, 0), Outcome::Point, "れべる１０,2001/5/07,1pt,"},
        {6, 12, levels(20, 0, {{12, 4}}), Outcome::Pass, "れべる１２,2001/5/07,5pt,合格"},
        {40, 7, levels(13, 5, {{7, 4}, {2, 4}}), Outcome::Pass, "れべる７,2001/5/07,5pt,合格"},
        {6, 20, levels(20, 5, {{20, 4}}), Outcome::AllClear, "れべる２０,2001/5/07,5pt,合格"},
        {7, 13, levels(13, 5, {{13, 4}}), Outcome::AllClear, "れべる１３,2001/5/07,5pt,合格"},
        {6, 16, levels(16, 5, {{16, 4}}), Outcome::AllClear, "れべる１６,2001/5/07,5pt,合格"},
        // The sum is looked at only when the chosen level has 4 points.
        {6, 3, levels(20, 5, {{3, 3}, {4, 6}}), Outcome::Point, "れべる３,2001/5/07,4pt,"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.history.toStdString());
        const Outcome outcome = mental::judge(row.right, row.level, row.points);
        EXPECT_EQ(outcome.kind, row.kind);
        EXPECT_EQ(outcome.passed, row.kind == Outcome::Pass || row.kind == Outcome::AllClear);
        // What is shown and played, the round points, the level word and the pass word.
        const drill::RoundResult result = mental::judgeRound({row.level, row.right, 0, row.points, "2001/5/07"});
        EXPECT_EQ(QStringList({result.sound, result.picture, result.message}), Announced.at(row.kind));
        EXPECT_EQ(result.levelValue, outcome.points);
        EXPECT_EQ(result.levelPassed, outcome.passed);
        EXPECT_EQ(users::historyLine(Drill::MentalTimes, result.record), row.history);
    }
    // The menu offers every level not passed.
    EXPECT_EQ(mental::offeredLevels(levels(13, 5)), std::vector<bool>(13, false));
    EXPECT_EQ(mental::offeredLevels({0, 5, 4, 5, 1}), (std::vector<bool>{true, false, true, false, true}));
}

TEST_F(MentalScoringTest, RoundIsAnnouncedAndRecordedAndAPassLeavesTheMenuAtOnce)
{
    struct Case { int level, right; std::vector<int> before; Outcome::Kind kind; int after; QString history; std::vector<bool> entriesAfter; };
    const std::vector<Case> cases{
        {2, 5, levels(20, 0, {{2, 2}}), Outcome::NotCounted, 2, "れべる２,2001/3/07,2pt,", {true, true, true}},
        {1, 6, levels(20, 0, {{1, 3}}), Outcome::Point, 4, "れべる１,2001/3/07,4pt,", {true, true, true}},
        {3, 7, levels(20, 1, {{3, 4}}), Outcome::Pass, 5, "れべる３,2001/3/07,5pt,合格", {true, true, false}},
        {2, 6, levels(20, 5, {{2, 4}}), Outcome::AllClear, 5, "れべる２,2001/3/07,5pt,合格", {false, false, false}},
    };
    int historyLines = 7;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.history.toStdString());
        const QStringList historyBefore = history();
        openMenu(historyLines, c.before);
        playRound(c.level, c.right);

        ASSERT_TRUE(windows->resultWindow().isVisible());
        EXPECT_EQ(sound.played + QStringList({part<PictureBox>(&windows->resultWindow(), "Image2")->fileName(),
                                              textOf(&windows->resultWindow(), "Label2")}),
                  Announced.at(c.kind));
        std::vector<int> after = c.before;
        after[std::size_t(c.level - 1)] = c.after;
        EXPECT_EQ(readFile(Progress), progressBytes(historyLines + 1, after));
        EXPECT_EQ(history(), historyBefore + QStringList{c.history});
        EXPECT_EQ(entriesEnabled(), c.entriesAfter) << "before the menu is active again";

        windows->resultWindow().GoBack();
        drill->closeWindow();
        menu->closeWindow();
        settle();
        historyLines += 5;
    }
}

TEST_F(MentalScoringTest, UnreadableProgressEndsTheJudgingBeforeAnythingIsShownOrWritten)
{
    openMenu(1, levels(20, 0));
    const QByteArray historyBefore = readFile(History);
    ASSERT_TRUE(QFile::remove(path(Progress)));
    playRound(1, 6);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_FALSE(windows->resultWindow().isVisible());
    EXPECT_FALSE(QFile::exists(path(Progress)));
    EXPECT_EQ(readFile(History), historyBefore);
    // Reported twice: by the judging, and by the menu reading the same file
    // when the child is taken back to it.
    EXPECT_EQ(active(), menu);
    ASSERT_EQ(dialogs.errors.size(), 2);
    for (const QString &error : dialogs.errors)
        EXPECT_TRUE(error.contains("user\\taro.kak")) << error.toStdString();
}

TEST_F(MentalScoringTest, ActivationOffersTheLevelsNotPassedAndThePointerTellsWhich)
{
    struct Case { std::vector<int> points; std::vector<bool> offered; };
    for (const Case &c : {Case{levels(20, 5), {false, false, false}}, Case{levels(20, 0, {{1, 5}, {3, 5}}), {false, true, false}},
                          Case{levels(20, 4, {{2, 5}}), {true, false, true}}, Case{levels(20, 0), {true, true, true}}}) {
        openMenu(3, c.points);
        EXPECT_EQ(entriesEnabled(), c.offered);
        menu->closeWindow();
        settle();
    }

    openMenu(3, levels(20, 0, {{2, 5}}));
    const auto over = [&](QWidget *widget) { hover(widget, QPoint(5, 5)); return textOf(menu, "Speech"); };
    EXPECT_EQ(over(entry(1)), QStringLiteral("ひとつめ"));
    EXPECT_EQ(over(entry(2)), ThreeLevels.title) << "a passed level ignores the pointer";
    EXPECT_EQ(over(entry(3)), QStringLiteral("みっつめ"));
    EXPECT_EQ(over(part(menu, "Back")), QStringLiteral("もどるよ"));
    EXPECT_EQ(over(menu), ThreeLevels.title);
}
