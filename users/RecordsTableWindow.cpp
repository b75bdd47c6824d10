#include "users/RecordsTableWindow.h"

#include "ui/Widgets.h"
#include "users/RecordsModel.h"
#include "users/Session.h"

#include <QHeaderView>
#include <QTableView>

namespace {

constexpr int RowHeight = 35;
constexpr int ColumnWidths[users::RecordsModel::Columns] = {100, 123, 75, 64};

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

} // namespace

RecordsTableWindow::RecordsTableWindow(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      m_session(session),
      GridModel(new users::RecordsModel(this)),
      StringGrid1(recordsGrid(this, "StringGrid1", {8, 8, 377, 457}, ui::font(21, ui::Bold), GridModel)),
      Image2(ui::picture(this, "Image2", {376, 16, 250, 130})),
      Label1(ui::label(this, "Label1", QString(), {392, 72}, ui::font(16, ui::Bold))),
      Image1(ui::picture(this, "Image1", {400, 152, 230, 300})),
      Label2(ui::link(this, "Label2", QStringLiteral("もどる"), {552, 432}, 27, ui::Black))
{
    setObjectName(QStringLiteral("Form15"));
    on(Label2, &GameLabel::clicked, &RecordsTableWindow::Label2Click);
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

void RecordsTableWindow::FormCreate()
{
    Place();
    loadPicture(Image2, QStringLiteral("Graphics\\f4.BMP"));
    loadPicture(Image1, QStringLiteral("Graphics\\花　zukky.bmp"));
}

void RecordsTableWindow::FormActivate()
{
    const QString &name = m_session.UserName;
    GridModel->setHeader(drillInfo(RecordsMode).recordsHeader);
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
