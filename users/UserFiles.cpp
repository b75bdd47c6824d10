#include "users/UserFiles.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
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
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace users {

namespace {

const QString PasswordExt = QStringLiteral(".pwd");

using namespace reasons;

// The drills in the order a child's files are created in, and removed in.
std::array<Drill, DrillCount> creationOrder()
{
    std::array<Drill, DrillCount> order{};
    for (const DrillInfo &info : allDrills())
        order.at(std::size_t(info.fileOrder - 1)) = info.drill;
    return order;
}

void openForReading(QFile &file, const QString &gameName)
{
    if (!QFileInfo::exists(file.fileName()))
        throw IoError(gameName, Missing);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(gameName, CannotOpen);
}

QByteArray readWhole(const GameFolder &game, const QString &gameName)
{
    QFile file(game.resolve(gameName));
    openForReading(file, gameName);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(gameName, CannotRead);
    return bytes;
}

// Writes `bytes` as the whole new content of a file, creating or emptying it.
void writeNewFile(const QString &path, const QString &gameName, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw IoError(gameName, CannotOpen);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw IoError(gameName, CannotWrite);
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw IoError(gameName, CannotWrite);
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
    return true;
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
    return true;
#endif
}

// Replaces a file whole. The new content goes to a temporary file of a short
// name of its own in the same folder (a name made from the file's name could
// pass the file system's limit), is forced onto the disk and is then renamed
// over the file, which POSIX systems do in one step: a kill, a full disk or
// a power cut leaves the old file or the new one, never a mix or a cut-off
// file. The folder is not forced onto the disk after the rename, as that
// would keep the moment between the new progress and its history line open
// for as long as the disk takes.
void replaceFile(const QString &path, const QString &gameName, const QByteArray &bytes)
{
    static int serial = 0;
    const QString folder = QFileInfo(path).absolutePath();
    const QString temporary =
        folder + QLatin1Char('/') + temporaryName(thisComputer(), thisProcess(), ++serial);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw IoError(gameName, CannotWrite);
    // Flushed and checked here, as a short write of buffered data would
    // otherwise only show when the file is closed.
    const bool written = file.write(bytes) == bytes.size() && file.flush()
        && syncToDisk(file.handle());
    file.close();
    if (!written || file.error() != QFileDevice::NoError
        || std::rename(QFile::encodeName(temporary).constData(),
                       QFile::encodeName(path).constData())
            != 0) {
        QFile::remove(temporary);
        throw IoError(gameName, CannotWrite);
    }
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

Refusal UserFiles::checkRegistration(const QString &name, const QString &password) const
{
    const QString kept = Cp932::windowsForm(name);
    if (!isUsableName(kept))
        return Refusal::UnusableName;
    if (!isUsablePassword(password))
        return Refusal::UnusablePassword;
    if (m_game.exists(fileName(kept, PasswordExt)))
        return Refusal::Taken;
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
    files.push_back({passwordFile, Cp932::encode(password) + LineEnd});
    for (const Drill drill : creationOrder()) {
        const DrillInfo &m = drillInfo(drill);
        Progress initial;
        initial.historyLines = 1;
        initial.levels.assign(std::size_t(m.levels), 0);
        files.push_back({fileName(name, m.progressExt), progressContent(initial)});
        files.push_back({fileName(name, m.historyExt), Cp932::encode(m.historyHeader.toString()) + LineEnd});
    }

    // The user folder is never made here: without one nobody can register,
    // as the file that cannot be created says.
    if (!QFileInfo(m_game.resolve(m_folder)).isDir())
        throw IoError(passwordFile, CannotOpen);

    QStringList written;
    try {
        for (const NewFile &file : files) {
            const QString path = m_game.resolve(file.gameName);
            const bool existed = QFileInfo::exists(path);
            try {
                writeNewFile(path, file.gameName, file.content);
            } catch (const IoError &) {
                if (!existed && QFileInfo(path).isFile())
                    written.append(path);
                throw;
            }
            written.append(path);
        }
    } catch (const IoError &) {
        // Leave no half-registered child behind.
        for (const QString &path : std::as_const(written))
            QFile::remove(path);
        throw;
    }
    return name;
}

QStringList UserFiles::listUsers() const
{
    const QDir dir(m_game.resolve(m_folder));
    if (!dir.exists())
        return {};
    // The name filter is matched here, ignoring letter case as Windows does.
    // The same listing finds the temporary files that a game killed while
    // it replaced a progress file left behind: they go now.
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    QStringList names;
    for (const QString &entry : entries) {
        if (!entry.endsWith(PasswordExt, Qt::CaseInsensitive)) {
            const Temporary temporary = temporaryOf(entry);
            const QString path = dir.filePath(entry);
            if (temporary.process != 0 && isAbandoned(temporary, QFileInfo(path)))
                QFile::remove(path);
            continue;
        }
        const QString name = entry.chopped(PasswordExt.size());
        if (isUsableName(name))
            names.append(name);
    }
    return names;
}

QString UserFiles::readPassword(const QString &name) const
{
    return firstLine(readWhole(m_game, fileName(name, PasswordExt)));
}

Progress UserFiles::readProgress(const QString &name, Drill drill) const
{
    const QString gameName = fileName(name, drillInfo(drill).progressExt);
    return parseProgress(readWhole(m_game, gameName), drill, gameName);
}

void UserFiles::recordRound(const QString &name, Drill drill,
                            const std::function<QString(Progress &)> &judge) const
{
    const DrillInfo &m = drillInfo(drill);
    const QString progressName = fileName(name, m.progressExt);
    const QString historyName = fileName(name, m.historyExt);

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

    // The history file is opened before the progress file is replaced, so
    // that the moment between the new progress and its history line, which a
    // kill would leave the history one line short in, is as short as one
    // write. A failure to open it is still reported after the progress is
    // saved, as the game has always done.
    // A history that is a link to a file elsewhere (planted in a shared
    // folder) is not written through.
    QFile history(m_game.resolve(historyName));
    const QFileInfo historyInfo(history.fileName());
    const bool historyThere = historyInfo.exists();
    const bool historyOpen = historyThere && !historyInfo.isSymLink()
        && history.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly);

    replaceFile(m_game.resolve(progressName), progressName, progressContent(progress));

    if (!historyThere)
        throw IoError(historyName, Missing);
    if (!historyOpen)
        throw IoError(historyName, CannotOpen);
    if (history.write(line) != line.size() || !history.flush())
        throw IoError(historyName, CannotWrite);
    history.close();
    if (history.error() != QFileDevice::NoError)
        throw IoError(historyName, CannotWrite);
}

Records UserFiles::readRecords(const QString &name, Drill drill) const
{
    const DrillInfo &m = drillInfo(drill);
    const QString progressName = fileName(name, m.progressExt);
    const QString historyName = fileName(name, m.historyExt);

    Records records;
    {
        const QByteArray bytes = readWhole(m_game, progressName);
        records.count = parseHistoryLineCount(bytes, progressName);
    }

    QFile history(m_game.resolve(historyName));
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
    QStringList exts{PasswordExt};
    for (const Drill drill : creationOrder()) {
        const DrillInfo &m = drillInfo(drill);
        exts << m.historyExt.toString() << m.progressExt.toString();
    }
    for (const QString &ext : std::as_const(exts)) {
        const QString path = m_game.resolve(fileName(name, ext));
        if (QFileInfo(path).isFile() || QFileInfo(path).isSymLink())
            QFile::remove(path);
    }
}

} // namespace users
