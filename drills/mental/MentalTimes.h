#pragma once

#include <QString>

class Random;

// The rules of the mental multiplication drill, apart from its windows.
namespace mental {
} // namespace mental
