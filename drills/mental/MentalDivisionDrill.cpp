#include "drills/mental/MentalDivisionDrill.h"

#include "app/Widgets.h"

#include <QLineEdit>

#include <stdexcept>

namespace {
QFont separatorFont() { return ui::font(35, ui::Bold | ui::Italic); }
} // namespace

QFont TForm24::numberFont() { return ui::font(73, ui::Bold | ui::Italic); }
QFont TForm24::signFont() { return ui::font(37); }

TForm24::TForm24(WindowSet &windows)
    : DrillWindow(windows, {"Form24", ui::Cream, 1, QStringLiteral("しゅうりょう～"),
                            {496, 152, 129, 45}, 37}),
      Label5(ui::label(this, "Label5", QStringLiteral("せいかいしたかず"), {48, 16}, countFont())),
      Label7(ui::label(this, "Label7", QStringLiteral("0"), {240, 16}, countFont(), ui::Blue)),
      Label6(ui::label(this, "Label6", QStringLiteral("まちがったかず"), {48, 80}, countFont())),
      Label8(ui::label(this, "Label8", QStringLiteral("0"), {240, 80}, countFont(), ui::Red)),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {48, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("÷"), {184, 160}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {328, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("＝"), {440, 160}, signFont())),
      Label16(ui::label(this, "Label16", QString(), {224, 165}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {112, 165}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {416, 165}, separatorFont())),
      Label19(ui::label(this, "Label19", QString(), {32, 165}, separatorFont())),
      Image1(ui::picture(this, "Image1", {440, 296, 190, 180})),
      Image2(ui::picture(this, "Image2", {192, 328, 241, 129})),
      Image3(ui::picture(this, "Image3", {16, 328, 177, 137})),
      Label9(ui::label(this, "Label9", QStringLiteral("0"), {51, 384}, clockFont(), ui::Blue)),
      Label10(ui::label(this, "Label10", QStringLiteral("0"), {61, 384}, clockFont(), ui::Blue)),
      Label11(ui::label(this, "Label11", QStringLiteral(":"), {70, 384}, clockFont(), ui::Blue)),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {74, 384}, clockFont(), ui::Blue)),
      Label13(ui::label(this, "Label13", QStringLiteral("0"), {84, 384}, clockFont(), ui::Blue)),
      Label14(ui::label(this, "Label14", QString(), {216, 376}, balloonFont())),
      Label15(ui::label(this, "Label15", Encouragement, {248, 408}, balloonFont()))
{
    bindRoles({.rightCount = Label7, .wrongCount = Label8, .tensOfMinutes = Label9,
               .minutes = Label10, .tensOfSeconds = Label12, .seconds = Label13,
               .nameText = Label14, .encouragement = Label15});
}

void TForm24::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\みどり　笑い.bmp"));
    Image2->load(QStringLiteral("Graphics\\f3.BMP"));
    Image3->load(QStringLiteral("Graphics\\時計.bmp"));
}

// Not built yet: the mental division questions and the judging by points
// come with that drill. Until then no question is put up, so no answer counts
// as right, and judging a round fails openly.
void TForm24::MakeQuestion(bool) {}

std::optional<qint64> TForm24::ExpectedAnswer() const
{
    return std::nullopt;
}

void TForm24::JudgeRound()
{
    throw std::logic_error("the mental division drill cannot judge a round yet");
}

void TForm24::ResetOnClose()
{
    for (GameLabel *separator : {Label16, Label17, Label18, Label19}) {
        separator->setText(QString());
        separator->move(separator->x(), 165);
    }
    // Eight pixels above where they stand at start-up; the width stays.
    Edit1->move(496, 144);
    Label4->move(440, 152);
    Label1->setFont(numberFont());
    Label3->setFont(numberFont());
    Label2->setFont(signFont());
}
