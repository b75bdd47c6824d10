#include "drills/mental/HorizontalAdditionDrill.h"

#include "drills/mental/HorizontalAdditionMenu.h"

#include "ui/Widgets.h"

namespace {

QFont rowFont() { return ui::font(80, ui::Bold | ui::Italic); }
QFont separatorFont() { return ui::font(37, ui::Bold); }

const DrillScreen Screen{
    .objectName = "Form26",
    .background = ui::PaleCream,
    .answerField = {312, 339, 273, 61},
    .answerPixels = 53,
    .rightCaption = {"Label7", {8, 16}},
    .rightCount = {"Label9", {168, 16}},
    .wrongCaption = {"Label8", {8, 48}},
    .wrongCount = {"Label10", {168, 48}},
    .pictures = {{{"Image1", {32, 200, 169, 121}, QStringLiteral("Graphics\\zuk顔4.BMP")},
                  {"Image2", {0, 72, 241, 129}, QStringLiteral("Graphics\\f5.BMP")},
                  {"Image3", {0, 344, 177, 137}, QStringLiteral("Graphics\\時計.bmp")}}},
    .clock = {{{"Label11", {34, 400}}, {"Label12", {45, 400}}, {"Label13", {56, 400}},
               {"Label14", {61, 400}}, {"Label15", {72, 400}}}},
    .clockPixels = 21,
    .nameText = {"Label26", {24, 120}},
    .encouragement = {"Label27", {56, 152}},
};

} // namespace

HorizontalAdditionDrill::HorizontalAdditionDrill(GameStage &stage, const DrillContext &context, HorizontalAdditionMenu &menu)
    : MentalDrill(stage, context, Screen, menu, Drill::HorizontalAddition),
      Label1(ui::label(this, "Label1", QString(), {304, -8}, rowFont())),
      Label2(ui::label(this, "Label2", QString(), {304, 56}, rowFont())),
      Label3(ui::label(this, "Label3", QString(), {304, 120}, rowFont())),
      Label4(ui::label(this, "Label4", QString(), {304, 184}, rowFont())),
      Label5(ui::label(this, "Label5", QString(), {304, 248}, rowFont())),
      Label6(ui::label(this, "Label6", QStringLiteral("________________"), {285, 272},
                       ui::font(67, ui::Bold | ui::Italic))),
      Label18(ui::label(this, "Label18", QString(), {344, 32}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {464, 32}, separatorFont())),
      Label20(ui::label(this, "Label20", QString(), {344, 96}, separatorFont())),
      Label22(ui::label(this, "Label22", QString(), {464, 96}, separatorFont())),
      Label19(ui::label(this, "Label19", QString(), {344, 160}, separatorFont())),
      Label21(ui::label(this, "Label21", QString(), {464, 160}, separatorFont())),
      Label16(ui::label(this, "Label16", QString(), {344, 224}, separatorFont())),
      Label23(ui::label(this, "Label23", QString(), {464, 224}, separatorFont())),
      Label24(ui::label(this, "Label24", QString(), {344, 290}, separatorFont())),
      Label25(ui::label(this, "Label25", QString(), {464, 288}, separatorFont()))
{
}

// Not built yet: the questions of the sixteen levels and the judging by
// points come with the horizontal mental addition drill. Until then no
// question is put up, so no answer counts as right, and judging a round
// fails openly.
void HorizontalAdditionDrill::MakeQuestion(bool) {}

QString HorizontalAdditionDrill::ExpectedAnswer() const
{
    return {};
}

void HorizontalAdditionDrill::ResetOnClose()
{
    // The rule line and the answer field keep their places until the next set-up.
    for (GameLabel *cleared : {Label1, Label2, Label3, Label4, Label5, Label16, Label17, Label18,
                               Label19, Label20, Label21, Label22, Label23, Label24, Label25})
        cleared->setText(QString());
}
