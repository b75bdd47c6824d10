#include "UserFolder.h"

#include "ui/IoError.h"
#include "users/FactMemory.h"

#include <QFile>

#include <gtest/gtest.h>

using users::FactAnswer;
using users::FactMemory;
using users::Knowing;

namespace {

// A memory of addition with the tallies given: {fact, asked, wrong, mean ms}.
users::DrillMemory tallied(std::initializer_list<std::tuple<const char *, int, int, int>> facts)
{
    users::DrillMemory memory;
    for (const auto &[fact, asked, wrong, mean] : facts)
        memory.facts[QString::fromLatin1(fact)] = {asked, wrong, qint64(asked) * mean};
    return memory;
}

} // namespace

// Weak is at least one answer in three wrong; slow is right but over one and
// a half times the child's own typical time (the median of its facts' means);
// the weakest come first: more wrong first, then slower.
TEST(FactMemoryTest, TheWeakestFactsAreTheOftenWrongThenTheSlow)
{
    const users::DrillMemory memory = tallied({
        {"1+1", 4, 0, 1000}, {"1+2", 4, 0, 1200}, {"2+2", 4, 0, 1100},   // typical 1.2 s
        {"7+8", 6, 3, 3000}, {"6+9", 3, 1, 900}, {"5+8", 5, 1, 1000},   // 1/2, 1/3, 1/5 wrong
        {"4+9", 4, 0, 1900}, {"3+9", 4, 0, 2500}, {"2+9", 4, 0, 1700}, // 1.9 s, 2.5 s slow; 1.7 s not
    });
    const struct
    {
        const char *fact;
        Knowing expected;
    } cases[] = {
        {"1+1", Knowing::Known}, {"7+8", Knowing::Weak},  {"6+9", Knowing::Weak},
        {"5+8", Knowing::Known}, {"4+9", Knowing::Slow},  {"3+9", Knowing::Slow},
        {"2+9", Knowing::Known}, {"9+9", Knowing::NeverAsked},
    };
    EXPECT_EQ(users::typicalMilliseconds(memory), 1200);
    for (const auto &c : cases)
        EXPECT_EQ(users::knowing(memory, QString::fromLatin1(c.fact)), c.expected) << c.fact;
    EXPECT_EQ(users::weakestFacts(memory, 10), (QStringList{"7+8", "6+9", "3+9", "4+9"}));
    EXPECT_EQ(users::weakestFacts(memory, 1), QStringList{"7+8"});
    EXPECT_EQ(users::weakestFacts(tallied({{"1+1", 3, 0, 900}}), 3), QStringList{});
}

// However many rounds a child plays, the file stays within its bound, keeps
// every fact's tally and reads back as it was written.
TEST(FactMemoryTest, StaysWithinItsBoundAndReadsBackAfterAHundredThousandAnswers)
{
    FactMemory memory;
    for (int round = 0; round < 1000; ++round) {
        for (const DrillInfo &row : DrillRows) {
            std::vector<FactAnswer> answers;
            for (int i = 0; i < 100 / int(DrillRows.size()) + 1; ++i) {
                const int a = (round * 7 + i) % 89 + 1, b = (round + i) % 9 + 1;
                const QString fact = row.drill == Drill::Addition        ? users::facts::sum(a % 9 + 1, b)
                                     : row.drill == Drill::TimesTable    ? users::facts::product(a % 9 + 1, b)
                                     : row.drill == Drill::DivisionTable ? users::facts::quotient(a, b)
                                                                         : users::facts::level(b);
                answers.push_back({fact, b, (a + b) % 4 != 0, 500 + a * 97});
            }
            users::remember(memory, row.drill, answers);
        }
    }
    const QByteArray content = users::memoryContent(memory);
    EXPECT_LE(content.size(), FactMemory::MaxBytes);
    EXPECT_TRUE(content.endsWith("\r\n"));
    const std::optional<FactMemory> read = users::parseMemory(content);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, memory);
    EXPECT_EQ(read->of(Drill::DivisionTable).recent.size(), FactMemory::RecentAnswers);
    // More facts than any drill asks give way from the least asked.
    FactMemory crowded;
    for (int i = 0; i < 5000; ++i)
        users::remember(crowded, Drill::MentalTimes, std::vector<FactAnswer>(std::size_t(i % 3 + 1), {users::facts::level(i), 1, true, 1000}));
    const std::optional<FactMemory> trimmed = users::parseMemory(users::memoryContent(crowded));
    ASSERT_TRUE(trimmed.has_value());
    EXPECT_LE(users::memoryContent(crowded).size(), FactMemory::MaxBytes);
    EXPECT_TRUE(trimmed->of(Drill::MentalTimes).recent.empty());
    EXPECT_EQ(trimmed->of(Drill::MentalTimes).facts.count(users::facts::level(2)), 1u) << "asked three times";
    std::printf("%zu division facts, %lld bytes\n", read->of(Drill::DivisionTable).facts.size(),
                static_cast<long long>(content.size()));
}

// A damaged memory reads as nothing: the game then starts it afresh.
TEST(FactMemoryTest, ADamagedMemoryReadsAsNothing)
{
    FactMemory memory;
    users::remember(memory, Drill::TimesTable, {{"7x8", 7, false, 4000}, {"7x8", 7, true, 2000}});
    const QByteArray whole = users::memoryContent(memory);
    ASSERT_TRUE(users::parseMemory(whole).has_value());
    for (const QByteArray &damaged : {
             whole.left(whole.size() - 5),                           // cut off
             QByteArray(whole).replace("7x8", "7?8"),               // not a fact
             QByteArray(whole).replace("kzk", "xyz"),               // no such drill
             QByteArray(whole).replace(",2,1,6000", ",2,3,6000"),   // more wrong than asked
             QByteArray(whole).replace("\r\n", "\n"),
             QByteArray(4096, '\0'),
             QByteArray(),
         })
        EXPECT_FALSE(users::parseMemory(damaged).has_value()) << damaged.toStdString();
}

using MemoryFileTest = UserFolder;

// The memory is made by the first round, not by registration; a damaged one
// is started afresh and said so; deleting the child deletes it; it never
// lists a child.
TEST_F(MemoryFileTest, IsMadeByTheFirstRoundStartedAfreshWhenDamagedAndGoesWithTheChild)
{
    files.createFileSet("taro", "pw");
    EXPECT_EQ(entries().size(), 13);
    EXPECT_EQ(files.readMemory("taro"), FactMemory{});
    EXPECT_TRUE(files.rememberAnswers("taro", Drill::Addition, {{"7+8", 3, false, 3000}}));
    EXPECT_EQ(files.readMemory("taro").of(Drill::Addition).facts.at("7+8"), (users::FactTally{1, 1, 3000}));
    EXPECT_EQ(files.listUsers(), QStringList{"taro"});

    // Garbage, and a memory grown past its bound (a planted sparse file,
    // never read whole).
    for (const qint64 size : {qint64(0), qint64(32) << 20}) {
        {
            const QByteArray memory = size ? users::memoryContent(files.readMemory("taro")) : "garbage";
            QFile file(userPath("taro.ngt"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(memory);
            if (size)
                ASSERT_TRUE(file.resize(size));
        }
        EXPECT_THROW(files.readMemory("taro"), IoError) << size;
        EXPECT_FALSE(files.rememberAnswers("taro", Drill::Addition, {{"6+9", 3, true, 2000}}));
        EXPECT_EQ(files.readMemory("taro").of(Drill::Addition).facts.size(), 1u);
    }

    files.deleteFileSet("taro");
    EXPECT_EQ(entries(), QStringList{});
}
