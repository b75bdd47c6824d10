// The pictures and sounds the build writes into the application folder, read
// back the way the game reads them.

#include "Paint.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <queue>
#include <vector>

namespace {

const QString kAppDir = QStringLiteral(GAME_APP_DIR);
constexpr QRgb kMagenta = 0xFFFF00FF;

struct Box {
    const char *name;
    int width;
    int height;
};

// Every picture the game loads, with the box it is drawn in.
const Box kPictures[] = {
    {"N・I Title.BMP", 416, 212},       {"ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP", 305, 233},   {"ｽﾞｸ.bmp", 73, 49},
    {"ｽﾞｯｷｰ.BMP", 73, 57},              {"ピコちゃん顔.BMP", 57, 65},    {"みどり　顔.BMP", 65, 57},
    {"f1.bmp", 473, 241},               {"zuk顔3.BMP", 241, 241},        {"zukky顔3.BMP", 241, 241},
    {"ピコちゃん顔4.BMP", 241, 241},    {"みどり顔3.BMP", 241, 241},     {"四人　喜.bmp", 489, 440},
    {"四人　落込.bmp", 489, 440},       {"本合格.bmp", 489, 440},        {"getpoint.bmp", 489, 440},
    {"みどりちゃん　泣く.bmp", 489, 440}, {"f2.BMP", 233, 289},          {"ＺＵＫ　天使.BMP", 273, 305},
    {"ＺＵＫＫＹ　天使.BMP", 240, 300}, {"ピコちゃん　吹き出し.bmp", 281, 353}, {"みどり　まいった.BMP", 230, 380},
    {"zuk博士.bmp", 290, 390},          {"時計.bmp", 177, 137},          {"f3.bmp", 241, 129},
    {"f5.BMP", 241, 129},               {"zuk顔4.bmp", 169, 121},        {"zukky顔4.bmp", 161, 121},
    {"ピコちゃん顔3.BMP", 137, 153},    {"みどり　笑い.bmp", 190, 180},  {"みどりとＺＵＫ.bmp", 220, 380},
    {"花　zukky.bmp", 230, 300},        {"f4.BMP", 250, 130},
};

// In playing order: the addition grades from 10級 up to 2級.
const char *const kGradeSounds[] = {"１０級合格.wav", "９級合格.wav", "８級合格.wav", "７級合格.wav", "６級合格.wav",
                                    "５級合格.wav",   "４級合格.wav", "３級合格.wav", "２級合格.wav"};
const char *const kOtherSounds[] = {"atari.wav",
                                    "hazure.wav",
                                    "レベル１・１級合格.wav",
                                    "大作戦・各段合格.wav",
                                    "zannen.wav",
                                    "かけ・わり・横あんpointget.wav",
                                    "かけ・わり・横あん合格.wav",
                                    "かけ・わり・横あんall clear.wav"};

QImage picture(const char *name)
{
    return QImage(kAppDir + QStringLiteral("/Graphics/") + QString::fromUtf8(name)).convertToFormat(QImage::Format_RGB32);
}

QRgb at(const QImage &image, int x, int y) { return image.pixel(x, y) | 0xff000000; }

// Key pixels that cannot be reached from the border through other key pixels:
// they would show as holes inside the drawing.
int enclosedKeyPixels(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(std::size_t(w) * h, 0);
    std::queue<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[std::size_t(y) * w + x] || at(image, x, y) != kMagenta)
            return;
        seen[std::size_t(y) * w + x] = 1;
        todo.emplace(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(image, x, y) == kMagenta && !seen[std::size_t(y) * w + x])
                ++enclosed;
    return enclosed;
}

TEST(Pictures, EveryPictureFitsItsBoxWithAMagentaKeyAndADrawing)
{
    for (const Box &box : kPictures) {
        SCOPED_TRACE(box.name);
        const QImage image = picture(box.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_LE(image.width(), box.width);
        EXPECT_LE(image.height(), box.height);
        EXPECT_EQ(at(image, 0, image.height() - 1), kMagenta);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += at(image, x, y) != kMagenta;
        const double share = double(drawn) / (image.width() * image.height());
        EXPECT_GT(share, 0.15);
        EXPECT_LT(share, 0.995);
        EXPECT_EQ(enclosedKeyPixels(image), 0);
    }
}

TEST(Pictures, MessagePicturesLeaveTheirTopBandEmpty)
{
    for (const char *name : {"四人　喜.bmp", "四人　落込.bmp", "本合格.bmp", "getpoint.bmp", "みどりちゃん　泣く.bmp"}) {
        SCOPED_TRACE(name);
        const QImage image = picture(name);
        ASSERT_FALSE(image.isNull());
        int drawn = 0;
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += at(image, x, y) != kMagenta;
        EXPECT_EQ(drawn, 0);
    }
}

// Areas the game writes text or digits into must be one plain, light colour.
TEST(Pictures, TextAreasArePlain)
{
    struct Area {
        const char *name;
        QRect rect;
    };
    const Area areas[] = {
        {"時計.bmp", QRect(QPoint(28, 48), QPoint(84, 80))},
        {"f2.BMP", QRect(QPoint(100, 24), QPoint(200, 60))},
        {"f3.bmp", QRect(QPoint(24, 48), QPoint(200, 64))},
        {"f3.bmp", QRect(QPoint(56, 80), QPoint(200, 96))},
        {"f4.BMP", QRect(QPoint(16, 56), QPoint(230, 72))},
        {"f5.BMP", QRect(QPoint(30, 45), QPoint(210, 90))},
    };
    for (const Area &area : areas) {
        SCOPED_TRACE(area.name);
        const QImage image = picture(area.name);
        ASSERT_FALSE(image.isNull());
        const QRgb first = at(image, area.rect.left(), area.rect.top());
        EXPECT_NE(first, kMagenta);
        EXPECT_GT(QColor(first).lightness(), 220);
        int odd = 0;
        for (int y = area.rect.top(); y <= area.rect.bottom(); ++y)
            for (int x = area.rect.left(); x <= area.rect.right(); ++x)
                odd += at(image, x, y) != first;
        EXPECT_EQ(odd, 0);
    }
}

TEST(Pictures, CountDownBackdropIsLightWhereTheDigitGoes)
{
    const QImage image = picture("f1.bmp");
    ASSERT_FALSE(image.isNull());
    for (int y = 60; y < 150; y += 6)
        for (int x = 204; x < 264; x += 6)
            EXPECT_GT(QColor(at(image, x, y)).lightness(), 200) << x << "," << y;
}

// ---- the key-colour flood of the generator ----

TEST(KeyOutside, KeysOnlyTheSurroundingsAndNudgesStrayMagenta)
{
    QImage image = art::blankCanvas(20, 12);
    QPainter p(&image);
    p.setPen(QColor(Qt::black));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(4, 2, 10, 7)); // a ring with a cream hole inside
    p.end();
    image.setPixel(6, 4, art::kKey);  // magenta inside the drawing
    image.setPixel(16, 10, art::kKey); // magenta outside it
    art::keyOutside(image);
    EXPECT_EQ(at(image, 0, 11), kMagenta);
    EXPECT_EQ(at(image, 19, 0), kMagenta);
    EXPECT_EQ(at(image, 9, 5), art::kCream);
    EXPECT_EQ(at(image, 4, 2), qRgb(0, 0, 0));
    EXPECT_NE(at(image, 6, 4), kMagenta);
    EXPECT_NE(at(image, 16, 10), kMagenta); // nudged, and not cream, so left as drawn
    EXPECT_EQ(at(image, 15, 10), kMagenta);
}

// ---- sounds ----

struct Wav {
    bool ok = false;
    QString problem;
    int channels = 0, rate = 0, bits = 0, format = 0;
    QByteArray data;
    std::vector<std::int16_t> samples() const
    {
        std::vector<std::int16_t> s(std::size_t(data.size() / 2));
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = qFromLittleEndian<std::int16_t>(data.constData() + 2 * i);
        return s;
    }
};

Wav readWav(const char *name)
{
    Wav wav;
    QFile file(kAppDir + QStringLiteral("/sound/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly)) {
        wav.problem = QStringLiteral("cannot open");
        return wav;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        wav.problem = QStringLiteral("not RIFF/WAVE");
        return wav;
    }
    if (qFromLittleEndian<quint32>(bytes.constData() + 4) != quint32(bytes.size() - 8)) {
        wav.problem = QStringLiteral("RIFF size does not match the file");
        return wav;
    }
    bool haveFormat = false;
    int pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        const int body = pos + 8;
        if (body + qint64(size) > bytes.size()) {
            wav.problem = QStringLiteral("chunk runs past the end");
            return wav;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = qFromLittleEndian<quint16>(bytes.constData() + body);
            wav.channels = qFromLittleEndian<quint16>(bytes.constData() + body + 2);
            wav.rate = int(qFromLittleEndian<quint32>(bytes.constData() + body + 4));
            const quint32 byteRate = qFromLittleEndian<quint32>(bytes.constData() + body + 8);
            const quint16 align = qFromLittleEndian<quint16>(bytes.constData() + body + 12);
            wav.bits = qFromLittleEndian<quint16>(bytes.constData() + body + 14);
            if (byteRate != quint32(wav.rate * wav.channels * wav.bits / 8) || align != wav.channels * wav.bits / 8) {
                wav.problem = QStringLiteral("inconsistent fmt chunk");
                return wav;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wav.problem = QStringLiteral("data before fmt");
                return wav;
            }
            wav.data = bytes.mid(body, int(size));
            wav.ok = true;
            return wav;
        }
        pos = body + int(size) + int(size & 1);
    }
    wav.problem = QStringLiteral("no data chunk");
    return wav;
}

std::vector<const char *> allSoundNames()
{
    std::vector<const char *> names(std::begin(kGradeSounds), std::end(kGradeSounds));
    names.insert(names.end(), std::begin(kOtherSounds), std::end(kOtherSounds));
    return names;
}

double seconds(const Wav &wav) { return wav.data.size() / 2.0 / wav.rate; }

TEST(Sounds, EverySoundIsAudibleUnclippedMonoPcm)
{
    const std::vector<const char *> names = allSoundNames();
    ASSERT_EQ(names.size(), 17u);
    for (const char *name : names) {
        SCOPED_TRACE(name);
        const Wav wav = readWav(name);
        ASSERT_TRUE(wav.ok) << wav.problem.toStdString();
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.rate, 22050);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_GE(seconds(wav), 0.1);
        EXPECT_LE(seconds(wav), 6.0);
        const std::vector<std::int16_t> s = wav.samples();
        int peak = 0;
        double energy = 0;
        for (std::int16_t v : s) {
            peak = std::max(peak, std::abs(int(v)));
            energy += double(v) * v;
        }
        const double rms = std::sqrt(energy / std::max<std::size_t>(1, s.size()));
        EXPECT_GT(rms, 500.0) << "too quiet";
        EXPECT_LT(peak, 32000) << "clips";
        EXPECT_GT(peak, 10000) << "peak far below -6 dB";
    }
}

TEST(Sounds, NoTwoSoundsAreTheSame)
{
    std::map<QByteArray, const char *> seen;
    for (const char *name : allSoundNames()) {
        const Wav wav = readWav(name);
        ASSERT_TRUE(wav.ok) << name;
        const auto [it, inserted] = seen.emplace(wav.data, name);
        EXPECT_TRUE(inserted) << name << " is the same as " << it->second;
    }
}

TEST(Sounds, FanfaresGrowTowardTheTopGrade)
{
    double previous = 0;
    for (const char *name : kGradeSounds) {
        const Wav wav = readWav(name);
        ASSERT_TRUE(wav.ok) << name;
        EXPECT_GT(seconds(wav), previous) << name;
        EXPECT_GE(seconds(wav), 1.0) << name;
        EXPECT_LE(seconds(wav), 3.0) << name;
        previous = seconds(wav);
    }
    const Wav top = readWav("レベル１・１級合格.wav");
    ASSERT_TRUE(top.ok);
    EXPECT_GT(seconds(top), previous);
    EXPECT_GE(seconds(top), 3.0);
    EXPECT_LE(seconds(top), 5.0);
    const Wav right = readWav("atari.wav");
    ASSERT_TRUE(right.ok);
    EXPECT_LT(seconds(right), 0.6);
}

} // namespace
