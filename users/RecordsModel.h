#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace users {

struct Records;

// How many rows the records table has for a progress count of `count` and a
// history file of which `linesRead` lines could be read (at most `count`):
// the header row, one row per history line after the file's own header, and
// an empty last row. A count larger than the history file does not make
// rows the file cannot fill, and a count of zero or below still gives the
// header and one empty row.
int recordsRowCount(int count, qsizetype linesRead);

// The records table's contents: grid row 0 is the header (shown as the
// view's horizontal header), grid row r > 0 is line r + 1 of the history
// file, split into cells. The model keeps the lines and splits a line only
// when one of its cells is asked for, so a long history costs one string
// per round.
class RecordsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int Columns = 4;
    // Rows of the grid before it is first filled, the header row included.
    static constexpr int InitialRows = 15;

    explicit RecordsModel(QObject *parent = nullptr);

    // Sets the header row from a header line.
    void setHeader(const QString &headerLine);
    // Shows the lines read from the history file; lines[0], the file's own
    // header, is never shown.
    void fill(const Records &records);
    // Empties every cell, header included; the rows stay.
    void clearCells();

    // The grid's rows, the header row included.
    int gridRowCount() const { return m_rows + 1; }
    // The text of a cell of the grid; row 0 is the header row. Cells past
    // the fourth belong to the row but are not shown.
    QString cell(int column, int gridRow) const;
    // Every cell of a grid row, the hidden ones past the fourth included.
    QStringList rowCells(int gridRow) const;
    // The history lines of the rows, from the file's second line on.
    const QStringList &rounds() const { return m_rounds; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_header;
    // History lines from the file's second line on: grid row r shows m_rounds[r - 1].
    QStringList m_rounds;
    // Rows below the header.
    int m_rows = InitialRows - 1;
};

} // namespace users
