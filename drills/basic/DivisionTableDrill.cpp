#include "drills/basic/DivisionTableDrill.h"

#include "drills/basic/DivisionTableMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Where "÷" stands after a one-digit dividend.
constexpr QPoint SignHome{152, 208};

const TableFace Face{
    .screen = {
        .objectName = "Form20",
        .endCaption = QStringLiteral("おしまい～"),
        .answerField = {424, 200, 193, 45},
        .rightCaption = {"Label1", {48, 16}},
        .rightCount = {"Label4", {240, 16}},
        .wrongCaption = {"Label2", {48, 80}},
        .wrongCount = {"Label5", {240, 80}},
        .pictures = {{{"Image1", {16, 312, 177, 137}, QStringLiteral("Graphics\\時計.bmp")},
                      {"Image2", {192, 312, 265, 129}, QStringLiteral("Graphics\\f3.bmp")},
                      {"Image3", {440, 288, 137, 153}, QStringLiteral("Graphics\\ピコちゃん顔3.BMP")}}},
        .clock = {{{"Label6", {51, 368}}, {"Label7", {61, 368}}, {"Label10", {71, 368}},
                   {"Label8", {77, 368}}, {"Label9", {87, 368}}}},
        .nameText = {"Label16", {216, 360}},
        .encouragement = {"Label15", {248, 392}},
    },
    .drill = Drill::DivisionTable,
    .first = {32, 176},
    .sign = QStringLiteral("÷"),
    .signPlace = SignHome,
    .second = {264, 176},
    .equals = {352, 208},
    // Room for a two-digit dividend.
    .firstRoom = 105,
    .firstDigits = 2,
};

} // namespace

DivisionTableDrill::DivisionTableDrill(GameStage &stage, const DrillContext &context,
                                       DivisionTableMenu &menu)
    : TableDrill(stage, context, Face, menu),
      // Above the answer field, clear of the counters and the question.
      m_remainderHint(ui::label(this, "RemainderHint", QStringLiteral("あまりは スペースキー"),
                                {424, 172}, ui::font(16, ui::Bold), ui::Blue))
{
    m_remainderHint->hide();
}

void DivisionTableDrill::MakeQuestion(bool firstOfRound)
{
    m_question = firstOfRound ? tables::firstDivision(level(), services().random)
                              : tables::nextDivision(level(), m_question, services().random);
    ShowDivision();
}

bool DivisionTableDrill::MakeQuestionOf(const QString &fact)
{
    // A remainder can be typed only at the あまり level.
    const auto operands = users::facts::operands(fact);
    if (!operands || fact != users::facts::quotient(operands->first, operands->second))
        return false;
    const auto [dividend, divisor] = *operands;
    if (divisor < 1 || divisor > 9 || dividend < divisor || dividend / divisor > 9
        || (dividend % divisor != 0 && level() != tables::Remainder))
        return false;
    m_question = {dividend, divisor, dividend % divisor};
    ShowDivision();
    return true;
}

void DivisionTableDrill::ShowDivision()
{
    ShowQuestion(m_question.dividend, m_question.divisor);
    const int divisorWidth = ui::numberWidth(Label12->font(), 1);
    // "÷" keeps at least the room after the dividend that "＝" has after
    // the divisor, from the digits' farthest ink to the sign's own, so a
    // two-digit dividend moves it to the right.
    const auto inkStart = [](const GameLabel *sign) {
        return sign->x() + QFontMetrics(sign->font()).leftBearing(sign->text().at(0));
    };
    const int room = inkStart(Label14) - (Label12->x() + divisorWidth);
    const int dividendEnd = Label11->x() + ui::numberWidth(Label11->font(), int(Label11->text().size()));
    const int signBearing = inkStart(Label13) - Label13->x();
    Label13->move(std::max(SignHome.x(), dividendEnd + room - signBearing), SignHome.y());
}

QString DivisionTableDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

drill::Question DivisionTableDrill::AskedQuestion() const
{
    return {drill::wide(QStringLiteral("%1 ÷ %2").arg(m_question.dividend).arg(m_question.divisor)),
            users::facts::quotient(m_question.dividend, m_question.divisor)};
}

void DivisionTableDrill::FormActivate()
{
    TableDrill::FormActivate();
    m_remainderHint->setVisible(level() == tables::Remainder);
}

bool DivisionTableDrill::AnswerKey(const QKeyEvent &key)
{
    // With the input method off a child cannot type "あまり": after the
    // quotient the space bar (or the right arrow) puts the word in, and
    // BackSpace just after it takes the whole word away again.
    if (level() != tables::Remainder)
        return false;
    static const QString word = QStringLiteral("あまり");
    QLineEdit *field = answerField();
    const QString typed = field->text();
    const bool atEnd = field->cursorPosition() == typed.size() && !field->hasSelectedText();
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Right:
        if (!typed.isEmpty() && !typed.contains(word)) {
            field->setText(typed + word);
            return true;
        }
        // A space never belongs in an answer; the arrow moves as it always does.
        return key.key() == Qt::Key_Space;
    case Qt::Key_Backspace:
        if (atEnd && typed.endsWith(word)) {
            field->setText(typed.chopped(word.size()));
            return true;
        }
        return false;
    default:
        return false;
    }
}
