#include "users/PrintedPages.h"

#include "ui/Widgets.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QWidget>

#include <algorithm>

namespace users {

QString printedDate(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy/M/d")) : QStringLiteral("―");
}

PrintedPages::PrintedPages(QPagedPaintDevice &device, int total)
    : m_device(device), m_painter(&device), m_total(total),
      m_dotsPerMillimetre(device.logicalDpiY() / 25.4)
{
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    m_width = area.width();
    m_height = area.height();
}

QFont PrintedPages::face(double millimetres, bool bold) const
{
    return ui::font(std::max(1, int(mm(millimetres))), bold ? ui::Bold : ui::Plain);
}

void PrintedPages::next()
{
    footer();
    m_device.newPage();
}

bool PrintedPages::finish()
{
    footer();
    return m_painter.end();
}

void PrintedPages::title(const QString &text, double &y)
{
    m_painter.setFont(face(6, true));
    const QRectF box(0, y, m_width, mm(10));
    m_painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                       QFontMetricsF(m_painter.font()).elidedText(text, Qt::ElideRight, m_width));
    y += mm(12);
}

void PrintedPages::line(const QString &text, double &y, double size)
{
    m_painter.setFont(face(size));
    const QRectF box(0, y, m_width, m_height);
    const QRectF used = m_painter.boundingRect(box, Qt::TextWordWrap, text);
    m_painter.drawText(box, Qt::TextWordWrap, text);
    y += used.height() + mm(1.5);
}

void PrintedPages::row(const std::vector<PrintedColumn> &columns, const QStringList &cells, double y,
                       double height, bool heading, double left, double textSize)
{
    double x = left;
    // A heading as long as "かけざん大作戦" fits its column on one line.
    m_painter.setFont(face(heading ? textSize * 0.8 : textSize, heading));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QRectF cell(x, y, mm(columns[i].width), height);
        if (heading)
            m_painter.fillRect(cell, QColor(225, 225, 225));
        m_painter.setPen(QPen(Qt::black, mm(0.2)));
        m_painter.drawRect(cell);
        const QRectF inside = cell.adjusted(mm(1), mm(0.5), -mm(1), -mm(0.5));
        const Qt::Alignment align = i == 0 && !heading ? Qt::AlignLeft : Qt::AlignHCenter;
        QString text = cells.value(qsizetype(i));
        if (i == 0 && !heading)
            text = QFontMetricsF(m_painter.font()).elidedText(text, Qt::ElideRight, inside.width());
        m_painter.drawText(inside, int(align | Qt::AlignVCenter) | Qt::TextWordWrap, text);
        x += mm(columns[i].width);
    }
}

void PrintedPages::headingRow(const std::vector<PrintedColumn> &columns, double y, double height, double left,
                              double textSize)
{
    QStringList headings;
    for (const PrintedColumn &column : columns)
        headings << column.heading;
    row(columns, headings, y, height, true, left, textSize);
}

void PrintedPages::drawWidget(QWidget &widget, const QRectF &box)
{
    const double scale = std::min(box.width() / widget.width(), box.height() / widget.height());
    m_painter.save();
    m_painter.translate(box.topLeft());
    m_painter.scale(scale, scale);
    widget.render(&m_painter, QPoint(), QRegion(), QWidget::DrawChildren);
    m_painter.restore();
}

void PrintedPages::footer()
{
    ++m_page;
    m_painter.setFont(face(2.8));
    m_painter.drawText(QRectF(0, m_height - mm(6), m_width, mm(6)), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("すうじのしま  %1 / %2").arg(m_page).arg(m_total));
}

} // namespace users
