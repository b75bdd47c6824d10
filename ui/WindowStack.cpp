#include "ui/WindowStack.h"

#include "ui/GameWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

WindowStack::WindowStack(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

void WindowStack::show(GameWindow *form)
{
    std::erase(m_shown, form);
    m_shown.push_back(form);
    restack();
    form->show();
    m_requested = form;
    scheduleSettle();
}

void WindowStack::close(GameWindow *form)
{
    std::erase(m_shown, form);
    // A closed window gives up the keyboard at once.
    // (The windows lie embedded in the game's screen, so the focus within
    // them is the surface's focus widget, not the application's.)
    if (QWidget *focused = form->window()->focusWidget(); focused && form->isAncestorOf(focused))
        focused->clearFocus();
    form->hide();
    if (m_requested == form)
        m_requested = nullptr;
    scheduleSettle();
}

void WindowStack::clicked(GameWindow *form)
{
    if (m_active == form && topForm() == form)
        return;
    if (form->staysOnTop()) {
        std::erase(m_shown, form);
        m_shown.push_back(form);
        restack();
    }
    m_requested = form;
    scheduleSettle();
}

void WindowStack::showModal(GameWindow *form)
{
    QPointer<GameWindow> watched(form);
    show(form);
    settle();
    QEventLoop loop;
    while (watched && watched->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

GameWindow *WindowStack::topForm() const
{
    // The main menu lies beneath the windows that stay on top.
    for (auto it = m_shown.rbegin(); it != m_shown.rend(); ++it) {
        if ((*it)->staysOnTop())
            return *it;
    }
    return m_shown.empty() ? nullptr : m_shown.back();
}

void WindowStack::restack()
{
    for (GameWindow *form : m_shown) {
        if (!form->staysOnTop())
            form->lower();
    }
    for (GameWindow *form : m_shown) {
        if (form->staysOnTop())
            form->raise();
    }
}

void WindowStack::scheduleSettle()
{
    if (m_settlePending)
        return;
    m_settlePending = true;
    QMetaObject::invokeMethod(this, &WindowStack::settle, Qt::QueuedConnection);
}

void WindowStack::settle()
{
    m_settlePending = false;
    GameWindow *next = m_requested;
    m_requested = nullptr;
    if (!next || !next->isVisibleTo(next->parentWidget()))
        next = (m_active && std::ranges::count(m_shown, m_active)) ? m_active : topForm();
    if (next == m_active)
        return;
    m_active = next;
    if (next)
        next->activate();
}

GameWindow *WindowStack::windowOf(QObject *object)
{
    for (; object; object = object->parent()) {
        if (auto *form = qobject_cast<GameWindow *>(object))
            return form;
    }
    return nullptr;
}

bool WindowStack::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
        // Keys and typed text reach only the active window; a closed or covered one takes none.
        if (GameWindow *form = watched->isWidgetType() ? windowOf(watched) : nullptr;
            form && form != m_active)
            return true;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        // The window under the pointer becomes the active one.
        if (GameWindow *form = windowOf(watched); form && std::ranges::count(m_shown, form))
            clicked(form);
    }
    return QObject::eventFilter(watched, event);
}
