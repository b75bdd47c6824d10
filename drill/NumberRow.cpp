#include "drill/NumberRow.h"

#include "drill/Texts.h"

#include <QFontMetrics>

#include <algorithm>

namespace drill {

namespace {

const QString Comma = QStringLiteral("，");

} // namespace

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
