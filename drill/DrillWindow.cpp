#include "drill/DrillWindow.h"

#include "app/ResultWindow.h"
#include "app/Services.h"
#include "app/Widgets.h"
#include "app/WindowSet.h"
#include "drill/RoundClock.h"

#include <QKeyEvent>
#include <QLineEdit>

const QString DrillWindow::Encouragement = QStringLiteral("がんばってね！");

DrillWindow::DrillWindow(WindowSet &windows, const DrillSetup &setup)
    : GameForm(windows, Kind::FullScreen, QSize(631, 416), QColor(setup.background)),
      Timer1(makeTimer(1000)),
      Edit1(ui::edit(this, "Edit1", setup.answerField,
                     ui::font(setup.answerPixels, ui::Bold | ui::Italic))),
      m_setup(setup)
{
    setObjectName(QString::fromLatin1(setup.objectName));
    // The field stays disabled until the count-down starts a round.
    Edit1->setEnabled(false);
    // Half-width digits only: the input method would turn them full-width.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit1->installEventFilter(this);
    on(Timer1, &GameTimer::timeout, &DrillWindow::Timer1Timer);
}

void DrillWindow::bindRoles(const DrillRoles &roles)
{
    m_roles = roles;
}

QWidget *DrillWindow::focusControl() const
{
    return Edit1;
}

QFont DrillWindow::countFont()
{
    return ui::font(21, ui::Bold);
}

QFont DrillWindow::clockFont()
{
    return ui::font(19, ui::Bold);
}

QFont DrillWindow::balloonFont()
{
    return ui::font(16, ui::Bold);
}

int DrillWindow::shownNumber(const GameLabel *label)
{
    return label->text().toInt();
}

void DrillWindow::addOne(GameLabel *label)
{
    label->setText(QString::number(shownNumber(label) + 1));
}

void DrillWindow::FormActivate()
{
    m_roles.nameText->setText(windows().userName() + QStringLiteral("さん"));
    services().random.reseed(quint64(services().clock.now().toMSecsSinceEpoch()));
    MakeQuestion(true);
}

void DrillWindow::Timer1Timer()
{
    drill::ClockDigits clock{shownNumber(m_roles.tensOfMinutes), shownNumber(m_roles.minutes),
                             shownNumber(m_roles.tensOfSeconds), shownNumber(m_roles.seconds)};
    const bool over = drill::tick(clock, m_setup.roundMinutes);
    m_roles.seconds->setText(QString::number(clock.seconds));
    m_roles.tensOfSeconds->setText(QString::number(clock.tensOfSeconds));
    m_roles.minutes->setText(QString::number(clock.minutes));
    if (over) {
        Timer1->setEnabled(false);
        EndRound();
    }
}

bool DrillWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter judges the answer and goes no further; every other key goes into
    // the field as typed. A disabled field takes no keys at all.
    if (watched == Edit1 && event->type() == QEvent::KeyPress && Edit1->isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { Edit1KeyPress(); });
            return true;
        }
    }
    return GameForm::eventFilter(watched, event);
}

void DrillWindow::Edit1KeyPress()
{
    // Only the plain decimal text of the answer is right: no sign, no
    // leading zero, no space, no full-width digit.
    const std::optional<qint64> expected = ExpectedAnswer();
    if (expected && Edit1->text() == QString::number(*expected)) {
        services().sound.play(QStringLiteral("sound\\atari.wav"));
        MakeQuestion(false);
        addOne(m_roles.rightCount);
    } else {
        services().sound.play(QStringLiteral("sound\\hazure.wav"));
        addOne(m_roles.wrongCount);
    }
    Edit1->clear();
}

void DrillWindow::EndRound()
{
    m_roles.nameText->setText(QString());
    m_roles.encouragement->setText(m_setup.endCaption);
    Edit1->clear();
    Edit1->setEnabled(false);

    // Only the result window leads back from a finished round. When judging
    // or recording fails, the failure is reported first; then this window
    // closes (with the result window, if the drill had announced already),
    // so the child is back at the level menu, the round unrecorded.
    bool judged = false;
    windows().runGuarded([&] {
        JudgeRound();
        judged = true;
    });
    if (!judged) {
        windows().form22().Close();
        Close();
    }
}

void DrillWindow::FormClose()
{
    Timer1->setEnabled(false);
    for (GameLabel *zero : {m_roles.rightCount, m_roles.wrongCount, m_roles.minutes,
                            m_roles.tensOfSeconds, m_roles.seconds})
        zero->setText(QStringLiteral("0"));
    m_roles.encouragement->setText(Encouragement);
    ResetOnClose();
}
