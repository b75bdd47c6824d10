#include "users/RecordsPrintout.h"

#include "users/FactMap.h"
#include "users/FactMapView.h"
#include "users/HistoryLine.h"
#include "users/PrintedPages.h"
#include "users/RecordsChart.h"
#include "users/RecordsChartView.h"
#include "users/RoundRecord.h"

#include <QPagedPaintDevice>

#include <algorithm>

namespace users {

namespace {

// The records table's columns, as wide as on the screen in proportion.
constexpr double ColumnShares[] = {100, 123, 75, 64};
constexpr double TableWidth = 88;     // millimetres, two tables side by side
constexpr double TableGap = 4;
constexpr double RowHeight = 5.5;
constexpr double TableTop = 22;       // below the page's heading
constexpr double TableText = 3.4;
// The weakest facts listed beside the chart.
constexpr int WeakestPrinted = 8;

// The on-screen sizes of the chart and the map, drawn scaled.
const QSize ChartSize(377, 457);
const QSize MapSize(624, 376);

bool played(const DrillRow &row)
{
    return !row.rounds.isEmpty() || !row.problem.isEmpty();
}

std::vector<PrintedColumn> tableColumns(Drill drill)
{
    const QStringList headings = splitHistoryLine(drillInfo(drill).recordsHeader);
    double shares = 0;
    for (double share : ColumnShares)
        shares += share;
    // A column the drill leaves empty (the fourth of a table drill) is not printed.
    std::vector<PrintedColumn> columns;
    for (std::size_t i = 0; i < std::size(ColumnShares); ++i)
        if (!headings.value(qsizetype(i)).isEmpty())
            columns.push_back({TableWidth * ColumnShares[i] / shares, headings.value(qsizetype(i))});
    return columns;
}

struct Layout
{
    int rowsPerColumn;

    explicit Layout(const PrintedPages &pages)
        : rowsPerColumn(std::max(1, int((pages.bottom() - pages.mm(TableTop)) / pages.mm(RowHeight)) - 1))
    {
    }
    int perPage() const { return 2 * rowsPerColumn; }
    int tablePages(const DrillRow &row) const
    {
        const int printed = std::min<int>(int(row.rounds.size()), PrintedRounds);
        return (printed + perPage() - 1) / perPage();
    }
};

QString passedLine(const DrillRow &row)
{
    QStringList captions;
    for (int level : row.passed)
        captions << levelCaption(row.drill, level);
    QString text = captions.isEmpty() ? QStringLiteral("ごうかくした ところは まだ ありません")
                                      : QStringLiteral("ごうかくした ところ:  ") + captions.join(QStringLiteral("  "));
    if (row.figures.bestGrade > 0)
        text += QStringLiteral("\nいちばん よい きゅう:  %1級").arg(row.figures.bestGrade);
    return text;
}

// Beside the chart: the drill's weakest facts with how they were answered,
// for a parent to practise with the child.
void weakestTable(PrintedPages &pages, const DrillRow &row, const DrillMemory &memory, double left, double top)
{
    const QStringList weakest = weakestFacts(memory, WeakestPrinted);
    if (weakest.isEmpty())
        return;
    const std::vector<PrintedColumn> columns = {
        {28, QStringLiteral("もんだい")}, {20, QStringLiteral("こたえた")},
        {20, QStringLiteral("まちがい")}, {20, QStringLiteral("1もん")}};
    const double height = pages.mm(RowHeight);
    pages.painter().setFont(pages.face(3.5, true));
    pages.painter().drawText(QRectF(left, top, pages.mm(88), pages.mm(7)), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("にがてな もんだい"));
    top += pages.mm(8);
    pages.headingRow(columns, top, height, left, TableText);
    for (const QString &fact : weakest) {
        top += height;
        const FactTally &tally = memory.facts.at(fact);
        pages.row(columns,
                  {factText(row.drill, fact), QStringLiteral("%1かい").arg(tally.asked),
                   QStringLiteral("%1かい").arg(tally.wrong),
                   QStringLiteral("%1びょう").arg(tally.meanMilliseconds() / 1000.0, 0, 'f', 1)},
                  top, height, false, left, TableText);
    }
}

void drillPage(PrintedPages &pages, const ChildReport &child, const DrillRow &row)
{
    double y = 0;
    pages.title(child.name + QStringLiteral("さんの きろく　") + drillInfo(row.drill).menuCaption.toString(), y);
    const DrillFigures &f = row.figures;
    if (!row.problem.isEmpty()) {
        pages.line(QStringLiteral("よめない ファイルが あるので、この ドリルの きろくは のせて いません。\n※ ")
                       + row.problem,
                   y);
        return;
    }
    pages.line(QStringLiteral("%1 から %2 まで  ぜんぶで %3かい（さいごの 7にちで %4かい、30にちで %5かい）")
                   .arg(printedDate(f.first), printedDate(f.last))
                   .arg(f.rounds)
                   .arg(f.lastWeek)
                   .arg(f.lastMonth),
               y);
    pages.line(passedLine(row), y);
    if (!child.memoryProblem.isEmpty())
        pages.line(QStringLiteral("※ ") + child.memoryProblem, y, 3.2);
    y += pages.mm(2);

    // The chart on the left, the map of weak facts across the page below it.
    const double mapHeight = pages.width() * MapSize.height() / MapSize.width();
    const double chartHeight = std::min(pages.bottom() - y - mapHeight - pages.mm(4),
                                        pages.mm(85) * ChartSize.height() / ChartSize.width());
    RecordsChartView chart(nullptr);
    chart.resize(ChartSize);
    chart.setChart(recordsChart(row.drill, row.rounds));
    pages.drawWidget(chart, QRectF(0, y, pages.width(), chartHeight));
    const DrillMemory memory = child.memory.of(row.drill);
    weakestTable(pages, row, memory, pages.mm(92), y);

    FactMapView map(nullptr);
    map.resize(MapSize);
    if (hasFactGrid(row.drill)) {
        map.setGrid(factGrid(row.drill, memory));
    } else {
        map.setLevels(levelFigures(row.drill, memory));
        map.setPassed(row.passed);
    }
    pages.drawWidget(map, QRectF(0, pages.bottom() - mapHeight, pages.width(), mapHeight));
}

void tablePage(PrintedPages &pages, const ChildReport &child, const DrillRow &row, const Layout &layout,
               int page)
{
    double y = 0;
    pages.title(child.name + QStringLiteral("さんの きろく　") + drillInfo(row.drill).menuCaption.toString(), y);
    const int total = int(row.rounds.size());
    const int printed = std::min(total, PrintedRounds);
    const int firstPrinted = total - printed;
    if (page == 0) {
        pages.line(firstPrinted > 0 ? QStringLiteral("あたらしい %1かいの きろく（その まえに %2かい あそんで います）")
                                          .arg(printed)
                                          .arg(firstPrinted)
                                    : QStringLiteral("ぜんぶの きろく（%1かい）").arg(printed),
                   y);
    }
    const std::vector<PrintedColumn> columns = tableColumns(row.drill);
    const double rowHeight = pages.mm(RowHeight);
    for (int half = 0; half < 2; ++half) {
        const int start = firstPrinted + page * layout.perPage() + half * layout.rowsPerColumn;
        if (start >= total)
            break;
        const double left = half * pages.mm(TableWidth + TableGap);
        double top = pages.mm(TableTop);
        pages.headingRow(columns, top, rowHeight, left, TableText);
        for (int i = start; i < std::min(total, start + layout.rowsPerColumn); ++i) {
            top += rowHeight;
            pages.row(columns, splitHistoryLine(row.rounds[i]), top, rowHeight, false, left, TableText);
        }
    }
}

} // namespace

bool printChildRecords(QPagedPaintDevice &device, const ChildReport &child, QDate today)
{
    std::vector<const DrillRow *> rows;
    for (const DrillRow &row : child.drills)
        if (played(row))
            rows.push_back(&row);

    // The pages are counted first, for the footers' "n / N".
    PrintedPages pages(device);
    if (!pages.isActive())
        return false;
    const Layout layout(pages);
    int total = 0;
    for (const DrillRow *row : rows)
        total += 1 + (row->problem.isEmpty() ? layout.tablePages(*row) : 0);
    pages.setTotal(std::max(total, 1));

    if (rows.empty()) {
        double y = 0;
        pages.title(child.name + QStringLiteral("さんの きろく"), y);
        pages.line(QStringLiteral("まだ あそんだ きろくが ありません（%1）").arg(printedDate(today)), y);
        return pages.finish();
    }
    bool first = true;
    for (const DrillRow *row : rows) {
        if (!std::exchange(first, false))
            pages.next();
        drillPage(pages, child, *row);
        if (!row->problem.isEmpty())
            continue;
        for (int page = 0; page < layout.tablePages(*row); ++page) {
            pages.next();
            tablePage(pages, child, *row, layout, page);
        }
    }
    return pages.finish();
}

} // namespace users
