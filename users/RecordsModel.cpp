#include "users/RecordsModel.h"

#include "users/HistoryLine.h"
#include "users/UserFiles.h"

#include <algorithm>

namespace users {

int recordsRowCount(int count, qsizetype linesRead)
{
    const qsizetype filled = std::min<qsizetype>(count, linesRead);
    return int(std::max<qsizetype>(filled, 1)) + 1;
}

RecordsModel::RecordsModel(QObject *parent) : QAbstractTableModel(parent) {}

void RecordsModel::setHeader(const QString &headerLine)
{
    m_header = splitHistoryLine(headerLine);
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

void RecordsModel::fill(const Records &records)
{
    beginResetModel();
    m_rows = recordsRowCount(records.count, records.lines.size()) - 1;
    // The last row stays empty.
    m_rounds = records.lines.mid(1, m_rows - 1);
    endResetModel();
}

void RecordsModel::clearCells()
{
    m_header.clear();
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    if (m_rounds.isEmpty())
        return;
    m_rounds.clear();
    emit dataChanged(index(0, 0), index(m_rows - 1, Columns - 1), {Qt::DisplayRole});
}

QStringList RecordsModel::rowCells(int gridRow) const
{
    if (gridRow == 0)
        return m_header;
    if (gridRow < 1 || gridRow > m_rounds.size())
        return {};
    return splitHistoryLine(m_rounds[gridRow - 1]);
}

QString RecordsModel::cell(int column, int gridRow) const
{
    const QStringList cells = rowCells(gridRow);
    return column >= 0 && column < cells.size() ? cells[column] : QString();
}

int RecordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant RecordsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.column(), index.row() + 1);
}

QVariant RecordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return cell(section, 0);
}

Qt::ItemFlags RecordsModel::flags(const QModelIndex &index) const
{
    // Cells can be looked at, never typed into.
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace users
