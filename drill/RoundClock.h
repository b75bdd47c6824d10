#pragma once

// The clock of a round: four digits counting the time played upwards, shown
// as 0M:SS (the tens-of-minutes digit never changes).
namespace drill {

struct ClockDigits
{
    int tensOfMinutes = 0;
    int minutes = 0;
    int tensOfSeconds = 0;
    int seconds = 0;
};

// One second more. Returns true when the minutes digit has reached the
// round's length: that tick ends the round.
bool tick(ClockDigits &clock, int roundMinutes);

} // namespace drill
