#include "ui/GameStage.h"

#include "ui/GameScreen.h"
#include "ui/IoError.h"
#include "ui/Services.h"
#include "ui/WindowStack.h"

#include <QGuiApplication>

GameStage::GameStage(Services &services, GameFolder folder)
    : m_services(services), m_folder(std::move(folder)), m_screen(std::make_unique<GameScreen>()),
      m_stack(new WindowStack(this))
{
    m_screen->setWindowTitle(QGuiApplication::applicationDisplayName());
}

GameStage::~GameStage() = default;

QWidget *GameStage::surface() const
{
    return m_screen->surface();
}

QSize GameStage::screenSize() const
{
    return m_services.display.screenSize();
}

void GameStage::runGuarded(const std::function<void()> &handler) const
{
    try {
        handler();
    } catch (const IoError &error) {
        report(error);
    } catch (const std::exception &error) {
        m_services.dialogs.reportError(QString::fromLocal8Bit(error.what()));
    }
}

void GameStage::reportOnce(const IoError &error) const
{
    if (m_reported.contains(error.file()))
        return;
    m_reported.insert(error.file());
    report(error);
}

void GameStage::report(const IoError &error) const
{
    m_services.dialogs.reportError(QStringLiteral("「%1」: %2").arg(error.file(), error.reason()));
}
