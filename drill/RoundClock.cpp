#include "drill/RoundClock.h"

namespace drill {

bool tick(ClockDigits &clock, int roundMinutes)
{
    clock.seconds += 1;
    if (clock.seconds == 10) {
        clock.seconds = 0;
        clock.tensOfSeconds += 1;
    }
    if (clock.tensOfSeconds == 6) {
        clock.tensOfSeconds = 0;
        clock.minutes += 1;
    }
    return clock.minutes == roundMinutes;
}

} // namespace drill
