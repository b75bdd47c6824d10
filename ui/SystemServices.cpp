#include "ui/SystemServices.h"

#include "ui/GamePaths.h"
#include "ui/PlainFile.h"
#ifdef Q_OS_WIN
#include "ui/WindowsDisplay.h"
#include "ui/WindowsSound.h"

#include <QDir>
#endif

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QScreen>
#include <QLibrary>
#include <QTimer>

#include <random>

#ifdef Q_OS_WIN
namespace {

class SystemDisplay : public DisplaySettings
{
public:
    QSize screenSize() const override
    {
        const WindowsDisplay::Size size = WindowsDisplay::screenSize();
        return QSize(size.width, size.height);
    }
    int colorDepth() const override { return WindowsDisplay::colorDepth(); }
    void requestMode(int width, int height, int bitsPerPixel) override
    {
        WindowsDisplay::requestMode(width, height, bitsPerPixel);
    }
    void restore() override { WindowsDisplay::restore(); }
};

// Windows plays WAV files itself: no sound module is loaded there.
class WindowsSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &localPath) override
    {
        const QString native = QDir::toNativeSeparators(localPath);
        WindowsSound::play(reinterpret_cast<const wchar_t *>(native.utf16()));
    }
};

} // namespace
#endif

QSize VirtualDisplay::screenSize() const
{
    if (m_mode.isValid())
        return m_mode;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

int VirtualDisplay::colorDepth() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

void VirtualDisplay::requestMode(int width, int height, int /*bitsPerPixel*/)
{
    m_mode = QSize(width, height);
}

void VirtualDisplay::restore()
{
    m_mode = QSize();
}

SystemSoundPlayer::SystemSoundPlayer(GameFolder gameFolder, QString moduleFolder)
    : m_gameFolder(std::move(gameFolder)), m_moduleFolder(std::move(moduleFolder))
{
}

SystemSoundPlayer::~SystemSoundPlayer() = default;

void SystemSoundPlayer::play(const QString &gameFileName)
{
    if (!m_tried) {
        m_tried = true;
#ifdef Q_OS_WIN
        m_player = std::make_unique<WindowsSoundPlayer>();
#else
        const QString folder = m_moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                        : m_moduleFolder;
        using Create = SoundPlayer *(*)();
        const auto create = reinterpret_cast<Create>(QLibrary::resolve(
            folder + QStringLiteral("/sujinoshima_sound"), "sujinoshimaCreateSoundPlayer"));
        if (create)
            m_player.reset(create());
#endif
    }
    // Only a plain file is played: the player would wait for good on a pipe
    // planted among the sounds.
    const QString localPath = m_gameFolder.resolve(gameFileName);
    if (m_player && plainfile::isPlainFile(localPath))
        m_player->play(localPath);
}

namespace {

void showBox(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void MessageBoxDialogs::warn(const QString &caption, const QString &text)
{
    QApplication::beep();
    showBox(QMessageBox::Critical, caption, text);
}

void MessageBoxDialogs::reportError(const QString &text)
{
    showBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text);
}

void MessageBoxDialogs::inform(const QString &caption, const QString &text)
{
    showBox(QMessageBox::Information, caption, text);
}

bool SystemPrinting::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool SystemPrinting::choose(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString SystemPrinting::documentsFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

struct StandardRandom::State
{
    std::mt19937_64 engine{std::random_device{}()};
};

StandardRandom::StandardRandom() : m_state(std::make_shared<State>()) {}

void StandardRandom::reseed(quint64 seed)
{
    m_state->engine.seed(seed);
}

int StandardRandom::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_state->engine);
}

namespace {

class SystemTimer : public GameTimer
{
public:
    SystemTimer(int intervalMs, QObject *owner) : GameTimer(intervalMs, owner)
    {
        m_timer.setInterval(intervalMs);
        // The round clock and the splash keep whole seconds.
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &GameTimer::timeout);
    }
    void setEnabled(bool enabled) override
    {
        if (enabled == isEnabled())
            return;
        GameTimer::setEnabled(enabled);
        if (enabled)
            m_timer.start();
        else
            m_timer.stop();
    }

private:
    QTimer m_timer;
};

} // namespace

GameTimer *SystemTimers::create(int intervalMs, QObject *owner)
{
    return new SystemTimer(intervalMs, owner);
}

SystemServices::SystemServices(const GameFolder &gameFolder)
#ifdef Q_OS_WIN
    : m_display(std::make_unique<SystemDisplay>()),
#else
    : m_display(std::make_unique<VirtualDisplay>()),
#endif
      m_sound(gameFolder),
      m_services{*m_display, m_sound, m_dialogs, m_clock, m_random, m_timers, m_printing}
{
}

SystemServices::~SystemServices() = default;
