#include "drills/basic/AdditionDrill.h"

#include "drills/basic/AdditionMenu.h"
#include "users/Session.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/FactMemory.h"

namespace {

QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }

const DrillScreen Screen{
    .objectName = "Form11",
    .roundMinutes = 2,
    .answerField = {408, 200, 193, 45},
    .rightCaption = {"Label5", {48, 16}},
    .rightCount = {"Label6", {240, 16}},
    .wrongCaption = {"Label8", {48, 80}},
    .wrongCount = {"Label9", {240, 80}},
    .pictures = {{{"Image1", {4, 312, 181, 137}, QStringLiteral("Graphics\\時計.bmp")},
                  {"Image2", {176, 312, 257, 129}, QStringLiteral("Graphics\\f3.bmp")},
                  {"Image3", {416, 312, 169, 121}, QStringLiteral("Graphics\\zuk顔4.bmp")}}},
    .clock = {{{"Label11", {39, 368}}, {"Label12", {49, 368}}, {"Label15", {58, 368}},
               {"Label13", {62, 368}}, {"Label14", {72, 368}}}},
    .nameText = {"Label7", {200, 360}},
    .encouragement = {"Label17", {232, 392}},
};

} // namespace

AdditionDrill::AdditionDrill(GameStage &stage, const DrillContext &context, AdditionMenu &menu)
    : DrillWindow(stage, context, Screen, menu, Drill::Addition, addition::judgeRound),
      Label1(ui::label(this, "Label1", QStringLiteral("0"), {32, 176}, numberFont())),
      Label2(ui::label(this, "Label2", QStringLiteral("＋"), {152, 208}, signFont())),
      Label3(ui::label(this, "Label3", QStringLiteral("0"), {264, 176}, numberFont())),
      Label4(ui::label(this, "Label4", QStringLiteral("＝"), {344, 208}, signFont()))
{
}

void AdditionDrill::MakeQuestion(bool firstOfRound)
{
    const int level = this->level();
    m_question = firstOfRound ? addition::firstQuestion(level, services().random)
                              : addition::nextQuestion(level, m_question, services().random);
    ShowQuestion();
}

bool AdditionDrill::MakeQuestionOf(const QString &fact)
{
    const auto operands = users::facts::oneDigitOperands(fact, users::facts::sum);
    if (!operands)
        return false;
    m_question = {operands->first, operands->second};
    ShowQuestion();
    return true;
}

void AdditionDrill::ShowQuestion()
{
    Label1->setText(QString::number(m_question.first));
    Label3->setText(QString::number(m_question.second));
    // Room for one digit, whole in the face's own digits.
    Label1->setFixedTextWidth(std::max(57, ui::numberWidth(Label1->font(), 1)));
    Label3->setFixedTextWidth(std::max(57, ui::numberWidth(Label3->font(), 1)));
}

QString AdditionDrill::ExpectedAnswer() const
{
    return QString::number(m_question.total());
}

drill::Question AdditionDrill::AskedQuestion() const
{
    return {drill::wide(QStringLiteral("%1 ＋ %2").arg(m_question.first).arg(m_question.second)),
            users::facts::sum(m_question.first, m_question.second)};
}

void AdditionDrill::ResetOnClose()
{
    nameText()->setText(session().UserName + QStringLiteral("さん"));
}
