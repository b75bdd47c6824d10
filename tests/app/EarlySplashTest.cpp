// The splash put up at once from the picture kept at the last start: the
// kept picture's file, the first start that keeps it, and a later start that
// shows it until the live splash takes its place.

#include "GameFixture.h"

#include "app/EarlySplash.h"
#include "ui/GameScreen.h"
#include "app/MainMenu.h"
#include "app/SplashWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QtEndian>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

namespace {

QImage pattern(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
    return picture;
}

TEST(SplashPictureFile, KeepsThePartOfTheScreenThatIsNotBlack)
{
    // A screen of 64 × 48, black but for a 20 × 10 picture at (30, 5).
    QImage screen(64, 48, QImage::Format_RGB32);
    screen.fill(Qt::black);
    const QImage splash = pattern(QSize(20, 10));
    QPainter(&screen).drawImage(30, 5, splash);
    screen.setPixel(30, 5, qRgb(1, 0, 0)); // nearly black is not background
    QImage expected = splash;
    expected.setPixel(0, 0, qRgb(1, 0, 0));

    const SplashPicture::Part part = SplashPicture::content(screen);
    EXPECT_EQ(part.position, QPoint(30, 5));
    EXPECT_EQ(part.picture, expected);

    QTemporaryDir folder;
    const QString file = SplashPicture::fileFor(folder.filePath("cache"), screen.size());
    EXPECT_TRUE(file.endsWith(QStringLiteral("/cache/splash-64x48.picture")));
    EXPECT_TRUE(SplashPicture::read(file, screen.size()).picture.isNull()) << "nothing kept yet";
    // The folder is made when the first picture is kept.
    ASSERT_TRUE(SplashPicture::write(file, screen.size(), part));
    EXPECT_EQ(QFile(file).size(), 32 + 20 * 10 * 4);
    const SplashPicture::Part back = SplashPicture::read(file, screen.size());
    EXPECT_EQ(back.position, QPoint(30, 5));
    EXPECT_EQ(back.picture, expected);
    // A picture kept on a screen of another size is not shown on this one.
    EXPECT_TRUE(SplashPicture::read(file, QSize(48, 64)).picture.isNull());
    EXPECT_TRUE(SplashPicture::read(file, QSize()).picture.isNull());

    // An all-black screen has nothing to keep.
    screen.fill(Qt::black);
    EXPECT_TRUE(SplashPicture::content(screen).picture.isNull());
}

TEST(SplashPictureFile, DamagedFilesAreNotShown)
{
    QTemporaryDir folder;
    const QSize screen(16, 8);
    const QString file = folder.filePath("splash-16x8.picture");
    ASSERT_TRUE(SplashPicture::write(file, screen, {QPoint(4, 2), pattern(QSize(8, 4))}));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray good = in.readAll();
    in.close();

    const auto readWith = [&](const QByteArray &bytes) {
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        return SplashPicture::read(file, screen).picture;
    };
    const auto withField = [&](int index, quint32 value) {
        QByteArray bytes = good;
        qToLittleEndian<quint32>(value, bytes.data() + 8 + 4 * index);
        return bytes;
    };
    EXPECT_EQ(readWith(good), pattern(QSize(8, 4)));
    EXPECT_TRUE(readWith(good.left(good.size() - 1)).isNull()) << "cut short";
    EXPECT_TRUE(readWith(good + "x").isNull()) << "too long";
    EXPECT_TRUE(readWith(good.left(20)).isNull()) << "header cut short";
    EXPECT_TRUE(readWith(QByteArray()).isNull()) << "empty";
    QByteArray otherMagic = good;
    otherMagic[0] = 'X';
    EXPECT_TRUE(readWith(otherMagic).isNull());
    EXPECT_TRUE(readWith(withField(4, 0xFFFFFFFF)).isNull()) << "a huge width";
    EXPECT_TRUE(readWith(withField(2, 12)).isNull()) << "beyond the screen's right edge";
    EXPECT_TRUE(readWith(withField(5, 0)).isNull()) << "no rows";
}

TEST(SplashPictureFile, AFolderThatCannotBeMadeKeepsNothing)
{
    QTemporaryDir folder;
    const QString blocker = folder.filePath("cache");
    QFile plain(blocker);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString file = SplashPicture::fileFor(blocker, QSize(8, 4));
    EXPECT_FALSE(SplashPicture::write(file, QSize(8, 4), {QPoint(0, 0), pattern(QSize(8, 4))}));
    EXPECT_FALSE(QFile::exists(file));
}

class EarlySplashTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ASSERT_TRUE(cache.isValid());
        screenSize = QGuiApplication::primaryScreen()->geometry().size();
    }

    // Starts the game as the program does, with the early splash following
    // it; the splash's four seconds are up once the live splash has taken
    // the early one's place. Returns the game's screen as it was then.
    QImage startGame(EarlySplash &early)
    {
        windows = std::make_unique<WindowSet>(services, GameFolder(folder.path()));
        early.follow(*windows);
        QImage liveSplash;
        const auto connection = QObject::connect(&early, &EarlySplash::replaced, [&] {
            liveSplash = windows->screen().grab().toImage().convertToFormat(QImage::Format_RGB32);
            emit windows->splash().Timer1->timeout();
        });
        // Should the live splash never be drawn, the test is not held up.
        WindowSet *started = windows.get();
        QTimer::singleShot(5000, started, [started] {
            if (started->splash().isVisible())
                emit started->splash().Timer1->timeout();
        });
        windows->start();
        settle();
        QObject::disconnect(connection);
        return liveSplash;
    }

    static PictureWindow *shownPicture()
    {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (auto *picture = qobject_cast<PictureWindow *>(window); picture && picture->isVisible())
                return picture;
        }
        return nullptr;
    }
    static bool pictureWindowShown() { return shownPicture() != nullptr; }

    QTemporaryDir cache;
    QSize screenSize;
};

TEST_F(EarlySplashTest, TheFirstStartShowsNothingEarlyAndKeepsTheLiveSplash)
{
    EarlySplash early(cache.path());
    QSignalSpy shown(&early, &EarlySplash::shown);
    EXPECT_FALSE(early.show());
    EXPECT_FALSE(early.isShowing());
    EXPECT_FALSE(pictureWindowShown());
    EXPECT_EQ(shown.count(), 0);

    const QImage liveSplash = startGame(early);
    ASSERT_FALSE(liveSplash.isNull()) << "the live splash was never drawn";
    EXPECT_TRUE(windows->mainMenu().isVisible()) << "the main menu follows the splash";
    ASSERT_EQ(liveSplash.size(), screenSize);
    // The picture kept is the splash itself, not the main menu after it.
    const SplashPicture::Part expected = SplashPicture::content(liveSplash);
    const SplashPicture::Part kept = SplashPicture::read(early.pictureFile(), screenSize);
    EXPECT_EQ(kept.position, expected.position);
    EXPECT_EQ(kept.picture, expected.picture);
    EXPECT_NE(windows->screen().grab().toImage().convertToFormat(QImage::Format_RGB32), liveSplash);
}

TEST_F(EarlySplashTest, ALaterStartShowsTheKeptPictureUntilTheLiveSplashIsDrawn)
{
    EarlySplash first(cache.path());
    const QImage liveSplash = startGame(first);
    ASSERT_FALSE(liveSplash.isNull());
    windows.reset();
    const QString file = first.pictureFile();
    // Marked old, so that a needless rewrite would show.
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-1);
    {
        QFile kept(file);
        ASSERT_TRUE(kept.open(QIODevice::ReadWrite));
        ASSERT_TRUE(kept.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    EarlySplash next(cache.path());
    QSignalSpy shown(&next, &EarlySplash::shown);
    QSignalSpy replaced(&next, &EarlySplash::replaced);
    ASSERT_TRUE(next.show());
    EXPECT_EQ(shown.count(), 1) << "drawn before show() returns";
    EXPECT_TRUE(next.isShowing());
    ASSERT_TRUE(pictureWindowShown());
    // Where the live splash will be.
    const SplashPicture::Part expected = SplashPicture::content(liveSplash);
    EXPECT_EQ(shownPicture()->geometry(),
              QRect(QGuiApplication::primaryScreen()->geometry().topLeft() + expected.position,
                    expected.picture.size()));

    startGame(next);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_FALSE(next.isShowing());
    EXPECT_FALSE(pictureWindowShown());
    // The same splash: the kept picture is left as it was.
    EXPECT_EQ(QFileInfo(file).lastModified(), longAgo);
}

TEST_F(EarlySplashTest, AnOutdatedPictureIsReplacedByTheLiveSplash)
{
    EarlySplash early(cache.path());
    QImage outdated(QSize(50, 40), QImage::Format_RGB32);
    outdated.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(SplashPicture::write(early.pictureFile(), screenSize, {QPoint(3, 4), outdated}));
    ASSERT_TRUE(early.show());
    EXPECT_EQ(shownPicture()->size(), QSize(50, 40));

    const QImage liveSplash = startGame(early);
    ASSERT_FALSE(liveSplash.isNull());
    EXPECT_FALSE(pictureWindowShown());
    const SplashPicture::Part expected = SplashPicture::content(liveSplash);
    const SplashPicture::Part kept = SplashPicture::read(early.pictureFile(), screenSize);
    EXPECT_EQ(kept.position, expected.position);
    EXPECT_EQ(kept.picture, expected.picture);
}

} // namespace
