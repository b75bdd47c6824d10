#include "users/UserFiles.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "ui/PlainFile.h"
#include "users/Cp932.h"
#include "users/FileReasons.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QtGlobal>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include "users/WindowsFolder.h"

#include <algorithm>
#include <ctime>
#include <thread>
#endif

namespace users {

namespace {

const QString PasswordExt = QStringLiteral(".pwd");
// The user folder's lock; not a child's file, so the list leaves it out.
const QString LockFileName = QStringLiteral("sujinoshima.lock");
// Every file of a child's is its name and an extension of this length.
constexpr qsizetype ExtensionLength = 4;

using namespace reasons;

// The drills in the order a child's files are created in, and removed in.
std::array<Drill, DrillCount> creationOrder()
{
    std::array<Drill, DrillCount> order{};
    for (const DrillInfo &info : allDrills())
        order.at(std::size_t(info.fileOrder - 1)) = info.drill;
    return order;
}

// Whether anything stands under a name: a file, a folder, a pipe, or a link,
// one that leads nowhere included.
// On Windows, whose file names ignore letter case, a child's file is there
// only when its stem is spelled exactly so: "Taro" is another child than
// "taro" there too.
bool isThere(const QString &path)
{
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    const QString stored = QString::fromStdWString(
        WindowsFolder::storedName(reinterpret_cast<const wchar_t *>(native.utf16())));
    const QString asked = QFileInfo(path).fileName();
    if (stored.size() != asked.size())
        return false;
    const qsizetype stem = std::max<qsizetype>(0, asked.size() - ExtensionLength);
    return QStringView(stored).first(stem) == QStringView(asked).first(stem)
        && QStringView(stored).sliced(stem).compare(QStringView(asked).sliced(stem),
                                                    Qt::CaseInsensitive) == 0;
#else
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
#endif
}

// No file of a child's comes near this; a larger one (a planted sparse file
// of gigabytes, say) is refused before any of it is read.
constexpr qint64 LargestFile = 64 << 20;

// Opens a child's file for reading: only a plain file, never through a link
// and never waiting on a pipe, and never one larger than any of a child's.
void openForReading(QFile &file, const QString &gameName)
{
    if (!isThere(file.fileName()))
        throw IoError(gameName, Missing);
    if (!plainfile::open(file, QIODevice::ReadOnly))
        throw IoError(gameName, CannotOpen);
    if (file.size() > LargestFile)
        throw IoError(gameName, TooBig);
}

// A file larger than `most` bytes is not one the game wrote: it is damaged,
// and never read into memory.
QByteArray readWhole(const QString &path, const QString &gameName, qint64 most = -1)
{
    QFile file(path);
    openForReading(file, gameName);
    if (most >= 0 && file.size() > most)
        throw IoError(gameName, Damaged);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(gameName, CannotRead);
    return bytes;
}

qint64 thisProcess()
{
    return QCoreApplication::applicationPid();
}

const QString &thisComputer()
{
    static const QString tag = computerTag(QSysInfo::machineHostName());
    return tag;
}

// True while the process of this computer that made a temporary file may
// still be writing it.
bool isRunning(qint64 process)
{
    if (process == thisProcess())
        return false; // one thread: no write of ours is under way between calls
#ifdef Q_OS_UNIX
    return ::kill(pid_t(process), 0) == 0 || errno == EPERM;
#else
    return WindowsFolder::isRunning(quint64(process));
#endif
}

// A temporary that nobody will finish: this computer's, of a process that
// has ended, or anyone's an hour after it was last written, far longer than
// a game takes to write one. Another computer's processes cannot be asked.
bool isAbandoned(const Temporary &temporary, const QFileInfo &file)
{
    if (temporary.computer == thisComputer() && !isRunning(temporary.process))
        return true;
    const QDateTime written = file.lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) > 60 * 60;
}

// Forces what was written to a file onto the disk.
bool syncToDisk([[maybe_unused]] int handle)
{
#ifdef Q_OS_UNIX
    return ::fsync(handle) == 0;
#else
    return WindowsFolder::flush(handle);
#endif
}

// Forces a folder's entries onto the disk: the files made, renamed in or
// removed there since. A file system that cannot sync a folder (some shares
// answer EINVAL) keeps its entries as it keeps them.
bool syncFolder([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0 || errno == EINVAL;
    ::close(handle);
    return synced;
#else
    // Windows has no call that forces a folder's entries onto the disk; its
    // file system journals them, and a rename is written through as it is
    // made (replaceFile).
    return true;
#endif
}

// What a new file of the folder's may be: read and written by its owner
// only, and by the owner's group too in a folder the group writes (a
// classroom's share), so the next game there can replace it.
void setNewFileMode([[maybe_unused]] int handle, [[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    const bool shared = ::stat(QFile::encodeName(folder).constData(), &status) == 0
        && (status.st_mode & S_IWGRP);
    ::fchmod(handle, shared ? 0660 : 0600);
#endif
}

// Creates a file that is not there yet (nor a link in its place) with
// `bytes` as its content, and forces it onto the disk. False when something
// stands there already.
bool createNewFile(const QString &path, const QString &gameName, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (isThere(path))
            return false;
        throw IoError(gameName, CannotOpen);
    }
    setNewFileMode(file.handle(), QFileInfo(path).absolutePath());
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncToDisk(file.handle())) {
        file.close();
        QFile::remove(path);
        throw IoError(gameName, CannotWrite);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        throw IoError(gameName, CannotWrite);
    }
    return true;
}

// The children's files change one game at a time: every change of a child's
// files (a round's end, a registration, a deletion) holds the user folder's
// lock, a file of its own in the folder that the system locks for the game
// holding it and that is there only while a change is under way. Games on other computers over a shared folder, and games in
// other process namespaces on one computer, see it too; it is let go when
// the change is done or its game ends, however it ends.
class FolderLock
{
public:
    FolderLock(const QString &folder, const QString &gameName)
    {
#ifdef Q_OS_UNIX
        m_path = QFile::encodeName(folder + QStringLiteral("/") + LockFileName);
        // Another game's change takes a few milliseconds; one that does not
        // end in ten seconds is stuck, and this change is refused.
        for (int tries = 0;; ++tries) {
            if (tries == 1000)
                fail(gameName, Busy);
            m_handle = ::open(m_path.constData(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
            // Another account's game holding the lock of a shared folder: the
            // lock is there only while its change is under way, so one older
            // than a minute was left by a game that was ended and locks nothing.
            struct stat there {};
            if (m_handle < 0 && errno == EACCES && ::lstat(m_path.constData(), &there) == 0
                && std::time(nullptr) - there.st_mtime < 60) {
                ::usleep(10000);
                continue;
            }
            // A folder that is missing or cannot be written has no lock: the
            // change itself then says what is wrong with it.
            if (m_handle < 0 && errno != ELOOP) {
                m_path.clear();
                return;
            }
            // Something else planted under the lock's name locks nothing.
            struct stat held {};
            if (m_handle < 0 || ::fstat(m_handle, &held) != 0 || !S_ISREG(held.st_mode))
                fail(GameFolder::join(QFileInfo(folder).fileName(), LockFileName), CannotOpen);
            if (::flock(m_handle, LOCK_EX | LOCK_NB) != 0) {
                // A file system without locks (some shares) changes as before.
                if (errno == ENOLCK || errno == EOPNOTSUPP) {
                    m_path.clear();
                    return;
                }
                if (errno != EWOULDBLOCK && errno != EINTR)
                    fail(gameName, Busy);
                ::close(m_handle);
                m_handle = -1;
                ::usleep(10000);
                continue;
            }
            // The game that held it last removes the lock as it lets go: held
            // is the lock only while the name still leads to it.
            struct stat named {};
            if (::lstat(m_path.constData(), &named) == 0 && named.st_ino == held.st_ino
                && named.st_dev == held.st_dev) {
                // Other accounts of a group folder can take it in their turn.
                setNewFileMode(m_handle, folder);
                return;
            }
            ::close(m_handle);
            m_handle = -1;
        }
#else
        const QString path = QDir::toNativeSeparators(folder + QStringLiteral("/") + LockFileName);
        const auto *name = reinterpret_cast<const wchar_t *>(path.utf16());
        // As on other systems: ten seconds for another game's change to end.
        for (int tries = 0;; ++tries) {
            if (tries == 1000)
                throw IoError(gameName, Busy);
            switch (WindowsFolder::tryLock(name, &m_handle)) {
            case WindowsFolder::Lock::Held:
            case WindowsFolder::Lock::None:
                return;
            case WindowsFolder::Lock::NotAFile:
                throw IoError(GameFolder::join(QFileInfo(folder).fileName(), LockFileName),
                              CannotOpen);
            case WindowsFolder::Lock::Busy:
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                break;
            }
        }
#endif
    }
    ~FolderLock()
    {
#ifdef Q_OS_UNIX
        // Gone from the folder when no change is under way.
        if (m_handle >= 0 && !m_path.isEmpty())
            ::unlink(m_path.constData());
#endif
        release();
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    [[noreturn]] void fail(const QString &gameName, const QString &reason)
    {
        release();
        throw IoError(gameName, reason);
    }
    void release()
    {
#ifdef Q_OS_UNIX
        if (m_handle >= 0)
            ::close(m_handle);
        m_handle = -1;
#else
        // The system removes the lock as it closes.
        WindowsFolder::unlock(m_handle);
        m_handle = nullptr;
#endif
    }

#ifdef Q_OS_UNIX
    QByteArray m_path;
    int m_handle = -1;
#else
    void *m_handle = nullptr;
#endif
};

// Renames a file over another in one step.
bool renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#else
    // The C runtime's rename refuses to replace a file on Windows.
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    return WindowsFolder::replace(reinterpret_cast<const wchar_t *>(nativeFrom.utf16()),
                                  reinterpret_cast<const wchar_t *>(nativeTo.utf16()));
#endif
}

// Replaces a file whole. The new content goes to a temporary file of a short
// name of its own in the same folder (a name made from the file's name could
// pass the file system's limit), is forced onto the disk and is then renamed
// over the file, which POSIX systems and Windows do in one step: a kill, a full disk or
// a power cut leaves the old file or the new one, never a mix or a cut-off
// file. The rename is forced onto the disk before the call returns.
void replaceFile(const QString &path, const QString &gameName, const QByteArray &bytes)
{
    static int serial = 0;
    const QString folder = QFileInfo(path).absolutePath();
    const QString temporary =
        folder + QLatin1Char('/') + temporaryName(thisComputer(), thisProcess(), ++serial);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw IoError(gameName, CannotWrite);
    setNewFileMode(file.handle(), folder);
    // Flushed and checked here, as a short write of buffered data would
    // otherwise only show when the file is closed.
    const bool written = file.write(bytes) == bytes.size() && file.flush()
        && syncToDisk(file.handle());
    file.close();
    if (!written || file.error() != QFileDevice::NoError || !renameOver(temporary, path)) {
        QFile::remove(temporary);
        throw IoError(gameName, CannotWrite);
    }
    if (!syncFolder(folder))
        throw IoError(gameName, CannotWrite);
}

} // namespace

UserFiles::UserFiles(GameFolder game, QString folder)
    : m_game(std::move(game)), m_folder(std::move(folder))
{
}

QString UserFiles::fileName(const QString &name, QStringView ext) const
{
    const QString gameName = GameFolder::join(m_folder, name + ext.toString());
    if (!isUsableName(name))
        throw IoError(gameName, NameUnusable);
    return gameName;
}

QString UserFiles::localPath(const QString &gameName) const
{
    const QString folder = m_game.resolve(m_folder);
    const QString file = gameName.mid(gameName.lastIndexOf(QLatin1Char('\\')) + 1);
    const QString exact = folder + QLatin1Char('/') + file;
    if (isThere(exact))
        return exact;
    // The extension in each mix of letter cases: eight names at most.
    const qsizetype stem = file.size() - ExtensionLength;
    QList<qsizetype> letters;
    for (qsizetype i = stem; i < file.size(); ++i) {
        if (file[i].toLower() != file[i].toUpper())
            letters.append(i);
    }
    for (int mix = 1; mix < (1 << letters.size()); ++mix) {
        QString variant = file;
        for (qsizetype bit = 0; bit < letters.size(); ++bit) {
            QChar &c = variant[letters[bit]];
            c = (mix >> bit) & 1 ? c.toUpper() : c.toLower();
        }
        const QString path = folder + QLatin1Char('/') + variant;
        if (variant != file && isThere(path))
            return path;
    }
    return exact;
}

Refusal UserFiles::checkRegistration(const QString &name, const QString &password) const
{
    const QString kept = Cp932::windowsForm(name);
    if (!isUsableName(kept))
        return Refusal::UnusableName;
    if (!isUsablePassword(password))
        return Refusal::UnusablePassword;
    // A name that differs only in letter case from a child's is taken too:
    // copied to Windows, the two would be one.
    const QString passwordFile = fileName(kept, PasswordExt);
    const QString wanted = passwordFile.mid(passwordFile.lastIndexOf(QLatin1Char('\\')) + 1);
    const QStringList entries = QDir(m_game.resolve(m_folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return Refusal::Taken;
    }
    return Refusal::None;
}

QString UserFiles::createFileSet(const QString &typedName, const QString &password) const
{
    const QString name = Cp932::windowsForm(typedName);
    const QString passwordFile = fileName(name, PasswordExt);
    switch (checkRegistration(name, password)) {
    case Refusal::None:
        break;
    case Refusal::Taken:
        throw IoError(passwordFile, NameTaken);
    case Refusal::UnusableName:
        throw IoError(passwordFile, NameUnusable);
    case Refusal::UnusablePassword:
        throw IoError(passwordFile, PasswordUnusable);
    }

    struct NewFile
    {
        QString gameName;
        QByteArray content;
    };
    std::vector<NewFile> files;
    for (const Drill drill : creationOrder()) {
        const DrillInfo &m = drillInfo(drill);
        Progress initial;
        initial.historyLines = 1;
        initial.levels.assign(std::size_t(m.levels), 0);
        files.push_back({fileName(name, m.progressExt), progressContent(initial)});
        files.push_back({fileName(name, m.historyExt), Cp932::encode(m.historyHeader.toString()) + LineEnd});
    }
    // The password file is what lists a child: it comes last, once the other
    // twelve are on the disk, so that a power cut leaves the child whole or
    // not registered at all.
    files.push_back({passwordFile, Cp932::encode(password) + LineEnd});

    // The user folder is never made here: without one nobody can register,
    // as the file that cannot be created says.
    const QString folder = m_game.resolve(m_folder);
    if (!QFileInfo(folder).isDir())
        throw IoError(passwordFile, CannotOpen);
    // Checked again under the lock: the name may have been registered at
    // another computer since.
    const FolderLock lock(folder, passwordFile);
    if (checkRegistration(name, password) == Refusal::Taken)
        throw IoError(passwordFile, NameTaken);

    // The drill files are replaced whole, so a file or a link planted under
    // their names is replaced, never written through; the password file is
    // made only where nothing stands, so a name is registered once.
    QStringList made;
    try {
        for (const NewFile &file : files) {
            const QString path = localPath(file.gameName);
            if (&file == &files.back()) {
                if (!createNewFile(path, file.gameName, file.content))
                    throw IoError(passwordFile, NameTaken);
                made.append(path);
                break;
            }
            const bool existed = isThere(path);
            // A folder or a pipe where a file belongs is not replaced.
            if (existed && !QFileInfo(path).isSymLink() && !plainfile::isPlainFile(path))
                throw IoError(file.gameName, CannotOpen);
            replaceFile(path, file.gameName, file.content);
            if (!existed)
                made.append(path);
        }
        if (!syncFolder(folder))
            throw IoError(passwordFile, CannotWrite);
    } catch (const IoError &error) {
        // Leave no half-registered child behind; a name registered at
        // another computer meanwhile keeps the files, which are its own now.
        if (error.reason() != NameTaken) {
            for (const QString &path : std::as_const(made))
                QFile::remove(path);
            syncFolder(folder);
        }
        throw;
    }
    return name;
}

namespace {

// Every entry of the user folder, in the order the listing yields them.
QStringList entriesOf(const QDir &dir)
{
    return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDir::Unsorted);
}

// The child an entry lists: the stem of a "*.pwd" entry, its extension
// matched ignoring letter case as Windows does, when the stem is a usable
// name; nothing for any other entry.
std::optional<QString> childOf(const QString &entry)
{
    if (!entry.endsWith(PasswordExt, Qt::CaseInsensitive))
        return std::nullopt;
    QString name = entry.chopped(PasswordExt.size());
    if (!isUsableName(name))
        return std::nullopt;
    return name;
}

} // namespace

QStringList UserFiles::listUsers() const
{
    const QDir dir(m_game.resolve(m_folder));
    if (!dir.exists())
        return {};
    // The same listing finds the temporary files that a game killed while
    // it replaced a progress file left behind: they go now.
    QStringList names, abandoned;
    for (const QString &entry : entriesOf(dir)) {
        if (std::optional<QString> name = childOf(entry)) {
            names.append(*name);
            continue;
        }
        const Temporary temporary = temporaryOf(entry);
        const QString path = dir.filePath(entry);
        if (temporary.process != 0 && isAbandoned(temporary, QFileInfo(path)))
            abandoned.append(path);
    }
    // Removed under the folder's lock: a game in another process namespace
    // (or on another computer) whose process cannot be asked after has no
    // temporary in the folder while this game holds the lock.
    if (!abandoned.isEmpty()) {
        try {
            const FolderLock lock(dir.absolutePath(), GameFolder::join(m_folder, LockFileName));
            for (const QString &path : std::as_const(abandoned))
                QFile::remove(path);
        } catch (const IoError &) {
            // Left for the next listing.
        }
    }
    return names;
}

QStringList UserFiles::readUsers() const
{
    const QDir dir(m_game.resolve(m_folder));
    QStringList names;
    if (!dir.exists())
        return names;
    for (const QString &entry : entriesOf(dir)) {
        if (std::optional<QString> name = childOf(entry))
            names.append(*name);
    }
    return names;
}

std::optional<FileStamp> UserFiles::passwordStampOrNone(const QString &name) const
{
    const QString path = localPath(fileName(name, PasswordExt));
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp{quint64(status.st_ino),
                     qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000,
                     qint64(status.st_size)};
#else
    const QString native = QDir::toNativeSeparators(path);
    WindowsFolder::FileStamp status{};
    if (!WindowsFolder::stamp(reinterpret_cast<const wchar_t *>(native.utf16()), status))
        return std::nullopt;
    return FileStamp{status.file, status.modified, status.size};
#endif
}

FileStamp UserFiles::passwordStamp(const QString &name) const
{
    if (const std::optional<FileStamp> stamp = passwordStampOrNone(name))
        return *stamp;
    throw IoError(fileName(name, PasswordExt), Missing);
}

QString UserFiles::readPassword(const QString &name) const
{
    // An empty file is what a registration cut off by a power cut would
    // leave: it lets nobody in, not even with an empty password.
    const QString gameName = fileName(name, PasswordExt);
    const QByteArray bytes = readWhole(localPath(gameName), gameName);
    if (bytes.isEmpty())
        throw IoError(gameName, Empty);
    return firstLine(bytes);
}

Progress UserFiles::readProgress(const QString &name, Drill drill) const
{
    const QString gameName = fileName(name, drillInfo(drill).progressExt);
    return parseProgress(readWhole(localPath(gameName), gameName), drill, gameName);
}

void UserFiles::recordRound(const QString &name, Drill drill,
                            const std::function<QString(Progress &)> &judge,
                            const std::optional<FileStamp> &loggedIn) const
{
    const DrillInfo &m = drillInfo(drill);
    const QString progressName = fileName(name, m.progressExt);
    const QString historyName = fileName(name, m.historyExt);

    const FolderLock lock(m_game.resolve(m_folder), progressName);
    if (loggedIn && passwordStampOrNone(name) != loggedIn)
        throw IoError(fileName(name, PasswordExt), ChildChanged);
    Progress progress = readProgress(name, drill);
    const int historyLines = progress.historyLines;
    const QString historyLine = judge(progress);
    if (progress.levels.size() != std::size_t(m.levels))
        throw std::logic_error("a drill changed the number of levels");
    if (historyLines == INT_MAX)
        throw IoError(progressName, TooLarge);
    progress.historyLines = historyLines + 1;

    // Checked before anything is written, so an unwritable line changes no file.
    bool encoded = false;
    const QByteArray line = Cp932::encode(historyLine, &encoded) + LineEnd;
    if (!encoded)
        throw IoError(historyName, Unencodable);

    // The history file is opened before the progress file is replaced: a
    // round that cannot append its line (a file of another account's in a
    // shared folder, say) changes neither file, and the moment between the
    // new progress and its history line, which a kill or a power cut would
    // leave the history one line short in, is as short as one write. A
    // history that is a link to a file elsewhere (planted in a shared
    // folder) is not written through.
    QFile history(localPath(historyName));
    if (!isThere(history.fileName()))
        throw IoError(historyName, Missing);
    if (!plainfile::open(history, QIODevice::WriteOnly | QIODevice::Append))
        throw IoError(historyName, CannotOpen);

    replaceFile(localPath(progressName), progressName, progressContent(progress));

    if (history.write(line) != line.size() || !history.flush() || !syncToDisk(history.handle()))
        throw IoError(historyName, CannotWrite);
    history.close();
    if (history.error() != QFileDevice::NoError)
        throw IoError(historyName, CannotWrite);
}

FactMemory UserFiles::readMemory(const QString &name) const
{
    const QString gameName = fileName(name, MemoryExt);
    const QString path = localPath(gameName);
    if (!isThere(path))
        return {};
    const std::optional<FactMemory> memory = parseMemory(readWhole(path, gameName, FactMemory::MaxBytes));
    if (!memory)
        throw IoError(gameName, Damaged);
    return *memory;
}

bool UserFiles::rememberAnswers(const QString &name, Drill drill, const std::vector<FactAnswer> &answers,
                                const std::optional<FileStamp> &loggedIn) const
{
    const QString gameName = fileName(name, MemoryExt);
    const FolderLock lock(m_game.resolve(m_folder), gameName);
    if (loggedIn && passwordStampOrNone(name) != loggedIn)
        throw IoError(fileName(name, PasswordExt), ChildChanged);
    FactMemory memory;
    bool whole = true;
    try {
        memory = readMemory(name);
    } catch (const IoError &) {
        whole = false;
    }
    remember(memory, drill, answers);
    replaceFile(localPath(gameName), gameName, memoryContent(memory));
    return whole;
}

Records UserFiles::readRecords(const QString &name, Drill drill) const
{
    const DrillInfo &m = drillInfo(drill);
    const QString progressName = fileName(name, m.progressExt);
    const QString historyName = fileName(name, m.historyExt);

    Records records;
    {
        const QByteArray bytes = readWhole(localPath(progressName), progressName);
        records.count = parseHistoryLineCount(bytes, progressName);
    }

    QFile history(localPath(historyName));
    openForReading(history, historyName);
    LeadingLines lines(records.count);
    while (lines.wantsMore() && !history.atEnd()) {
        const QByteArray piece = history.read(64 * 1024);
        if (history.error() != QFileDevice::NoError)
            throw IoError(historyName, CannotRead);
        lines.feed(piece);
    }
    records.lines = lines.lines();
    return records;
}

void UserFiles::deleteFileSet(const QString &name) const
{
    const FolderLock lock(m_game.resolve(m_folder), fileName(name, PasswordExt));
    QStringList exts{PasswordExt};
    for (const Drill drill : creationOrder()) {
        const DrillInfo &m = drillInfo(drill);
        exts << m.historyExt.toString() << m.progressExt.toString();
    }
    exts << MemoryExt.toString();
    for (const QString &ext : std::as_const(exts)) {
        const QString path = localPath(fileName(name, ext));
        if (QFileInfo(path).isFile() || QFileInfo(path).isSymLink())
            QFile::remove(path);
    }
    syncFolder(m_game.resolve(m_folder));
}

} // namespace users
