#include "../drill/DrillFixture.h"
