#include "drills/mental/MentalTimesDrill.h"

#include "app/Widgets.h"

#include <QLineEdit>

#include <stdexcept>

namespace {
QFont numberFont() { return ui::font(73, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
QFont separatorFont() { return ui::font(35, ui::Bold | ui::Italic); }
} // namespace

TForm21::TForm21(WindowSet &windows)
    : DrillWindow(windows, {"Form21", ui::Cream, 1, QStringLiteral("しゅうりょう～"),
                            {440, 152, 193, 45}, 37}),
      Label5(ui::label(this, "Label5", QStringLiteral("せいかいしたかず"), {48, 16}, countFont())),
      Label7(ui::label(this, "Label7", QStringLiteral("0"), {240, 16}, countFont(), ui::Blue)),
      Label6(ui::label(this, "Label6", QStringLiteral("まちがえたかず"), {48, 80}, countFont())),
      Label8(ui::label(this, "Label8", QStringLiteral("0"), {240, 80}, countFont(), ui::Red)),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {32, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("×"), {190, 160}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {320, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("="), {400, 160}, signFont())),
      Label16(ui::label(this, "Label16", QString(), {142, 165}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {468, 165}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {68, 165}, separatorFont())),
      Image1(ui::picture(this, "Image1", {4, 312, 177, 137})),
      Image2(ui::picture(this, "Image2", {176, 312, 241, 129})),
      Image3(ui::picture(this, "Image3", {432, 312, 161, 121})),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {39, 368}, clockFont(), ui::Blue)),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {49, 368}, clockFont(), ui::Blue)),
      Label15(ui::label(this, "Label15", QStringLiteral(":"), {58, 368}, clockFont(), ui::Blue)),
      Label14(ui::label(this, "Label14", QStringLiteral("0"), {62, 368}, clockFont(), ui::Blue)),
      Label13(ui::label(this, "Label13", QStringLiteral("0"), {72, 368}, clockFont(), ui::Blue)),
      Label10(ui::label(this, "Label10", QString(), {200, 360}, balloonFont())),
      Label9(ui::label(this, "Label9", Encouragement, {232, 392}, balloonFont()))
{
    bindRoles({.rightCount = Label7, .wrongCount = Label8, .tensOfMinutes = Label11,
               .minutes = Label12, .tensOfSeconds = Label14, .seconds = Label13,
               .nameText = Label10, .encouragement = Label9});
}

void TForm21::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\時計.bmp"));
    Image2->load(QStringLiteral("Graphics\\f3.BMP"));
    Image3->load(QStringLiteral("Graphics\\zukky顔4.bmp"));
}

// Not built yet: the mental multiplication questions and the judging by
// points come with that drill. Until then no question is put up, so no
// answer counts as right, and judging a round fails openly.
void TForm21::MakeQuestion(bool) {}

std::optional<qint64> TForm21::ExpectedAnswer() const
{
    return std::nullopt;
}

void TForm21::JudgeRound()
{
    throw std::logic_error("the mental multiplication drill cannot judge a round yet");
}

void TForm21::ResetOnClose()
{
    // Long factors may have moved the answer field and the equals sign and
    // used the separators; the question itself stays until the next round.
    for (GameLabel *separator : {Label16, Label17, Label18})
        separator->setText(QString());
    Edit1->setGeometry(440, 152, 193, Edit1->height());
    Label4->move(400, 160);
}
