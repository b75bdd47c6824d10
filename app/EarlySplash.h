#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRasterWindow>
#include <QString>

class WindowSet;

// The splash as it was on the screen, kept from one start of the game to the
// next in a small file of its own: the part of the screen that is not black
// background, and where it lies. The file: "SJSPLSH2", then the screen's
// width and height and the part's left, top, width and height (32 bits each,
// little-endian), then the part's rows of 32-bit pixels.
namespace SplashPicture {

struct Part
{
    QPoint position;
    QImage picture; // null: nothing kept
};

// The file that keeps the picture for a screen of that size.
QString fileFor(const QString &folder, QSize screenSize);
// The part of a picture of the whole screen that is not black, or a null
// picture when all of it is.
Part content(const QImage &screen);
// The kept part, or a null picture when the file is missing, unreadable,
// damaged or made on a screen of another size.
Part read(const QString &file, QSize screenSize);
// Replaces the kept part (written beside, then renamed over).
bool write(const QString &file, QSize screenSize, const Part &part);

} // namespace SplashPicture

// A borderless window showing one picture.
class PictureWindow : public QRasterWindow
{
    Q_OBJECT
public:
    explicit PictureWindow(QImage picture);
    // Whether the picture has been drawn on the screen.
    bool hasPainted() const { return m_painted; }

signals:
    // The desktop asked the window to close; it stays until the game ends.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QImage m_picture;
    bool m_painted = false;
};

// Puts the splash on the screen the moment the game starts. Making the game's
// windows and drawing them the first time takes longer than a child should
// wait for a start, so the picture of the splash kept from the last start is
// shown at once; the live splash takes its place as soon as it has been
// drawn, and its picture is kept for the next start when it has changed.
// Without a kept picture (the first start, a new screen size) nothing is
// shown early.
class EarlySplash : public QObject
{
    Q_OBJECT
public:
    // folder: where the picture is kept (made when needed).
    explicit EarlySplash(QString folder);
    ~EarlySplash() override;

    // Shows the kept picture where the splash will be, if one was kept for a
    // screen of this size; returns once it is drawn.
    bool show();
    bool isShowing() const { return m_window != nullptr; }
    // Whether the desktop asked to close the kept picture: the player closed
    // the game before its windows were on the screen.
    bool wasClosed() const { return m_closeRequested; }

    // Follows the game's start: once the game's screen has been drawn, the
    // early picture goes, and the picture of the live splash is kept when
    // the splash was on it.
    void follow(WindowSet &windows);

    // The file the picture of this screen is kept in.
    QString pictureFile() const;

signals:
    // The kept picture is on the screen.
    void shown();
    // The live splash is on the screen; the early picture has gone.
    void replaced();
    // The desktop asked to close the kept picture.
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void replace();

    QString m_folder;
    SplashPicture::Part m_kept;
    QPointer<PictureWindow> m_window;
    QPointer<WindowSet> m_windows;
    bool m_replacing = false;
    bool m_closeRequested = false;
};
