#include "users/WindowsFolder.h"

#include <io.h>
#include <windows.h>

namespace WindowsFolder {

bool flush(int descriptor)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != FALSE;
}

bool replace(const wchar_t *from, const wchar_t *to)
{
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool isRunning(std::uint64_t process)
{
    if (process == 0 || process > MAXDWORD)
        return false;
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(process));
    if (!handle) {
        // One of another account's, which cannot be asked after, runs; a
        // number that no process has has ended.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = !GetExitCodeProcess(handle, &code) || code == STILL_ACTIVE;
    CloseHandle(handle);
    return running;
}

std::wstring storedName(const wchar_t *path)
{
    // Wildcards would match other entries; no Windows file name has them.
    for (const wchar_t *c = path; *c; ++c) {
        if (*c == L'*' || *c == L'?')
            return {};
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    FindClose(search);
    return found.cFileName;
}

bool stamp(const wchar_t *path, FileStamp &out)
{
    HANDLE handle = CreateFileW(path, FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    const bool ok = GetFileInformationByHandle(handle, &information) != FALSE;
    CloseHandle(handle);
    if (!ok)
        return false;
    // File times count 100 ns from 1601.
    const std::uint64_t written = (std::uint64_t(information.ftLastWriteTime.dwHighDateTime) << 32)
        | information.ftLastWriteTime.dwLowDateTime;
    out.file = (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    out.modified = std::int64_t(written / 10000) - 11644473600000LL;
    out.size = std::int64_t((std::uint64_t(information.nFileSizeHigh) << 32)
                            | information.nFileSizeLow);
    return true;
}

Lock tryLock(const wchar_t *path, void **handle)
{
    // Opened by one game at a time (no sharing), removed by the system when
    // the handle closes: at the end of the change, or when the game is
    // killed.
    HANDLE lock = CreateFileW(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE
                                  | FILE_FLAG_OPEN_REPARSE_POINT,
                              nullptr);
    if (lock == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
            return Lock::Busy;
        const DWORD attributes = GetFileAttributesW(path);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return Lock::None;
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            return Lock::NotAFile;
        // A lock that is being removed as its game lets go.
        return error == ERROR_ACCESS_DENIED ? Lock::Busy : Lock::None;
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(lock) != FILE_TYPE_DISK || !GetFileInformationByHandle(lock, &information)
        || (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        CloseHandle(lock);
        return Lock::NotAFile;
    }
    *handle = lock;
    return Lock::Held;
}

void unlock(void *handle)
{
    if (handle)
        CloseHandle(static_cast<HANDLE>(handle));
}

} // namespace WindowsFolder
