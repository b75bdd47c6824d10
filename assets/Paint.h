#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QList>
#include <QPainterPath>

// Small drawing helpers shared by every picture of the game.
namespace art {

// The game treats the colour of a picture's bottom-left pixel as transparent.
// Every picture uses magenta for it.
inline constexpr QRgb kKey = 0xFFFF00FF;
// The window colour the pictures are shown on.
inline constexpr QRgb kCream = 0xFFFBFDE3;

QColor ink(); // the dark outline colour

// A canvas of the window colour; pictures are drawn on it antialiased and
// then keyOutside() turns the untouched surroundings into the key colour.
QImage blankCanvas(int width, int height);

// Floods the window-coloured area reachable from the border with the key
// colour, after nudging any stray key-coloured pixel inside the drawing off
// the key. Returns the number of keyed pixels.
int keyOutside(QImage &image);

// A pen whose width is given in device pixels whatever the painter's scale.
QPen inkPen(const QPainter &p, qreal devicePixels, const QColor &colour = ink());

// Fills a path and outlines it in ink.
void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal penPixels = 2.2);
// Several overlapping shapes filled as one, with a single outline around them
// all (a speech balloon and its tail, the bumps of a cloud). The outline is
// drawn twice as wide and then half covered by the fill, so no seams show.
void fillOutlinedUnion(QPainter &p, const QList<QPainterPath> &parts, const QBrush &brush, qreal penPixels = 3);
void ellipseOutlined(QPainter &p, QPointF centre, qreal rx, qreal ry, const QBrush &brush,
                     qreal penPixels = 2.2);

// A many-pointed star centred on c.
QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal rotationDeg = -90);
// A four-pointed twinkle.
void sparkle(QPainter &p, QPointF c, qreal r, const QColor &colour);
void heart(QPainter &p, QPointF c, qreal size, const QColor &colour);
// A superellipse: a rounded box between an ellipse (n = 2) and a rectangle.
QPainterPath superellipse(const QRectF &box, qreal n);

// The rounded Japanese font of the game, with a fallback if it is missing.
QFont gameFont(int pixelSize, bool bold = true);
// Text drawn as a path with a thick outline, for titles and stamps.
void outlinedText(QPainter &p, const QString &text, const QFont &font, QPointF baseline,
                  const QBrush &fill, const QColor &outline, qreal outlinePixels);

// Deterministic pseudo-random numbers, so the pictures come out the same every build.
class Dice {
public:
    explicit Dice(quint32 seed) : m_state(seed ? seed : 1) {}
    qreal uniform(qreal lo, qreal hi);
    int below(int n) { return int(uniform(0, n)) % n; }

private:
    quint32 m_state;
};

} // namespace art
