#pragma once

#include <QDate>
#include <QString>

// Texts the drills write into their history lines and show on screen.
namespace drill {

// The date a history line carries: four-digit year, month without a leading
// zero, day with two digits, joined by "/" (the 7th of March 2001 gives
// "2001/3/07").
QString dateText(const QDate &date);

// A number in full-width digits: 12 gives "１２".
QString fullWidth(int number);

} // namespace drill
