#include "ui/PlainFile.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include "ui/WindowsFiles.h"

#include <QDir>

#include <io.h>
#endif

namespace plainfile {

bool isPlainFile(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    const QString native = QDir::toNativeSeparators(path);
    return WindowsFiles::isPlainFile(reinterpret_cast<const wchar_t *>(native.utf16()));
#endif
}

bool open(QFile &file, QIODevice::OpenMode mode)
{
#ifdef Q_OS_UNIX
    int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    if (mode & QIODevice::WriteOnly)
        flags |= (mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
    else
        flags |= O_RDONLY;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    const int handle = ::open(QFile::encodeName(file.fileName()).constData(), flags);
    if (handle < 0)
        return false;
    struct stat status {};
    // Only now that it is open is the type checked: nothing can be put in
    // its place between the check and the reading.
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(handle);
        return false;
    }
    if (mode & QIODevice::Truncate && ::ftruncate(handle, 0) != 0) {
        ::close(handle);
        return false;
    }
    if (!file.open(handle, mode & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return false;
    }
    return true;
#else
    const QString native = QDir::toNativeSeparators(file.fileName());
    WindowsFiles::OpenMode how;
    how.read = mode & QIODevice::ReadOnly;
    how.write = mode & QIODevice::WriteOnly;
    how.append = mode & QIODevice::Append;
    how.truncate = mode & QIODevice::Truncate;
    const int handle =
        WindowsFiles::openPlainFile(reinterpret_cast<const wchar_t *>(native.utf16()), how);
    if (handle < 0)
        return false;
    if (!file.open(handle, mode & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle)) {
        ::_close(handle);
        return false;
    }
    return true;
#endif
}

} // namespace plainfile
