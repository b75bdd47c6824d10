#pragma once

#include <QString>

// The game names its files Windows-style, relative to its own folder:
// "Graphics\f3.bmp", "user\taro.pwd". These helpers turn such a name into a
// path on the running system. "\" separates folders, and where the exact name
// is missing a file whose name differs only in letter case is the same file,
// as it is on the file systems the game was first made for.
namespace GamePaths {

// The local path for a game file name. When neither the exact name nor a
// variant in another letter case exists, the exact name is returned, so it can
// be created.
QString resolve(const QString &gameName);

// True when resolve() finds an existing file or folder.
bool exists(const QString &gameName);

// "user" + "\" + name + ext, the way the game writes user file names.
QString join(const QString &folder, const QString &fileName);

} // namespace GamePaths
