#pragma once

#include "users/UserFiles.h"

#include <QString>

namespace users {

// The children's files, and which child is playing.
struct Session
{
    explicit Session(const GameFolder &game) : files(game) {}

    UserFiles files;
    // The logged-in child's name; empty until the first log-in. The log-in
    // dialog changes it only when a password was typed right.
    QString UserName;
};

} // namespace users
