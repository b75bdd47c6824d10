#pragma once

#include <QString>

// Where the children's records live. A game folder that is not installed
// (the build's game/, a copy on a USB stick, a folder copied from Windows)
// keeps them in its own "user" folder, found ignoring letter case; when that
// is missing or cannot be written, registering and recording fail as any
// file operation does. The installed game keeps them in the player's own
// data folder, whose "user" folder is made here, on the first start.
// Returns the folder that holds (or will hold) "user".
QString recordsRoot(const QString &gameFolder, const QString &dataFolder);
