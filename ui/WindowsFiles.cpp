#include "ui/WindowsFiles.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace WindowsFiles {

namespace {

constexpr DWORD NotPlain =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;

} // namespace

bool isPlainFile(const wchar_t *path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & NotPlain) == 0;
}

int openPlainFile(const wchar_t *path, OpenMode mode)
{
    DWORD access = 0;
    if (mode.read)
        access |= GENERIC_READ;
    if (mode.write)
        access |= mode.append ? FILE_APPEND_DATA | FILE_READ_ATTRIBUTES : GENERIC_WRITE;
    // A link is opened as itself, and then refused below.
    HANDLE handle = CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    // Only now that it is open is the type checked: nothing can be put in
    // its place between the check and the reading.
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &information)
        || (information.dwFileAttributes & NotPlain) != 0
        || (mode.truncate && !SetEndOfFile(handle))) {
        CloseHandle(handle);
        return -1;
    }
    int flags = _O_BINARY;
    if (mode.append)
        flags |= _O_APPEND;
    if (!mode.write)
        flags |= _O_RDONLY;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (descriptor < 0)
        CloseHandle(handle);
    return descriptor;
}

} // namespace WindowsFiles
