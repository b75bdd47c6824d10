#pragma once

#include <QStringList>
#include <QStringView>

namespace users {

// Splits a line of a history file into the cells of a records table row.
//
// Blanks (characters with codes 1 to 32) before the first piece are skipped.
// A piece that starts with a double quote runs to the closing quote, a doubled
// quote inside standing for one quote; any other piece runs up to the next
// comma or blank. Blanks after a piece are skipped, then one comma and the
// blanks after it. So two commas in a row give an empty cell, a comma at the
// end of the line gives none, and a blank between two words separates them.
// A NUL character ends the line.
//
// The line is already decoded from Windows-31J, so the trail byte of a
// double-byte character can never be taken for a separator.
QStringList splitHistoryLine(QStringView line);

// The cells of a plain line, one without quotes, blanks or NUL (every round
// line the drills write is one), handed to `take` as views into the line:
// such a line splits at every comma, a comma at the end adding no cell, just
// as splitHistoryLine() splits it. Returns false, and takes nothing, for a
// line that is not plain. Saves a list of strings a line on a long history.
template <class Take>
bool forEachPlainHistoryCell(QStringView line, Take take)
{
    for (const QChar c : line) {
        if (c.unicode() <= 32 || c == QLatin1Char('"'))
            return false;
    }
    qsizetype start = 0;
    while (start < line.size()) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        const qsizetype end = comma < 0 ? line.size() : comma;
        take(line.sliced(start, end - start));
        start = end + 1;
    }
    return true;
}

} // namespace users
