#include "Pictures.h"

#include "Characters.h"
#include "Paint.h"

#include <QtMath>

namespace art {
namespace {

const QColor kGold(0xff, 0xc9, 0x2e);
const QColor kGoldDark(0xd9, 0x93, 0x0f);
const QColor kPaleYellow(0xff, 0xf8, 0xc8);
const QColor kScreen(0xee, 0xf6, 0xff);

Figure fig(Who who, Pose pose, Mood mood)
{
    Figure f;
    f.who = who;
    f.pose = pose;
    f.mood = mood;
    return f;
}

void groundShadow(QPainter &p, QPointF c, qreal rx)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xcf, 0xd6, 0xae));
    p.drawEllipse(c, rx, rx * 0.16);
}

void confetti(QPainter &p, const QRectF &area, int count, quint32 seed)
{
    static const QColor colours[] = {QColor(0xff, 0x5a, 0x7a), QColor(0xff, 0xc9, 0x2e), QColor(0x4a, 0xb8, 0xf0),
                                      QColor(0x6c, 0xd0, 0x5a), QColor(0xb0, 0x7a, 0xf0), QColor(0xff, 0x94, 0x3a)};
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF c(dice.uniform(area.left(), area.right()), dice.uniform(area.top(), area.bottom()));
        const QColor colour = colours[dice.below(6)];
        p.save();
        p.translate(c);
        p.rotate(dice.uniform(0, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        switch (dice.below(3)) {
        case 0: p.drawRect(QRectF(-5, -2.5, 10, 5)); break;
        case 1: p.drawEllipse(QPointF(0, 0), 3.5, 3.5); break;
        default: p.drawPath(starPath(QPointF(0, 0), 6, 2.6, 5)); break;
        }
        p.restore();
    }
}

QPainterPath tailPath(QPointF base1, QPointF tip, QPointF base2)
{
    QPainterPath tail;
    tail.moveTo(base1);
    tail.quadTo((base1 + tip) / 2 + QPointF(4, 0), tip);
    tail.quadTo((base2 + tip) / 2, base2);
    tail.closeSubpath();
    return tail;
}

// A white speech balloon: a superellipse body with a tail to the given point.
// The body's outline is the ring between two filled shapes, which keeps
// these long smooth curves clean.
void balloon(QPainter &p, const QRectF &box, qreal roundness, QPointF tailBase1, QPointF tailTip,
             QPointF tailBase2, const QColor &fill = Qt::white)
{
    const qreal line = 2.6;
    const QPainterPath tail = tailPath(tailBase1, tailTip, tailBase2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
    p.drawPath(superellipse(box, roundness));
    p.setBrush(fill);
    p.setPen(inkPen(p, line * 2));
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.drawPath(superellipse(box.adjusted(line, line, -line, -line), roundness));
    p.drawPath(tail);
}

void musicNote(QPainter &p, QPointF c, qreal s, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.translate(c);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 5 * s, 3.6 * s);
    p.restore();
    p.setPen(inkPen(p, 2 * s, colour));
    p.drawLine(c + QPointF(4.4 * s, -1 * s), c + QPointF(4.4 * s, -18 * s));
    QPainterPath flag;
    flag.moveTo(c + QPointF(4.4 * s, -18 * s));
    flag.quadTo(c + QPointF(12 * s, -14 * s), c + QPointF(10 * s, -6 * s));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
}

// ---- the pictures ----

void title(QPainter &p)
{
    const QRectF frame(2, 2, 412, 208);
    QPainterPath clip;
    clip.addRoundedRect(frame, 22, 22);
    p.save();
    p.setClipPath(clip);
    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0, QColor(0x6c, 0xbf, 0xf2));
    sky.setColorAt(1, QColor(0xd4, 0xf0, 0xff));
    p.fillRect(frame, sky);
    // sun and clouds
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(372, 34);
        p.rotate(i * 30);
        p.setPen(inkPen(p, 3, QColor(0xff, 0xd8, 0x4a)));
        p.drawLine(QPointF(26, 0), QPointF(36, 0));
        p.restore();
    }
    ellipseOutlined(p, QPointF(372, 34), 20, 20, QColor(0xff, 0xd0, 0x3a), 0);
    for (QPointF c : {QPointF(40, 112), QPointF(118, 128), QPointF(318, 122)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 22, 10);
        p.drawEllipse(c + QPointF(-14, 4), 14, 8);
        p.drawEllipse(c + QPointF(16, 4), 16, 8);
        p.drawEllipse(c + QPointF(2, -6), 12, 9);
    }
    // sea
    QLinearGradient sea(0, 150, 0, 210);
    sea.setColorAt(0, QColor(0x3f, 0xae, 0xe6));
    sea.setColorAt(1, QColor(0x22, 0x7e, 0xc6));
    p.fillRect(QRectF(0, 152, 416, 60), sea);
    p.setPen(inkPen(p, 2, QColor(255, 255, 255, 190)));
    for (int row = 0; row < 3; ++row)
        for (int x = 14 + row * 22; x < 416; x += 70) {
            QPainterPath w;
            const qreal y = 166 + row * 14;
            w.moveTo(x, y);
            w.quadTo(x + 7, y - 5, x + 14, y);
            w.quadTo(x + 21, y - 5, x + 28, y);
            p.setBrush(Qt::NoBrush);
            p.drawPath(w);
        }
    // the island
    ellipseOutlined(p, QPointF(208, 168), 118, 18, QColor(0xf6, 0xdf, 0x9a), 2.2);
    QPainterPath hill;
    hill.moveTo(120, 164);
    hill.cubicTo(140, 128, 270, 124, 298, 164);
    hill.quadTo(208, 172, 120, 164);
    fillOutlined(p, hill, QColor(0x78, 0xc9, 0x58), 2.2);
    // palm tree
    QPainterPath trunk;
    trunk.moveTo(292, 162);
    trunk.quadTo(300, 130, 290, 104);
    trunk.lineTo(297, 104);
    trunk.quadTo(308, 130, 300, 162);
    trunk.closeSubpath();
    fillOutlined(p, trunk, QColor(0xb5, 0x7a, 0x43), 1.8);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(293, 104);
        p.rotate(-160 + i * 38);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(18, -12, 38, 4);
        leaf.quadTo(18, 2, 0, 0);
        fillOutlined(p, leaf, QColor(0x3c, 0xa8, 0x4a), 1.6);
        p.restore();
    }
    ellipseOutlined(p, QPointF(288, 108), 4.5, 4.5, QColor(0x8a, 0x5a, 0x2a), 1.2);
    ellipseOutlined(p, QPointF(298, 109), 4.5, 4.5, QColor(0x8a, 0x5a, 0x2a), 1.2);
    drawFlower(p, QPointF(150, 156), 8, QColor(0xff, 0x8a, 0xb8));
    drawFlower(p, QPointF(258, 150), 7, QColor(0xff, 0xf0, 0x60));
    drawFigure(p, fig(Who::Zuk, Pose::Wave, Mood::Happy), QPointF(206, 116), 0.36);
    // the title
    const QFont font = gameFont(60);
    const QString text = QStringLiteral("すうじのしま");
    static const QColor letters[] = {QColor(0xff, 0x6a, 0x8a), QColor(0xff, 0x9a, 0x2a), QColor(0xf5, 0xc8, 0x10),
                                     QColor(0x5a, 0xc4, 0x4a), QColor(0x3a, 0x9a, 0xf0), QColor(0xa8, 0x6a, 0xe8)};
    const QFontMetricsF fm(font);
    qreal total = 0;
    for (QChar ch : text)
        total += fm.horizontalAdvance(ch);
    qreal x = 208 - total / 2;
    for (int i = 0; i < text.size(); ++i) {
        const qreal y = 78 + (i % 2 == 0 ? 0 : -6);
        QPainterPath glyph;
        glyph.addText(QPointF(x, y), font, text.mid(i, 1));
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 11, QColor(0x2a, 0x3a, 0x6a)));
        p.drawPath(glyph);
        p.setPen(inkPen(p, 6, Qt::white));
        p.drawPath(glyph);
        p.setPen(Qt::NoPen);
        p.setBrush(letters[i % 6]);
        p.drawPath(glyph);
        x += fm.horizontalAdvance(text[i]);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 3));
    p.drawRoundedRect(frame, 22, 22);
}

void family(QPainter &p)
{
    ellipseOutlined(p, QPointF(152, 210), 146, 16, QColor(0xa8, 0xde, 0x78), 2);
    for (int i = 0; i < 6; ++i)
        heart(p, QPointF(40 + i * 46, 16 + (i % 2) * 10), 14, i % 2 ? QColor(0xff, 0x8a, 0xa8) : QColor(0xff, 0xc0, 0x40));
    drawFigure(p, fig(Who::Midori, Pose::Wave, Mood::Happy), QPointF(68, 66), 0.84);
    drawFigure(p, fig(Who::Zuk, Pose::Wave, Mood::Normal), QPointF(152, 112), 0.74);
    drawFigure(p, fig(Who::Zukky, Pose::Wave, Mood::Happy), QPointF(226, 132), 0.6);
    drawFigure(p, fig(Who::Piko, Pose::Wave, Mood::Excited), QPointF(270, 176), 0.48);
}

void sunburst(QPainter &p)
{
    p.save();
    p.translate(236, 120);
    p.scale(1.95, 1.0);
    QRadialGradient g(QPointF(0, 0), 118);
    g.setColorAt(0, QColor(0xff, 0xff, 0xf0));
    g.setColorAt(0.55, QColor(0xff, 0xf0, 0x9a));
    g.setColorAt(1, QColor(0xff, 0xc0, 0x3a));
    fillOutlined(p, starPath(QPointF(0, 0), 117, 86, 18), g, 3);
    // rays
    for (int i = 0; i < 18; ++i) {
        const qreal a = qDegreesToRadians(-90 + i * 20.0);
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(QPointF(std::cos(a - 0.07), std::sin(a - 0.07)) * 104);
        ray.lineTo(QPointF(std::cos(a + 0.07), std::sin(a + 0.07)) * 104);
        ray.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd8, 0x50, 110));
        p.drawPath(ray);
    }
    QRadialGradient middle(QPointF(0, 0), 72);
    middle.setColorAt(0, QColor(0xff, 0xff, 0xfa));
    middle.setColorAt(0.8, QColor(0xff, 0xfd, 0xe6));
    middle.setColorAt(1, QColor(0xff, 0xfd, 0xe6, 0));
    p.setBrush(middle);
    p.drawEllipse(QPointF(0, 0), 72, 72);
    p.restore();
    for (QPointF c : {QPointF(70, 56), QPointF(404, 52), QPointF(84, 192), QPointF(392, 194)})
        sparkle(p, c, 13, QColor(0xff, 0xb8, 0x2a));
}

void bigFace(QPainter &p, Who who)
{
    switch (who) {
    case Who::Zuk: drawFace(p, who, Mood::Excited, QPointF(120, 134), 1.68); break;
    case Who::Zukky: drawFace(p, who, Mood::Excited, QPointF(120, 128), 1.8); break;
    case Who::Piko: drawFace(p, who, Mood::Excited, QPointF(120, 130), 1.72); break;
    case Who::Midori: drawFace(p, who, Mood::Excited, QPointF(120, 122), 1.5); break;
    }
    sparkle(p, QPointF(22, 30), 16, QColor(0xff, 0xc9, 0x2e));
    sparkle(p, QPointF(218, 26), 12, QColor(0xff, 0x8a, 0xb0));
    sparkle(p, QPointF(224, 214), 14, QColor(0x5a, 0xb8, 0xf0));
}

void joy(QPainter &p)
{
    confetti(p, QRectF(10, 76, 469, 190), 70, 7);
    groundShadow(p, QPointF(84, 426), 50);
    groundShadow(p, QPointF(200, 426), 46);
    groundShadow(p, QPointF(312, 426), 40);
    groundShadow(p, QPointF(414, 426), 34);
    drawFigure(p, fig(Who::Midori, Pose::ArmsUp, Mood::Cheer), QPointF(84, 222), 1.08);
    drawFigure(p, fig(Who::Zuk, Pose::ArmsUp, Mood::Cheer), QPointF(200, 270), 0.98);
    drawFigure(p, fig(Who::Zukky, Pose::ArmsUp, Mood::Excited), QPointF(312, 300), 0.84);
    drawFigure(p, fig(Who::Piko, Pose::ArmsUp, Mood::Cheer), QPointF(414, 336), 0.84);
    for (QPointF c : {QPointF(150, 120), QPointF(262, 160), QPointF(370, 200), QPointF(450, 250)})
        sparkle(p, c, 12, QColor(0xff, 0xc9, 0x2e));
}

void downcast(QPainter &p)
{
    for (QPointF c : {QPointF(84, 430), QPointF(200, 430), QPointF(312, 430), QPointF(414, 430)})
        groundShadow(p, c, 42);
    drawFigure(p, fig(Who::Midori, Pose::Down, Mood::Sad), QPointF(84, 262), 1.08);
    drawFigure(p, fig(Who::Zuk, Pose::Down, Mood::Sad), QPointF(200, 306), 0.98);
    drawFigure(p, fig(Who::Zukky, Pose::Down, Mood::Sad), QPointF(312, 328), 0.84);
    drawFigure(p, fig(Who::Piko, Pose::Down, Mood::Sad), QPointF(414, 376), 0.84);
    drawRainCloud(p, QPointF(256, 132), 170);
    drawRainCloud(p, QPointF(92, 126), 90);
}

void pass(QPainter &p)
{
    confetti(p, QRectF(12, 76, 465, 60), 26, 21);
    p.save();
    p.translate(160, 262);
    p.rotate(-6);
    QPainterPath paper;
    paper.addRoundedRect(QRectF(-128, -160, 256, 320), 8, 8);
    fillOutlined(p, paper, QColor(0xff, 0xff, 0xff), 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 5, kGold));
    p.drawRoundedRect(QRectF(-114, -146, 228, 292), 6, 6);
    p.setPen(inkPen(p, 1.5, kGoldDark));
    p.drawRoundedRect(QRectF(-106, -138, 212, 276), 4, 4);
    p.setPen(inkPen(p, 6, QColor(0xd8, 0xdc, 0xe6)));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(-80, -110 + i * 22), QPointF(80 - i * 30, -110 + i * 22));
    // the red stamp
    p.save();
    p.translate(0, 18);
    p.rotate(-8);
    p.setBrush(QColor(0xff, 0xf0, 0xf0));
    p.setPen(inkPen(p, 7, QColor(0xe0, 0x28, 0x30)));
    p.drawEllipse(QPointF(0, 0), 72, 72);
    p.setPen(inkPen(p, 2.5, QColor(0xe0, 0x28, 0x30)));
    p.drawEllipse(QPointF(0, 0), 62, 62);
    const QFont font = gameFont(50);
    QPainterPath word;
    word.addText(QPointF(0, 0), font, QStringLiteral("合格"));
    const QRectF wb = word.boundingRect();
    p.translate(-wb.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x28, 0x30));
    p.drawPath(word);
    p.restore();
    // medal with ribbons
    for (int side : {-1, 1}) {
        QPainterPath r;
        r.moveTo(-70 + side * 6, 120);
        r.lineTo(-70 + side * 22, 168);
        r.lineTo(-70 + side * 12, 160);
        r.lineTo(-70 + side * 2, 170);
        r.closeSubpath();
        fillOutlined(p, r, side < 0 ? QColor(0x3a, 0x8a, 0xe8) : QColor(0xe8, 0x3a, 0x4a), 2);
    }
    QRadialGradient g(QPointF(-76, 108), 34);
    g.setColorAt(0, QColor(0xff, 0xf0, 0x90));
    g.setColorAt(1, kGold);
    ellipseOutlined(p, QPointF(-70, 118), 26, 26, g, 2.6);
    fillOutlined(p, starPath(QPointF(-70, 118), 15, 7, 5), QColor(0xff, 0xf6, 0xc0), 1.5);
    p.restore();
    groundShadow(p, QPointF(392, 428), 52);
    drawFigure(p, fig(Who::Zuk, Pose::ArmsUp, Mood::Cheer), QPointF(392, 300), 1.04);
    for (QPointF c : {QPointF(330, 110), QPointF(460, 150), QPointF(300, 200)})
        sparkle(p, c, 14, QColor(0xff, 0xc9, 0x2e));
}

void point(QPainter &p)
{
    const QPointF c(196, 240);
    for (int i = 0; i < 16; ++i) {
        const qreal a = qDegreesToRadians(i * 22.5);
        p.setPen(inkPen(p, 6, QColor(0xff, 0xe0, 0x70)));
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 150, c + QPointF(std::cos(a), std::sin(a)) * 166);
    }
    QRadialGradient g(c + QPointF(-30, -40), 170);
    g.setColorAt(0, QColor(0xff, 0xf4, 0x9a));
    g.setColorAt(1, QColor(0xff, 0xb8, 0x1e));
    QPainterPath star = starPath(c, 146, 66, 5);
    p.setBrush(g);
    QPen pen = inkPen(p, 4, QColor(0xb8, 0x72, 0x08));
    p.setPen(pen);
    p.drawPath(star);
    p.setPen(inkPen(p, 2, QColor(255, 255, 255, 180)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(c, 124, 56, 5));
    const QFont font = gameFont(84);
    QPainterPath text;
    text.addText(QPointF(0, 0), font, QStringLiteral("+1"));
    p.save();
    p.translate(c + QPointF(0, 12) - text.boundingRect().center());
    p.setPen(inkPen(p, 9, QColor(0xe0, 0x6a, 0x10)));
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(text);
    p.restore();
    for (QPointF s : {QPointF(60, 110), QPointF(340, 96), QPointF(60, 380), QPointF(470, 200)})
        sparkle(p, s, 16, QColor(0xff, 0xc9, 0x2e));
    groundShadow(p, QPointF(404, 428), 50);
    drawFigure(p, fig(Who::Piko, Pose::ArmsUp, Mood::Cheer), QPointF(404, 352), 1.1);
}

void midoriCrying(QPainter &p)
{
    groundShadow(p, QPointF(245, 426), 78);
    drawFigure(p, fig(Who::Midori, Pose::HandsToFace, Mood::Cry), QPointF(245, 172), 1.62);
    drawTearDrop(p, QPointF(136, 150), 13);
    drawTearDrop(p, QPointF(348, 146), 13);
    drawTearDrop(p, QPointF(112, 198), 10);
    drawTearDrop(p, QPointF(374, 194), 10);
    drawFlower(p, QPointF(120, 408), 14, QColor(0xff, 0xb0, 0xc8));
    drawFlower(p, QPointF(372, 410), 12, QColor(0xb8, 0xd0, 0xff));
}

void menuBalloon(QPainter &p)
{
    balloon(p, QRectF(4, 4, 225, 238), 4.2, QPointF(150, 230), QPointF(222, 284),
            QPointF(196, 212));
}

void angel(QPainter &p, Who who)
{
    Figure f = fig(who, Pose::Stand, Mood::Happy);
    f.halo = true;
    f.angelWings = true;
    if (who == Who::Zuk) {
        drawFigure(p, f, QPointF(136, 130), 1.24);
        sparkle(p, QPointF(24, 270), 12, QColor(0xff, 0xc9, 0x2e));
        sparkle(p, QPointF(250, 262), 10, QColor(0xff, 0xc9, 0x2e));
    } else {
        drawFigure(p, f, QPointF(120, 132), 1.08);
        sparkle(p, QPointF(22, 262), 11, QColor(0xff, 0xc9, 0x2e));
        sparkle(p, QPointF(218, 258), 9, QColor(0xff, 0x9a, 0xc0));
    }
}

void pikoTalking(QPainter &p)
{
    balloon(p, QRectF(152, 24, 122, 92), 2.6, QPointF(186, 106), QPointF(168, 178),
            QPointF(214, 110));
    drawFigure(p, fig(Who::Piko, Pose::Wave, Mood::Excited), QPointF(118, 266), 1.36);
    musicNote(p, QPointF(250, 170), 1.3, QColor(0xff, 0x8a, 0xb0));
}

void midoriGivesUp(QPainter &p)
{
    groundShadow(p, QPointF(112, 366), 60);
    drawFigure(p, fig(Who::Midori, Pose::HeadScratch, Mood::Troubled), QPointF(112, 142), 1.38);
    // little spirals of puzzlement
    p.setBrush(Qt::NoBrush);
    for (QPointF c : {QPointF(190, 40), QPointF(40, 40)}) {
        QPainterPath spiral;
        for (int i = 0; i <= 40; ++i) {
            const qreal a = i * 0.42;
            const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * (1.2 + i * 0.34);
            if (i == 0)
                spiral.moveTo(pt);
            else
                spiral.lineTo(pt);
        }
        p.setPen(inkPen(p, 2.4, QColor(0x6a, 0x8a, 0xc8)));
        p.drawPath(spiral);
    }
}

void professor(QPainter &p)
{
    groundShadow(p, QPointF(124, 374), 70);
    Figure f = fig(Who::Zuk, Pose::HoldOut, Mood::Normal);
    f.professor = true;
    const qreal s = 1.5;
    const QPointF head(124, 180);
    // the pointer stick, held in the right wing
    p.setPen(inkPen(p, 6, ink()));
    p.drawLine(head + QPointF(82, 62) * s, head + QPointF(104, 4) * s);
    p.setPen(inkPen(p, 3.5, QColor(0xc8, 0x8a, 0x4a)));
    p.drawLine(head + QPointF(82, 62) * s, head + QPointF(104, 4) * s);
    ellipseOutlined(p, head + QPointF(104.5, 3) * s, 4, 4, QColor(0xe8, 0x3a, 0x4a), 1.4);
    drawFigure(p, f, head, s);
    // a book at the feet
    QPainterPath book;
    book.addRoundedRect(QRectF(20, 340, 50, 24), 3, 3);
    fillOutlined(p, book, QColor(0x4a, 0x8a, 0xe0), 2);
    p.fillRect(QRectF(24, 356, 44, 5), Qt::white);
    sparkle(p, QPointF(262, 40), 12, QColor(0xff, 0xc9, 0x2e));
}

void alarmClock(QPainter &p)
{
    // bells and hammer
    for (int side : {-1, 1}) {
        const QPointF c(88 + side * 56, 26);
        p.save();
        p.translate(c);
        p.rotate(side * 32);
        QPainterPath bell;
        bell.moveTo(-24, 10);
        bell.cubicTo(-26, -28, 26, -28, 24, 10);
        bell.closeSubpath();
        QLinearGradient g(-20, -20, 20, 10);
        g.setColorAt(0, QColor(0xff, 0xe8, 0x80));
        g.setColorAt(1, kGold);
        fillOutlined(p, bell, g, 2.4);
        ellipseOutlined(p, QPointF(0, -19), 4, 4, kGoldDark, 1.6);
        p.restore();
    }
    p.setPen(inkPen(p, 3));
    p.drawLine(QPointF(88, 30), QPointF(88, 12));
    p.drawLine(QPointF(70, 12), QPointF(106, 12));
    ellipseOutlined(p, QPointF(88, 9), 5, 5, kGoldDark, 1.8);
    // legs
    for (int side : {-1, 1}) {
        p.setPen(inkPen(p, 7));
        p.drawLine(QPointF(88 + side * 48, 120), QPointF(88 + side * 62, 132));
        p.setPen(inkPen(p, 4, QColor(0x9a, 0x9a, 0xaa)));
        p.drawLine(QPointF(88 + side * 48, 120), QPointF(88 + side * 62, 132));
    }
    // body
    const QPainterPath body = superellipse(QRectF(6, 24, 165, 104), 2.7);
    QLinearGradient g(0, 24, 0, 128);
    g.setColorAt(0, QColor(0xff, 0x9a, 0x8a));
    g.setColorAt(1, QColor(0xf0, 0x5a, 0x5a));
    fillOutlined(p, body, g, 2.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 2.5, QColor(255, 255, 255, 120)));
    p.drawPath(superellipse(QRectF(13, 31, 151, 90), 2.7));
    // the display: a dark frame and the plain screen where the game writes the time
    QPainterPath frame;
    frame.addRoundedRect(QRectF(20, 40, 73, 49), 7, 7);
    fillOutlined(p, frame, QColor(0x4a, 0x4e, 0x66), 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(28, 48, 57, 33), kScreen);
    p.setRenderHint(QPainter::Antialiasing, true);
    // a friendly face on the right
    ellipseOutlined(p, QPointF(116, 60), 5, 6.5, QColor(0x24, 0x1c, 0x1a), 0);
    ellipseOutlined(p, QPointF(144, 60), 5, 6.5, QColor(0x24, 0x1c, 0x1a), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(114.5, 58), 1.8, 1.8);
    p.drawEllipse(QPointF(142.5, 58), 1.8, 1.8);
    p.setBrush(QColor(0xff, 0xd0, 0xd8, 170));
    p.drawEllipse(QPointF(108, 74), 6, 3.5);
    p.drawEllipse(QPointF(152, 74), 6, 3.5);
    QPainterPath smile;
    smile.moveTo(122, 74);
    smile.quadTo(130, 82, 138, 74);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 2.2));
    p.drawPath(smile);
    // buttons
    const QColor buttons[] = {QColor(0xff, 0xd8, 0x3a), QColor(0x6a, 0xc0, 0xf8), QColor(0x8a, 0xe0, 0x6a)};
    for (int i = 0; i < 3; ++i)
        ellipseOutlined(p, QPointF(110 + i * 20, 104), 6, 6, buttons[i], 1.8);
}

void ovalBalloon(QPainter &p)
{
    balloon(p, QRectF(3, 3, 235, 108), 3.6, QPointF(40, 96), QPointF(16, 126), QPointF(72, 104));
}

void cloudBalloon(QPainter &p)
{
    QList<QPainterPath> parts;
    auto add = [&parts](QPointF c, qreal rx, qreal ry) {
        QPainterPath e;
        e.addEllipse(c, rx, ry);
        parts.append(e);
    };
    for (int i = 0; i < 5; ++i)
        add(QPointF(40 + i * 40, 26), 22, 22);
    for (int i = 0; i < 4; ++i)
        add(QPointF(56 + i * 44, 102), 21, 20);
    add(QPointF(24, 64), 22, 26);
    add(QPointF(217, 64), 22, 26);
    QPainterPath middle;
    middle.addRoundedRect(QRectF(18, 22, 205, 84), 20, 20);
    parts.append(middle);
    fillOutlinedUnion(p, parts, kPaleYellow, 2.5);
    ellipseOutlined(p, QPointF(22, 118), 7, 6, kPaleYellow, 2);
    ellipseOutlined(p, QPointF(10, 126) + QPointF(0, -2), 3.5, 3, kPaleYellow, 1.6);
}

void cheeringFace(QPainter &p, Who who)
{
    if (who == Who::Zuk) {
        drawCheeringFace(p, who, QPointF(84, 72), 0.88);
        sparkle(p, QPointF(18, 22), 10, QColor(0xff, 0xc9, 0x2e));
        sparkle(p, QPointF(152, 20), 8, QColor(0xff, 0xc9, 0x2e));
    } else {
        drawCheeringFace(p, who, QPointF(80, 66), 0.9);
        sparkle(p, QPointF(16, 20), 9, QColor(0xff, 0x8a, 0xb0));
        sparkle(p, QPointF(146, 18), 8, QColor(0xff, 0xc9, 0x2e));
    }
}

void pikoCheering(QPainter &p)
{
    drawFigure(p, fig(Who::Piko, Pose::ArmsUp, Mood::Cheer), QPointF(68, 86), 0.9);
    sparkle(p, QPointF(18, 22), 10, QColor(0xff, 0xc9, 0x2e));
    sparkle(p, QPointF(120, 16), 9, QColor(0xff, 0x8a, 0xb0));
}

void midoriLaughing(QPainter &p)
{
    drawFigure(p, fig(Who::Midori, Pose::Stand, Mood::Happy), QPointF(95, 74), 1.02);
    musicNote(p, QPointF(20, 36), 1.1, QColor(0xff, 0x8a, 0xb0));
    musicNote(p, QPointF(164, 30), 1.0, QColor(0x5a, 0xb0, 0xf0));
    sparkle(p, QPointF(176, 100), 8, QColor(0xff, 0xc9, 0x2e));
}

void midoriAndZuk(QPainter &p)
{
    groundShadow(p, QPointF(110, 368), 96);
    drawFigure(p, fig(Who::Midori, Pose::Wave, Mood::Happy), QPointF(100, 160), 1.32);
    drawFigure(p, fig(Who::Zuk, Pose::Stand, Mood::Normal), QPointF(163, 250), 0.95);
    heart(p, QPointF(190, 60), 22, QColor(0xff, 0x8a, 0xa8));
    heart(p, QPointF(204, 100), 14, QColor(0xff, 0xc0, 0x40));
}

void zukkyFlowers(QPainter &p)
{
    Figure f = fig(Who::Zukky, Pose::HoldOut, Mood::Happy);
    f.flower = true;
    drawFigure(p, f, QPointF(100, 108), 1.28);
    // a little flower bed at her feet
    const QColor petals[] = {QColor(0xff, 0x8a, 0xb8), QColor(0xff, 0xd8, 0x3a), QColor(0xb0, 0x8a, 0xf0),
                             QColor(0xff, 0x6a, 0x6a), QColor(0x6a, 0xb8, 0xf8)};
    for (int i = 0; i < 6; ++i) {
        const QPointF c(24 + i * 37, 262 + (i % 2) * 12);
        p.setPen(inkPen(p, 3, QColor(0x3c, 0x9a, 0x3c)));
        p.drawLine(c, c + QPointF(0, 24));
        QPainterPath leaf;
        leaf.moveTo(c + QPointF(0, 18));
        leaf.quadTo(c + QPointF(12, 8), c + QPointF(14, 16));
        leaf.quadTo(c + QPointF(8, 20), c + QPointF(0, 18));
        fillOutlined(p, leaf, QColor(0x6a, 0xc8, 0x50), 1.2);
        drawFlower(p, c, 13, petals[i % 5]);
    }
}

void speechBubble(QPainter &p)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 4, 242, 100), 28, 28);
    fillOutlinedUnion(p, {body, tailPath(QPointF(44, 98), QPointF(28, 126), QPointF(76, 100))}, Qt::white, 2.5);
}

} // namespace

const std::vector<PictureRecipe> &allPictures()
{
    static const std::vector<PictureRecipe> pictures = {
        {QStringLiteral("N・I Title.BMP"), 416, 212, title},
        {QStringLiteral("ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP"), 305, 233, family},
        {QStringLiteral("ｽﾞｸ.bmp"), 73, 49, [](QPainter &p) { drawFace(p, Who::Zuk, Mood::Normal, QPointF(36, 30), 0.37); }},
        {QStringLiteral("ｽﾞｯｷｰ.BMP"), 73, 57, [](QPainter &p) { drawFace(p, Who::Zukky, Mood::Normal, QPointF(36, 32), 0.48); }},
        {QStringLiteral("ピコちゃん顔.BMP"), 57, 65, [](QPainter &p) { drawFace(p, Who::Piko, Mood::Normal, QPointF(28, 36), 0.43); }},
        {QStringLiteral("みどり　顔.BMP"), 65, 57, [](QPainter &p) { drawFace(p, Who::Midori, Mood::Normal, QPointF(32, 30), 0.41); }},
        {QStringLiteral("f1.bmp"), 473, 241, sunburst},
        {QStringLiteral("zuk顔3.BMP"), 241, 241, [](QPainter &p) { bigFace(p, Who::Zuk); }},
        {QStringLiteral("zukky顔3.BMP"), 241, 241, [](QPainter &p) { bigFace(p, Who::Zukky); }},
        {QStringLiteral("ピコちゃん顔4.BMP"), 241, 241, [](QPainter &p) { bigFace(p, Who::Piko); }},
        {QStringLiteral("みどり顔3.BMP"), 241, 241, [](QPainter &p) { bigFace(p, Who::Midori); }},
        {QStringLiteral("四人　喜.bmp"), 489, 440, joy},
        {QStringLiteral("四人　落込.bmp"), 489, 440, downcast},
        {QStringLiteral("本合格.bmp"), 489, 440, pass},
        {QStringLiteral("getpoint.bmp"), 489, 440, point},
        {QStringLiteral("みどりちゃん　泣く.bmp"), 489, 440, midoriCrying},
        {QStringLiteral("f2.BMP"), 233, 289, menuBalloon},
        {QStringLiteral("ＺＵＫ　天使.BMP"), 273, 305, [](QPainter &p) { angel(p, Who::Zuk); }},
        {QStringLiteral("ＺＵＫＫＹ　天使.BMP"), 240, 300, [](QPainter &p) { angel(p, Who::Zukky); }},
        {QStringLiteral("ピコちゃん　吹き出し.bmp"), 281, 353, pikoTalking},
        {QStringLiteral("みどり　まいった.BMP"), 230, 380, midoriGivesUp},
        {QStringLiteral("zuk博士.bmp"), 290, 390, professor},
        {QStringLiteral("時計.bmp"), 177, 137, alarmClock},
        {QStringLiteral("f3.bmp"), 241, 129, ovalBalloon},
        {QStringLiteral("f5.BMP"), 241, 129, cloudBalloon},
        {QStringLiteral("zuk顔4.bmp"), 169, 121, [](QPainter &p) { cheeringFace(p, Who::Zuk); }},
        {QStringLiteral("zukky顔4.bmp"), 161, 121, [](QPainter &p) { cheeringFace(p, Who::Zukky); }},
        {QStringLiteral("ピコちゃん顔3.BMP"), 137, 153, pikoCheering},
        {QStringLiteral("みどり　笑い.bmp"), 190, 180, midoriLaughing},
        {QStringLiteral("みどりとＺＵＫ.bmp"), 220, 380, midoriAndZuk},
        {QStringLiteral("花　zukky.bmp"), 230, 300, zukkyFlowers},
        {QStringLiteral("f4.BMP"), 250, 130, speechBubble},
    };
    return pictures;
}

QImage renderPicture(const PictureRecipe &recipe)
{
    QImage image = blankCanvas(recipe.width, recipe.height);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        recipe.draw(p);
    }
    keyOutside(image);
    return image;
}

QImage contactSheet(int first, int count)
{
    const int rowWidth = 1000;
    const int labelH = 22;
    const int gap = 10;
    std::vector<QImage> images;
    std::vector<QString> names;
    const int all = int(allPictures().size());
    const int last = count < 0 ? all : std::min(all, first + count);
    for (int i = std::max(0, first); i < last; ++i) {
        images.push_back(renderPicture(allPictures()[i]));
        names.push_back(allPictures()[i].fileName);
    }
    // shelf packing: pictures left to right, a new row when the row is full
    std::vector<QPoint> at;
    int x = 0, y = 0, rowHeight = 0, width = 0;
    for (const QImage &image : images) {
        const int w = std::max(image.width(), 150);
        if (x > 0 && x + w > rowWidth) {
            x = 0;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        at.emplace_back(x + gap, y + gap);
        x += w + gap;
        width = std::max(width, x + gap);
        rowHeight = std::max(rowHeight, image.height() + labelH);
    }
    QImage sheet(std::max(width, 1), y + rowHeight + 2 * gap, QImage::Format_RGB32);
    sheet.fill(kCream);
    QPainter p(&sheet);
    p.setFont(gameFont(13, false));
    for (std::size_t i = 0; i < images.size(); ++i) {
        QImage shown = images[i].convertToFormat(QImage::Format_ARGB32);
        for (int yy = 0; yy < shown.height(); ++yy) {
            auto *line = reinterpret_cast<QRgb *>(shown.scanLine(yy));
            for (int xx = 0; xx < shown.width(); ++xx)
                if ((line[xx] | 0xff000000) == kKey)
                    line[xx] = 0;
        }
        const QPoint o = at[i];
        p.setPen(QColor(0xd8, 0xd8, 0xc0));
        p.drawRect(QRect(o.x() - 1, o.y() + labelH - 1, shown.width() + 1, shown.height() + 1));
        p.drawImage(o.x(), o.y() + labelH, shown);
        p.setPen(Qt::black);
        p.drawText(QPoint(o.x(), o.y() + 15),
                   QStringLiteral("%1  %2x%3").arg(names[i]).arg(shown.width()).arg(shown.height()));
    }
    return sheet;
}

} // namespace art
