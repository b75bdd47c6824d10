#pragma once

#include "users/UserFiles.h"

#include <functional>
#include <utility>

// The judging of a round whose level change and history line are known
// already, for recording a round as the game records one.
inline std::function<QString(users::Progress &)>
judged(std::function<void(users::Progress &)> change, QString historyLine)
{
    return [change = std::move(change), line = std::move(historyLine)](users::Progress &progress) {
        if (change)
            change(progress);
        return line;
    };
}
