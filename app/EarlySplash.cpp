#include "app/EarlySplash.h"

#include "ui/GameScreen.h"
#include "app/SplashWindow.h"
#include "app/WindowSet.h"

#include <QCloseEvent>
#include <QDir>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr char Magic[8] = {'S', 'J', 'S', 'P', 'L', 'S', 'H', '2'};
constexpr int HeaderSize = 32;
// Larger than any screen; a damaged header is not taken for a huge picture.
constexpr quint32 LargestSide = 16384;

// The size of the primary screen in pixels, or an empty size when its pixels
// are not one to one with the game's (a picture would not match there).
QSize screenPixels()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->devicePixelRatio() != 1.0)
        return QSize();
    return screen->geometry().size();
}

} // namespace

namespace SplashPicture {

QString fileFor(const QString &folder, QSize screenSize)
{
    return QDir(folder).filePath(
        QStringLiteral("splash-%1x%2.picture").arg(screenSize.width()).arg(screenSize.height()));
}

Part content(const QImage &screen)
{
    const QImage pixels = screen.convertToFormat(QImage::Format_RGB32);
    int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qRed(line[x]) | qGreen(line[x]) | qBlue(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    const QRect rect(QPoint(left, top), QPoint(right, bottom));
    return {rect.topLeft(), pixels.copy(rect)};
}

Part read(const QString &file, QSize screenSize)
{
    auto in = std::make_unique<QFile>(file);
    if (screenSize.isEmpty() || !in->open(QIODevice::ReadOnly))
        return {};
    char header[HeaderSize];
    if (in->read(header, HeaderSize) != HeaderSize || std::memcmp(header, Magic, sizeof Magic) != 0)
        return {};
    quint32 fields[6];
    for (int i = 0; i < 6; ++i) {
        fields[i] = qFromLittleEndian<quint32>(header + 8 + 4 * i);
        if (fields[i] > LargestSide)
            return {};
    }
    const QRect screen{QPoint(0, 0), QSize(int(fields[0]), int(fields[1]))};
    const QRect rect{int(fields[2]), int(fields[3]), int(fields[4]), int(fields[5])};
    if (screen.size() != screenSize || rect.isEmpty() || !screen.contains(rect))
        return {};
    const qint64 bytes = qint64(rect.width()) * rect.height() * 4;
    if (in->size() != HeaderSize + bytes)
        return {};
#ifdef Q_OS_WIN
    // Windows cannot replace a file that is mapped, and the live splash
    // writes its picture over this one while it is shown: the pixels are
    // read into memory and the file is closed.
    QImage pixels(rect.size(), QImage::Format_RGB32);
    const qint64 rowBytes = qint64(rect.width()) * 4;
    for (int y = 0; y < rect.height(); ++y) {
        if (in->read(reinterpret_cast<char *>(pixels.scanLine(y)), rowBytes) != rowBytes)
            return {};
    }
    return {rect.topLeft(), pixels};
#else
    // The pixels are drawn straight from the file, mapped into memory; the
    // file stays open (and mapped) as long as the picture lives.
    const uchar *mapped = in->map(0, in->size());
    if (!mapped)
        return {};
    QFile *kept = in.release();
    return {rect.topLeft(),
            QImage(mapped + HeaderSize, rect.width(), rect.height(), qsizetype(rect.width()) * 4,
                   QImage::Format_RGB32, [](void *file) { delete static_cast<QFile *>(file); },
                   kept)};
#endif
}

bool write(const QString &file, QSize screenSize, const Part &part)
{
    const QImage pixels = part.picture.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull() || screenSize.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char header[HeaderSize];
    std::memcpy(header, Magic, sizeof Magic);
    const int fields[6] = {screenSize.width(), screenSize.height(), part.position.x(),
                           part.position.y(), pixels.width(), pixels.height()};
    for (int i = 0; i < 6; ++i)
        qToLittleEndian<quint32>(quint32(fields[i]), header + 8 + 4 * i);
    bool written = out.write(header, HeaderSize) == HeaderSize;
    const qint64 rowBytes = qint64(pixels.width()) * 4;
    for (int y = 0; written && y < pixels.height(); ++y)
        written = out.write(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes)
                  == rowBytes;
    if (!written || !out.flush()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace SplashPicture

PictureWindow::PictureWindow(QImage picture) : m_picture(std::move(picture))
{
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setTitle(QGuiApplication::applicationDisplayName());
}

void PictureWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
    // A paint before the window is up does not reach the screen.
    if (isExposed())
        m_painted = true;
}

void PictureWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

EarlySplash::EarlySplash(QString folder) : m_folder(std::move(folder)) {}

EarlySplash::~EarlySplash()
{
    delete m_window;
}

QString EarlySplash::pictureFile() const
{
    return SplashPicture::fileFor(m_folder, screenPixels());
}

bool EarlySplash::show()
{
    const QSize screenSize = screenPixels();
    m_kept = SplashPicture::read(pictureFile(), screenSize);
    if (m_kept.picture.isNull())
        return false;
    m_window = new PictureWindow(m_kept.picture);
    connect(m_window, &PictureWindow::closeRequested, this, [this] {
        m_closeRequested = true;
        emit closeRequested();
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_window->setGeometry(QRect(screen.topLeft() + m_kept.position, m_kept.picture.size()));
    m_window->show();
    // The windows are made next, without the event loop running: the picture
    // is drawn now, as soon as the window system has put the window up. A
    // window system that does not is waited for half a second at most (the
    // timer wakes the wait).
    const QDeadlineTimer deadline(500);
    QTimer wake;
    wake.start(50);
    while (!m_window->hasPainted() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                        | QEventLoop::WaitForMoreEvents);
    if (m_window->hasPainted())
        emit shown();
    return true;
}

void EarlySplash::follow(WindowSet &windows)
{
    m_windows = &windows;
    windows.screen().viewport()->installEventFilter(this);
}

bool EarlySplash::eventFilter(QObject *watched, QEvent *event)
{
    // The first paint of the game's screen: the live splash, or, when the
    // splash had its time before it could be shown, the main menu.
    if (event->type() == QEvent::Paint && m_windows && !m_replacing
        && watched == m_windows->screen().viewport()) {
        m_replacing = true;
        // After the paint has gone to the screen.
        QTimer::singleShot(0, this, &EarlySplash::replace);
    }
    return false;
}

void EarlySplash::replace()
{
    if (!m_windows)
        return;
    GameScreen &screen = m_windows->screen();
    screen.viewport()->removeEventFilter(this);
    // The live splash as it is on the screen now, for the next start.
    const QSize screenSize = screenPixels();
    SplashPicture::Part live;
    if (screen.size() == screenSize && m_windows->splash().isVisible())
        live = SplashPicture::content(screen.grab().toImage());

    delete m_window;
    emit replaced();

    if (!live.picture.isNull()
        && (live.position != m_kept.position || live.picture != m_kept.picture))
        SplashPicture::write(pictureFile(), screenSize, live);
    m_kept = {};
}
