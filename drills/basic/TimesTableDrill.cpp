#include "drills/basic/TimesTableDrill.h"

#include "app/Widgets.h"

#include <stdexcept>

namespace {
QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
} // namespace

TForm18::TForm18(WindowSet &windows)
    : DrillWindow(windows, {"Form18", ui::Cream, 1, QStringLiteral("おしまい～"),
                            {432, 200, 193, 45}, 37}),
      Label1(ui::label(this, "Label1", QStringLiteral("せいかいしたかず"), {48, 16}, countFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("0"), {240, 16}, countFont(), ui::Blue)),
      Label2(ui::label(this, "Label2", QStringLiteral("まちがったかず"), {48, 80}, countFont())),
      Label5(ui::label(this, "Label5", QStringLiteral("0"), {240, 80}, countFont(), ui::Red)),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {32, 168}, numberFont())),
      Label13(ui::label(this, "Label13", QStringLiteral("×"), {160, 208}, signFont())),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {264, 168}, numberFont())),
      Label14(ui::label(this, "Label14", QStringLiteral("＝"), {368, 208}, signFont())),
      Image1(ui::picture(this, "Image1", {8, 312, 185, 137})),
      Image2(ui::picture(this, "Image2", {184, 312, 241, 137})),
      Image3(ui::picture(this, "Image3", {432, 312, 161, 129})),
      Label6(ui::label(this, "Label6", QStringLiteral("0"), {43, 370}, clockFont(), ui::Blue)),
      Label7(ui::label(this, "Label7", QStringLiteral("0"), {53, 370}, clockFont(), ui::Blue)),
      Label10(ui::label(this, "Label10", QStringLiteral(":"), {64, 368}, clockFont(), ui::Blue)),
      Label8(ui::label(this, "Label8", QStringLiteral("0"), {69, 370}, clockFont(), ui::Blue)),
      Label9(ui::label(this, "Label9", QStringLiteral("0"), {79, 370}, clockFont(), ui::Blue)),
      Label16(ui::label(this, "Label16", QString(), {208, 352}, balloonFont())),
      Label15(ui::label(this, "Label15", Encouragement, {232, 392}, balloonFont()))
{
    bindRoles({.rightCount = Label4, .wrongCount = Label5, .tensOfMinutes = Label6,
               .minutes = Label7, .tensOfSeconds = Label8, .seconds = Label9,
               .nameText = Label16, .encouragement = Label15});
}

void TForm18::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\時計.bmp"));
    Image2->load(QStringLiteral("Graphics\\f3.bmp"));
    Image3->load(QStringLiteral("Graphics\\zukky顔4.bmp"));
}

// Not built yet: the multiplication-table questions and judging come with
// that drill. Until then no question is put up (the factors stay as they
// are), so no answer counts as right, and judging a round fails openly.
void TForm18::MakeQuestion(bool) {}

std::optional<qint64> TForm18::ExpectedAnswer() const
{
    return std::nullopt;
}

void TForm18::JudgeRound()
{
    throw std::logic_error("the multiplication-table drill cannot judge a round yet");
}

void TForm18::ResetOnClose()
{
    Label11->setText(QStringLiteral("0"));
    Label12->setText(QStringLiteral("0"));
    Passed = 0;
}
