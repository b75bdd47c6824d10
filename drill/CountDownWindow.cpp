#include "drill/CountDownWindow.h"

#include "drill/DrillWindow.h"
#include "ui/Services.h"
#include "ui/Widgets.h"

#include <QKeyEvent>

CountDownWindow::CountDownWindow(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Timer1(makeTimer(1000)),
      Image1(ui::picture(this, "Image1", {-40, 104, 473, 241})),
      Image2(ui::picture(this, "Image2", {400, 104, 241, 241})),
      Label1(ui::label(this, "Label1", QString::number(Count), {160, 160}, ui::font(96, ui::Bold),
                       ui::Red))
{
    setObjectName(QStringLiteral("Form13"));
    on(Timer1, &GameTimer::timeout, &CountDownWindow::Timer1Timer);
}

void CountDownWindow::SetDrill(QStringView characterPicture, DrillWindow *drill)
{
    m_characterPicture = characterPicture.toString();
    m_drill = drill;
}

void CountDownWindow::Start()
{
    Timer1->setEnabled(true);
    openWindow();
}

void CountDownWindow::FormCreate()
{
    Place();
    loadPicture(Image1, QStringLiteral("Graphics\\f1.bmp"));
}

void CountDownWindow::FormActivate()
{
    if (!m_characterPicture.isEmpty())
        loadPicture(Image2, m_characterPicture);
}

void CountDownWindow::Timer1Timer()
{
    Label1->setText(QString::number(--m_count));
    if (m_count == 0) {
        // The 0 is never seen: closing puts the 3 back and starts the drill.
        closeWindow();
        Timer1->setEnabled(false);
    }
}

void CountDownWindow::FormClose()
{
    m_count = Count;
    Label1->setText(QString::number(m_count));
    if (m_drill && !m_cancelled)
        m_drill->StartRound();
    m_cancelled = false;
}

void CountDownWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || !Timer1->isEnabled()) {
        GameWindow::keyPressEvent(event);
        return;
    }
    Timer1->setEnabled(false);
    m_cancelled = true;
    closeWindow();
}
