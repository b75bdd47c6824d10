#pragma once

#include <cstdint>
#include <string>

// The user folder on Windows, through the system's own calls: forcing a
// file onto the disk, replacing a file whole, the folder's lock, whether a
// game that left a temporary file is still running, and which file a name
// leads to. Plain functions without Qt, so the file can be compile-checked
// on its own with a Windows cross compiler.
namespace WindowsFolder {

// Forces what was written through the C runtime descriptor onto the disk.
bool flush(int descriptor);

// Renames `from` over `to` in one step, an existing `to` replaced, and
// returns only once the rename is on the disk.
bool replace(const wchar_t *from, const wchar_t *to);

// True while the process of this computer may still be running.
bool isRunning(std::uint64_t process);

// The name of the folder entry that `path` leads to, in the letter case it
// is stored in (Windows finds "TARO.pwd" for "taro.pwd"); empty when there is
// none.
std::wstring storedName(const wchar_t *path);

// Which file a name leads to (the link itself, not what it leads to).
struct FileStamp
{
    std::uint64_t file;     // the file system's number of the file
    std::int64_t modified;  // when it was written, in milliseconds since 1970
    std::int64_t size;
};
bool stamp(const wchar_t *path, FileStamp &out);

// The folder's lock: a file that only one game at a time can open, and
// that the system removes as soon as its game lets go of it, however the
// game ends.
enum class Lock {
    Held,      // *handle holds it until unlock()
    Busy,      // another game holds it
    NotAFile,  // something else than a file stands under the lock's name
    None,      // the folder has no lock (missing, or not writable)
};
Lock tryLock(const wchar_t *path, void **handle);
void unlock(void *handle);

} // namespace WindowsFolder
