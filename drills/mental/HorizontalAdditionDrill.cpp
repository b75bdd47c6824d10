#include "drills/mental/HorizontalAdditionDrill.h"

#include "app/Widgets.h"

#include <stdexcept>

namespace {
QFont rowFont() { return ui::font(80, ui::Bold | ui::Italic); }
QFont separatorFont() { return ui::font(37, ui::Bold); }
QFont clock21() { return ui::font(21, ui::Bold); }
} // namespace

TForm26::TForm26(WindowSet &windows)
    : DrillWindow(windows, {"Form26", ui::PaleCream, 1, QStringLiteral("しゅうりょう～"),
                            {312, 339, 273, 61}, 53}),
      Label1(ui::label(this, "Label1", QString(), {304, -8}, rowFont())),
      Label2(ui::label(this, "Label2", QString(), {304, 56}, rowFont())),
      Label3(ui::label(this, "Label3", QString(), {304, 120}, rowFont())),
      Label4(ui::label(this, "Label4", QString(), {304, 184}, rowFont())),
      Label5(ui::label(this, "Label5", QString(), {304, 248}, rowFont())),
      Label6(ui::label(this, "Label6", QStringLiteral("________________"), {285, 272},
                       ui::font(67, ui::Bold | ui::Italic))),
      Label7(ui::label(this, "Label7", QStringLiteral("せいかいしたかず"), {8, 16}, countFont())),
      Label9(ui::label(this, "Label9", QStringLiteral("0"), {168, 16}, countFont(), ui::Blue)),
      Label8(ui::label(this, "Label8", QStringLiteral("まちがったかず"), {8, 48}, countFont())),
      Label10(ui::label(this, "Label10", QStringLiteral("0"), {168, 48}, countFont(), ui::Red)),
      Image1(ui::picture(this, "Image1", {32, 200, 169, 121})),
      Image2(ui::picture(this, "Image2", {0, 72, 241, 129})),
      Image3(ui::picture(this, "Image3", {0, 344, 177, 137})),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {34, 400}, clock21(), ui::Blue)),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {45, 400}, clock21(), ui::Blue)),
      Label13(ui::label(this, "Label13", QStringLiteral(":"), {56, 400}, clock21(), ui::Blue)),
      Label14(ui::label(this, "Label14", QStringLiteral("0"), {61, 400}, clock21(), ui::Blue)),
      Label15(ui::label(this, "Label15", QStringLiteral("0"), {72, 400}, clock21(), ui::Blue)),
      Label18(ui::label(this, "Label18", QString(), {344, 32}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {464, 32}, separatorFont())),
      Label20(ui::label(this, "Label20", QString(), {344, 96}, separatorFont())),
      Label22(ui::label(this, "Label22", QString(), {464, 96}, separatorFont())),
      Label19(ui::label(this, "Label19", QString(), {344, 160}, separatorFont())),
      Label21(ui::label(this, "Label21", QString(), {464, 160}, separatorFont())),
      Label16(ui::label(this, "Label16", QString(), {344, 224}, separatorFont())),
      Label23(ui::label(this, "Label23", QString(), {464, 224}, separatorFont())),
      Label24(ui::label(this, "Label24", QString(), {344, 290}, separatorFont())),
      Label25(ui::label(this, "Label25", QString(), {464, 288}, separatorFont())),
      Label26(ui::label(this, "Label26", QString(), {24, 120}, balloonFont())),
      Label27(ui::label(this, "Label27", Encouragement, {56, 152}, balloonFont()))
{
    bindRoles({.rightCount = Label9, .wrongCount = Label10, .tensOfMinutes = Label11,
               .minutes = Label12, .tensOfSeconds = Label14, .seconds = Label15,
               .nameText = Label26, .encouragement = Label27});
}

void TForm26::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\zuk顔4.BMP"));
    Image2->load(QStringLiteral("Graphics\\f5.BMP"));
    Image3->load(QStringLiteral("Graphics\\時計.bmp"));
}

// Not built yet: the questions of the sixteen levels and the judging by
// points come with the horizontal mental addition drill. Until then no
// question is put up, so no answer counts as right, and judging a round
// fails openly.
void TForm26::MakeQuestion(bool) {}

std::optional<qint64> TForm26::ExpectedAnswer() const
{
    return std::nullopt;
}

void TForm26::JudgeRound()
{
    throw std::logic_error("the horizontal mental addition drill cannot judge a round yet");
}

void TForm26::ResetOnClose()
{
    // The rule line and the answer field keep their places until the next set-up.
    for (GameLabel *cleared : {Label1, Label2, Label3, Label4, Label5, Label16, Label17, Label18,
                               Label19, Label20, Label21, Label22, Label23, Label24, Label25})
        cleared->setText(QString());
}
