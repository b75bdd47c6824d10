#include "users/RecordsTableWindow.h"

#include "ui/IoError.h"
#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/ChildRecords.h"
#include "users/FileReasons.h"
#include "users/RecordsPrintout.h"
#include "users/RecordsChart.h"
#include "users/RecordsChartView.h"
#include "users/RecordsModel.h"
#include "users/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPrinter>
#include <QStyledItemDelegate>
#include <QTableView>

#include <utility>

namespace {

constexpr int RowHeight = 35;
constexpr int ColumnWidths[users::RecordsModel::Columns] = {100, 123, 75, 64};
constexpr int DateColumn = 1;

// The dates are written in the Gothic face whose digits are half-width:
// in the proportional one "2026/12/07" is 127 pixels wide at 21 pixels and
// its last digit would be cut off by the 123-pixel column; here it takes 105.
class DateDelegate : public QStyledItemDelegate
{
public:
    DateDelegate(QObject *parent, const QFont &gridFont)
        : QStyledItemDelegate(parent), m_font(gridFont)
    {
        m_font.setFamily(QString::fromUtf8(ui::FixedGothic));
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = m_font;
    }

private:
    QFont m_font;
};

// The grid of the records table: fixed columns and rows, the header row
// always on top, no row numbers, nothing to type into, and a vertical scroll
// bar when the rows do not fit.
QTableView *recordsGrid(QWidget *parent, const char *name, const QRect &geometry,
                        const QFont &font, users::RecordsModel *model)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(geometry);
    grid->setFont(font);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->setItemDelegateForColumn(DateColumn, new DateDelegate(grid, font));

    QHeaderView *rows = grid->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView *header = grid->horizontalHeader();
    header->setFont(font);
    header->setFixedHeight(RowHeight);
    header->setMinimumSectionSize(1);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < users::RecordsModel::Columns; ++column)
        header->resizeSection(column, ColumnWidths[column]);
    return grid;
}

// The name of the PDF a report is saved in when there is no printer:
// "すうじのしま たろうの きろく 2026-12-09.pdf", numbered on from " (2)"
// when that file is there already.
QString printoutFile(const QString &folder, const QString &name, QDate today)
{
    const QString stem = QStringLiteral("すうじのしま %1の きろく %2").arg(name, today.toString(Qt::ISODate));
    QString file = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return file;
}

} // namespace

RecordsTableWindow::RecordsTableWindow(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      m_session(session),
      GridModel(new users::RecordsModel(this)),
      StringGrid1(recordsGrid(this, "StringGrid1", {8, 8, 377, 457}, ui::font(21, ui::Bold), GridModel)),
      Image2(ui::picture(this, "Image2", {376, 16, 250, 130})),
      Label1(ui::label(this, "Label1", QString(), {392, 72}, ui::font(16, ui::Bold))),
      Image1(ui::picture(this, "Image1", {400, 152, 230, 300})),
      Label2(ui::link(this, "Label2", QStringLiteral("もどる"), {552, 432}, 27, ui::Black)),
      Label3(ui::link(this, "Label3", QStringLiteral("グラフ"), {400, 432}, 27, ui::Black)),
      // Above グラフ, in the room between the speech bubble and the picture.
      Label4(ui::link(this, "Label4", QStringLiteral("にがて"), {400, 150}, 27, ui::Black)),
      // Beside にがて, over the same empty top of the picture.
      Label5(ui::link(this, "Label5", QStringLiteral("プリント"), {504, 150}, 27, ui::Black))
{
    setObjectName(QStringLiteral("Form15"));
    on(Label2, &GameLabel::clicked, &RecordsTableWindow::Label2Click);
    on(Label3, &GameLabel::clicked, &RecordsTableWindow::Label3Click);
    on(Label4, &GameLabel::clicked, &RecordsTableWindow::Label4Click);
    on(Label5, &GameLabel::clicked, &RecordsTableWindow::Label5Click);
}

void RecordsTableWindow::ShowRecords(Drill drill)
{
    RecordsMode = drill;
    openWindow();
}

QString RecordsTableWindow::Cell(int column, int row) const
{
    return GridModel->cell(column, row);
}

int RecordsTableWindow::RowCount() const
{
    return GridModel->gridRowCount();
}

bool RecordsTableWindow::ChartShown() const
{
    return PaintBox1 && !PaintBox1->isHidden();
}

void RecordsTableWindow::FormCreate()
{
    Place();
    loadPicture(Image2, QStringLiteral("Graphics\\f4.BMP"));
    loadPicture(Image1, QStringLiteral("Graphics\\花　zukky.bmp"));
}

void RecordsTableWindow::FormActivate()
{
    if (std::exchange(m_mapShown, false))
        return;
    ShowTable();
    const QString &name = m_session.UserName;
    GridModel->setHeader(drillInfo(RecordsMode).recordsHeader.toString());
    Label1->setText(name + QStringLiteral("さんのきろく"));
    // A missing file ends the handler here: the header and the title stay.
    const users::Records records = m_session.files.readRecords(name, RecordsMode);
    LineCount = records.count;
    GridModel->fill(records);
}

void RecordsTableWindow::FormClose()
{
    Label1->setText(QString());
    GridModel->clearCells();
}

void RecordsTableWindow::Label2Click()
{
    closeWindow();
}

void RecordsTableWindow::Label3Click()
{
    if (ChartShown())
        ShowTable();
    else
        ShowChart();
}

void RecordsTableWindow::Label4Click()
{
    m_mapShown = true;
    emit weakFactsAsked(RecordsMode);
}

void RecordsTableWindow::Label5Click()
{
    const QDate today = services().clock.now().date();
    const users::ChildReport child = users::readChild(m_session.files, m_session.UserName, today);
    Printing &printing = services().printing;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("すうじのしま %1さんの きろく").arg(child.name));
    printer.setCreator(QStringLiteral("すうじのしま"));
    QString saved;
    if (printing.hasPrinter()) {
        if (!printing.choose(printer, this))
            return;
    } else {
        const QString folder = printing.documentsFolder();
        QDir().mkpath(folder);
        saved = printoutFile(folder, child.name, today);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(saved);
    }
    if (!users::printChildRecords(printer, child, today)) {
        const QString where = saved.isEmpty() ? printer.outputFileName() : saved;
        throw IoError(where.isEmpty() ? printer.printerName() : QDir::toNativeSeparators(where),
                      users::reasons::CannotWrite);
    }
    if (!saved.isEmpty()) {
        services().dialogs.inform(
            QStringLiteral("すうじのしま"),
            QStringLiteral("プリンターが みつからないので、きろくを PDFの ファイルに して おきました。\n\n"
                           "ばしょ:  %1\nファイル:  %2")
                .arg(QDir::toNativeSeparators(QFileInfo(saved).absolutePath()), QFileInfo(saved).fileName()));
    }
}

void RecordsTableWindow::ShowTable()
{
    if (PaintBox1)
        PaintBox1->hide();
    StringGrid1->show();
    Label3->setText(QStringLiteral("グラフ"));
}

void RecordsTableWindow::ShowChart()
{
    if (!PaintBox1) {
        PaintBox1 = new RecordsChartView(this);
        PaintBox1->setGeometry(StringGrid1->geometry());
        // Beneath the speech bubble, as the grid is.
        PaintBox1->stackUnder(StringGrid1);
    }
    // The rounds the table holds; no file is read again.
    PaintBox1->setChart(users::recordsChart(RecordsMode, GridModel->rounds()));
    StringGrid1->hide();
    PaintBox1->show();
    Label3->setText(QStringLiteral("ひょう"));
}
