#include "drills/basic/TimesTableDrill.h"

#include "drills/basic/TimesTableMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

namespace {

const TableFace Face{
    .screen = {
        .objectName = "Form18",
        .endCaption = QStringLiteral("おしまい～"),
        .answerField = {432, 200, 193, 45},
        .rightCaption = {"Label1", {48, 16}},
        .rightCount = {"Label4", {240, 16}},
        .wrongCaption = {"Label2", {48, 80}},
        .wrongCount = {"Label5", {240, 80}},
        .pictures = {{{"Image1", {8, 312, 185, 137}, QStringLiteral("Graphics\\時計.bmp")},
                      {"Image2", {184, 312, 241, 137}, QStringLiteral("Graphics\\f3.bmp")},
                      {"Image3", {432, 312, 161, 129}, QStringLiteral("Graphics\\zukky顔4.bmp")}}},
        .clock = {{{"Label6", {43, 370}}, {"Label7", {53, 370}}, {"Label10", {64, 368}},
                   {"Label8", {69, 370}}, {"Label9", {79, 370}}}},
        .nameText = {"Label16", {208, 352}},
        .encouragement = {"Label15", {232, 392}},
    },
    .drill = Drill::TimesTable,
    .first = {32, 168},
    .sign = QStringLiteral("×"),
    .signPlace = {160, 208},
    .second = {264, 168},
    .equals = {368, 208},
    // Room for one digit.
    .firstRoom = 57,
    .firstDigits = 1,
};

} // namespace

TimesTableDrill::TimesTableDrill(GameStage &stage, const DrillContext &context,
                                 TimesTableMenu &menu)
    : TableDrill(stage, context, Face, menu)
{
}

void TimesTableDrill::MakeQuestion(bool firstOfRound)
{
    m_question = firstOfRound ? tables::firstProduct(level(), services().random)
                              : tables::nextProduct(level(), m_question, services().random);
    ShowQuestion(m_question.first, m_question.second);
}

QString TimesTableDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

bool TimesTableDrill::MakeQuestionOf(const QString &fact)
{
    const auto operands = users::facts::oneDigitOperands(fact, users::facts::product);
    if (!operands)
        return false;
    m_question = {operands->first, operands->second};
    ShowQuestion(m_question.first, m_question.second);
    return true;
}

drill::Question TimesTableDrill::AskedQuestion() const
{
    return {drill::wide(QStringLiteral("%1 × %2").arg(m_question.first).arg(m_question.second)),
            users::facts::product(m_question.first, m_question.second)};
}

void TimesTableDrill::ResetOnClose()
{
    // The factors go back to 0.
    Label11->setText(QStringLiteral("0"));
    Label12->setText(QStringLiteral("0"));
}
