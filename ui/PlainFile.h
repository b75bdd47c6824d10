#pragma once

#include <QFile>
#include <QString>

// The game reads and writes only plain files. A folder that anyone may write
// to (a shared user folder) may hold a pipe, a device or a link where a file
// of the game belongs: opening a pipe would wait for good, and a link would
// lead the game to a file elsewhere.
namespace plainfile {

// True when `path` itself (not what a link leads to) is a regular file.
bool isPlainFile(const QString &path);

// Opens `file` (its name set) with `mode` only when it is a regular file:
// never through a link and without waiting on whatever stands there. Returns
// false, the file closed, when there is nothing there or something else.
// WriteOnly opens only an existing file, for appending or rewriting.
bool open(QFile &file, QIODevice::OpenMode mode);

} // namespace plainfile
