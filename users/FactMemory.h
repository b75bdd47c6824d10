#pragma once

#include "users/DrillTable.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <vector>

// What the game remembers of every answer a child gave, beyond the rounds'
// records: for each drill, a tally per fact (a sum, a table entry, a
// division, or a level of a mental drill) and the latest answers. It is
// kept in one small file per child beside the child's other files, "<name>.ngt",
// whose size stays bounded however many rounds are played.
namespace users {

// The memory file's extension; the file is not one of a child's thirteen.
inline constexpr QStringView MemoryExt = u".ngt";

// One answer as the drill window saw it: the fact it asked (see factKey),
// the level it was asked at, whether it was right, and the milliseconds
// from the question appearing to Enter.
struct FactAnswer
{
    QString fact;
    int level = 0;
    bool right = false;
    int milliseconds = 0;

    bool operator==(const FactAnswer &) const = default;
};

struct FactTally
{
    int asked = 0;
    int wrong = 0;
    qint64 milliseconds = 0;   // all answers' times together

    int right() const { return asked - wrong; }
    // The mean time of an answer; 0 when never asked.
    int meanMilliseconds() const { return asked ? int(milliseconds / asked) : 0; }
    bool operator==(const FactTally &) const = default;
};

struct DrillMemory
{
    std::map<QString, FactTally> facts;   // by fact key
    std::deque<FactAnswer> recent;        // oldest first, at most RecentAnswers

    bool operator==(const DrillMemory &) const = default;
};

struct FactMemory
{
    // The latest answers kept per drill.
    static constexpr std::size_t RecentAnswers = 60;
    // The file never grows beyond this.
    static constexpr qsizetype MaxBytes = 64 * 1024;

    std::array<DrillMemory, DrillCount> drills;

    DrillMemory &of(Drill drill) { return drills[std::size_t(drill) - 1]; }
    const DrillMemory &of(Drill drill) const { return drills[std::size_t(drill) - 1]; }
    bool operator==(const FactMemory &) const = default;
};

// The fact keys, as the drill windows name what they ask: "7+8", "7x8",
// "57/8" (the dividend and the divisor; the quotient and the remainder
// follow from them), and "L3" for level 3 of a mental drill.
namespace facts {
QString sum(int first, int second);
QString product(int first, int second);
QString quotient(int dividend, int divisor);
QString level(int level);
// The two numbers of a sum, product or quotient key; nothing for another key.
std::optional<std::pair<int, int>> operands(const QString &fact);
// The two numbers of a key that `key` makes of two one-digit numbers (1 to
// 9), as sum or product do; nothing for any other key.
std::optional<std::pair<int, int>> oneDigitOperands(const QString &fact, QString (*key)(int, int));
} // namespace facts

// Adds a round's answers to the memory of its drill.
void remember(FactMemory &memory, Drill drill, const std::vector<FactAnswer> &answers);

// The file's content: Windows-31J text with CR LF line ends, never more
// than FactMemory::MaxBytes (the oldest answers and then the least asked
// facts give way).
QByteArray memoryContent(const FactMemory &memory);

// Reads a memory file's content; nothing when it is damaged (a line that
// does not parse, a drill that does not exist, numbers out of range).
std::optional<FactMemory> parseMemory(const QByteArray &content);

// How well a fact is known, as the map of weak facts shows it.
enum class Knowing { NeverAsked, Known, Slow, Weak };

// A fact is weak when at least one answer in three was wrong, and slow when
// it was answered right but its mean time is over one and a half times the
// child's own typical time in that drill (the median of the facts' means).
// The child is compared only with itself: a six-year-old types slower than
// a ten-year-old.
// typicalMilliseconds() is that typical time; 0 when nothing was answered right.
int typicalMilliseconds(const DrillMemory &memory);
Knowing knowing(const DrillMemory &memory, const QString &fact, int typicalMilliseconds);
inline Knowing knowing(const DrillMemory &memory, const QString &fact)
{
    return knowing(memory, fact, typicalMilliseconds(memory));
}

// The facts of a drill from the weakest on: weak ones first (more wrong
// first), then slow ones (slowest first); never the known or never-asked
// ones. At most `count`.
QStringList weakestFacts(const DrillMemory &memory, int count);

} // namespace users
