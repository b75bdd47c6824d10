#pragma once

#include "ui/GameWindow.h"

#include "users/DrillTable.h"

class GameLabel;
class PictureBox;
class QTableView;
class RecordsChartView;

namespace users {
class RecordsModel;
struct Session;
}

// The records table of one drill mode: every round the logged-in child has
// played in that mode, oldest first, under the table's own header row. A
// link turns the table into a chart of the same rounds and back; every
// activation starts with the table. Another opens the map of the child's
// weak facts in the drill, and coming back from it finds the table or the
// chart as it was left. プリント puts the child's records of every drill on
// paper, or into a PDF in the documents folder when there is no printer.
class RecordsTableWindow : public GameWindow
{
    Q_OBJECT
public:
    RecordsTableWindow(GameStage &stage, users::Session &session);

    // Opens the table of a drill's records.
    void ShowRecords(Drill drill);

    // The drill whose records the table shows.
    Drill RecordsMode = Drill::Addition;
    // The progress file's count read at the last activation.
    int LineCount = 0;

    // The text of a cell of the grid, row 0 being the header row.
    QString Cell(int column, int row) const;
    // The grid's rows, the header row included.
    int RowCount() const;

signals:
    // にがて: the map of the drill's facts is asked for.
    void weakFactsAsked(Drill drill);

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

private:
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    // Whether the chart stands in the grid's place.
    bool ChartShown() const;
    void ShowTable();
    void ShowChart();

    users::Session &m_session;
    users::RecordsModel *GridModel;
    QTableView *StringGrid1;
    PictureBox *Image2;
    GameLabel *Label1;
    PictureBox *Image1;
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;
    GameLabel *Label5;
    // The map of weak facts covers the window: its activation on coming
    // back leaves everything as it was.
    bool m_mapShown = false;
    // Made when first shown, so start-up does not pay for it.
    RecordsChartView *PaintBox1 = nullptr;
};
