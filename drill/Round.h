#pragma once

#include <QString>

namespace drill {

// The clock of a round as its four digits show it: 0M:SS, counting the time
// played upwards.
struct ClockDigits
{
    int tensOfMinutes = 0;
    int minutes = 0;
    int tensOfSeconds = 0;
    int seconds = 0;
};

// One round of a drill: the answers counted and the seconds played. The drill
// window shows these values; it never reads them back from the screen.
class Round
{
public:
    explicit Round(int minutes) : m_minutes(minutes) {}

    int minutes() const { return m_minutes; }
    int right() const { return m_right; }
    int wrong() const { return m_wrong; }
    int elapsedSeconds() const { return m_elapsed; }
    ClockDigits clock() const;

    // One second more. Returns true on the tick that brings the minutes to
    // the round's length: that tick ends the round.
    bool tick();

    // Judges a typed answer and counts it. Only the exact text of the
    // expected answer is right (no sign, no leading zero, no space, no
    // full-width digit); while there is no question (an empty expected
    // answer) nothing is.
    bool judge(const QString &typed, const QString &expected);

    // Back to no answers and no time played.
    void reset();

private:
    int m_minutes;
    int m_right = 0;
    int m_wrong = 0;
    int m_elapsed = 0;
};

} // namespace drill
