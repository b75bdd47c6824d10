#include "Paint.h"

#include <QFontDatabase>
#include <QtMath>
#include <vector>

namespace art {

QColor ink() { return QColor(0x3b, 0x2a, 0x22); }

QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kCream);
    return image;
}

int keyOutside(QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (line[x] == kKey)
                line[x] = qRgb(0xfe, 0x02, 0xfe);
    }
    std::vector<QPoint> stack;
    auto push = [&](int x, int y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        if (line[x] == kCream) {
            line[x] = kKey;
            stack.emplace_back(x, y);
        }
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    int keyed = int(stack.size());
    while (!stack.empty()) {
        const QPoint pt = stack.back();
        stack.pop_back();
        const std::size_t before = stack.size();
        if (pt.x() > 0) push(pt.x() - 1, pt.y());
        if (pt.x() < w - 1) push(pt.x() + 1, pt.y());
        if (pt.y() > 0) push(pt.x(), pt.y() - 1);
        if (pt.y() < h - 1) push(pt.x(), pt.y() + 1);
        keyed += int(stack.size() - before);
    }
    return keyed;
}

QPen inkPen(const QPainter &p, qreal devicePixels, const QColor &colour)
{
    const QTransform t = p.worldTransform();
    const qreal scale = std::sqrt(std::abs(t.determinant()));
    QPen pen(colour, devicePixels / (scale > 0 ? scale : 1));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal penPixels)
{
    p.setBrush(brush);
    p.setPen(penPixels > 0 ? inkPen(p, penPixels) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void fillOutlinedUnion(QPainter &p, const QList<QPainterPath> &parts, const QBrush &brush, qreal penPixels)
{
    p.setBrush(brush);
    p.setPen(inkPen(p, penPixels * 2));
    for (const QPainterPath &part : parts)
        p.drawPath(part);
    p.setPen(Qt::NoPen);
    for (const QPainterPath &part : parts)
        p.drawPath(part);
}

void ellipseOutlined(QPainter &p, QPointF centre, qreal rx, qreal ry, const QBrush &brush, qreal penPixels)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    fillOutlined(p, path, brush, penPixels);
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = qDegreesToRadians(rotationDeg + i * 180.0 / points);
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c, QPointF(c.x() + r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() + r));
    path.quadTo(c, QPointF(c.x() - r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void heart(QPainter &p, QPointF c, qreal s, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.45);
    path.cubicTo(c.x() - s * 0.9, c.y() - s * 0.1, c.x() - s * 0.35, c.y() - s * 0.75, c.x(), c.y() - s * 0.25);
    path.cubicTo(c.x() + s * 0.35, c.y() - s * 0.75, c.x() + s * 0.9, c.y() - s * 0.1, c.x(), c.y() + s * 0.45);
    fillOutlined(p, path, colour, 1.4);
}

QPainterPath superellipse(const QRectF &box, qreal n)
{
    QPainterPath path;
    const QPointF c = box.center();
    const qreal a = box.width() / 2;
    const qreal b = box.height() / 2;
    // sampled between the axes, where the curve is flattest, to keep the outline free of spikes
    const int steps = 720;
    for (int i = 0; i < steps; ++i) {
        const qreal t = 2 * M_PI * (i + 0.5) / steps;
        const qreal ct = std::cos(t);
        const qreal st = std::sin(t);
        const qreal x = a * std::copysign(std::pow(std::abs(ct), 2.0 / n), ct);
        const qreal y = b * std::copysign(std::pow(std::abs(st), 2.0 / n), st);
        if (i == 0)
            path.moveTo(c.x() + x, c.y() + y);
        else
            path.lineTo(c.x() + x, c.y() + y);
    }
    path.closeSubpath();
    return path;
}

QFont gameFont(int pixelSize, bool bold)
{
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const QString &wanted : {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                  QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans")}) {
        if (families.contains(wanted)) {
            font.setFamily(wanted);
            break;
        }
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void outlinedText(QPainter &p, const QString &text, const QFont &font, QPointF baseline,
                  const QBrush &fill, const QColor &outline, qreal outlinePixels)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    QPen pen = inkPen(p, outlinePixels, outline);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

qreal Dice::uniform(qreal lo, qreal hi)
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return lo + (hi - lo) * (m_state / 4294967296.0);
}

} // namespace art
