#include "app/GameForm.h"

#include "app/Services.h"
#include "app/WindowSet.h"
#include "app/WindowStack.h"

#include <QMouseEvent>

GameForm::GameForm(WindowSet &windows, Kind kind, QSize designSize, QColor background)
    : QWidget(windows.surface()), m_windows(windows), m_kind(kind), m_designSize(designSize)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setMouseTracking(true);
    resize(designSize);
    hide();
}

Services &GameForm::services() const
{
    return m_windows.services();
}

void GameForm::Show()
{
    m_windows.stack().show(this);
}

void GameForm::Close()
{
    bool mayClose = true;
    guarded([&] { mayClose = FormCloseQuery(); });
    if (!mayClose)
        return;
    guarded([&] { FormClose(); });
    m_windows.stack().close(this);
}

void GameForm::create()
{
    guarded([this] { FormCreate(); });
}

void GameForm::activate()
{
    guarded([this] { FormActivate(); });
    if (QWidget *control = focusControl(); control && control->isEnabled())
        control->setFocus(Qt::ActiveWindowFocusReason);
}

void GameForm::Place()
{
    const QSize screen = m_windows.screenSize();
    if (m_kind == Kind::FullScreen)
        resize(screen);
    else
        resize(m_designSize);
    // Integer division truncating toward zero: a window wider than the
    // screen gets a negative position.
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void GameForm::guarded(const std::function<void()> &handler)
{
    m_windows.runGuarded(handler);
}

GameTimer *GameForm::makeTimer(int intervalMs)
{
    return services().timers.create(intervalMs, this);
}

void GameForm::mouseMoveEvent(QMouseEvent *event)
{
    guarded([this] { FormMouseMove(); });
    QWidget::mouseMoveEvent(event);
}
