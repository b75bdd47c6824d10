#pragma once

#include "app/GameForm.h"

class GameLabel;
class PictureBox;
class QTableView;

namespace users {
class RecordsModel;
}

// The records table of one drill mode: every round the logged-in child has
// played in that mode, oldest first, under the table's own header row.
class TForm15 : public GameForm
{
    Q_OBJECT
public:
    explicit TForm15(WindowSet &windows);

    // The progress file's count read at the last activation.
    int LineCount = 0;

    // The text of a cell of the grid, row 0 being the header row.
    QString Cell(int column, int row) const;
    // The grid's rows, the header row included.
    int RowCount() const;

    users::RecordsModel *GridModel;
    QTableView *StringGrid1;
    PictureBox *Image2;
    GameLabel *Label1;
    PictureBox *Image1;
    GameLabel *Label2;

protected:
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

private:
    void Label2Click();
};
