#include "drills/mental/MentalTimesDrill.h"

#include "drill/Texts.h"
#include "drills/mental/MentalTimesMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace {

QFont numberFont(int pixels = 73) { return ui::font(pixels, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }
// Made with 35-pixel commas; a level makes them a little over half as high
// as its numbers, so they stay easy to see between spaced digits.
QFont separatorFont(int numberPixels = 64)
{
    return ui::font((numberPixels * 35 + 32) / 64, ui::Bold | ui::Italic);
}

// Where the answer field and the equals sign stand when the window is made,
// and again after every close.
const QRect AnswerHome{440, 152, 193, 45};
const QPoint EqualsHome{400, 160};

// The question row of a level: the size of its numbers and where each part
// stands, so that the longest factors of the level and its longest product
// fit; each factor's box is as wide as its digits in the face in use. Levels
// whose products reach seven digits at most keep the equals sign and the
// answer field where they are; the longer ones put them, the field widened,
// on a second row beneath the factors, right-aligned with them.
struct Placement
{
    int numberPixels;
    QPoint first;       // Label1
    QPoint times;       // Label2
    QPoint second;      // Label3
    QPoint equals;      // Label4
    QRect answer;       // Edit1
};

const std::array<Placement, mental::times::Levels> Placements{{
    {73, {48, 128}, {200, 160}, {304, 128}, EqualsHome, AnswerHome},
    {73, {32, 128}, {223, 160}, {300, 128}, EqualsHome, AnswerHome},
    {73, {32, 128}, {278, 160}, {328, 128}, EqualsHome, AnswerHome},
    {73, {40, 128}, {176, 160}, {264, 128}, EqualsHome, AnswerHome},
    {64, {24, 134}, {289, 160}, {336, 134}, EqualsHome, AnswerHome},
    {73, {32, 128}, {162, 160}, {224, 128}, EqualsHome, AnswerHome},
    {73, {32, 128}, {208, 160}, {270, 128}, EqualsHome, AnswerHome},
    {56, {16, 139}, {296, 160}, {341, 139}, EqualsHome, AnswerHome},
    {73, {32, 128}, {193, 160}, {239, 128}, EqualsHome, AnswerHome},
    {73, {32, 113}, {446, 132}, {490, 113}, {303, 224}, {340, 222, 202, 45}},
    {56, {16, 139}, {208, 160}, {253, 139}, EqualsHome, AnswerHome},
    {56, {16, 139}, {163, 160}, {208, 139}, EqualsHome, AnswerHome},
    {73, {16, 113}, {488, 132}, {532, 113}, {322, 224}, {359, 222, 225, 45}},
    {73, {32, 113}, {272, 132}, {316, 113}, {303, 224}, {340, 222, 202, 45}},
    {64, {32, 119}, {495, 132}, {539, 119}, {300, 224}, {337, 222, 248, 45}},
    {73, {16, 113}, {314, 132}, {358, 113}, {322, 224}, {359, 222, 225, 45}},
    {64, {16, 119}, {529, 132}, {573, 119}, {311, 224}, {348, 222, 271, 45}},
    {64, {32, 119}, {293, 132}, {337, 119}, {299, 224}, {336, 222, 248, 45}},
    {56, {16, 124}, {515, 132}, {559, 124}, {271, 224}, {308, 222, 294, 45}},
    {64, {16, 119}, {328, 132}, {372, 119}, {311, 224}, {348, 222, 271, 45}},
}};

const Placement &placementOf(int level)
{
    return Placements[std::size_t(std::clamp(level, 1, mental::times::Levels) - 1)];
}

// Levels with a factor of four digits or more space their digits a quarter
// of a digit apart, which leaves room for the commas.
QFont factorFont(int level)
{
    QFont font = numberFont(placementOf(level).numberPixels);
    if (std::max(mental::times::firstDigits(level), mental::times::secondDigits(level)) >= 4)
        font.setLetterSpacing(QFont::AbsoluteSpacing,
                              (QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) + 2) / 4);
    return font;
}

const DrillScreen Screen{
    .objectName = "Form21",
    .answerField = AnswerHome,
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
      Label1(new drill::NumberLabel(this, "Label1", QStringLiteral("0"), {32, 128}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("×"), {190, 160}, signFont())),
      Label3(new drill::NumberLabel(this, "Label3", QStringLiteral("0"), {320, 128}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("="), EqualsHome, signFont())),
      Label16(ui::label(this, "Label16", QString(), {142, 165}, separatorFont())),
      Label17(ui::label(this, "Label17", QString(), {468, 165}, separatorFont())),
      Label18(ui::label(this, "Label18", QString(), {68, 165}, separatorFont()))
{
}

void MentalTimesDrill::MakeQuestion(bool firstOfRound)
{
    if (firstOfRound)
        PlaceRow();
    m_question = mental::times::makeQuestion(level(), services().random);
    m_first.show(QString::number(m_question.first));
    m_second.show(QString::number(m_question.second));
}

void MentalTimesDrill::PlaceRow()
{
    const int level = this->level();
    const Placement &place = placementOf(level);
    const QFont factor = factorFont(level);
    Label1->setFont(factor);
    Label3->setFont(factor);
    Label1->move(place.first);
    Label2->move(place.times);
    Label3->move(place.second);
    Label4->move(place.equals);
    answerField()->setGeometry(place.answer);
    Label1->setFixedTextWidth(ui::numberWidth(factor, mental::times::firstDigits(level)));
    Label3->setFixedTextWidth(ui::numberWidth(factor, mental::times::secondDigits(level)));

    // Each comma sits on the factor's baseline. No level needs more than
    // three.
    const std::vector<GameLabel *> separators{Label18, Label16, Label17};
    for (GameLabel *separator : separators)
        separator->setFont(separatorFont(place.numberPixels));
    const auto firstCommas = std::ptrdiff_t(std::min(
        drill::commaPlaces(mental::times::firstDigits(level)).size(), separators.size()));
    m_first = drill::NumberRow(Label1, {separators.begin(), separators.begin() + firstCommas});
    m_second = drill::NumberRow(Label3, {separators.begin() + firstCommas, separators.end()});
}

QString MentalTimesDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

drill::Question MentalTimesDrill::AskedQuestion() const
{
    return {drill::grouped(m_question.first) + QStringLiteral(" × ") + drill::grouped(m_question.second),
            users::facts::level(level())};
}

void MentalTimesDrill::ResetOnClose()
{
    // Long factors may have moved the answer field and the equals sign and
    // used the separators; the question itself stays until the next round.
    for (GameLabel *separator : {Label16, Label17, Label18})
        separator->setText(QString());
    answerField()->setGeometry(AnswerHome);
    Label4->move(EqualsHome);
}
