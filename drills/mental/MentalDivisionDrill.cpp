#include "drills/mental/MentalDivisionDrill.h"

#include "drills/mental/MentalDivisionMenu.h"

#include "ui/Widgets.h"

#include <QLineEdit>

namespace {

QFont separatorFont() { return ui::font(35, ui::Bold | ui::Italic); }

const DrillScreen Screen{
    .objectName = "Form24",
    .answerField = {496, 152, 129, 45},
    .rightCaption = {"Label5", {48, 16}},
    .rightCount = {"Label7", {240, 16}},
    .wrongCaption = {"Label6", {48, 80}},
    .wrongCount = {"Label8", {240, 80}},
    .pictures = {{{"Image1", {440, 296, 190, 180}, QStringLiteral("Graphics\\みどり　笑い.bmp")},
                  {"Image2", {192, 328, 241, 129}, QStringLiteral("Graphics\\f3.BMP")},
                  {"Image3", {16, 328, 177, 137}, QStringLiteral("Graphics\\時計.bmp")}}},
    .clock = {{{"Label9", {51, 384}}, {"Label10", {61, 384}}, {"Label11", {70, 384}},
               {"Label12", {74, 384}}, {"Label13", {84, 384}}}},
    .nameText = {"Label14", {216, 376}},
    .encouragement = {"Label15", {248, 408}},
};

} // namespace

QFont MentalDivisionDrill::numberFont() { return ui::font(73, ui::Bold | ui::Italic); }
QFont MentalDivisionDrill::signFont() { return ui::font(37); }

MentalDivisionDrill::MentalDivisionDrill(GameStage &stage, const DrillContext &context, MentalDivisionMenu &menu)
    : MentalDrill(stage, context, Screen, menu, Drill::MentalDivision),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {48, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("÷"), {184, 160}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {328, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("＝"), {440, 160}, signFont())),
      Label16(ui::label(this, "Label16", QString(), {224, 165}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {112, 165}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {416, 165}, separatorFont())),
      Label19(ui::label(this, "Label19", QString(), {32, 165}, separatorFont()))
{
}

// Not built yet: the mental division questions and the judging by points
// come with that drill. Until then no question is put up, so no answer counts
// as right, and judging a round fails openly.
void MentalDivisionDrill::MakeQuestion(bool) {}

QString MentalDivisionDrill::ExpectedAnswer() const
{
    return {};
}

void MentalDivisionDrill::ResetOnClose()
{
    for (GameLabel *separator : {Label16, Label17, Label18, Label19}) {
        separator->setText(QString());
        separator->move(separator->x(), 165);
    }
    // Eight pixels above where they stand at start-up; the width stays.
    answerField()->move(496, 144);
    Label4->move(440, 152);
    Label1->setFont(numberFont());
    Label3->setFont(numberFont());
    Label2->setFont(signFont());
}
