#pragma once

#include "ui/Widgets.h"

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QSizeF>
#include <QString>

#include <vector>

namespace drill {

// The label of a question's long number. Qt draws glyphs larger than 64
// pixels by filling their outlines anew at every paint, which makes a screen
// of long numbers slow to draw. This label fills each glyph once, as a plain
// label fills it at that place on the screen, and lays the filled glyph down
// again at later paints. Where two glyphs come near enough to share a pixel,
// and wherever the label is drawn scaled, it draws as a plain label does.
// Either way the pixels are the same.
class NumberLabel : public GameLabel
{
public:
    using GameLabel::GameLabel;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool paintFilledGlyphs(QPainter &painter);
    // Where the glyphs of the text stand, as the plain label lays them out;
    // false when the text is not one run of one face.
    bool layOut();

    QString m_laidText;
    QFont m_laidFont;
    bool m_laidOut = false;
    QRawFont m_face;
    QString m_faceKey;
    std::vector<quint32> m_glyphs;
    std::vector<QPointF> m_positions;
    QSizeF m_extent;
};

// A long number on a drill's screen: its digits in one label, and a
// full-width "，" over each gap between groups of three digits from the
// right, each a label of its own laid over the number. A comma stands
// centred on the middle of the room after the digit before it, its baseline
// a little below the digits'.
class NumberRow
{
public:
    struct Commas
    {
        // How far below the digits' baseline each comma's baseline stands,
        // left to right; commas past the end of the list stand as its last.
        std::vector<int> lower{0};
        // How far right of the middle of the room between the digits.
        int nudge = 0;
    };

    NumberRow() = default;
    NumberRow(GameLabel *number, std::vector<GameLabel *> commas, Commas placement);
    // Commas centred on the room between the digits, on their baseline.
    NumberRow(GameLabel *number, std::vector<GameLabel *> commas);

    // Shows `digits` and its commas, as many as the row has labels for;
    // the commas it does not use are emptied and left where they stand.
    void show(const QString &digits);

    GameLabel *number() const { return m_number; }

private:
    GameLabel *m_number = nullptr;
    std::vector<GameLabel *> m_commas;
    Commas m_placement;
};

} // namespace drill
