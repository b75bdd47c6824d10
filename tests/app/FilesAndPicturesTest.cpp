// Game file names and pictures: "\" folders, names that differ only in
// letter case, and the transparent colour of a picture.

#include "GameFixture.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "ui/Widgets.h"

#include <QImage>

namespace {

class FilesAndPicturesTest : public GameFixture
{
};

TEST_F(FilesAndPicturesTest, FindsAFileWhoseNameDiffersOnlyInLetterCase)
{
    writeFile("Pics/Sub/f3.bmp", "x");
    const GameFolder game(folder.path());
    // Every name resolves to an absolute path inside the game folder; on
    // Windows, whose file names ignore letter case, in any spelling.
#ifdef Q_OS_WIN
    const auto same = [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) == 0 ? b : a;
    };
#else
    const auto same = [](const QString &a, const QString &) { return a; };
#endif
    const QString f3 = path("Pics/Sub/f3.bmp");
    EXPECT_EQ(same(game.resolve("Pics\\Sub\\f3.bmp"), f3), f3);
    EXPECT_EQ(same(game.resolve("Pics\\Sub\\f3.BMP"), f3), f3);
    EXPECT_EQ(same(game.resolve("PICS\\sub\\F3.Bmp"), f3), f3);
    EXPECT_TRUE(game.exists("pics\\SUB\\f3.bmp"));
    // A name that is not there keeps its spelling, so it can be created.
    EXPECT_EQ(game.resolve("Pics\\Sub\\new.txt"), path("Pics/Sub/new.txt"));
    EXPECT_EQ(same(game.resolve("pics\\Other\\a.txt"), path("Pics/Other/a.txt")),
              path("Pics/Other/a.txt"));
    EXPECT_FALSE(game.exists("Pics\\Sub\\f4.bmp"));
}

TEST_F(FilesAndPicturesTest, TheGamesPicturesLoadUnderBothSpellings)
{
    const GameFolder game(folder.path());
    PictureBox box(nullptr, "Image1", QRect(0, 0, 300, 300));
    box.load(game, QStringLiteral("Graphics\\f3.BMP"));
    const QSize f3 = box.pixmap().size();
    EXPECT_FALSE(f3.isEmpty());
    box.load(game, QStringLiteral("Graphics\\f3.bmp"));
    EXPECT_EQ(box.pixmap().size(), f3);
    box.load(game, QStringLiteral("Graphics\\zuk顔4.BMP"));
    EXPECT_FALSE(box.pixmap().isNull());
    EXPECT_EQ(box.fileName(), QStringLiteral("Graphics\\zuk顔4.BMP"));
    // Drawn at its own size: the box does not stretch it.
    EXPECT_EQ(box.size(), QSize(300, 300));
}

TEST_F(FilesAndPicturesTest, AMissingPictureIsAnInputOutputErrorNamingIt)
{
    PictureBox box(nullptr, "Image1", QRect(0, 0, 10, 10));
    try {
        box.load(GameFolder(folder.path()), QStringLiteral("Graphics\\nothing.bmp"));
        FAIL() << "no error";
    } catch (const IoError &error) {
        EXPECT_EQ(error.file(), QStringLiteral("Graphics\\nothing.bmp"));
    }
    EXPECT_TRUE(box.pixmap().isNull());
}

TEST_F(FilesAndPicturesTest, TheBottomLeftColourIsTransparentEverywhere)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    image.setPixel(1, 1, qRgb(10, 20, 30));
    image.setPixel(3, 0, qRgb(255, 0, 254));
    const QImage shown = PictureBox::withTransparentKey(image);
    EXPECT_EQ(qAlpha(shown.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(2, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 1), qRgb(10, 20, 30));
    // A colour one step away is not the key.
    EXPECT_EQ(shown.pixel(3, 0), qRgb(255, 0, 254));
}

} // namespace
