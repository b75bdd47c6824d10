#include "users/RecordsChartView.h"

#include "users/RoundRecord.h"

#include "ui/Widgets.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using users::RecordsChart;

namespace {

// The chart's plot area inside its 377 × 457 box: room on the left for the
// numbers of the upright axis, above for its caption and the key, and
// below for the names of the columns.
constexpr int PlotLeft = 52;
constexpr int PlotRight = 362;
constexpr int PlotTop = 60;
constexpr int PlotBottom = 372;
// Above the tallest column: its number and its star.
constexpr int Headroom = 44;

constexpr QRgb Panel = 0xFFFFFF;
constexpr QRgb PanelEdge = 0x9CC3E6;
constexpr QRgb GridLine = 0xDCE8F2;
constexpr QRgb Axis = 0x404040;
constexpr QRgb Caption = 0x1E3C8C;
constexpr QRgb BarFill = 0x7FE8FF;   // the game's aqua, softened
constexpr QRgb BarEdge = 0x1E64C8;
constexpr QRgb StarFill = ui::Yellow;
constexpr QRgb StarEdge = 0xF08C00;
constexpr QRgb Hint = 0x8C8C8C;
// The three addition levels.
constexpr std::array<QRgb, 3> LevelColours = {0x1E50FF, 0xF03C3C, 0x00A046};

// Words in the game's proportional face; numbers in the face whose digits
// are half-width, so that long counts stay narrow.
QFont words(int pixels) { return ui::font(pixels, ui::Bold); }
QFont digits(int pixels) { return ui::font(pixels, ui::Bold, ui::FixedGothic); }

void star(QPainter &painter, QPointF centre, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    painter.setPen(QPen(QColor(StarEdge), 1.5));
    painter.setBrush(QColor(StarFill));
    painter.drawPath(path);
}

void text(QPainter &painter, const QRectF &box, int flags, const QFont &font, QRgb colour,
          const QString &text)
{
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(box, flags, text);
}

// A text read top to bottom, one character under the other.
void upright(QPainter &painter, qreal centreX, qreal top, const QFont &font, const QString &word)
{
    const qreal step = QFontMetricsF(font).height() * 0.82;
    for (qsizetype i = 0; i < word.size(); ++i)
        text(painter, QRectF(centreX - 20, top + i * step, 40, step), Qt::AlignCenter, font,
             ui::Black, word.mid(i, 1));
}

// The upright axis: a grid line and a number at each of `values`, placed by `y`.
template <class Y>
void valueAxis(QPainter &painter, const std::vector<int> &values, Y y)
{
    for (int value : values) {
        const qreal at = y(value);
        painter.setPen(QPen(QColor(GridLine), 1));
        painter.drawLine(QPointF(PlotLeft, at), QPointF(PlotRight, at));
        text(painter, QRectF(0, at - 10, PlotLeft - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
             digits(17), ui::Black, QString::number(value));
    }
}

void axes(QPainter &painter)
{
    painter.setPen(QPen(QColor(Axis), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(PlotLeft, PlotTop - 8, PlotLeft, PlotBottom);
    painter.drawLine(PlotLeft, PlotBottom, PlotRight, PlotBottom);
}

void emptyHint(QPainter &painter, const RecordsChart &chart)
{
    if (chart.rounds == 0)
        text(painter, QRectF(PlotLeft, PlotTop, PlotRight - PlotLeft, PlotBottom - PlotTop - 40),
             Qt::AlignCenter, words(20), Hint, QStringLiteral("まだ きろくが ないよ"));
}

// "★ ごうかく" in the top right-hand corner.
void starKey(QPainter &painter)
{
    star(painter, QPointF(258, 26), 9);
    text(painter, QRectF(272, 14, 100, 24), Qt::AlignLeft | Qt::AlignVCenter, words(18),
         ui::Black, QStringLiteral("ごうかく"));
}

// A round step for the counts axis (1, 2, 5, 10, 20, 50 …) giving at most
// five steps up to `most`.
int countStep(int most)
{
    for (int scale = 1;; scale *= 10) {
        for (int step : {scale, 2 * scale, 5 * scale}) {
            if (most <= 5 * step || step >= 200000000)
                return step;
        }
    }
}

void paintGrades(QPainter &painter, const RecordsChart &chart)
{
    text(painter, QRectF(8, 14, 120, 24), Qt::AlignLeft | Qt::AlignVCenter, words(18), Caption,
         QStringLiteral("きゅう"));
    for (std::size_t level = 0; level < LevelColours.size(); ++level) {
        const qreal x = 130 + qreal(level) * 80;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(LevelColours[level]));
        painter.drawEllipse(QPointF(x + 6, 26), 6, 6);
        text(painter, QRectF(x + 15, 14, 70, 24), Qt::AlignLeft | Qt::AlignVCenter, words(15),
             ui::Black, QStringLiteral("れべる") + QChar(0xFF11 + int(level)));
    }

    const qreal row = qreal(PlotBottom - PlotTop) / 10;
    const auto y = [&](double grade) { return PlotTop + (grade - 0.5) * row; };
    valueAxis(painter, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, y);
    axes(painter);

    // Few rounds sit to the left, as wide apart as ten would be.
    const qreal step = qreal(PlotRight - PlotLeft - 6) / std::max(chart.slotCount, 10);
    const auto x = [&](int slot) { return PlotLeft + 6 + (slot + 0.5) * step; };
    const qreal radius = std::clamp(step * 0.45, 4.0, 7.0);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int level = 1; level <= 3; ++level) {
        const QColor colour(LevelColours[std::size_t(level - 1)]);
        QPolygonF line;
        for (const users::GradePoint &point : chart.points) {
            if (point.level == level)
                line << QPointF(x(point.slot), y(point.grade));
        }
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        painter.setPen(QPen(QColor(Panel), 1.5));
        painter.setBrush(colour);
        for (const QPointF &at : std::as_const(line))
            painter.drawEllipse(at, radius, radius);
    }

    // Oldest on the left, newest on the right.
    const QFont font = words(18);
    text(painter, QRectF(PlotLeft, PlotBottom + 8, 100, 26), Qt::AlignLeft | Qt::AlignVCenter,
         font, Caption, QStringLiteral("はじめ"));
    text(painter, QRectF(PlotRight - 100, PlotBottom + 8, 100, 26),
         Qt::AlignRight | Qt::AlignVCenter, font, Caption, QStringLiteral("いま"));
    const qreal arrowY = PlotBottom + 21;
    const qreal from = PlotLeft + QFontMetricsF(font).horizontalAdvance(QStringLiteral("はじめ")) + 12;
    const qreal to = PlotRight - QFontMetricsF(font).horizontalAdvance(QStringLiteral("いま")) - 12;
    painter.setPen(QPen(QColor(Caption), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(from, arrowY), QPointF(to, arrowY));
    painter.drawLine(QPointF(to, arrowY), QPointF(to - 8, arrowY - 6));
    painter.drawLine(QPointF(to, arrowY), QPointF(to - 8, arrowY + 6));
    if (chart.roundsPerSlot > 1) {
        text(painter, QRectF(PlotLeft, PlotBottom + 40, PlotRight - PlotLeft, 24),
             Qt::AlignRight | Qt::AlignVCenter, words(15), Hint,
             QStringLiteral("●ひとつで %1かいぶん").arg(chart.roundsPerSlot));
    }
    emptyHint(painter, chart);
}

void paintColumns(QPainter &painter, const RecordsChart &chart)
{
    const bool tables = chart.kind == RecordsChart::Kind::Tables;
    text(painter, QRectF(8, 14, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, words(18), Caption,
         tables ? QStringLiteral("やったかいすう") : QStringLiteral("ぽいんと"));
    starKey(painter);

    int most = users::PointsOfAPassedLevel;
    int step = 1;
    if (tables) {
        int tried = 0;
        for (const users::ChartColumn &column : chart.columns)
            tried = std::max(tried, column.value);
        step = countStep(tried);
        most = std::max(5, (tried + step - 1) / step * step);
    }
    const qreal height = PlotBottom - PlotTop - Headroom + 8;
    const auto y = [&](int value) { return PlotBottom - height * value / most; };
    std::vector<int> values;
    for (int value = 0; value <= most; value += step)
        values.push_back(value);
    valueAxis(painter, values, y);
    axes(painter);

    const int count = int(chart.columns.size());
    const qreal width = qreal(PlotRight - PlotLeft - 4) / std::max(count, 1);
    const QFont names = digits(count > 11 ? 16 : 19);
    // Level numbers too wide for their columns take two rows, odd levels
    // above and even ones below.
    const bool twoRows =
        QFontMetricsF(names).horizontalAdvance(QStringLiteral("20")) + 6 > width;
    const qreal starRadius = std::min(width * 0.5, 11.0);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        const users::ChartColumn &column = chart.columns[std::size_t(i)];
        const qreal centre = PlotLeft + 4 + (i + 0.5) * width;
        const qreal top = y(column.value);
        if (column.value > 0) {
            const QRectF bar(centre - width * 0.32, top, width * 0.64, PlotBottom - top);
            painter.setPen(QPen(QColor(BarEdge), 1.5));
            painter.setBrush(QColor(BarFill));
            painter.drawRoundedRect(bar.adjusted(0, 0, 0, 3), 3, 3);
        }
        qreal above = top;
        if (tables && column.value > 0) {
            const QString number = QString::number(column.value);
            const QFont font = digits(15);
            if (QFontMetricsF(font).horizontalAdvance(number) <= width) {
                text(painter, QRectF(centre - width / 2, top - 19, width, 18), Qt::AlignCenter,
                     font, ui::Black, number);
                above -= 18;
            }
        }
        if (column.passed)
            star(painter, QPointF(centre, above - starRadius - 2), starRadius);
        // The column's name under the axis; the two worded tables read downwards.
        const qreal labelTop = PlotBottom + 4 + (twoRows && i % 2 == 1 ? 20 : 0);
        if (labelTop > PlotBottom + 4) {
            painter.setPen(QPen(QColor(GridLine), 1.5));
            painter.drawLine(QPointF(centre, PlotBottom + 3), QPointF(centre, labelTop + 3));
        }
        if (column.label.size() > 2)
            upright(painter, centre, labelTop, words(15), column.label);
        else
            text(painter, QRectF(centre - width / 2 - 6, labelTop, width + 12, 24),
                 Qt::AlignCenter, names, ui::Black, column.label);
    }
    // The caption of the columns, under the numbers of the upright axis.
    text(painter, QRectF(0, PlotBottom + 4, PlotLeft - 4, 24), Qt::AlignRight | Qt::AlignVCenter,
         words(16), Caption, tables ? QStringLiteral("だん") : QStringLiteral("れべる"));
    emptyHint(painter, chart);
}

} // namespace

RecordsChartView::RecordsChartView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
}

void RecordsChartView::setChart(users::RecordsChart chart)
{
    m_chart = std::move(chart);
    update();
}

void RecordsChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(PanelEdge), 2));
    painter.setBrush(QColor(Panel));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_chart.kind == RecordsChart::Kind::Grades)
        paintGrades(painter, m_chart);
    else
        paintColumns(painter, m_chart);
}
