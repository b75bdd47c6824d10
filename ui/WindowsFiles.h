#pragma once

// Plain files on Windows, through the system's own calls: whether a path is
// a regular file of a disk (not a folder, a device, a pipe or a link), and
// opening one without following a link. Plain functions without Qt, so the
// file can be compile-checked on its own with a Windows cross compiler.
namespace WindowsFiles {

// True when `path` itself is a regular file of a disk.
bool isPlainFile(const wchar_t *path);

struct OpenMode
{
    bool read = false;
    bool write = false;
    bool append = false;
    bool truncate = false;
};

// Opens an existing regular file and returns a C runtime descriptor of it,
// or -1 when nothing is there or something else than a plain file. Opened
// so that the game's rename over it and its removal are not blocked.
int openPlainFile(const wchar_t *path, OpenMode mode);

} // namespace WindowsFiles
