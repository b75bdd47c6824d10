#include "drill/Texts.h"

#include "users/RoundRecord.h"

namespace drill {

QString dateText(const QDate &date)
{
    // Written out by hand: the text must not follow the system's locale.
    return QStringLiteral("%1/%2/%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month())
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString fullWidth(int number)
{
    return users::fullWidth(number);
}

std::vector<int> commaPlaces(int digits)
{
    std::vector<int> places;
    for (int before = (digits - 1) % 3 + 1; before < digits; before += 3)
        places.push_back(before);
    return places;
}

} // namespace drill
