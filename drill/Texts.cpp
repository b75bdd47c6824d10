#include "drill/Texts.h"

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
    QString text = QString::number(number);
    for (QChar &c : text) {
        if (c.isDigit())
            c = QChar(c.unicode() - u'0' + u'０');
    }
    return text;
}

} // namespace drill
