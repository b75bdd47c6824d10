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

} // namespace users
