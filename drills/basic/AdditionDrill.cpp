#include "drills/basic/AdditionDrill.h"

#include "app/ResultWindow.h"
#include "app/Services.h"
#include "app/Widgets.h"
#include "app/WindowSet.h"
#include "drill/DateText.h"
#include "drills/basic/Addition.h"
#include "drills/basic/AdditionMenu.h"

namespace {
QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
} // namespace

TForm11::TForm11(WindowSet &windows)
    : DrillWindow(windows, {"Form11", ui::Cream, 2, QStringLiteral("しゅうりょう～"),
                            {408, 200, 193, 45}, 37}),
      Label5(ui::label(this, "Label5", QStringLiteral("せいかいしたかず"), {48, 16}, countFont())),
      Label6(ui::label(this, "Label6", QStringLiteral("0"), {240, 16}, countFont(), ui::Blue)),
      Label8(ui::label(this, "Label8", QStringLiteral("まちがったかず"), {48, 80}, countFont())),
      Label9(ui::label(this, "Label9", QStringLiteral("0"), {240, 80}, countFont(), ui::Red)),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {32, 176}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("＋"), {152, 208}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {264, 176}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("＝"), {344, 208}, signFont())),
      Image1(ui::picture(this, "Image1", {4, 312, 181, 137})),
      Image2(ui::picture(this, "Image2", {176, 312, 257, 129})),
      Image3(ui::picture(this, "Image3", {416, 312, 169, 121})),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {39, 368}, clockFont(), ui::Blue)),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {49, 368}, clockFont(), ui::Blue)),
      Label15(ui::label(this, "Label15", QStringLiteral(":"), {58, 368}, clockFont(), ui::Blue)),
      Label13(ui::label(this, "Label13", QStringLiteral("0"), {62, 368}, clockFont(), ui::Blue)),
      Label14(ui::label(this, "Label14", QStringLiteral("0"), {72, 368}, clockFont(), ui::Blue)),
      Label7(ui::label(this, "Label7", QString(), {200, 360}, balloonFont())),
      Label17(ui::label(this, "Label17", Encouragement, {232, 392}, balloonFont()))
{
    bindRoles({.rightCount = Label6, .wrongCount = Label9, .tensOfMinutes = Label11,
               .minutes = Label12, .tensOfSeconds = Label13, .seconds = Label14,
               .nameText = Label7, .encouragement = Label17});
}

void TForm11::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\時計.bmp"));
    Image2->load(QStringLiteral("Graphics\\f3.bmp"));
    Image3->load(QStringLiteral("Graphics\\zuk顔4.bmp"));
}

int TForm11::level() const
{
    return windows().form8().SelectedLevel;
}

void TForm11::MakeQuestion(bool firstOfRound)
{
    const addition::Sum previous{shownNumber(Label1), shownNumber(Label3)};
    const addition::Sum sum = firstOfRound
        ? addition::firstQuestion(level(), services().random)
        : addition::nextQuestion(level(), previous, services().random);
    Label1->setText(QString::number(sum.first));
    Label3->setText(QString::number(sum.second));
    Label1->setFixedTextWidth(57);
    Label3->setFixedTextWidth(57);
}

std::optional<qint64> TForm11::ExpectedAnswer() const
{
    return qint64(shownNumber(Label1)) + shownNumber(Label3);
}

void TForm11::JudgeRound()
{
    const int level = this->level();
    Score = addition::score(shownNumber(Label6), shownNumber(Label9));
    const addition::GradeResult result = addition::gradeFor(Score);
    // Every round is graded; there is no failing result.
    windows().form22().Announce(QStringLiteral("Graphics\\四人　喜.bmp"), result.message);
    services().sound.play(result.sound);
    Grade = result.grade;

    const auto markCleared = [&](users::Progress &progress) {
        if (Grade == 1 && level >= 1 && level <= int(progress.levels.size()))
            progress.levels[std::size_t(level - 1)] = 1;
    };
    windows().userFiles().recordRound(
        windows().userName(), users::AdditionMode, markCleared,
        addition::historyLine(level, drill::dateText(services().clock.now().date()), Grade));
    // Within the same tick, so the menu beneath changes at once; only a
    // recorded 1級 clears the level.
    if (Grade == 1)
        windows().form8().LevelCleared(level);
}

void TForm11::ResetOnClose()
{
    Label7->setText(windows().userName() + QStringLiteral("さん"));
    Score = 0;
}
