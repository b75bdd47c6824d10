#include "drills/mental/MentalTimesDrill.h"

#include "drills/mental/MentalTimesMenu.h"

#include "ui/Widgets.h"

#include <QLineEdit>

namespace {

QFont numberFont() { return ui::font(73, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
QFont separatorFont() { return ui::font(35, ui::Bold | ui::Italic); }

const DrillScreen Screen{
    .objectName = "Form21",
    .answerField = {440, 152, 193, 45},
    .rightCaption = {"Label5", {48, 16}},
    .rightCount = {"Label7", {240, 16}},
    .wrongCaption = {"Label6", {48, 80}},
    .wrongCaptionText = QStringLiteral("まちがえたかず"),
    .wrongCount = {"Label8", {240, 80}},
    .pictures = {{{"Image1", {4, 312, 177, 137}, QStringLiteral("Graphics\\時計.bmp")},
                  {"Image2", {176, 312, 241, 129}, QStringLiteral("Graphics\\f3.BMP")},
                  {"Image3", {432, 312, 161, 121}, QStringLiteral("Graphics\\zukky顔4.bmp")}}},
    .clock = {{{"Label11", {39, 368}}, {"Label12", {49, 368}}, {"Label15", {58, 368}},
               {"Label14", {62, 368}}, {"Label13", {72, 368}}}},
    .nameText = {"Label10", {200, 360}},
    .encouragement = {"Label9", {232, 392}},
};

} // namespace

MentalTimesDrill::MentalTimesDrill(GameStage &stage, const DrillContext &context, MentalTimesMenu &menu)
    : MentalDrill(stage, context, Screen, menu, Drill::MentalTimes),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {32, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("×"), {190, 160}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {320, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("="), {400, 160}, signFont())),
      Label16(ui::label(this, "Label16", QString(), {142, 165}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {468, 165}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {68, 165}, separatorFont()))
{
}

// Not built yet: the mental multiplication questions and the judging by
// points come with that drill. Until then no question is put up, so no
// answer counts as right, and judging a round fails openly.
void MentalTimesDrill::MakeQuestion(bool) {}

QString MentalTimesDrill::ExpectedAnswer() const
{
    return {};
}

void MentalTimesDrill::ResetOnClose()
{
    // Long factors may have moved the answer field and the equals sign and
    // used the separators; the question itself stays until the next round.
    for (GameLabel *separator : {Label16, Label17, Label18})
        separator->setText(QString());
    answerField()->setGeometry(440, 152, 193, answerField()->height());
    Label4->move(400, 160);
}
