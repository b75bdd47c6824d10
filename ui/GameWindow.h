#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

#include <functional>

class GameStage;
class GameTimer;
class PictureBox;
struct Services;

// One window of the game. Every window is created once at start-up and lives
// until the game ends; it is opened and closed (hidden), never made again.
// Windows are borderless and drawn on the game's one screen; the window stack
// keeps them in order and tells a window when it becomes the active one.
//
// Windows are opened and closed only through openWindow() and closeWindow(),
// which go through the window stack; QWidget's own show() and close() are
// hidden here, as they would pass it by.
//
// A window class overrides the handlers it needs. The window layer runs
// every handler guarded: an IoError ends the handler where it happened and
// is reported in a message box, and the game goes on.
class GameWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { FullScreen, Dialog };

    GameWindow(GameStage &stage, Kind kind, QSize designSize, QColor background);

    Kind kind() const { return m_kind; }
    QSize designSize() const { return m_designSize; }

    // Shows the window without blocking; it comes on top of the others.
    void openWindow();
    // Closes (hides) the window. The close step runs on every close, open or not.
    void closeWindow();

    // Called once the window set has made every window, and by the window stack.
    void create();
    void activate();
    // The control that takes the keyboard when the window is active.
    virtual QWidget *focusControl() const { return nullptr; }
    // The main menu stays beneath every other window.
    virtual bool staysOnTop() const { return true; }

    GameStage &stage() const { return m_stage; }
    Services &services() const;

protected:
    // Creation handler: places the window. Windows that load pictures or set
    // texts at creation override it and call Place() first.
    virtual void FormCreate() { Place(); }
    virtual void FormActivate() {}
    virtual void FormClose() {}
    // Asked before the window closes; false keeps it open.
    virtual bool FormCloseQuery() { return true; }
    // The pointer moves over the window's background (or a disabled control).
    virtual void FormMouseMove() {}

    // Full-screen windows take the screen's size; every window is then centred.
    void Place();

    // Runs a piece of a handler with the game's error handling.
    void guarded(const std::function<void()> &handler);

    // Connects a control's signal to a handler of this window, guarded.
    template <class Sender, class Signal, class Form>
    void on(Sender *sender, Signal signal, void (Form::*handler)())
    {
        connect(sender, signal, this, [this, handler] {
            guarded([this, handler] { (static_cast<Form *>(this)->*handler)(); });
        });
    }

    // A window timer, disabled until a handler enables it.
    GameTimer *makeTimer(int intervalMs);

    // Loads a picture from the game folder into a picture box.
    void loadPicture(PictureBox *box, const QString &gameFileName) const;

    void mouseMoveEvent(QMouseEvent *event) override;

private:
    friend class WindowStack;
    using QWidget::close;
    using QWidget::show;

    GameStage &m_stage;
    Kind m_kind;
    QSize m_designSize;
};
