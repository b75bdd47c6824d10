#include "drills/basic/TimesTableDrill.h"

#include "drills/basic/TimesTableMenu.h"
#include "ui/Services.h"
#include "ui/Widgets.h"

namespace {

QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }

const DrillScreen Screen{
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
};

} // namespace

TimesTableDrill::TimesTableDrill(GameStage &stage, const DrillContext &context,
                                 TimesTableMenu &menu)
    : TableDrill(stage, context, Screen, menu, Drill::TimesTable),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), {32, 168}, numberFont())),
      Label13(ui::label(this, "Label13", QStringLiteral("×"), {160, 208}, signFont())),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), {264, 168}, numberFont())),
      Label14(ui::label(this, "Label14", QStringLiteral("＝"), {368, 208}, signFont()))
{
}

void TimesTableDrill::MakeQuestion(bool firstOfRound)
{
    m_question = firstOfRound ? tables::firstProduct(level(), services().random)
                              : tables::nextProduct(level(), m_question, services().random);
    Label11->setText(QString::number(m_question.first));
    Label12->setText(QString::number(m_question.second));
    // Room for one digit, whole in the face's own digits.
    Label11->setFixedTextWidth(std::max(57, ui::numberWidth(Label11->font(), 1)));
    Label12->setFixedTextWidth(std::max(57, ui::numberWidth(Label12->font(), 1)));
}

QString TimesTableDrill::ExpectedAnswer() const
{
    return m_question.answer();
}

QString TimesTableDrill::HistoryLine(const QString &date, bool passed) const
{
    return tables::timesHistoryLine(level(), date, passed);
}

void TimesTableDrill::ResetOnClose()
{
    TableDrill::ResetOnClose();
    // The factors go back to 0.
    Label11->setText(QStringLiteral("0"));
    Label12->setText(QStringLiteral("0"));
}
