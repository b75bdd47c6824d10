#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "users/DrillTable.h"

#include <vector>

// The rules of the children's files that need no file at all: which names
// and passwords can be kept, how integer lines and text lines are read from
// the bytes of a file, and what a progress file holds. UserFiles applies
// them to the files in the user folder.

namespace users {

// A progress file read whole: line 1 and the N level values.
struct Progress
{
    int historyLines = 0;        // line 1: lines in the history file, header included
    std::vector<int> levels;     // lines 2 .. N + 1; levels[0] is level 1

    // Sets the value of level 1..N; a level outside them changes nothing.
    void setLevel(int level, int value);
};

// The longest file name a user file may have, in bytes: the limit of the
// file systems the game runs on.
constexpr int LongestFileName = 255;

// A name can be the stem of a user's thirteen file names on every system the
// game runs on, and be written in the files' own encoding: no "/" or "\", no
// control character, every character in Windows-31J, and the longest of the
// file names no longer than LongestFileName bytes both in Windows-31J and in
// UTF-8, as Linux stores it. The empty name, ".", and ".." pass: they give
// names such as ".pwd" and "..pwd", which stay in the folder.
bool isUsableName(const QString &name);

// A password is read back as the first line of its file, so it cannot hold a
// line end, and it must be written in Windows-31J.
bool isUsablePassword(const QString &password);

// The bytes of a file without the UTF-8 byte order mark a text editor may
// have put in front of them. Digits and ASCII read the same in UTF-8 and in
// Windows-31J, so such a file is still read.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);

// Reads whole integers one after another, as the game has always read its
// progress files: blanks (codes up to 32) and line ends before a number are
// skipped, a missing number reads as 0, and the rest of the number's line is
// skipped. A token that is not a decimal integer, or does not fit an int,
// throws IoError naming `gameName`.
class IntegerLines
{
public:
    IntegerLines(QByteArrayView bytes, QString gameName);

    int next();

private:
    int parse(QByteArrayView token) const;

    QByteArrayView m_bytes;
    QString m_gameName;
    qsizetype m_pos = 0;
};

// The first line of a file, without its line end (CR, LF or CR LF),
// decoded from Windows-31J.
QString firstLine(QByteArrayView bytes);

// Collects the first `wanted` lines of a file that is read in pieces: only
// the bytes of those lines are kept, so a count far beyond the file's end
// costs no more than the file itself. A line ends at LF; a CR before it is
// not part of the line, and a last line without a line end counts too. A
// line longer than any round's is not one the game wrote: only its first
// LongestLine bytes are kept, so a planted file of one huge line costs
// no memory.
class LeadingLines
{
public:
    static constexpr qsizetype LongestLine = 1024;

    explicit LeadingLines(int wanted) : m_wanted(wanted) {}

    // False once the wanted lines are complete.
    bool wantsMore() const { return m_found < m_wanted; }
    // The next piece of the file.
    void feed(QByteArrayView piece);
    // The lines collected, decoded from Windows-31J.
    QStringList lines() const;

private:
    int m_wanted;
    int m_found = 0;
    qsizetype m_lineLength = 0;   // bytes of the line being read so far
    QByteArray m_bytes;
};

// Reads the bytes of a drill's progress file. An empty file, a line that is
// not a number and a level value below 0 or above the drill's highest level value throw
// IoError naming `gameName`: such a file is damaged, and a round must not be
// recorded on top of it.
Progress parseProgress(QByteArrayView bytes, Drill drill, const QString &gameName);

// Line 1 of a progress file alone, as the records viewer reads it; an
// empty file and a line 1 that is not a number throw IoError.
int parseHistoryLineCount(QByteArrayView bytes, const QString &gameName);

// The bytes of a progress file: line 1 and the level values, each ending in CR LF.
QByteArray progressContent(const Progress &progress);

// Temporary files are made in the user folder while a progress file is
// replaced. Their names are short whatever the child's name, end in ".tmp"
// so they are never taken for a user's file, and carry the computer and the
// process that made them, ".~<process>-<serial>.<computer>.tmp", so that a
// folder shared by computers can tell this computer's temporaries of a
// process that has ended from those another computer is writing.
struct Temporary
{
    QString computer;  // computerTag() of the maker; empty in a name without one
    qint64 process = 0;
};

// A computer's host name as a temporary's name carries it: only ASCII
// letters, digits and "-", safe in a file name on Windows and Linux, and at
// most 33 of them. A name that had to be shortened or changed to fit gets a
// hash of the whole name, so computers whose names differ stay apart.
QString computerTag(const QString &hostName);
QString temporaryName(const QString &computer, qint64 process, int serial);
// The maker of a temporary file's name; process 0 when the name is not one.
// A name of an earlier version, ".~<process>-<serial>.tmp", has no computer.
Temporary temporaryOf(const QString &fileName);

} // namespace users
