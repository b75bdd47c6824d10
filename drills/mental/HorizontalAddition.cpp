#include "drills/mental/HorizontalAddition.h"
