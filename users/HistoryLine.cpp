#include "users/HistoryLine.h"

namespace users {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool endsPlainPiece(QChar c)
{
    return c.unicode() <= 32 || c == QLatin1Char(',');
}

} // namespace

QStringList splitHistoryLine(QStringView line)
{
    QStringList plainCells;
    if (forEachPlainHistoryCell(line, [&](QStringView cell) { plainCells.append(cell.toString()); }))
        return plainCells;
    if (const qsizetype nul = line.indexOf(QChar(0)); nul >= 0)
        line = line.first(nul);

    QStringList cells;
    const qsizetype end = line.size();
    qsizetype pos = 0;
    const auto skipBlanks = [&] {
        while (pos < end && isBlank(line[pos]))
            ++pos;
    };

    skipBlanks();
    while (pos < end) {
        QString piece;
        if (line[pos] == QLatin1Char('"')) {
            ++pos;
            while (pos < end) {
                if (line[pos] != QLatin1Char('"')) {
                    piece += line[pos++];
                } else if (pos + 1 < end && line[pos + 1] == QLatin1Char('"')) {
                    piece += QLatin1Char('"');
                    pos += 2;
                } else {
                    ++pos; // the closing quote
                    break;
                }
            }
        } else {
            const qsizetype start = pos;
            while (pos < end && !endsPlainPiece(line[pos]))
                ++pos;
            piece = line.sliced(start, pos - start).toString();
        }
        cells.append(piece);
        skipBlanks();
        if (pos < end && line[pos] == QLatin1Char(',')) {
            ++pos;
            skipBlanks();
        }
    }
    return cells;
}

} // namespace users
