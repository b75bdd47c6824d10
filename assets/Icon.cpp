#include "Icon.h"

#include "Characters.h"
#include "Paint.h"

#include <algorithm>

namespace art {
namespace {

// The icon is laid out on a 256-unit square. Its own outlines grow with the
// size but never get thinner than one pixel, so the small sizes keep a crisp edge.
constexpr qreal kUnits = 256;

const QColor kSeaLight(0x6c, 0xc8, 0xf4);
const QColor kSeaDeep(0x1f, 0x7a, 0xc8);
const QColor kSeaEdge(0x17, 0x4a, 0x86);
const QColor kSand(0xf6, 0xdf, 0x9a);
const QColor kGrass(0x78, 0xc9, 0x58);
const QColor kGrassLight(0xa4, 0xe0, 0x7a);

const QPointF kSeaCentre(128, 134);
constexpr qreal kSeaRadius = 116;

qreal pixels(int size, qreal atFullSize)
{
    return std::max(1.0, atFullSize * size / kUnits);
}

void sea(QPainter &p, int size)
{
    QLinearGradient g(0, kSeaCentre.y() - kSeaRadius, 0, kSeaCentre.y() + kSeaRadius);
    g.setColorAt(0, kSeaLight);
    g.setColorAt(1, kSeaDeep);
    p.setBrush(g);
    p.setPen(inkPen(p, pixels(size, 5), kSeaEdge));
    p.drawEllipse(kSeaCentre, kSeaRadius, kSeaRadius);
    if (size < 32)
        return;
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, pixels(size, 5), QColor(255, 255, 255, 200)));
    for (QPointF at : {QPointF(188, 176), QPointF(30, 178)}) {
        QPainterPath w;
        w.moveTo(at);
        w.quadTo(at + QPointF(7, -6), at + QPointF(14, 0));
        w.quadTo(at + QPointF(21, -6), at + QPointF(28, 0));
        p.drawPath(w);
    }
}

void island(QPainter &p, int size)
{
    const qreal line = pixels(size, 4);
    // foam where the waves meet the beach, kept inside the sea
    QPainterPath seaArea;
    seaArea.addEllipse(kSeaCentre, kSeaRadius, kSeaRadius);
    p.save();
    p.setClipPath(seaArea);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(128, 220), 110, 22);
    p.restore();
    QPainterPath beach;
    beach.moveTo(26, 214);
    beach.cubicTo(34, 192, 222, 192, 230, 214);
    beach.cubicTo(222, 238, 34, 238, 26, 214);
    fillOutlined(p, beach, kSand, line);
    QPainterPath hill;
    hill.moveTo(36, 212);
    hill.cubicTo(40, 184, 100, 176, 132, 188);
    hill.cubicTo(164, 178, 214, 186, 220, 210);
    hill.cubicTo(170, 224, 86, 224, 36, 212);
    QLinearGradient g(0, 180, 0, 222);
    g.setColorAt(0, kGrassLight);
    g.setColorAt(1, kGrass);
    fillOutlined(p, hill, g, line);
}

// A palm tree on the left of the island, behind ズク.
void palm(QPainter &p, int size)
{
    const qreal line = pixels(size, 3.5);
    const QPointF crown(50, 122);
    QPainterPath trunk;
    trunk.moveTo(66, 210);
    trunk.quadTo(62, 170, crown.x() - 4, crown.y() + 2);
    trunk.lineTo(crown.x() + 5, crown.y() - 1);
    trunk.quadTo(74, 168, 78, 208);
    trunk.closeSubpath();
    fillOutlined(p, trunk, QColor(0xb5, 0x7a, 0x43), line);
    for (qreal angle : {-160.0, -118.0, -76.0, -34.0, 160.0}) {
        p.save();
        p.translate(crown);
        p.rotate(angle);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(17, -13, 36, 4);
        leaf.quadTo(17, 3, 0, 0);
        fillOutlined(p, leaf, QColor(0x3c, 0xa8, 0x4a), line);
        p.restore();
    }
}

void zuk(QPainter &p)
{
    Figure f;
    f.who = Who::Zuk;
    f.pose = Pose::Wave;
    f.mood = Mood::Normal;
    p.save();
    // the island hides his feet
    p.setClipRect(QRectF(0, 0, kUnits, 210));
    drawFigure(p, f, QPointF(140, 102), 1.22);
    p.restore();
}

// For the smallest sizes the figure's fine lines would blur into one brown
// patch, so ズク's face is drawn again from a few bold shapes: ear tufts,
// head, two big eyes and the beak, behind the island.
void smallZuk(QPainter &p, int size)
{
    const qreal line = pixels(size, 6);
    const QColor body(0xa8, 0x6b, 0x3c);
    const QColor dark(0x7a, 0x4a, 0x26);
    for (int side : {-1, 1}) {
        QPainterPath tuft;
        tuft.moveTo(128 + side * 84, 102);
        tuft.lineTo(128 + side * 94, 14);
        tuft.lineTo(128 + side * 30, 54);
        tuft.closeSubpath();
        fillOutlined(p, tuft, dark, line);
    }
    ellipseOutlined(p, QPointF(128, 118), 96, 76, body, line);
    // no outline round the eyes: at these sizes it would eat their white
    for (int side : {-1, 1}) {
        const QPointF eye(128 + side * 42, 108);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(eye, 37, 37);
        p.setBrush(QColor(0x24, 0x1c, 0x1a));
        p.drawEllipse(eye + QPointF(0, 3), 20, 20);
    }
    QPainterPath beak;
    beak.moveTo(112, 136);
    beak.lineTo(144, 136);
    beak.lineTo(128, 166);
    beak.closeSubpath();
    fillOutlined(p, beak, QColor(0xf4, 0xa2, 0x3a), line);
}

} // namespace

const QList<int> &iconSizes()
{
    static const QList<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage renderIcon(int size)
{
    // The middle sizes are drawn at twice the size and halved: the figure's
    // outlines, which keep their width in pixels, then come out as fine as
    // its features.
    const bool halved = size > 32 && size < 128;
    const int drawn = halved ? 2 * size : size;
    QImage image(drawn, drawn, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(drawn / kUnits, drawn / kUnits);
        sea(p, drawn);
        if (drawn <= 32) {
            smallZuk(p, drawn);
        } else {
            palm(p, drawn);
            zuk(p);
        }
        island(p, drawn);
    }
    if (halved)
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
