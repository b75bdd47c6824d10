#include "drills/basic/DivisionTableDrill.h"

#include "app/Widgets.h"

#include <stdexcept>

namespace {
QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
} // namespace

TForm20::TForm20(WindowSet &windows)
    : DrillWindow(windows, {"Form20", ui::Cream, 1, QStringLiteral("おしまい～"),
                            {424, 200, 193, 45}, 37}),
      Label1(ui::label(this, "Label1", QStringLiteral("せいかいしたかず"), {48, 16}, countFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("0"), {240, 16}, countFont(), ui::Blue)),
      Label2(ui::label(this, "Label2", QStringLiteral("まちがったかず"), {48, 80}, countFont())),
      Label5(ui::label(this, "Label5", QStringLiteral("0"), {240, 80}, countFont(), ui::Red)),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {32, 176}, numberFont())),
      Label13(ui::label(this, "Label13", QStringLiteral("÷"), {152, 208}, signFont())),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {264, 176}, numberFont())),
      Label14(ui::label(this, "Label14", QStringLiteral("＝"), {352, 208}, signFont())),
      Image1(ui::picture(this, "Image1", {16, 312, 177, 137})),
      Image2(ui::picture(this, "Image2", {192, 312, 265, 129})),
      Image3(ui::picture(this, "Image3", {440, 288, 137, 153})),
      Label6(ui::label(this, "Label6", QStringLiteral("0"), {51, 368}, clockFont(), ui::Blue)),
      Label7(ui::label(this, "Label7", QStringLiteral("0"), {61, 368}, clockFont(), ui::Blue)),
      Label10(ui::label(this, "Label10", QStringLiteral(":"), {71, 368}, clockFont(), ui::Blue)),
      Label8(ui::label(this, "Label8", QStringLiteral("0"), {77, 368}, clockFont(), ui::Blue)),
      Label9(ui::label(this, "Label9", QStringLiteral("0"), {87, 368}, clockFont(), ui::Blue)),
      Label16(ui::label(this, "Label16", QString(), {216, 360}, balloonFont())),
      Label15(ui::label(this, "Label15", Encouragement, {248, 392}, balloonFont()))
{
    bindRoles({.rightCount = Label4, .wrongCount = Label5, .tensOfMinutes = Label6,
               .minutes = Label7, .tensOfSeconds = Label8, .seconds = Label9,
               .nameText = Label16, .encouragement = Label15});
}

void TForm20::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\時計.bmp"));
    Image2->load(QStringLiteral("Graphics\\f3.bmp"));
    Image3->load(QStringLiteral("Graphics\\ピコちゃん顔3.BMP"));
}

// Not built yet: the division-table questions and judging come with that
// drill. Until then no question is put up, so no answer counts as right, and
// judging a round fails openly.
void TForm20::MakeQuestion(bool) {}

std::optional<qint64> TForm20::ExpectedAnswer() const
{
    return std::nullopt;
}

void TForm20::JudgeRound()
{
    throw std::logic_error("the division-table drill cannot judge a round yet");
}

void TForm20::ResetOnClose()
{
    // The question stays on screen as it was.
    Label6->setText(QStringLiteral("0"));
    Passed = 0;
}
