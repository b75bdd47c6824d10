#include "drill/Answers.h"

#include "drill/Texts.h"

namespace drill {

std::vector<Mistake> mistakes(const std::vector<Answer> &answers)
{
    std::vector<Mistake> found;
    int last = 0;
    for (const Answer &answer : answers) {
        if (answer.right)
            continue;
        if (found.empty() || answer.question != last) {
            found.push_back({answer.asked.shown + QStringLiteral(" ＝ ") + wide(answer.expected), {}});
            last = answer.question;
        }
        found.back().typed << answer.typed;
    }
    return found;
}

QString typedLine(const Mistake &mistake)
{
    QStringList typed;
    for (const QString &text : mistake.typed)
        typed << (text.isEmpty() ? QStringLiteral("なにも いれずに Enter") : text);
    return QStringLiteral("（こたえた: %1）").arg(typed.join(QStringLiteral("、")));
}

QString wide(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if ((c >= u'0' && c <= u'9') || c == u',')
            c = QChar(c.unicode() - u'!' + u'！');
    }
    return out;
}

QString grouped(qint64 number)
{
    QString digits = QString::number(number);
    const std::vector<int> places = commaPlaces(int(digits.size()));
    for (auto place = places.rbegin(); place != places.rend(); ++place)
        digits.insert(*place, u',');
    return wide(digits);
}

} // namespace drill
