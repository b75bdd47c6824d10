#pragma once

#include <QGraphicsView>

#include <functional>

class QGraphicsProxyWidget;

// The game's screen: one borderless top-level window filling the physical
// screen, holding a surface of the game's screen size on which every game
// window is drawn. When the game's screen is smaller than the physical one
// (a 640 × 480 game on a larger desktop), the surface is scaled up to fill it,
// its shape kept; texts are drawn at the scaled size, so they stay sharp.
class GameScreen : public QGraphicsView
{
    Q_OBJECT
public:
    GameScreen();

    // The widget every game window is a child of.
    QWidget *surface() const { return m_surface; }

    // The size of the game's screen.
    void setScreenSize(QSize size);
    QSize screenSize() const;

    // Called when the desktop asks the screen to close (Alt+F4 and the like).
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fit();

    QWidget *m_surface;
    QGraphicsProxyWidget *m_proxy;
    std::function<void()> m_closeHandler;
};
