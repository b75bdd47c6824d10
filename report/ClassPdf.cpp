#include "report/ClassPdf.h"

#include "ui/Widgets.h"
#include "users/DrillTable.h"
#include "users/PrintedPages.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {

constexpr int Resolution = 300;   // dots per inch of the page

double mm(double millimetres)
{
    return millimetres * Resolution / 25.4;
}

QString gradeOrPassed(const DrillRow &row)
{
    const DrillFigures &f = row.figures;
    if (f.bestGrade > 0)
        return QString::number(f.bestGrade) + QStringLiteral("級");
    return passedText(row.drill, f.highestPassed);
}

using Column = users::PrintedColumn;
using users::printedDate;
using Pages = users::PrintedPages;

std::vector<Column> classColumns()
{
    std::vector<Column> columns{{34, QStringLiteral("名前")}};
    for (const DrillInfo &info : allDrills())
        columns.push_back({20, info.menuCaption.toString()});
    columns.push_back({22, QStringLiteral("最後の日")});
    return columns;
}

QStringList classCells(const ChildReport &child)
{
    QStringList cells{child.name};
    for (const DrillRow &row : child.drills) {
        if (!row.problem.isEmpty()) {
            cells << QStringLiteral("読めない\nファイル");
            continue;
        }
        const QString reached = gradeOrPassed(row);
        cells << QStringLiteral("%1回").arg(row.figures.rounds)
                     + (reached.isEmpty() ? QString() : QLatin1Char('\n') + reached);
    }
    cells << printedDate(child.last());
    return cells;
}

void childPage(Pages &pages, const ChildReport &child, QDate today)
{
    double y = 0;
    pages.title(child.name, y);
    const QDate first = child.first(), last = child.last();
    pages.line(first.isValid() ? QStringLiteral("%1 から %2 までの きろく（%3 げんざい）")
                                     .arg(printedDate(first), printedDate(last), printedDate(today))
                               : QStringLiteral("あそんだ きろくは ありません（%1 げんざい）").arg(printedDate(today)),
               y);
    y += mm(3);
    const std::vector<Column> columns = {
        {30, QStringLiteral("ドリル")},   {14, QStringLiteral("回数")},
        {22, QStringLiteral("最初の日")}, {22, QStringLiteral("最後の日")},
        {14, QStringLiteral("7日間")},    {14, QStringLiteral("30日間")},
        {26, QStringLiteral("合格した レベル / 級")}, {38, QStringLiteral("にがて")},
    };
    pages.headingRow(columns, y, mm(11));
    y += mm(11);
    QStringList notes;
    for (const DrillRow &row : child.drills) {
        const DrillFigures &f = row.figures;
        const QString caption = drillInfo(row.drill).menuCaption.toString();
        QStringList cells{caption};
        if (row.problem.isEmpty()) {
            cells << QString::number(f.rounds) << printedDate(f.first) << printedDate(f.last)
                  << QString::number(f.lastWeek) << QString::number(f.lastMonth)
                  << gradeOrPassed(row) << f.weakest.join(QStringLiteral("  "));
        } else {
            cells << QString() << QString() << QString() << QString() << QString() << QString()
                  << QStringLiteral("読めない ファイルが あります（※）");
            notes << row.problem;
        }
        pages.row(columns, cells, y, mm(12), false);
        y += mm(12);
    }
    if (!child.memoryProblem.isEmpty())
        notes << child.memoryProblem;
    y += mm(6);
    for (const QString &note : std::as_const(notes))
        pages.line(QStringLiteral("※ ") + note, y, 3.2);
}

} // namespace

bool writeClassPdf(const QString &file, const std::vector<ChildReport> &children, QDate today)
{
    ui::installFontSubstitutes();
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QPdfWriter writer(&out);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("すうじのしま クラスの きろく"));
    writer.setCreator(QStringLiteral("sujinoshima-report"));

    const std::vector<Column> columns = classColumns();
    const double heading = mm(11), rowHeight = mm(11);
    // The first page has the title above the table.
    const double tableTop = mm(12) + mm(8);
    const QRect area = writer.pageLayout().paintRectPixels(Resolution);
    const double room = area.height() - mm(10);
    const int firstRows = std::max(1, int((room - tableTop - heading) / rowHeight));
    const int laterRows = std::max(1, int((room - heading) / rowHeight));
    const int count = int(children.size());
    const int classPages =
        count <= firstRows ? 1 : 1 + (count - firstRows + laterRows - 1) / laterRows;

    Pages pages(writer, classPages + count);
    if (!pages.isActive())
        return false;
    double y = 0;
    pages.title(QStringLiteral("クラスの きろく"), y);
    pages.line(QStringLiteral("%1 げんざい　%2 にん　（ドリルごとに 回数 と、合格した 一番上の レベル、"
                              "たしざんは 一番よい 級）")
                   .arg(printedDate(today))
                   .arg(count),
               y, 3.2);
    y = tableTop;
    pages.headingRow(columns, y, heading);
    y += heading;
    for (const ChildReport &child : children) {
        if (y + rowHeight > pages.bottom()) {
            pages.next();
            y = 0;
            pages.headingRow(columns, y, heading);
            y += heading;
        }
        pages.row(columns, classCells(child), y, rowHeight, false);
        y += rowHeight;
    }
    for (const ChildReport &child : children) {
        pages.next();
        childPage(pages, child, today);
    }
    const bool finished = pages.finish();
    out.close();
    return finished && out.error() == QFileDevice::NoError;
}

} // namespace report
