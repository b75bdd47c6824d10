#pragma once

#include "users/DrillTable.h"
#include "users/UserFiles.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// A class at a glance for a teacher: what each child's files come to, per
// drill, read without changing, making or locking any file of the folder.
namespace report {

// What a child's records of one drill come to.
struct DrillFigures
{
    int rounds = 0;          // the round lines of the history
    QDate first, last;       // the dates of the first and the last round; null without any
    int lastWeek = 0;        // rounds dated today or in the 6 days before
    int lastMonth = 0;       // rounds dated today or in the 29 days before
    int highestPassed = 0;   // the highest level the progress file holds passed; 0: none
    int bestGrade = 0;       // addition: the best grade of a round (1 best .. 10); 0: none
    QStringList weakest;     // the weakest facts, at most three, as the report writes them
};

// The figures of a drill from its history lines (the header left out; a
// line that is not a round is not counted) and its progress file's level
// values.
DrillFigures figuresOf(Drill drill, const QStringList &roundLines, const std::vector<int> &levels,
                       QDate today);

// A round's date as its history line writes it, "2026/12/07"; null when it is none.
QDate roundDate(QStringView text);

// A fact of the memory as a teacher reads it: "7+8", "7×8", "57÷8", "れべる３".
QString factText(Drill drill, const QString &key);

// How a level passed is written: "3の段", "みっくす", "れべる１２", "3" for addition.
QString passedText(Drill drill, int level);

struct DrillRow
{
    Drill drill;
    DrillFigures figures;
    QString problem;         // the file that could not be read and why; empty when read whole
};

struct ChildReport
{
    QString name;
    std::vector<DrillRow> drills;   // every drill, in the game's order
    QString memoryProblem;          // the memory file that could not be read, or empty

    bool damaged() const;
    // The dates all its rounds cover; null without any round.
    QDate first() const;
    QDate last() const;
};

// One child's report, every file read and none changed.
ChildReport readChild(const users::UserFiles &files, const QString &name, QDate today);

// Every child the folder lists, by name.
std::vector<ChildReport> readClass(const users::UserFiles &files, QDate today);

// The CSV: UTF-8 with a byte order mark (so a Japanese spreadsheet program
// reads it as UTF-8), CR LF line ends, a header row, then one row per child
// and drill.
QByteArray csvOf(const std::vector<ChildReport> &children);

// A field as CSV writes it: quoted when it holds a comma, a quote, a CR or
// an LF, a quote doubled; a text a spreadsheet would take for a formula
// (starting with = + - @) begins with an apostrophe.
QString csvField(const QString &text);

} // namespace report
