#include "drill/Round.h"

namespace drill {

ClockDigits Round::clock() const
{
    const int minutes = m_elapsed / 60;
    const int seconds = m_elapsed % 60;
    return {minutes / 10, minutes % 10, seconds / 10, seconds % 10};
}

bool Round::tick()
{
    ++m_elapsed;
    return m_elapsed == m_minutes * 60;
}

bool Round::judge(const QString &typed, const QString &expected)
{
    const bool right = !expected.isEmpty() && typed == expected;
    ++(right ? m_right : m_wrong);
    return right;
}

void Round::reset()
{
    m_right = 0;
    m_wrong = 0;
    m_elapsed = 0;
}

} // namespace drill
