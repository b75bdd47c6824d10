#pragma once

#include <QLabel>
#include <QPainter>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

// A number as a child reads it with its commas: 9604 gives "9，604".
inline QString withCommas(qint64 number)
{
    QString text = QString::number(number);
    for (qsizetype at = text.size() - 3; at > 0; at -= 3)
        text.insert(at, u'，');
    return text;
}

namespace number_rows {

// The ink of a text drawn as a plain label of `label`'s size and face draws
// it, in the label's parent's coordinates: every pixel it touches at all.
class Ink
{
public:
    Ink() = default;
    Ink(const QImage &drawn, QPoint at) : m_image(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied)), m_at(at)
    {
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                if (qAlpha(m_image.pixel(x, y)))
                    m_box |= QRect(x, y, 1, 1);
        m_box.translate(at);
    }
    // What `label` itself draws, on nothing.
    static Ink ofLabel(QLabel *label)
    {
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return Ink(image, label->pos());
    }
    static Ink ofText(const QLabel *label, const QString &text)
    {
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(QPalette::WindowText));
        painter.drawText(label->contentsRect(), int(Qt::AlignLeft | Qt::AlignTop), text);
        painter.end();
        return Ink(image, label->pos());
    }

    bool at(QPoint p) const { return m_box.contains(p) && qAlpha(m_image.pixel(p - m_at)); }
    const QRect &box() const { return m_box; }
    const QImage &image() const { return m_image; }
    // The ink's leftmost and rightmost pixel in row y, if it has any there.
    std::optional<std::pair<int, int>> row(int y) const
    {
        std::optional<std::pair<int, int>> found;
        for (int x = m_box.left(); x <= m_box.right(); ++x)
            if (at({x, y}))
                found = std::pair{found ? found->first : x, x};
        return found;
    }

private:
    QImage m_image;
    QPoint m_at;
    QRect m_box;
};

} // namespace number_rows

// How a long number on screen reads: the digits of its label, and a "，"
// wherever one of `commas` stands in the room between two digits. A comma
// reads "!" where its ink touches the digits' or strays, row by row, from
// between the two digits it separates; commas whose ink lies outside the
// number's label are left out. The number's label must also draw exactly
// as a plain label of its face and colour does.
inline QString readNumberRow(QLabel *number, const std::vector<QLabel *> &commas)
{
    using number_rows::Ink;
    const QString digits = number->text();
    const Ink whole = Ink::ofText(number, digits);
    const QImage shown = Ink::ofLabel(number).image();
    int otherwise = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            otherwise += shown.pixel(x, y) != whole.image().pixel(x, y);
    EXPECT_EQ(otherwise, 0) << number->objectName().toStdString() << " \"" << digits.toStdString()
                            << "\": pixels drawn otherwise than by a plain label";

    // Each digit's ink: what the text up to it inks more than the text before it.
    std::vector<Ink> upTo{Ink()};
    for (int i = 1; i <= digits.size(); ++i)
        upTo.push_back(i == digits.size() ? whole : Ink::ofText(number, digits.left(i)));
    const auto digitAt = [&](int digit, QPoint p) { return upTo[digit + 1].at(p) && !upTo[digit].at(p); };
    const auto digitCentre = [&](int digit) {
        const QRect box = upTo[digit + 1].box();
        int sum = 0, count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (digitAt(digit, {x, y}))
                    sum += x, ++count;
        return count ? double(sum) / count : double(box.center().x());
    };

    std::vector<std::pair<int, QString>> marks;
    for (QLabel *comma : commas) {
        if (comma->text().isEmpty())
            continue;
        EXPECT_EQ(comma->parentWidget(), number->parentWidget()) << comma->objectName().toStdString();
        const Ink ink = Ink::ofLabel(comma);
        if (!ink.box().intersects(number->geometry()))
            continue;
        // The gap it stands in: after the digits whose ink lies left of its middle.
        int before = 0;
        while (before < digits.size() && digitCentre(before) < ink.box().center().x())
            ++before;
        bool clear = before > 0 && before < digits.size() && ink.box().top() <= whole.box().bottom();
        for (int y = ink.box().top(); y <= ink.box().bottom() && clear; ++y) {
            const auto own = ink.row(y);
            if (!own)
                continue;
            for (int x = own->first; x <= own->second && clear; ++x)
                clear = !(ink.at({x, y}) && whole.at({x, y}));
            for (int digit = 0; digit < digits.size() && clear; ++digit) {
                for (int x = whole.box().left(); x <= whole.box().right() && clear; ++x)
                    if (digitAt(digit, {x, y}))
                        clear = digit < before ? x < own->first : x > own->second;
            }
        }
        marks.push_back({before, clear ? comma->text() : QStringLiteral("!")});
    }
    std::stable_sort(marks.begin(), marks.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QString reading = digits;
    for (const auto &[before, mark] : marks)
        reading.insert(before, mark);
    return reading;
}
