#pragma once

#include <QString>

#include <functional>

// Where the children's records live. A game folder that carries a writable
// "user" folder beside the program (the build's game/, a copy on a USB
// stick, a folder copied from Windows) keeps its records there, as it always
// has. An installed game, whose folder holds no "user" folder it may write
// to, keeps them in the player's own data folder, which is made on the first
// start. Returns the folder that holds (or will hold) "user".
QString recordsRoot(const QString &gameFolder, const QString &dataFolder,
                    const std::function<bool(const QString &folder)> &isWritableFolder = {});
