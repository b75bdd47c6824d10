#pragma once

#include <QString>
#include <QStringList>

#include "ui/GamePaths.h"
#include "users/DrillTable.h"
#include "users/FactMemory.h"
#include "users/UserFileRules.h"

#include <functional>
#include <optional>
#include <vector>

// The thirteen small text files the game keeps for every child in the user
// folder: the password file and, for each of the six drill modes, a progress
// file and a history file. This module is the only place that knows their
// names, their encoding (Windows-31J, CR LF line ends) and their line rules.
// Every operation opens, uses and closes its files within the call and
// reports a failure by throwing IoError naming the file.

namespace users {

// What the records viewer reads: line 1 of the progress file, and the first
// lines of the history file, at most `count` of them and never past its end.
struct Records
{
    int count = 0;
    QStringList lines;           // decoded, without line ends; lines[0] is the header
};

// Why a name or password cannot be registered.
enum class Refusal {
    None,
    Taken,            // the name's password file exists already
    UnusableName,     // fails isUsableName(): "/" or "\", a control character,
                      // not in Windows-31J, or too long for a file name
    UnusablePassword, // not in Windows-31J
};

// Which password file a child's is: the same file until the child is
// deleted or registered anew.
struct FileStamp
{
    quint64 file = 0;        // the file system's number of the file
    qint64 modified = 0;     // when it was written, in milliseconds
    qint64 size = 0;
    bool operator==(const FileStamp &) const = default;
};

class UserFiles
{
public:
    // `folder` is the user folder inside the game folder, as the game names
    // it: "user".
    explicit UserFiles(GameFolder game, QString folder = QStringLiteral("user"));

    const QString &folder() const { return m_folder; }

    // The game's name of a user file: folder + "\" + name + ext. Every path
    // to a user file is made here, so a name that fails isUsableName() (one
    // planted in the folder, say "..\..\x") throws IoError before any file
    // of it can be opened, made or removed.
    QString fileName(const QString &name, QStringView ext) const;

    // Checks a registration before anything is written.
    Refusal checkRegistration(const QString &name, const QString &password) const;

    // Creates the thirteen files with their first content, each forced onto
    // the disk: the twelve drill files in the game's order, then, once they
    // are on the disk, the password file, which is what lists the child. It
    // returns the name they are kept under: the typed name in its
    // Windows-31J form (Cp932::windowsForm), so "ゆう〜" typed with an input
    // method is the child "ゆう～", as the name copied from Windows reads.
    // The user folder must exist: a missing one throws IoError, as does a
    // failure part-way, after the files created so far are removed.
    QString createFileSet(const QString &name, const QString &password) const;

    // Users in the order the folder listing yields the "*.pwd" files; every
    // kind of entry counts, but a name that fails isUsableName() is not
    // listed: nothing can be done with it. A file name that is not UTF-8
    // (raw Windows-31J bytes copied from Windows) fails as well, as it is
    // read with replacement characters. No folder gives an empty list.
    // The temporary files that an ended game left behind (one killed while
    // it replaced a progress file) are removed on the way, so they go at the
    // next start at the latest: this computer's whose game is not running,
    // and anyone's an hour old. The folder may be shared by computers, whose
    // games' temporaries are told apart by the computer's name in them.
    QStringList listUsers() const;

    // The users listUsers() lists, changing nothing: no temporary is
    // removed and no lock is taken, as a program that only reads the
    // folder needs.
    QStringList readUsers() const;

    // The stamp of a child's password file; IoError when it is missing.
    FileStamp passwordStamp(const QString &name) const;

    // First line of the password file; an empty file throws IoError.
    QString readPassword(const QString &name) const;

    // All N + 1 integers of the mode's progress file.
    Progress readProgress(const QString &name, Drill drill) const;

    // Records one finished round, judged from the progress file as read:
    // reads the progress file whole (an error here changes no file), lets
    // `judge` set the played level and return the history line, writes the
    // file back with line 1 raised by one (replaced whole and atomically: a
    // kill or power cut leaves the old file or the new one), then appends
    // the line to the history file. Nothing has been written when `judge`
    // runs. Each write is forced onto the disk before the next one starts,
    // the rename of the progress file included. A kill or a power cut
    // between the two leaves line 1 one ahead of the history:
    // the records show every line there is, and later rounds count on from
    // line 1.
    // With `loggedIn`, the round is refused (IoError, nothing written) when
    // the child's password file is no longer the one of the log-in.
    void recordRound(const QString &name, Drill drill,
                     const std::function<QString(Progress &)> &judge,
                     const std::optional<FileStamp> &loggedIn = std::nullopt) const;

    // The child's memory of every fact it answered (FactMemory.h); an empty
    // one when it has none yet (never played since it came, or a folder
    // from an older game). One that cannot be read throws IoError.
    FactMemory readMemory(const QString &name) const;

    // Adds a round's answers to the child's memory, after its round was
    // recorded: read, added to and replaced whole and atomically under the
    // folder's lock, as a progress file is. A memory that is damaged is
    // started afresh with these answers, and false tells the game to say so;
    // one that cannot be written throws IoError. The child's other files
    // are never touched.
    bool rememberAnswers(const QString &name, Drill drill, const std::vector<FactAnswer> &answers,
                         const std::optional<FileStamp> &loggedIn = std::nullopt) const;

    // Line 1 of the progress file and the first lines of the history file.
    Records readRecords(const QString &name, Drill drill) const;

    // Removes the thirteen files in the game's order, the password file
    // first, and then the memory, skipping files that are missing or cannot
    // be removed, and forces the removals onto the disk.
    void deleteFileSet(const QString &name) const;

private:
    // The local path of a child's file by its game name: the user folder
    // found whatever its letter case, and in it the file whose stem is
    // exactly the child's name; only the extension may differ in case, as a
    // copy from Windows may write it. "Taro" is another child than "taro".
    QString localPath(const QString &gameName) const;
    std::optional<FileStamp> passwordStampOrNone(const QString &name) const;

    GameFolder m_game;
    QString m_folder;
};

} // namespace users
