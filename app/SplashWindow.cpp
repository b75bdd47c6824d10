#include "app/SplashWindow.h"

#include "ui/Services.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QMetaObject>

SplashWindow::SplashWindow(GameStage &stage)
    : GameWindow(stage, Kind::Dialog, QSize(424, 273), QColor(ui::Grey)),
      Timer1(makeTimer(4000)),
      Panel1(ui::frame(this, "Panel1", {0, 0, 424, 273}, ui::PaleCream, 2)),
      Image1(ui::picture(Panel1, "Image1", {4, 4, 416, 265})),
      Label1(ui::label(Panel1, "Label1",
                       QStringLiteral("さく・え・おと　すうじのしま せいさくチーム"), {40, 224},
                       ui::font(12, ui::Bold), ui::Blue))
{
    setObjectName(QStringLiteral("Form27"));
    Image1->lower();
    on(Timer1, &GameTimer::timeout, &SplashWindow::Timer1Timer);
}

void SplashWindow::FormCreate()
{
    Place();
    // The splash closes itself four seconds after it was made.
    Timer1->setEnabled(true);
    loadPicture(Image1, QStringLiteral("Graphics\\N・I Title.BMP"));
}

void SplashWindow::Timer1Timer()
{
    TimeUp();
}

void SplashWindow::TimeUp()
{
    Timer1->setEnabled(false);
    m_timeUp = true;
    closeWindow();
}

void SplashWindow::showEvent(QShowEvent *event)
{
    GameWindow::showEvent(event);
    // The time ran out before the splash could be shown: an error box at
    // start-up stayed open longer than four seconds.
    if (m_timeUp)
        QMetaObject::invokeMethod(this, &SplashWindow::closeWindow, Qt::QueuedConnection);
}
