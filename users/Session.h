#pragma once

#include "users/UserFiles.h"

#include <QString>

#include <optional>

namespace users {

// The children's files, and which child is playing.
struct Session
{
    explicit Session(const GameFolder &game) : files(game) {}

    UserFiles files;
    // The logged-in child's name; empty until the first log-in. The log-in
    // dialog changes it only when a password was typed right.
    QString UserName;
    // The logged-in child's password file as it was at the log-in: a round
    // is recorded only while it is the same, so a child deleted or
    // registered anew meanwhile (at another computer) gets no round of the
    // child who played.
    std::optional<FileStamp> PasswordStamp;
};

} // namespace users
