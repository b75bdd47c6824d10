#pragma once

#include <QString>

class Random;

// The rules of the mental division drill, apart from its windows.
namespace mental {
} // namespace mental
