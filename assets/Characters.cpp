#include "Characters.h"

#include "Paint.h"

#include <QtMath>

namespace art {
namespace {

struct OwlLook {
    QColor body, dark, disc, belly, beak;
    qreal tuftSize;
    bool ribbon;
    bool lashes;
};

OwlLook owlLook(Who who)
{
    if (who == Who::Zukky)
        return {QColor(0xf5, 0x9d, 0xbd), QColor(0xd9, 0x6a, 0x93), QColor(0xff, 0xe4, 0xee),
                QColor(0xff, 0xf4, 0xf7), QColor(0xf6, 0xa6, 0x3a), 0.7, true, true};
    return {QColor(0xa8, 0x6b, 0x3c), QColor(0x7a, 0x4a, 0x26), QColor(0xec, 0xcd, 0x9e),
            QColor(0xff, 0xf1, 0xcf), QColor(0xf4, 0xa2, 0x3a), 1.0, false, false};
}

const QColor kPink(0xff, 0x9a, 0xb0, 150);
const QColor kTear(0x7c, 0xc8, 0xf5);
const QColor kMouth(0xd2, 0x45, 0x45);
const QColor kSkin(0xff, 0xe2, 0xc6);
const QColor kHair(0x37, 0xb2, 0x5a);
const QColor kHairDark(0x23, 0x86, 0x3e);
const QColor kDress(0x7a, 0xd3, 0x6a);
const QColor kChick(0xff, 0xdd, 0x3c);
const QColor kChickLight(0xff, 0xf3, 0x9a);
const QColor kOrange(0xf7, 0x94, 0x2b);

QBrush shaded(QPointF c, qreal r, const QColor &colour)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, colour.lighter(118));
    g.setColorAt(1, colour);
    return g;
}

// ---- eyes and mouths, shared by all four ----

void strokeLine(QPainter &p, const QPainterPath &path, qreal px, const QColor &c = ink())
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, px, c));
    p.drawPath(path);
}

// One eye at e; r is the eye's radius; side is -1 for the left eye, +1 for the right.
void drawEye(QPainter &p, Mood mood, QPointF e, qreal r, int side, bool whites, bool lashes)
{
    const qreal lw = r * 0.26;
    switch (mood) {
    case Mood::Happy:
    case Mood::Cheer: {
        QPainterPath arc;
        arc.moveTo(e.x() - r * 0.75, e.y() + r * 0.3);
        arc.quadTo(e.x(), e.y() - r * 0.85, e.x() + r * 0.75, e.y() + r * 0.3);
        strokeLine(p, arc, lw * p.worldTransform().m11());
        return;
    }
    case Mood::Cry: {
        QPainterPath arc;
        arc.moveTo(e.x() - r * 0.75, e.y() - r * 0.1);
        arc.quadTo(e.x(), e.y() + r * 0.6, e.x() + r * 0.75, e.y() - r * 0.1);
        strokeLine(p, arc, lw * p.worldTransform().m11());
        return;
    }
    case Mood::Troubled: {
        QPainterPath v;
        const qreal s = -side; // ">" on the left, "<" on the right
        v.moveTo(e.x() - s * r * 0.6, e.y() - r * 0.55);
        v.lineTo(e.x() + s * r * 0.55, e.y());
        v.lineTo(e.x() - s * r * 0.6, e.y() + r * 0.55);
        strokeLine(p, v, lw * p.worldTransform().m11());
        return;
    }
    default:
        break;
    }
    const bool big = mood == Mood::Excited;
    if (whites)
        ellipseOutlined(p, e, r, r, Qt::white, std::max(1.2, lw * 0.6 * p.worldTransform().m11()));
    const qreal pr = whites ? r * (big ? 0.7 : 0.6) : r;
    const QPointF pc = e + QPointF(0, mood == Mood::Sad ? r * 0.25 : r * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x24, 0x1c, 0x1a));
    if (whites)
        p.drawEllipse(pc, pr, pr);
    else
        p.drawEllipse(pc, pr * 0.72, pr);
    p.setBrush(Qt::white);
    p.drawEllipse(pc + QPointF(-pr * 0.3, -pr * 0.35), pr * 0.34, pr * 0.34);
    p.drawEllipse(pc + QPointF(pr * 0.35, pr * 0.35), pr * 0.15, pr * 0.15);
    if (big)
        sparkle(p, pc + QPointF(pr * 0.28, -pr * 0.42), pr * 0.45, Qt::white);
    if (lashes) {
        QPainterPath l;
        const qreal ox = side * r * 0.7;
        l.moveTo(e.x() + ox, e.y() - r * 0.7);
        l.lineTo(e.x() + side * r * 1.15, e.y() - r * 1.05);
        l.moveTo(e.x() + side * r * 0.9, e.y() - r * 0.35);
        l.lineTo(e.x() + side * r * 1.35, e.y() - r * 0.55);
        strokeLine(p, l, lw * 0.7 * p.worldTransform().m11());
    }
    if (mood == Mood::Sad) {
        QPainterPath brow;
        // inner ends raised: a worried, downcast look
        brow.moveTo(e.x() + side * r * 0.85, e.y() - r * 1.1);
        brow.lineTo(e.x() - side * r * 0.6, e.y() - r * 1.5);
        strokeLine(p, brow, lw * 0.8 * p.worldTransform().m11());
    }
}

void drawTears(QPainter &p, QPointF eye, qreal r, int side)
{
    drawTearDrop(p, eye + QPointF(side * r * 0.9, r * 0.5), r * 0.9);
    drawTearDrop(p, eye + QPointF(side * r * 0.5, r * 1.7), r * 0.7);
}

void drawSweat(QPainter &p, QPointF at, qreal size)
{
    QPainterPath d;
    d.moveTo(at.x(), at.y() - size);
    d.cubicTo(at.x() + size * 0.9, at.y() + size * 0.1, at.x() + size * 0.6, at.y() + size * 0.8,
              at.x(), at.y() + size * 0.8);
    d.cubicTo(at.x() - size * 0.6, at.y() + size * 0.8, at.x() - size * 0.9, at.y() + size * 0.1,
              at.x(), at.y() - size);
    p.setPen(inkPen(p, 1.3, QColor(0x4a, 0x8c, 0xc8)));
    p.setBrush(QColor(0xc9, 0xec, 0xff));
    p.drawPath(d);
}

void cheeks(QPainter &p, QPointF left, QPointF right, qreal rx)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kPink);
    p.drawEllipse(left, rx, rx * 0.6);
    p.drawEllipse(right, rx, rx * 0.6);
}

// ---- owls ----

void owlTufts(QPainter &p, const OwlLook &look)
{
    const qreal s = look.tuftSize;
    for (int side : {-1, 1}) {
        QPainterPath t;
        t.moveTo(side * 46, -18);
        t.quadTo(side * (46 + 16 * s), -18 - 44 * s, side * (50 + 4 * s), -22 - 52 * s);
        t.quadTo(side * 32, -30 - 26 * s, side * 14, -40);
        t.closeSubpath();
        fillOutlined(p, t, look.dark);
    }
}

void owlBeak(QPainter &p, const OwlLook &look, Mood mood)
{
    const bool open = mood == Mood::Excited || mood == Mood::Cheer;
    if (open) {
        ellipseOutlined(p, QPointF(0, 17), 7.5, 7.5, kMouth, 1.6);
        QPainterPath upper;
        upper.moveTo(-9, 6);
        upper.lineTo(9, 6);
        upper.lineTo(0, 15);
        upper.closeSubpath();
        fillOutlined(p, upper, look.beak, 1.8);
        QPainterPath lower;
        lower.moveTo(-5, 21);
        lower.lineTo(5, 21);
        lower.lineTo(0, 27);
        lower.closeSubpath();
        fillOutlined(p, lower, look.beak, 1.6);
    } else {
        QPainterPath beak;
        beak.moveTo(-8, 7);
        beak.quadTo(0, 4, 8, 7);
        beak.lineTo(0, 21);
        beak.closeSubpath();
        fillOutlined(p, beak, look.beak, 1.8);
    }
}

void ribbon(QPainter &p, QPointF c, qreal s)
{
    const QColor red(0xe8, 0x34, 0x4a);
    for (int side : {-1, 1}) {
        QPainterPath loop;
        loop.moveTo(c);
        loop.cubicTo(c + QPointF(side * 10 * s, -14 * s), c + QPointF(side * 24 * s, -8 * s),
                     c + QPointF(side * 20 * s, 4 * s));
        loop.cubicTo(c + QPointF(side * 18 * s, 12 * s), c + QPointF(side * 8 * s, 8 * s), c);
        fillOutlined(p, loop, red, 1.8);
    }
    ellipseOutlined(p, c, 5 * s, 5 * s, red.lighter(115), 1.6);
}

void owlHead(QPainter &p, Who who, Mood mood, bool glasses)
{
    const OwlLook look = owlLook(who);
    owlTufts(p, look);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 54, 47);
    fillOutlined(p, head, shaded(QPointF(0, 0), 54, look.body), 2.6);
    // feather marks on the forehead
    QPainterPath marks;
    for (int i = -1; i <= 1; ++i) {
        marks.moveTo(i * 9 - 4, -36);
        marks.quadTo(i * 9, -32, i * 9 + 4, -36);
    }
    strokeLine(p, marks, 1.4, look.dark);
    p.setPen(Qt::NoPen);
    p.setBrush(look.disc);
    p.drawEllipse(QPointF(-21, 0), 23, 23);
    p.drawEllipse(QPointF(21, 0), 23, 23);
    if (look.ribbon)
        ribbon(p, QPointF(30, -38), 1.0);
    cheeks(p, QPointF(-39, 18), QPointF(39, 18), 7);
    const int sides[] = {-1, 1};
    for (int side : sides)
        drawEye(p, mood, QPointF(side * 21, 0), 15, side, true, look.lashes);
    owlBeak(p, look, mood);
    if (glasses) {
        p.setBrush(QColor(255, 255, 255, 50));
        p.setPen(inkPen(p, 2.4, QColor(0x2a, 0x2a, 0x3a)));
        p.drawEllipse(QPointF(-21, 0), 19, 19);
        p.drawEllipse(QPointF(21, 0), 19, 19);
        p.drawLine(QPointF(-3, -3), QPointF(3, -3));
    }
    if (mood == Mood::Cry)
        for (int side : sides)
            drawTears(p, QPointF(side * 21, 0), 15, side);
    if (mood == Mood::Troubled)
        drawSweat(p, QPointF(48, -22), 9);
}

// A wing hinged at the shoulder; angle 0 hangs down, 90 points sideways, 160 up.
void owlWing(QPainter &p, const OwlLook &look, int side, qreal angle, bool coat)
{
    p.save();
    p.translate(side * 36, 46);
    p.rotate(-side * angle);
    QPainterPath wing;
    wing.moveTo(0, -4);
    wing.cubicTo(side * 16, 2, side * 14, 40, 0, 54);
    wing.cubicTo(-side * 10, 40, -side * 12, 6, 0, -4);
    fillOutlined(p, wing, coat ? QBrush(Qt::white) : QBrush(look.dark), 2.2);
    if (coat) {
        QPainterPath tip;
        tip.moveTo(-side * 6, 40);
        tip.quadTo(side * 8, 38, side * 6, 44);
        tip.lineTo(0, 54);
        tip.cubicTo(-side * 4, 50, -side * 6, 46, -side * 6, 40);
        fillOutlined(p, tip, look.dark, 1.6);
    } else {
        QPainterPath lines;
        lines.moveTo(side * 2, 26);
        lines.quadTo(side * 6, 34, side * 2, 42);
        strokeLine(p, lines, 1.2, look.body);
    }
    p.restore();
}

void angelWings(QPainter &p, qreal y, qreal spread)
{
    for (int side : {-1, 1}) {
        QPainterPath w;
        w.moveTo(side * 20, y);
        w.cubicTo(side * (spread * 0.6), y - 60, side * (spread + 10), y - 50, side * spread, y - 20);
        w.quadTo(side * (spread - 4), y - 6, side * (spread - 16), y - 6);
        w.quadTo(side * (spread - 14), y + 8, side * (spread - 30), y + 6);
        w.quadTo(side * (spread - 30), y + 22, side * (spread - 46), y + 18);
        w.quadTo(side * 30, y + 30, side * 20, y);
        fillOutlined(p, w, QColor(0xff, 0xff, 0xff), 2.2);
        QPainterPath f;
        f.moveTo(side * (spread - 10), y - 26);
        f.quadTo(side * (spread - 30), y - 24, side * (spread - 40), y - 8);
        strokeLine(p, f, 1.2, QColor(0xb8, 0xc8, 0xdd));
    }
}

void halo(QPainter &p, QPointF c, qreal rx)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 8, QColor(0xb8, 0x8a, 0x10)));
    p.drawEllipse(c, rx, rx * 0.28);
    p.setPen(inkPen(p, 5, QColor(0xff, 0xe0, 0x4a)));
    p.drawEllipse(c, rx, rx * 0.28);
}

void mortarboard(QPainter &p)
{
    const QColor cap(0x33, 0x33, 0x48);
    QPainterPath base;
    base.moveTo(-24, -40);
    base.lineTo(24, -40);
    base.lineTo(22, -54);
    base.lineTo(-22, -54);
    base.closeSubpath();
    fillOutlined(p, base, cap, 2);
    QPainterPath board;
    board.moveTo(0, -74);
    board.lineTo(46, -60);
    board.lineTo(0, -46);
    board.lineTo(-46, -60);
    board.closeSubpath();
    fillOutlined(p, board, cap.lighter(130), 2.2);
    p.setPen(inkPen(p, 2.2, QColor(0xf2, 0xc0, 0x2a)));
    p.drawLine(QPointF(0, -60), QPointF(34, -54));
    p.drawLine(QPointF(34, -54), QPointF(36, -32));
    ellipseOutlined(p, QPointF(36, -30), 4, 5, QColor(0xf2, 0xc0, 0x2a), 1.2);
}

void owlFigure(QPainter &p, const Figure &f)
{
    const OwlLook look = owlLook(f.who);
    if (f.angelWings)
        angelWings(p, 60, 92);
    if (f.halo)
        halo(p, QPointF(0, -74), 30);
    // feet
    for (int side : {-1, 1})
        for (int toe = -1; toe <= 1; ++toe)
            ellipseOutlined(p, QPointF(side * 17 + toe * 6, 114), 5, 7, look.beak, 1.5);
    // body
    QPainterPath body;
    body.addEllipse(QPointF(0, 70), 45, 48);
    fillOutlined(p, body, f.professor ? QBrush(Qt::white) : shaded(QPointF(0, 70), 45, look.body), 2.6);
    QPainterPath belly;
    if (f.professor) {
        belly.moveTo(-16, 30);
        belly.lineTo(0, 88);
        belly.lineTo(16, 30);
        belly.closeSubpath();
        fillOutlined(p, belly, look.belly, 1.8);
        for (int i = 0; i < 3; ++i)
            ellipseOutlined(p, QPointF(-10 + 0, 96 + i * 8), 2.4, 2.4, QColor(0x9a, 0xb0, 0xd0), 1);
        QPainterPath pocket;
        pocket.addRoundedRect(QRectF(12, 82, 16, 14), 2, 2);
        fillOutlined(p, pocket, Qt::white, 1.4);
        p.setPen(inkPen(p, 2.2, QColor(0xe0, 0x4a, 0x4a)));
        p.drawLine(QPointF(17, 78), QPointF(17, 88));
        p.setPen(inkPen(p, 2.2, QColor(0x3a, 0x7a, 0xe0)));
        p.drawLine(QPointF(23, 76), QPointF(23, 88));
    } else {
        belly.addEllipse(QPointF(0, 78), 29, 35);
        p.setPen(Qt::NoPen);
        p.setBrush(look.belly);
        p.drawPath(belly);
        QPainterPath marks;
        for (int row = 0; row < 3; ++row)
            for (int col = -1; col <= 1; ++col) {
                if (row == 2 && col != 0)
                    continue;
                const qreal x = col * 12 + (row % 2) * 6 - (row == 2 ? 0 : 0);
                const qreal y = 62 + row * 13;
                marks.moveTo(x - 4, y);
                marks.quadTo(x, y + 4, x + 4, y);
            }
        strokeLine(p, marks, 1.3, look.body.lighter(110));
    }
    // wings
    qreal left = 14, right = 14;
    switch (f.pose) {
    case Pose::Wave: right = 150; break;
    case Pose::ArmsUp: left = right = 145; break;
    case Pose::Down: left = right = 3; break;
    case Pose::HeadScratch: right = 170; break;
    case Pose::HandsToFace: left = right = 40; break;
    case Pose::HoldOut: right = 70; break;
    case Pose::Stand: break;
    }
    owlWing(p, look, -1, left, f.professor);
    owlWing(p, look, 1, right, f.professor);
    owlHead(p, f.who, f.mood, f.professor);
    if (f.professor)
        mortarboard(p);
    if (f.flower) {
        const qreal a = qDegreesToRadians(right);
        const QPointF tip(36 + 50 * std::sin(a), 46 + 50 * std::cos(a));
        p.setPen(inkPen(p, 3, QColor(0x3c, 0x9a, 0x3c)));
        p.drawLine(tip + QPointF(-4, -14), tip + QPointF(0, 6));
        drawFlower(p, tip + QPointF(-4, -26), 15, QColor(0xff, 0x8a, 0xb8));
    }
}

// ---- Piko ----

void pikoWing(QPainter &p, int side, qreal angle)
{
    p.save();
    p.translate(side * 44, 0);
    p.rotate(-side * angle);
    QPainterPath w;
    w.moveTo(0, -6);
    w.cubicTo(side * 18, -2, side * 18, 24, side * 4, 30);
    w.cubicTo(-side * 6, 24, -side * 8, 0, 0, -6);
    fillOutlined(p, w, kChick.darker(106), 2.2);
    p.restore();
}

void pikoBody(QPainter &p, Mood mood)
{
    // tuft
    for (int i = -1; i <= 1; ++i) {
        QPainterPath leaf;
        leaf.moveTo(i * 4, -46);
        leaf.quadTo(i * 16 - 6, -64, i * 12, -70 + std::abs(i) * 6);
        leaf.quadTo(i * 12 + 8, -58, i * 4 + 4, -46);
        fillOutlined(p, leaf, kChick, 2);
    }
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 50, 48);
    QRadialGradient g(QPointF(-16, -18), 70);
    g.setColorAt(0, kChickLight);
    g.setColorAt(1, kChick);
    fillOutlined(p, body, g, 2.6);
    cheeks(p, QPointF(-30, 12), QPointF(30, 12), 8);
    for (int side : {-1, 1})
        drawEye(p, mood, QPointF(side * 18, -6), 8.5, side, false, false);
    if (mood == Mood::Excited || mood == Mood::Cheer) {
        QPainterPath upper;
        upper.moveTo(-10, 6);
        upper.quadTo(0, 0, 10, 6);
        upper.lineTo(0, 12);
        upper.closeSubpath();
        QPainterPath lower;
        lower.moveTo(-8, 14);
        lower.lineTo(8, 14);
        lower.lineTo(0, 22);
        lower.closeSubpath();
        ellipseOutlined(p, QPointF(0, 13), 6, 5, kMouth, 1.4);
        fillOutlined(p, upper, kOrange, 1.8);
        fillOutlined(p, lower, kOrange, 1.8);
    } else {
        QPainterPath beak;
        beak.moveTo(-10, 6);
        beak.quadTo(0, 0, 10, 6);
        beak.lineTo(0, 15);
        beak.closeSubpath();
        fillOutlined(p, beak, kOrange, 1.8);
    }
    if (mood == Mood::Cry)
        for (int side : {-1, 1})
            drawTears(p, QPointF(side * 18, -6), 9, side);
    if (mood == Mood::Troubled)
        drawSweat(p, QPointF(40, -30), 8);
}

void pikoFigure(QPainter &p, const Figure &f)
{
    if (f.angelWings)
        angelWings(p, 0, 80);
    if (f.halo)
        halo(p, QPointF(0, -76), 26);
    for (int side : {-1, 1}) {
        QPainterPath foot;
        const QPointF c(side * 17, 50);
        foot.moveTo(c + QPointF(0, -6));
        foot.lineTo(c + QPointF(-9, 8));
        foot.lineTo(c + QPointF(0, 5));
        foot.lineTo(c + QPointF(9, 8));
        foot.closeSubpath();
        fillOutlined(p, foot, kOrange, 1.8);
    }
    qreal left = 18, right = 18;
    switch (f.pose) {
    case Pose::Wave: right = 120; break;
    case Pose::ArmsUp: left = right = 130; break;
    case Pose::Down: left = right = 0; break;
    case Pose::HeadScratch: right = 150; break;
    case Pose::HandsToFace: left = right = 60; break;
    case Pose::HoldOut: right = 80; break;
    case Pose::Stand: break;
    }
    const bool raised = left > 60;
    if (raised) { // raised wings go behind the body
        pikoWing(p, -1, left);
        pikoWing(p, 1, right);
    }
    pikoBody(p, f.mood);
    if (!raised) {
        pikoWing(p, -1, left);
        pikoWing(p, 1, right);
    } else if (right <= 60) {
        pikoWing(p, 1, right);
    }
}

// ---- Midori ----

void midoriHead(QPainter &p, Mood mood)
{
    // pigtails
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 54, 10);
        p.rotate(side * -22);
        QPainterPath tail;
        tail.moveTo(0, -26);
        tail.cubicTo(side * 26, -22, side * 24, 26, side * 6, 36);
        tail.quadTo(side * 2, 28, -side * 4, 34);
        tail.cubicTo(-side * 12, 18, -side * 12, -18, 0, -26);
        fillOutlined(p, tail, kHair, 2.4);
        p.restore();
        ellipseOutlined(p, QPointF(side * 42, -18), 7, 7, QColor(0xff, 0x5a, 0x7a), 1.8);
    }
    QPainterPath back;
    back.addEllipse(QPointF(0, -4), 44, 43);
    fillOutlined(p, back, kHair, 2.6);
    QPainterPath face;
    face.addEllipse(QPointF(0, 8), 36, 32);
    fillOutlined(p, face, kSkin, 2.2);
    QPainterPath bangs;
    bangs.moveTo(-40, 2);
    bangs.cubicTo(-44, -44, 44, -44, 40, 2);
    bangs.lineTo(33, -8);
    bangs.quadTo(26, -6, 20, 0);
    bangs.quadTo(14, -10, 6, -12);
    bangs.quadTo(0, -6, -6, 0);
    bangs.quadTo(-12, -10, -20, -12);
    bangs.quadTo(-28, -6, -33, -8);
    bangs.closeSubpath();
    QLinearGradient hg(0, -40, 0, 0);
    hg.setColorAt(0, kHair.lighter(115));
    hg.setColorAt(1, kHair);
    fillOutlined(p, bangs, hg, 2.2);
    // shine on the hair
    QPainterPath shine;
    shine.moveTo(-22, -28);
    shine.quadTo(-10, -36, 4, -34);
    strokeLine(p, shine, 2.2, QColor(255, 255, 255, 150));
    cheeks(p, QPointF(-24, 20), QPointF(24, 20), 6.5);
    for (int side : {-1, 1})
        drawEye(p, mood, QPointF(side * 14, 10), 6.5, side, false, false);
    // mouth
    QPainterPath mouth;
    switch (mood) {
    case Mood::Excited:
    case Mood::Cheer:
        mouth.moveTo(-9, 22);
        mouth.quadTo(0, 24, 9, 22);
        mouth.quadTo(8, 34, 0, 34);
        mouth.quadTo(-8, 34, -9, 22);
        fillOutlined(p, mouth, kMouth, 1.6);
        break;
    case Mood::Happy:
        mouth.moveTo(-8, 22);
        mouth.quadTo(0, 24, 8, 22);
        mouth.quadTo(7, 31, 0, 31);
        mouth.quadTo(-7, 31, -8, 22);
        fillOutlined(p, mouth, kMouth, 1.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0x9a, 0x9a));
        p.drawEllipse(QPointF(0, 28.5), 4, 2.2);
        break;
    case Mood::Sad:
        mouth.moveTo(-6, 27);
        mouth.quadTo(0, 21, 6, 27);
        strokeLine(p, mouth, 1.8);
        break;
    case Mood::Cry:
        mouth.moveTo(-8, 28);
        mouth.quadTo(-4, 22, 0, 26);
        mouth.quadTo(4, 22, 8, 28);
        mouth.quadTo(0, 32, -8, 28);
        fillOutlined(p, mouth, kMouth, 1.6);
        break;
    case Mood::Troubled:
        mouth.moveTo(-8, 26);
        mouth.quadTo(-4, 22, 0, 26);
        mouth.quadTo(4, 30, 8, 26);
        strokeLine(p, mouth, 1.8);
        break;
    case Mood::Normal:
        mouth.moveTo(-6, 23);
        mouth.quadTo(0, 29, 6, 23);
        strokeLine(p, mouth, 1.8);
        break;
    }
    if (mood == Mood::Cry)
        for (int side : {-1, 1})
            drawTears(p, QPointF(side * 14, 10), 7, side);
    if (mood == Mood::Troubled)
        drawSweat(p, QPointF(-40, -14), 8);
}

void midoriArm(QPainter &p, int side, QPointF elbow, QPointF hand)
{
    QPainterPath arm;
    arm.moveTo(side * 18, 48);
    arm.quadTo(QPointF(side * elbow.x(), elbow.y()), QPointF(side * hand.x(), hand.y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(p, 12.5 * p.worldTransform().m11()));
    p.drawPath(arm);
    p.setPen(inkPen(p, 8 * p.worldTransform().m11(), kSkin));
    p.drawPath(arm);
    ellipseOutlined(p, QPointF(side * hand.x(), hand.y()), 6.5, 6.5, kSkin, 1.8);
    ellipseOutlined(p, QPointF(side * 19, 48), 10, 8, kDress, 2);
}

void midoriFigure(QPainter &p, const Figure &f)
{
    if (f.angelWings)
        angelWings(p, 66, 86);
    if (f.halo)
        halo(p, QPointF(0, -66), 30);
    // legs and shoes
    for (int side : {-1, 1}) {
        p.setPen(inkPen(p, 11.5 * p.worldTransform().m11()));
        p.drawLine(QPointF(side * 12, 110), QPointF(side * 13, 146));
        p.setPen(inkPen(p, 7 * p.worldTransform().m11(), kSkin));
        p.drawLine(QPointF(side * 12, 110), QPointF(side * 13, 146));
        QPainterPath shoe;
        shoe.addRoundedRect(QRectF(side * 13 - 10 + side * 2, 144, 20, 11), 5, 5);
        fillOutlined(p, shoe, QColor(0xe8, 0x4a, 0x5a), 2);
    }
    // dress
    QPainterPath dress;
    const bool down = f.pose == Pose::Down;
    dress.moveTo(-16, 38);
    dress.lineTo(16, 38);
    dress.quadTo(30, 70, down ? 38 : 44, 118);
    dress.quadTo(0, 126, down ? -38 : -44, 118);
    dress.quadTo(-30, 70, -16, 38);
    QLinearGradient dg(0, 38, 0, 124);
    dg.setColorAt(0, kDress.lighter(110));
    dg.setColorAt(1, kDress.darker(108));
    fillOutlined(p, dress, dg, 2.4);
    QPainterPath hem;
    hem.moveTo(down ? -36 : -41, 110);
    hem.quadTo(0, 118, down ? 36 : 41, 110);
    strokeLine(p, hem, 2.2, QColor(255, 255, 255, 200));
    for (int side : {-1, 1}) {
        QPainterPath collar;
        collar.moveTo(0, 40);
        collar.lineTo(side * 16, 37);
        collar.quadTo(side * 16, 50, side * 2, 50);
        collar.closeSubpath();
        fillOutlined(p, collar, Qt::white, 1.6);
    }
    midoriHead(p, f.mood);
    // arms on top
    struct Arm { QPointF elbow, hand; };
    Arm left{QPointF(30, 76), QPointF(32, 96)};
    Arm right = left;
    switch (f.pose) {
    case Pose::Wave: right = {QPointF(46, 40), QPointF(52, 6)}; break;
    case Pose::ArmsUp: left = right = {QPointF(44, 34), QPointF(50, 0)}; break;
    case Pose::Down: left = right = {QPointF(22, 80), QPointF(20, 100)}; break;
    case Pose::HeadScratch: right = {QPointF(66, 20), QPointF(38, -26)}; break;
    case Pose::HandsToFace: left = right = {QPointF(40, 70), QPointF(30, 30)}; break;
    case Pose::HoldOut: right = {QPointF(34, 70), QPointF(14, 80)}; break;
    case Pose::Stand: break;
    }
    midoriArm(p, -1, left.elbow, left.hand);
    midoriArm(p, 1, right.elbow, right.hand);
    if (f.flower) {
        p.setPen(inkPen(p, 3, QColor(0x3c, 0x9a, 0x3c)));
        p.drawLine(QPointF(right.hand.x(), right.hand.y() - 24), QPointF(right.hand.x(), right.hand.y()));
        drawFlower(p, QPointF(right.hand.x(), right.hand.y() - 30), 13, QColor(0xff, 0xc4, 0x3a));
    }
}

} // namespace

void drawTearDrop(QPainter &p, QPointF top, qreal size)
{
    QPainterPath d;
    d.moveTo(top);
    d.cubicTo(top + QPointF(size * 0.8, size * 0.9), top + QPointF(size * 0.6, size * 1.6),
              top + QPointF(0, size * 1.6));
    d.cubicTo(top + QPointF(-size * 0.6, size * 1.6), top + QPointF(-size * 0.8, size * 0.9), top);
    p.setPen(inkPen(p, 1.3, QColor(0x3a, 0x8a, 0xc8)));
    p.setBrush(kTear);
    p.drawPath(d);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(top + QPointF(-size * 0.15, size * 1.05), size * 0.14, size * 0.22);
}

void drawFlower(QPainter &p, QPointF c, qreal size, const QColor &petals)
{
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90 + i * 72.0);
        ellipseOutlined(p, c + QPointF(std::cos(a), std::sin(a)) * size * 0.55, size * 0.42, size * 0.42,
                        petals, 1.5);
    }
    ellipseOutlined(p, c, size * 0.34, size * 0.34, QColor(0xff, 0xe0, 0x40), 1.5);
}

void drawRainCloud(QPainter &p, QPointF c, qreal width)
{
    const qreal s = width / 100.0;
    QList<QPainterPath> parts(4);
    parts[0].addEllipse(c + QPointF(-28, 4) * s, 24 * s, 18 * s);
    parts[1].addEllipse(c + QPointF(0, -6) * s, 28 * s, 24 * s);
    parts[2].addEllipse(c + QPointF(28, 4) * s, 24 * s, 18 * s);
    parts[3].addRoundedRect(QRectF(c + QPointF(-46, 0) * s, QSizeF(92 * s, 20 * s)), 10 * s, 10 * s);
    fillOutlinedUnion(p, parts, QColor(0xb4, 0xbe, 0xcc), 2.2);
    for (int i = 0; i < 5; ++i) {
        const QPointF top = c + QPointF(-36 + i * 18, 30 + (i % 2) * 12) * s;
        drawTearDrop(p, top, 7 * s);
    }
}

void drawFace(QPainter &p, Who who, Mood mood, QPointF headCentre, qreal scale)
{
    p.save();
    p.translate(headCentre);
    p.scale(scale, scale);
    switch (who) {
    case Who::Zuk:
    case Who::Zukky: owlHead(p, who, mood, false); break;
    case Who::Piko: {
        pikoWing(p, -1, 18);
        pikoWing(p, 1, 18);
        pikoBody(p, mood);
        break;
    }
    case Who::Midori: midoriHead(p, mood); break;
    }
    p.restore();
}

void drawCheeringFace(QPainter &p, Who who, QPointF headCentre, qreal scale)
{
    p.save();
    p.translate(headCentre);
    p.scale(scale, scale);
    switch (who) {
    case Who::Zuk:
    case Who::Zukky: {
        const OwlLook look = owlLook(who);
        owlWing(p, look, -1, 148, false);
        owlWing(p, look, 1, 148, false);
        owlHead(p, who, Mood::Cheer, false);
        break;
    }
    case Who::Piko: {
        pikoWing(p, -1, 130);
        pikoWing(p, 1, 130);
        pikoBody(p, Mood::Cheer);
        break;
    }
    case Who::Midori: {
        Figure f;
        f.who = Who::Midori;
        f.pose = Pose::ArmsUp;
        f.mood = Mood::Cheer;
        midoriFigure(p, f);
        break;
    }
    }
    p.restore();
}

void drawFigure(QPainter &p, const Figure &figure, QPointF headCentre, qreal scale)
{
    p.save();
    p.translate(headCentre);
    p.scale(scale, scale);
    switch (figure.who) {
    case Who::Zuk:
    case Who::Zukky: owlFigure(p, figure); break;
    case Who::Piko: pikoFigure(p, figure); break;
    case Who::Midori: midoriFigure(p, figure); break;
    }
    p.restore();
}

} // namespace art
