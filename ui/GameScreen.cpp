#include "ui/GameScreen.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

GameScreen::GameScreen() : m_surface(new QWidget), m_proxy(nullptr)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    // The whole screen is redrawn at once: partial updates at a fractional
    // scale leave hairline seams between the redrawn parts.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setAlignment(Qt::AlignCenter);

    auto *scene = new QGraphicsScene(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setAttribute(Qt::WA_NoSystemBackground);
    m_surface->setMouseTracking(true);
    m_surface->resize(640, 480);
    m_proxy = scene->addWidget(m_surface);
    setScene(scene);
    setMouseTracking(true);
}

void GameScreen::setScreenSize(QSize size)
{
    m_surface->setFixedSize(size);
    scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    fit();
}

QSize GameScreen::screenSize() const
{
    return m_surface->size();
}

void GameScreen::fit()
{
    const QSize game = m_surface->size();
    const QSize window = viewport()->size();
    if (game.isEmpty() || window.isEmpty())
        return;
    const qreal factor = std::max<qreal>(
        1.0, std::min(qreal(window.width()) / game.width(), qreal(window.height()) / game.height()));
    setTransform(QTransform::fromScale(factor, factor));
    centerOn(QPointF(game.width() / 2.0, game.height() / 2.0));
}

void GameScreen::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fit();
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    // The game ends only by closing its main menu.
    event->ignore();
    if (m_closeHandler)
        m_closeHandler();
}
