#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

#include <functional>

class WindowSet;
struct Services;
class GameTimer;

// One window of the game. Every window is created once at start-up and lives
// until the game ends; it is shown and closed (hidden), never made again.
// Windows are borderless and drawn on the game's one screen; the window stack
// keeps them in order and tells a window when it becomes the active one.
//
// A window class overrides the handlers it needs. The window layer runs
// every handler guarded: an IoError ends the handler where it happened and
// is reported in a message box, and the game goes on.
class GameForm : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { FullScreen, Dialog };

    GameForm(WindowSet &windows, Kind kind, QSize designSize, QColor background);

    Kind kind() const { return m_kind; }
    QSize designSize() const { return m_designSize; }

    // Shows the window without blocking; it comes on top of the others.
    void Show();
    // Closes (hides) the window. The close step runs on every close, shown or not.
    void Close();

    // Called by the window set and the window stack.
    void create();
    void activate();
    // The control that takes the keyboard when the window is active.
    virtual QWidget *focusControl() const { return nullptr; }
    // The main menu stays beneath every other window.
    virtual bool staysOnTop() const { return true; }

    WindowSet &windows() const { return m_windows; }
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

    void mouseMoveEvent(QMouseEvent *event) override;

private:
    WindowSet &m_windows;
    Kind m_kind;
    QSize m_designSize;
};
