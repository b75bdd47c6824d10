#pragma once

#include <QString>

class Random;

// The rules of the horizontal mental addition drill, apart from its windows.
namespace mental {
} // namespace mental
