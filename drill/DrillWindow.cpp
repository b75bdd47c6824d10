#include "drill/DrillWindow.h"

#include "drill/LevelMenu.h"
#include "drill/ResultWindow.h"
#include "drill/Texts.h"
#include "ui/GameStage.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "ui/IoError.h"
#include "users/FileReasons.h"
#include "users/Session.h"
#include "users/UserFiles.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <climits>

const QString DrillWindow::Encouragement = QStringLiteral("がんばってね！");

namespace {

QFont countFont() { return ui::font(21, ui::Bold); }     // captions and counters
QFont balloonFont() { return ui::font(16, ui::Bold); }   // name and encouragement texts

GameLabel *text(QWidget *parent, const DrillScreen::Text &part, const QString &text,
                const QFont &font, QRgb color = ui::Black)
{
    return ui::label(parent, part.name, text, part.pos, font, color);
}

} // namespace

DrillWindow::DrillWindow(GameStage &stage, const DrillContext &context, const DrillScreen &screen,
                         LevelMenu &menu, Drill drill, drill::RoundJudge judge)
    : GameWindow(stage, Kind::FullScreen, QSize(631, 416), QColor(screen.background)),
      Timer1(makeTimer(1000)),
      m_screen(screen),
      m_context(context),
      m_menu(menu),
      m_drill(drill),
      m_judge(judge),
      m_round(screen.roundMinutes),
      Edit1(ui::edit(this, "Edit1", screen.answerField,
                     ui::font(screen.answerPixels, ui::Bold | ui::Italic)))
{
    setObjectName(QString::fromLatin1(screen.objectName));
    const QString zero = QStringLiteral("0");
    text(this, screen.rightCaption, QStringLiteral("せいかいしたかず"), countFont());
    m_rightCount = text(this, screen.rightCount, zero, countFont(), ui::Blue);
    text(this, screen.wrongCaption, screen.wrongCaptionText, countFont());
    m_wrongCount = text(this, screen.wrongCount, zero, countFont(), ui::Red);
    for (std::size_t i = 0; i < m_pictures.size(); ++i)
        m_pictures[i] = ui::picture(this, screen.pictures[i].name, screen.pictures[i].geometry);
    const QFont clockFont = ui::font(screen.clockPixels, ui::Bold);
    for (std::size_t i = 0; i < m_clock.size(); ++i)
        m_clock[i] = text(this, screen.clock[i], i == 2 ? QStringLiteral(":") : zero, clockFont,
                          ui::Blue);
    m_nameText = text(this, screen.nameText, QString(), balloonFont());
    m_encouragement = text(this, screen.encouragement, Encouragement, balloonFont());
    // "やめる？" with はい and いいえ, large, on a raised pink panel that
    // AskToStop() puts in the middle of the window.
    m_stopQuestion = ui::frame(this, "StopQuestion", {0, 0, 320, 176}, ui::Pink, 3);
    ui::label(m_stopQuestion, "StopText", QStringLiteral("やめる？"), {70, 24}, ui::font(43, ui::Bold));
    GameLabel *stop = ui::link(m_stopQuestion, "StopYes", QStringLiteral("はい"), {56, 104}, 37);
    GameLabel *goOn = ui::link(m_stopQuestion, "StopNo", QStringLiteral("いいえ"), {168, 104}, 37);
    m_stopQuestion->hide();

    // The field stays disabled until the count-down starts a round.
    Edit1->setEnabled(false);
    // Half-width digits only: the input method would turn them full-width.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit1->installEventFilter(this);
    on(Timer1, &GameTimer::timeout, &DrillWindow::Timer1Timer);
    on(stop, &GameLabel::clicked, &DrillWindow::StopRound);
    on(goOn, &GameLabel::clicked, &DrillWindow::GoOnWithRound);
}

int DrillWindow::level() const
{
    return m_practice ? m_practice->level : m_menu.SelectedLevel;
}

void DrillWindow::PrepareRound(const std::optional<Practice> &practice)
{
    m_practice = practice;
}

QWidget *DrillWindow::focusControl() const
{
    return Edit1;
}

void DrillWindow::FormCreate()
{
    Place();
    for (std::size_t i = 0; i < m_pictures.size(); ++i)
        loadPicture(m_pictures[i], m_screen.pictures[i].file);
    // The drill's own labels were made after the shared parts; they lie
    // beneath the pictures, in the order they were made.
    bool own = false;
    for (QObject *child : children()) {
        if (child == m_encouragement)
            own = true;
        else if (auto *widget = qobject_cast<QWidget *>(child); own && widget)
            widget->stackUnder(m_pictures[0]);
    }
}

void DrillWindow::StartRound()
{
    Timer1->setEnabled(true);
    Edit1->setEnabled(true);
    openWindow();
}

void DrillWindow::FormActivate()
{
    m_nameText->setText(session().UserName + QStringLiteral("さん"));
    services().random.reseed(quint64(services().clock.now().toMSecsSinceEpoch()));
    NextQuestion(true);
}

void DrillWindow::NextQuestion(bool firstOfRound)
{
    const QString previous = m_questions > 0 ? AskedQuestion().fact : QString();
    bool made = false;
    if (m_practice && !m_practice->facts.isEmpty() && services().random.uniform(1, 10) <= 7) {
        const QStringList &facts = m_practice->facts;
        QString fact = facts[services().random.uniform(0, int(facts.size()) - 1)];
        // Never the same question twice in a row.
        if (fact == previous && facts.size() > 1)
            fact = facts[(facts.indexOf(fact) + 1) % facts.size()];
        made = fact != previous && MakeQuestionOf(fact);
    }
    if (!made)
        MakeQuestion(firstOfRound);
    ++m_questions;
    m_askedAt = services().clock.now().toMSecsSinceEpoch();
}

void DrillWindow::ShowClock()
{
    const drill::ClockDigits clock = m_round.clock();
    m_clock[4]->setText(QString::number(clock.seconds));
    m_clock[3]->setText(QString::number(clock.tensOfSeconds));
    m_clock[1]->setText(QString::number(clock.minutes));
    m_clock[0]->setText(QString::number(clock.tensOfMinutes));
}

void DrillWindow::Timer1Timer()
{
    const bool over = m_round.tick();
    ShowClock();
    if (over) {
        Timer1->setEnabled(false);
        EndRound();
    }
}

bool DrillWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Edit1)
        return GameWindow::eventFilter(watched, event);
    // Half-width digits only: nothing an input method composes gets in.
    if (event->type() == QEvent::InputMethod)
        return true;
    // Enter judges the answer and goes no further; Escape asks whether to
    // stop; every other key is the drill's or goes into the field as typed.
    // While "やめる？" is asked, Enter and Escape answer it and nothing else
    // counts. A disabled field takes no keys at all.
    if (event->type() != QEvent::KeyPress || !Edit1->isEnabled())
        return GameWindow::eventFilter(watched, event);
    const auto &press = static_cast<const QKeyEvent &>(*event);
    const bool enter = press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter;
    const bool escape = press.key() == Qt::Key_Escape;
    if (asking()) {
        if (enter)
            guarded([this] { StopRound(); });
        else if (escape)
            guarded([this] { GoOnWithRound(); });
        return true;
    }
    if (enter)
        guarded([this] { Edit1KeyPress(); });
    else if (escape)
        guarded([this] { AskToStop(); });
    else
        return AnswerKey(press) || GameWindow::eventFilter(watched, event);
    return true;
}

bool DrillWindow::asking() const
{
    return m_stopQuestion->isVisibleTo(this);
}

void DrillWindow::AskToStop()
{
    Timer1->setEnabled(false);
    m_stopQuestion->move((width() - m_stopQuestion->width()) / 2,
                         (height() - m_stopQuestion->height()) / 2);
    m_stopQuestion->raise();
    m_stopQuestion->show();
}

void DrillWindow::GoOnWithRound()
{
    m_stopQuestion->hide();
    Timer1->setEnabled(true);
}

void DrillWindow::StopRound()
{
    // Nothing is judged, played or written: the round never happened.
    m_stopQuestion->hide();
    Edit1->clear();
    Edit1->setEnabled(false);
    emit roundStopped();
}

void DrillWindow::Edit1KeyPress()
{
    // Each answer is kept with the time since its question appeared, or
    // since the last answer to it.
    const qint64 now = services().clock.now().toMSecsSinceEpoch();
    const int milliseconds = int(std::clamp<qint64>(now - m_askedAt, 0, INT_MAX));
    m_askedAt = now;
    const QString expected = ExpectedAnswer();
    const bool right = m_round.judge(Edit1->text(), expected);
    if (!expected.isEmpty())
        m_answers.push_back({m_questions, AskedQuestion(), Edit1->text(), expected, right, milliseconds});
    if (right) {
        services().sound.play(QStringLiteral("sound\\atari.wav"));
        NextQuestion(false);
        m_rightCount->setText(QString::number(m_round.right()));
    } else {
        services().sound.play(QStringLiteral("sound\\hazure.wav"));
        m_wrongCount->setText(QString::number(m_round.wrong()));
    }
    Edit1->clear();
}

void DrillWindow::EndRound()
{
    m_nameText->setText(QString());
    m_encouragement->setText(m_screen.endCaption);
    Edit1->clear();
    Edit1->setEnabled(false);

    // Only the result window leads back from a finished round. When judging
    // or recording fails, the failure is reported first; a result already
    // announced stays on screen with its "もどる", and without one this
    // window closes, so the child is back at the level menu either way.
    bool judged = false;
    stage().runGuarded([&] {
        JudgeRound();
        judged = true;
    });
    if (!judged && !result().isVisibleTo(result().parentWidget()))
        closeWindow();
}

void DrillWindow::JudgeRound()
{
    if (m_practice)
        return EndPractice();
    const int level = this->level();
    const QString date = drill::dateText(services().clock.now().date());
    bool passed = false;
    session().files.recordRound(session().UserName, m_drill, [&](users::Progress &progress) {
        const drill::RoundResult ended =
            m_judge({level, m_round.right(), m_round.wrong(), progress.levels, date});
        services().sound.play(ended.sound);
        result().Announce(ended.picture, ended.message, drill::mistakes(m_answers));
        progress.setLevel(level, ended.levelValue);
        passed = ended.levelPassed;
        return users::historyLine(m_drill, ended.record);
    }, session().PasswordStamp);
    // Within the same tick, so the menu beneath has changed when the child
    // goes back; only a recorded pass changes it.
    if (passed)
        m_menu.LevelPassed(level);
    RememberAnswers();
}

void DrillWindow::EndPractice()
{
    services().sound.play(QStringLiteral("sound\\かけ・わり・横あんpointget.wav"));
    result().Announce(QStringLiteral("Graphics\\四人　喜.bmp"),
                      QStringLiteral("れんしゅう おしまい！\nせいかい %1　まちがい %2")
                          .arg(drill::fullWidth(m_round.right()), drill::fullWidth(m_round.wrong())),
                      drill::mistakes(m_answers));
    RememberAnswers();
}

void DrillWindow::RememberAnswers()
{
    std::vector<users::FactAnswer> answers;
    for (const drill::Answer &answer : m_answers)
        answers.push_back({answer.asked.fact, level(), answer.right, answer.milliseconds});
    const QString &name = session().UserName;
    try {
        if (!session().files.rememberAnswers(name, m_drill, answers, session().PasswordStamp))
            stage().reportOnce(IoError(session().files.fileName(name, users::MemoryExt),
                                       users::reasons::MemoryStartedAfresh));
    } catch (const IoError &error) {
        stage().reportOnce(error);
    }
}

void DrillWindow::FormClose()
{
    Timer1->setEnabled(false);
    m_stopQuestion->hide();
    m_round.reset();
    m_answers.clear();
    m_questions = 0;
    m_practice.reset();
    m_rightCount->setText(QString::number(m_round.right()));
    m_wrongCount->setText(QString::number(m_round.wrong()));
    ShowClock();
    m_encouragement->setText(Encouragement);
    ResetOnClose();
}
