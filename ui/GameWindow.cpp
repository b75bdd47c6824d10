#include "ui/GameWindow.h"

#include "ui/IoError.h"
#include "ui/Services.h"
#include "ui/GameStage.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"

#include <QMouseEvent>

GameWindow::GameWindow(GameStage &stage, Kind kind, QSize designSize, QColor background)
    : QWidget(stage.surface()), m_stage(stage), m_kind(kind), m_designSize(designSize)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setMouseTracking(true);
    resize(designSize);
    hide();
}

Services &GameWindow::services() const
{
    return m_stage.services();
}

void GameWindow::openWindow()
{
    m_stage.stack().show(this);
}

void GameWindow::closeWindow()
{
    bool mayClose = true;
    guarded([&] { mayClose = FormCloseQuery(); });
    if (!mayClose)
        return;
    guarded([&] { FormClose(); });
    m_stage.stack().close(this);
}

void GameWindow::create()
{
    guarded([this] { FormCreate(); });
}

void GameWindow::activate()
{
    guarded([this] { FormActivate(); });
    // The keyboard goes to the active window: to its own control when it has
    // one, else to the window itself, so no closed window keeps it.
    if (QWidget *control = focusControl(); control && control->isEnabled())
        control->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
}

void GameWindow::Place()
{
    const QSize screen = m_stage.screenSize();
    if (m_kind == Kind::FullScreen)
        resize(screen);
    else
        resize(m_designSize);
    // Integer division truncating toward zero: a window wider than the
    // screen gets a negative position.
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void GameWindow::guarded(const std::function<void()> &handler)
{
    m_stage.runGuarded(handler);
}

GameTimer *GameWindow::makeTimer(int intervalMs)
{
    return services().timers.create(intervalMs, this);
}

void GameWindow::mouseMoveEvent(QMouseEvent *event)
{
    guarded([this] { FormMouseMove(); });
    QWidget::mouseMoveEvent(event);
}

void GameWindow::loadPicture(PictureBox *box, const QString &gameFileName) const
{
    // Pictures are decoration: one that cannot be loaded is reported, once
    // a picture, and the window goes on without it.
    try {
        box->load(m_stage.folder(), gameFileName);
    } catch (const IoError &error) {
        m_stage.reportOnce(error);
    }
}
