#pragma once

#include <QObject>

#include <vector>

class GameWindow;

// Keeps the game's windows in order and decides which one is active.
//
// The window shown last lies on top; the main menu always lies beneath the
// others. A window becomes active when it is shown, when it is clicked, or
// when the window above it closes and uncovers it. Activation is decided once
// the handler that showed and closed windows has finished, so a handler that
// closes seven windows activates the one beneath them once.
class WindowStack : public QObject
{
    Q_OBJECT
public:
    explicit WindowStack(QObject *parent = nullptr);

    // Opens a window on top of the others, or closes (hides) it.
    void show(GameWindow *form);
    void close(GameWindow *form);
    // The pointer was pressed on this window.
    void clicked(GameWindow *form);

    // Shows the window and waits, handling events, until it is closed.
    void showModal(GameWindow *form);

    // Decides the active window now instead of when control returns to the
    // event loop.
    void settle();

    GameWindow *activeForm() const { return m_active; }
    GameWindow *topForm() const;
    // Shown windows, bottom first.
    const std::vector<GameWindow *> &shownForms() const { return m_shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The game window a widget belongs to, if any.
    static GameWindow *windowOf(QObject *object);
    void scheduleSettle();
    void restack();

    std::vector<GameWindow *> m_shown;
    GameWindow *m_requested = nullptr;
    GameWindow *m_active = nullptr;
    bool m_settlePending = false;
};
