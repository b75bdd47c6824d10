#include "drills/mental/MentalTimes.h"
