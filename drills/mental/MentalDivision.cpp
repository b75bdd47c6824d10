#include "drills/mental/MentalDivision.h"
