#pragma once

#include <QDate>
#include <QFont>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace users {

// A date as the printed pages write it: "2026/12/9"; "―" for none.
QString printedDate(QDate date);

// One column of a printed table: its width in millimetres and its heading.
struct PrintedColumn
{
    double width;
    QString heading;
};

// The pages of a report on paper, a printer's or a PDF's, in the game's
// face. Places are in the device's own units from the top left of the
// printable area (mm() turns millimetres into them), so text and lines are
// as sharp as the paper allows; every page ends with its footer,
// "すうじのしま  n / N".
class PrintedPages
{
public:
    // The pages' count, for the footers, may be set once the layout is known.
    explicit PrintedPages(QPagedPaintDevice &device, int total = 0);
    void setTotal(int total) { m_total = total; }

    // False when the device could not be painted on (a file that cannot be written).
    bool isActive() const { return m_painter.isActive(); }
    QPainter &painter() { return m_painter; }
    double mm(double millimetres) const { return millimetres * m_dotsPerMillimetre; }
    QFont face(double millimetres, bool bold = false) const;
    double width() const { return m_width; }
    double height() const { return m_height; }
    // The room above the footer.
    double bottom() const { return m_height - mm(10); }

    // Ends the page being drawn with its footer, and starts the next one.
    void next();
    // Ends the last page; false when the pages could not all be written.
    bool finish();

    // A heading across the page, moving `y` below it.
    void title(const QString &text, double &y);
    // A paragraph wrapped within the page, `size` millimetres high.
    void line(const QString &text, double &y, double size = 3.5);
    // A table row from the left edge: each cell's text centred (the first
    // left), wrapped within its cell; a heading row is shaded.
    void row(const std::vector<PrintedColumn> &columns, const QStringList &cells, double y,
             double height, bool heading, double left = 0, double textSize = 3.0);
    // The heading row of a table: each column's heading.
    void headingRow(const std::vector<PrintedColumn> &columns, double y, double height, double left = 0,
                    double textSize = 3.0);
    // What a widget draws (a chart, a map), scaled to fit a box of the page
    // and painted there line by line, not as a picture of the screen.
    void drawWidget(QWidget &widget, const QRectF &box);

private:
    void footer();

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    int m_total;
    int m_page = 0;
    double m_dotsPerMillimetre;
    double m_width = 0, m_height = 0;
};

} // namespace users
