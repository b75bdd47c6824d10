#include "drills/mental/MentalDivisionDrill.h"

#include "drills/mental/MentalDivisionMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

#include <QLineEdit>

namespace division = mental::division;

namespace {

QFont separatorFont() { return ui::font(35, ui::Bold | ui::Italic); }

// Where the equals sign, the answer field and the commas stand when the
// window is made. A closed window leaves the field and the sign a little
// higher, and the commas at their starting height.
constexpr QPoint EqualsAtStart{440, 160};
constexpr QRect FieldAtStart{496, 152, 129, 45};
constexpr int CommaTop = 165;
constexpr int RaisedOnClose = 8;

const DrillScreen Screen{
    .objectName = "Form24",
    .answerField = FieldAtStart,
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

// The question row. The numbers' labels are placed by their top; the signs
// and the answer field stand a fixed drop below the top of their row's
// numbers, which keep their 73-pixel face at every level.
constexpr int SignDrop = 32;
constexpr int FieldDrop = 24;

// The levels whose division fits one row: the dividend, "÷" and the divisor
// across, with "＝" and the answer field where they stand. Four spaced-out
// digits reach x 243, so "÷" at 248 keeps clear of them.
struct OneRow
{
    int dividend, sign, divisor;
};
constexpr OneRow OneRows[] = {{32, 216, 320}, {32, 268, 336}, {32, 248, 328}};
constexpr int OneRowLevels = 3;
constexpr int RowTop = 128;

// The other levels: the dividend alone on the top row; beneath it "÷" and
// the divisor, ending before "＝" and the answer field.
constexpr int TopRow = 112;
constexpr int BottomRow = 192;
constexpr int DividendLeft = 32;
constexpr int DivisorEnd = 424;
constexpr int SignRoom = 64;      // from "÷" to the divisor
constexpr QPoint Equals{440, BottomRow + SignDrop};
constexpr QPoint Field{496, BottomRow + FieldDrop};

// Room between digits where a comma goes: numbers that may reach four
// digits are spaced out by this much. Unspaced, a comma touches the foot of
// the italic digit before it wherever it stands.
constexpr int DigitSpacing = 8;
// Each comma stands a pixel right of the middle of that room, where the
// italic digits' feet stand apart, its baseline 4 pixels below theirs.
const drill::NumberRow::Commas CommaPlacement{.lower = {4}, .nudge = 1};

QFont spacedNumberFont(int mostDigits)
{
    QFont font = MentalDivisionDrill::numberFont();
    if (mostDigits >= 4)
        font.setLetterSpacing(QFont::AbsoluteSpacing, DigitSpacing);
    return font;
}

} // namespace

QFont MentalDivisionDrill::numberFont() { return ui::font(73, ui::Bold | ui::Italic); }
QFont MentalDivisionDrill::signFont() { return ui::font(37); }

MentalDivisionDrill::MentalDivisionDrill(GameStage &stage, const DrillContext &context, MentalDivisionMenu &menu)
    : MentalDrill(stage, context, Screen, menu, Drill::MentalDivision),
      Label1(new drill::NumberLabel(this, "Label1", QStringLiteral("0"), {48, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("÷"), {184, 160}, signFont())),
      Label3(new drill::NumberLabel(this, "Label3", QStringLiteral("0"), {328, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("＝"), EqualsAtStart, signFont())),
      Label16(ui::label(this, "Label16", QString(), {224, CommaTop}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {112, CommaTop}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {416, CommaTop}, separatorFont())),
      Label19(ui::label(this, "Label19", QString(), {32, CommaTop}, separatorFont())),
      m_dividend(Label1, {Label16, Label17, Label19}, CommaPlacement),
      m_divisor(Label3, {Label18}, CommaPlacement)
{
}

void MentalDivisionDrill::MakeQuestion(bool firstOfRound)
{
    const int level = this->level();
    // Without a level chosen there is nothing to ask, and no answer is right.
    if (level < 1 || level > division::Levels) {
        m_question = {};
        return;
    }
    if (firstOfRound)
        PlaceRow(level);
    m_question = division::makeQuestion(level, services().random);
    m_dividend.show(QString::number(m_question.dividend));
    m_divisor.show(QString::number(m_question.divisor));
}

void MentalDivisionDrill::PlaceRow(int level)
{
    const division::Level &digits = division::level(level);
    const int dividendDigits = digits.divisorDigits + digits.quotientDigits;
    Label1->setFont(spacedNumberFont(dividendDigits));
    Label3->setFont(spacedNumberFont(digits.divisorDigits));
    Label1->setFixedTextWidth(ui::numberWidth(Label1->font(), dividendDigits));
    Label3->setFixedTextWidth(ui::numberWidth(Label3->font(), digits.divisorDigits));

    if (level <= OneRowLevels) {
        const OneRow &row = OneRows[level - 1];
        Label1->move(row.dividend, RowTop);
        Label2->move(row.sign, RowTop + SignDrop);
        Label3->move(row.divisor, RowTop);
        return;
    }
    Label1->move(DividendLeft, TopRow);
    const int divisorLeft = DivisorEnd - ui::numberWidth(Label3->font(), digits.divisorDigits);
    Label3->move(divisorLeft, BottomRow);
    Label2->move(divisorLeft - SignRoom, BottomRow + SignDrop);
    Label4->move(Equals);
    answerField()->move(Field);
}

QString MentalDivisionDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

drill::Question MentalDivisionDrill::AskedQuestion() const
{
    return {drill::grouped(m_question.dividend) + QStringLiteral(" ÷ ") + drill::grouped(m_question.divisor),
            users::facts::level(level())};
}

void MentalDivisionDrill::ResetOnClose()
{
    for (GameLabel *separator : {Label16, Label17, Label18, Label19}) {
        separator->setText(QString());
        separator->move(separator->x(), CommaTop);
    }
    const QPoint raised(0, -RaisedOnClose);
    answerField()->move(FieldAtStart.topLeft() + raised);
    Label4->move(EqualsAtStart + raised);
    Label1->setFont(numberFont());
    Label3->setFont(numberFont());
    Label2->setFont(signFont());
}
