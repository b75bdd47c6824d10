#include "drill/NumberRow.h"

#include "drill/Texts.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace drill {

namespace {

const QString Comma = QStringLiteral("，");

// One glyph filled as a plain label fills it, in premultiplied colour on a
// clear ground, cut to its ink.
struct FilledGlyph
{
    QPainterPath outline;   // the glyph's outline at the origin when it was filled
    QImage ink;
    QPoint at;              // the ink's top left in the label
    quint64 serial;         // names the glyph among all filled so far
};

// The same outline, to the last bit of every point.
bool sameOutline(const QPainterPath &a, const QPainterPath &b)
{
    if (a.elementCount() != b.elementCount())
        return false;
    for (int i = 0; i < a.elementCount(); ++i) {
        const QPainterPath::Element &p = a.elementAt(i), &q = b.elementAt(i);
        if (p.type != q.type || p.x != q.x || p.y != q.y)
            return false;
    }
    return true;
}

std::size_t hashOf(const QPainterPath &outline)
{
    std::size_t hash = std::size_t(outline.elementCount());
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element &point = outline.elementAt(i);
        hash = qHashMulti(hash, point.x, point.y);
    }
    return hash;
}

// Every glyph filled so far. The pixels of a filled glyph follow from its
// outline and where it stands on the screen, and nothing else:
//  - Qt adds a glyph's place to its outline in floating point, so the same
//    glyph a fraction of a pixel off elsewhere may come out a shade
//    different along its edges: each glyph is filled through the label's own
//    offset on the screen and at its place in the label, and kept by both;
//  - FreeType may give the same glyph of the same face a slightly different
//    outline after another size of the face was used: each glyph is kept by
//    its outline too, which the paint asks FreeType for as a plain label's
//    paint does.
// A question's digits come back at the same places, so after the first
// questions of a level the paints find all their glyphs here.
class FilledGlyphs
{
public:
    struct Key
    {
        int face;
        QRgb colour;
        quint32 glyph;
        QPoint labelOnScreen;
        qint64 x64, y64;          // the glyph's origin in the label, in 64ths of a pixel
        std::size_t outline;      // the outline's hash
        bool operator==(const Key &) const = default;
    };

    // Lets go of every glyph once they take more than a few screens' worth
    // of memory; a paint calls this before it takes any glyph.
    void trim()
    {
        if (m_bytes <= MaxBytes)
            return;
        m_glyphs.clear();
        m_pairs.clear();
        m_bytes = 0;
    }

    int face(const QString &key)
    {
        const auto found = m_faces.constFind(key);
        if (found != m_faces.constEnd())
            return *found;
        const int face = int(m_faces.size());
        m_faces.insert(key, face);
        return face;
    }

    const FilledGlyph &glyph(const QRawFont &face, const Key &key, const QPainterPath &outline)
    {
        const auto found = m_glyphs.find(key);
        if (found != m_glyphs.end() && sameOutline(found->second.outline, outline))
            return found->second;
        FilledGlyph filled = fill(face, key);
        filled.outline = outline;
        m_bytes += std::size_t(filled.ink.sizeInBytes());
        if (found != m_glyphs.end()) {
            found->second = std::move(filled);
            return found->second;
        }
        return m_glyphs.emplace(key, std::move(filled)).first->second;
    }

    // Whether two glyphs are filled the same apart as together: the outline
    // of one reaches no pixel that the other inks. An outline may cross a
    // pixel it leaves blank, so each ink counts a pixel wider all round.
    bool apart(const FilledGlyph &a, const FilledGlyph &b)
    {
        const QRect nearA = QRect(a.at, a.ink.size()).adjusted(-1, -1, 1, 1);
        const QRect nearB = QRect(b.at, b.ink.size()).adjusted(-1, -1, 1, 1);
        const QRect both = nearA & nearB;
        if (both.isEmpty())
            return true;
        const std::pair<quint64, quint64> pair{a.serial, b.serial};
        const auto found = m_pairs.find(pair);
        if (found != m_pairs.end())
            return found->second;
        bool apart = true;
        for (int y = both.top(); y <= both.bottom() && apart; ++y)
            for (int x = both.left(); x <= both.right() && apart; ++x)
                apart = !(inkNear(a, QPoint(x, y)) && inkNear(b, QPoint(x, y)));
        m_pairs.emplace(pair, apart);
        return apart;
    }

private:
    static constexpr std::size_t MaxBytes = 24 << 20;

    FilledGlyph fill(const QRawFont &face, const Key &key)
    {
        // Filled on a clear canvas as large as the screen up to the glyph,
        // through the same offset as the label's own painter.
        const QRectF box = face.boundingRect(key.glyph);
        const QPointF origin = QPointF(key.labelOnScreen) + QPointF(key.x64 / 64.0, key.y64 / 64.0);
        // Room for a slant and a weight that the face's box leaves out.
        const qreal room = face.pixelSize() / 2 + 4;
        const QRect reach = box.translated(origin).adjusted(-room, -room, room, room).toAlignedRect()
            & QRect(0, 0, 1 << 14, 1 << 14);
        if (reach.isEmpty())
            return {QPainterPath(), QImage(), QPoint(), ++m_serial};
        if (m_canvas.width() <= reach.right() || m_canvas.height() <= reach.bottom()) {
            m_canvas = QImage(std::max(m_canvas.width(), reach.right() + 1),
                              std::max(m_canvas.height(), reach.bottom() + 1), QImage::Format_ARGB32_Premultiplied);
            m_canvas.fill(Qt::transparent);
        }
        QPainter painter(&m_canvas);
        painter.setTransform(QTransform::fromTranslate(key.labelOnScreen.x(), key.labelOnScreen.y()));
        painter.setPen(QColor::fromRgba(key.colour));
        QGlyphRun run;
        run.setRawFont(face);
        run.setGlyphIndexes({key.glyph});
        run.setPositions({QPointF(key.x64 / 64.0, key.y64 / 64.0)});
        painter.drawGlyphRun(QPointF(), run);
        painter.end();

        QRect ink;
        for (int y = reach.top(); y <= reach.bottom(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(m_canvas.constScanLine(y));
            for (int x = reach.left(); x <= reach.right(); ++x)
                if (qAlpha(line[x]))
                    ink |= QRect(x, y, 1, 1);
        }
        FilledGlyph filled{QPainterPath(), ink.isEmpty() ? QImage() : m_canvas.copy(ink),
                           ink.topLeft() - key.labelOnScreen, ++m_serial};
        for (int y = reach.top(); y <= reach.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb *>(m_canvas.scanLine(y)) + reach.left(), reach.width(), 0);
        return filled;
    }

    static bool inkNear(const FilledGlyph &glyph, QPoint at)
    {
        for (int y = at.y() - 1; y <= at.y() + 1; ++y)
            for (int x = at.x() - 1; x <= at.x() + 1; ++x) {
                const QPoint in = QPoint(x, y) - glyph.at;
                if (glyph.ink.valid(in) && qAlpha(glyph.ink.pixel(in)))
                    return true;
            }
        return false;
    }

    struct KeyHash
    {
        std::size_t operator()(const Key &key) const
        {
            return qHashMulti(key.outline, key.face, key.colour, key.glyph, key.labelOnScreen.x(),
                              key.labelOnScreen.y(), key.x64, key.y64);
        }
    };
    struct PairHash
    {
        std::size_t operator()(const std::pair<quint64, quint64> &pair) const
        {
            return qHashMulti(0, pair.first, pair.second);
        }
    };

    QHash<QString, int> m_faces;
    std::unordered_map<Key, FilledGlyph, KeyHash> m_glyphs;
    std::unordered_map<std::pair<quint64, quint64>, bool, PairHash> m_pairs;
    std::size_t m_bytes = 0;
    quint64 m_serial = 0;
    QImage m_canvas;
};

FilledGlyphs &filledGlyphs()
{
    static FilledGlyphs glyphs;
    return glyphs;
}

// The largest glyphs Qt draws from its glyph cache; larger ones it fills
// from their outlines.
int largestCachedGlyph()
{
    static const int pixels = [] {
        const int set = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
        return set > 0 ? set : 64;
    }();
    return pixels;
}

} // namespace

void NumberLabel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (paintFilledGlyphs(painter))
            return;
    }
    GameLabel::paintEvent(event);
}

bool NumberLabel::layOut()
{
    if (m_laidText == text() && m_laidFont == font() && m_laidFont.resolveMask() == font().resolveMask())
        return m_laidOut;
    m_laidText = text();
    m_laidFont = font();
    m_laidOut = false;
    m_glyphs.clear();
    m_positions.clear();
    // Only a line of printing characters is laid out as below.
    if (m_laidText.isEmpty()
        || !std::all_of(m_laidText.begin(), m_laidText.end(),
                        [](QChar c) { return c.isPrint() && !c.isSpace() && c != u'&'; }))
        return false;

    // As a plain label lays out its text: one line from its top left.
    QTextLayout layout(m_laidText, m_laidFont);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !layout.createLine().isValid();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (!oneLine || runs.size() != 1)
        return false;

    m_face = runs.front().rawFont();
    if (m_face.pixelSize() <= largestCachedGlyph())
        return false;
    QFont face = m_laidFont;
    face.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    m_faceKey = face.key() + u'|' + m_face.familyName() + u'|' + m_face.styleName();
    const QList<quint32> glyphs = runs.front().glyphIndexes();
    const QList<QPointF> positions = runs.front().positions();
    m_glyphs.assign(glyphs.begin(), glyphs.end());
    m_positions.assign(positions.begin(), positions.end());
    m_extent = QSizeF(line.naturalTextWidth(), line.height());
    m_laidOut = true;
    return true;
}

bool NumberLabel::paintFilledGlyphs(QPainter &painter)
{
    // What a plain label draws: its text from the top left of its contents
    // in its text colour, clipped to them where the text reaches past.
    if (!isEnabled() || wordWrap() || alignment() != (Qt::AlignLeft | Qt::AlignTop) || margin() != 0
        || indent() > 0 || frameWidth() != 0 || layoutDirection() != Qt::LeftToRight || !layOut())
        return false;
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxTranslate || device.dx() != std::floor(device.dx())
        || device.dy() != std::floor(device.dy()) || painter.opacity() != 1.0
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver
        || !painter.testRenderHint(QPainter::TextAntialiasing))
        return false;
    QStyleOption option;
    option.initFrom(this);
    const QBrush brush = option.palette.brush(foregroundRole());
    if (brush.style() != Qt::SolidPattern || brush.color().alpha() != 255)
        return false;

    const QRect contents = contentsRect();
    FilledGlyphs &filled = filledGlyphs();
    filled.trim();
    FilledGlyphs::Key key{filled.face(m_faceKey), brush.color().rgba(), 0,
                          QPoint(int(device.dx()), int(device.dy())), 0, 0, 0};
    QVarLengthArray<const FilledGlyph *, 16> laid;
    for (std::size_t i = 0; i < m_glyphs.size(); ++i) {
        // The outline as FreeType gives it now, glyph after glyph as a plain
        // label's paint asks for them.
        const QPainterPath outline = m_face.pathForGlyph(m_glyphs[i]);
        key.glyph = m_glyphs[i];
        key.x64 = qRound64((m_positions[i].x() + contents.left()) * 64);
        key.y64 = qRound64((m_positions[i].y() + contents.top()) * 64);
        key.outline = hashOf(outline);
        const FilledGlyph &glyph = filled.glyph(m_face, key, outline);
        if (glyph.ink.isNull())
            continue;
        for (const FilledGlyph *before : laid)
            if (!filled.apart(*before, glyph))
                return false;
        laid.push_back(&glyph);
    }
    if (!QRectF(contents).contains(QRectF(contents.topLeft(), m_extent)))
        painter.setClipRect(contents, Qt::IntersectClip);
    for (const FilledGlyph *glyph : laid)
        painter.drawImage(glyph->at, glyph->ink);
    return true;
}

NumberRow::NumberRow(GameLabel *number, std::vector<GameLabel *> commas, Commas placement)
    : m_number(number), m_commas(std::move(commas)), m_placement(std::move(placement))
{
}

NumberRow::NumberRow(GameLabel *number, std::vector<GameLabel *> commas)
    : NumberRow(number, std::move(commas), Commas{})
{
}

void NumberRow::show(const QString &digits)
{
    m_number->setText(digits);
    const std::vector<int> places = commaPlaces(int(digits.size()));
    const QFontMetrics metrics(m_number->font());
    const int spacing = qRound(m_number->font().letterSpacing());
    for (std::size_t i = 0; i < m_commas.size(); ++i) {
        GameLabel *comma = m_commas[i];
        if (i >= places.size()) {
            comma->setText(QString());
            continue;
        }
        const QFontMetrics commaMetrics(comma->font());
        const int gap = m_number->x() + metrics.horizontalAdvance(digits.left(places[i])) - spacing / 2
            + m_placement.nudge;
        const int lower = m_placement.lower.empty() ? 0 : m_placement.lower[std::min(i, m_placement.lower.size() - 1)];
        const int baseline = m_number->y() + metrics.ascent() + lower;
        comma->setText(Comma);
        comma->move(gap - commaMetrics.tightBoundingRect(Comma).center().x(), baseline - commaMetrics.ascent());
    }
}

} // namespace drill
