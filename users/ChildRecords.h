#pragma once

#include "users/DrillTable.h"
#include "users/FactMemory.h"
#include "users/UserFiles.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// What a child's files come to, per drill: the rounds, the days they were
// played on, the levels passed and the weakest facts, read without changing,
// making or locking any file. The child's report on paper and the class
// report for a teacher are both made from it.
namespace users {

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

// The levels a progress file's values hold passed, from 1.
std::vector<int> passedLevels(Drill drill, const std::vector<int> &levels);

struct DrillRow
{
    Drill drill;
    DrillFigures figures;
    QStringList rounds;      // the history's round lines, oldest first (its header left out)
    std::vector<int> passed; // the levels passed, from 1
    QString problem;         // the file that could not be read and why; empty when read whole
};

struct ChildReport
{
    QString name;
    std::vector<DrillRow> drills;   // every drill, in the game's order
    FactMemory memory;              // every fact remembered; empty when it could not be read
    QString memoryProblem;          // the memory file that could not be read, or empty

    bool damaged() const;
    // The dates all its rounds cover; null without any round.
    QDate first() const;
    QDate last() const;
};

// One child's records, every file read and none changed.
ChildReport readChild(const UserFiles &files, const QString &name, QDate today);

} // namespace users
