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
        m_services.dialogs.reportError(
            QStringLiteral("「%1」: %2").arg(error.file(), error.reason()));
    } catch (const std::exception &error) {
        m_services.dialogs.reportError(QString::fromLocal8Bit(error.what()));
    }
}
