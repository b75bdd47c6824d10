#pragma once

#include <QString>

// Where a game folder's children's records are, as a rule that touches no
// file: the game (app/RecordsFolder) makes the folder it names, the class
// report only reads it.
namespace users {

// The file the package installs beside the program, and only the package:
// it marks the game as installed.
inline constexpr char InstalledMarker[] = "installed-game";

// Whether the game in `gameFolder` is the installed one.
bool isInstalledGame(const QString &gameFolder);

// The folder that holds (or will hold) "user": the game folder itself,
// unless the game is installed, whose records are in `dataFolder`.
QString recordsRootOf(const QString &gameFolder, const QString &dataFolder);

// The player's data folder of the installed game,
// ~/.local/share/sujinoshima on Linux, whichever program asks.
QString playerDataFolder();

} // namespace users
