#include "drills/mental/HorizontalAdditionDrill.h"

#include "drills/mental/HorizontalAdditionMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace horizontal = mental::horizontal;

namespace {

QFont rowFont() { return ui::font(80, ui::Bold | ui::Italic); }
QFont ruleFont() { return ui::font(67, ui::Bold | ui::Italic); }
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

// Where a level puts its numbers, rule and answer field, by the digits of
// its numbers, as drawn in the game's own face, whose digits are 40 pixels
// wide in the rows. The rows and the answer field stand a little further
// right than the rule; the "，" labels stand over the gaps between digit
// groups, and the rule reaches 25 pixels past the numbers.
struct Placement
{
    int rowX, rowWidth;
    int ruleX, underscores;
    int answerX, answerWidth;
};
constexpr int FirstDigits = 4;
constexpr Placement Placements[] = {
    {304, 177, 277, 10, 296, 177},   // four digits
    {304, 225, 285, 12, 312, 209},   // five
    {304, 265, 285, 14, 312, 241},   // six
    {304, 305, 285, 16, 312, 273},   // seven
};
constexpr int RuleY = 272;
constexpr int RulePastNumbers = 25;
// What the set-up keeps free at the right edge of the 640-pixel screen.
constexpr int ScreenRight = 640 - 8;

// The widest number of `digits` distinct digits: 9876543 for seven.
qint64 widestNumber(int digits)
{
    qint64 number = 0;
    for (int i = 0; i < digits; ++i)
        number = number * 10 + (9 - i);
    return number;
}

// How far a text reaches to the right when drawn from x 0, its italic slant
// included.
int reach(const QFontMetrics &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

} // namespace

HorizontalAdditionDrill::HorizontalAdditionDrill(GameStage &stage, const DrillContext &context,
                                                 HorizontalAdditionMenu &menu)
    : MentalDrill(stage, context, Screen, menu, Drill::HorizontalAddition)
{
    const auto number = [this](const char *name, int y) {
        return new drill::NumberLabel(this, name, QString(), {304, y}, rowFont());
    };
    GameLabel *Label1 = number("Label1", -8);
    GameLabel *Label2 = number("Label2", 56);
    GameLabel *Label3 = number("Label3", 120);
    GameLabel *Label4 = number("Label4", 184);
    GameLabel *Label5 = number("Label5", 248);
    Label6 = ui::label(this, "Label6", QStringLiteral("________________"), {285, RuleY}, ruleFont());
    // Before any set-up the separators stand where a seven-digit number
    // takes its commas: after its first and its fourth digit.
    const auto separator = [this](const char *name, int x, int y) {
        return ui::label(this, name, QString(), {x, y}, separatorFont());
    };
    GameLabel *Label18 = separator("Label18", 344, 32);
    GameLabel *Label17 = separator("Label17", 464, 32);
    GameLabel *Label20 = separator("Label20", 344, 96);
    GameLabel *Label22 = separator("Label22", 464, 96);
    GameLabel *Label19 = separator("Label19", 344, 160);
    GameLabel *Label21 = separator("Label21", 464, 160);
    GameLabel *Label16 = separator("Label16", 344, 224);
    GameLabel *Label23 = separator("Label23", 464, 224);
    GameLabel *Label24 = separator("Label24", 344, 290);
    GameLabel *Label25 = separator("Label25", 464, 288);
    // The commas' baselines stand 3 pixels below the digits'; the bottom
    // row's left comma stands 2 pixels lower still.
    const drill::NumberRow::Commas commas{.lower = {3}};
    m_rows = {drill::NumberRow(Label1, {Label18, Label17}, commas),
              drill::NumberRow(Label2, {Label20, Label22}, commas),
              drill::NumberRow(Label3, {Label19, Label21}, commas),
              drill::NumberRow(Label4, {Label16, Label23}, commas),
              drill::NumberRow(Label5, {Label24, Label25}, {.lower = {5, 3}})};
}

void HorizontalAdditionDrill::SetUpLevel(int level)
{
    const int digits = horizontal::digits(level);
    const Placement &design =
        Placements[std::clamp(digits - FirstDigits, 0, int(std::size(Placements)) - 1)];
    const QFontMetrics rowMetrics(rowFont());
    const QString widest = QString::number(widestNumber(digits));

    // The installed face may draw wider than the game's own: the rows and
    // the answer field widen to the widest number and answer of the level,
    // and everything moves left together as far as the screen needs.
    const int rowWidth = std::max(design.rowWidth, reach(rowMetrics, widest) + 2);
    int rowX = design.rowX;
    int ruleX = design.ruleX;
    int answerX = design.answerX;
    const int ruleWidth = rowX + rowMetrics.horizontalAdvance(widest) + RulePastNumbers - ruleX;

    QLineEdit *field = answerField();
    const QString widestAnswer = QString::number(horizontal::numbers(level) * widestNumber(digits));
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const int answerWidth =
        std::max(design.answerWidth, reach(field->fontMetrics(), widestAnswer) + 2 * frame + 16);

    const int right = std::max({rowX + rowWidth, ruleX + ruleWidth, answerX + answerWidth});
    if (right > ScreenRight) {
        const int shift = right - ScreenRight;
        rowX -= shift;
        ruleX -= shift;
        answerX -= shift;
    }

    // The rows' commas follow their digits when a question is shown.
    for (const drill::NumberRow &row : m_rows) {
        row.number()->move(rowX, row.number()->y());
        row.number()->setFixedTextWidth(rowWidth);
    }
    Label6->setText(QString(design.underscores, QLatin1Char('_')));
    Label6->move(ruleX, RuleY);
    Label6->setFixedTextWidth(ruleWidth);
    field->setGeometry(answerX, field->y(), answerWidth, field->height());
}

void HorizontalAdditionDrill::MakeQuestion(bool firstOfRound)
{
    const int level = this->level();
    if (firstOfRound)
        SetUpLevel(level);
    m_question = horizontal::makeQuestion(level, services().random);
    const std::array<QString, horizontal::Rows> shown = m_question.rows();
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        m_rows[r].show(shown[r]);
}

QString HorizontalAdditionDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

drill::Question HorizontalAdditionDrill::AskedQuestion() const
{
    QStringList numbers;
    for (const qint64 number : m_question.numbers)
        numbers << drill::grouped(number);
    return {numbers.join(QStringLiteral(" ＋ ")), users::facts::level(level())};
}

void HorizontalAdditionDrill::ResetOnClose()
{
    // The rule line and the answer field keep their places until the next set-up.
    m_question = {};
    for (drill::NumberRow &row : m_rows)
        row.show(QString());
}
