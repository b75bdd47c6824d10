#include "app/WindowStack.h"

#include "app/GameForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

WindowStack::WindowStack(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

void WindowStack::show(GameForm *form)
{
    std::erase(m_shown, form);
    m_shown.push_back(form);
    restack();
    form->show();
    m_requested = form;
    scheduleSettle();
}

void WindowStack::close(GameForm *form)
{
    std::erase(m_shown, form);
    form->hide();
    if (m_requested == form)
        m_requested = nullptr;
    scheduleSettle();
}

void WindowStack::clicked(GameForm *form)
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

void WindowStack::showModal(GameForm *form)
{
    QPointer<GameForm> watched(form);
    show(form);
    settle();
    QEventLoop loop;
    while (watched && watched->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

GameForm *WindowStack::topForm() const
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
    for (GameForm *form : m_shown) {
        if (!form->staysOnTop())
            form->lower();
    }
    for (GameForm *form : m_shown) {
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
    GameForm *next = m_requested;
    m_requested = nullptr;
    if (!next || !next->isVisibleTo(next->parentWidget()))
        next = (m_active && std::ranges::count(m_shown, m_active)) ? m_active : topForm();
    if (next == m_active)
        return;
    m_active = next;
    if (next)
        next->activate();
}

bool WindowStack::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        // The window under the pointer becomes the active one.
        for (QObject *object = watched; object; object = object->parent()) {
            if (auto *form = qobject_cast<GameForm *>(object)) {
                if (std::ranges::count(m_shown, form))
                    clicked(form);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
