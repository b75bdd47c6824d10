#pragma once

#include <QObject>

#include <vector>

class GameForm;

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

    void show(GameForm *form);
    void close(GameForm *form);
    // The pointer was pressed on this window.
    void clicked(GameForm *form);

    // Shows the window and waits, handling events, until it is closed.
    void showModal(GameForm *form);

    // Decides the active window now instead of when control returns to the
    // event loop.
    void settle();

    GameForm *activeForm() const { return m_active; }
    GameForm *topForm() const;
    // Shown windows, bottom first.
    const std::vector<GameForm *> &shownForms() const { return m_shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scheduleSettle();
    void restack();

    std::vector<GameForm *> m_shown;
    GameForm *m_requested = nullptr;
    GameForm *m_active = nullptr;
    bool m_settlePending = false;
};
