#pragma once

#include <QDate>
#include <QString>

#include <vector>

// Texts the drills write into their history lines and show on screen.
namespace drill {

// The date a history line carries: four-digit year, month without a leading
// zero, day with two digits, joined by "/" (the 7th of March 2001 gives
// "2001/3/07").
QString dateText(const QDate &date);

// A number in full-width digits: 12 gives "１２".
QString fullWidth(int number);

// Where a number of `digits` digits takes a full-width comma, so that its
// digits stand in groups of three from the right: after how many digits,
// left to right. Seven digits give {1, 4} (9，876，543); three or fewer none.
std::vector<int> commaPlaces(int digits);

} // namespace drill
