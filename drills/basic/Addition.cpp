#include "drills/basic/Addition.h"

#include "drill/Texts.h"
#include "ui/Services.h"

namespace addition {

namespace {

// The highest addend of levels 2 and 3.
int highestAddend(int level)
{
    return level == 3 ? 9 : 5;
}

// Level 1: the second addend for a first one, so that the total is at most 5.
int secondAddendUnderSix(int first, Random &random)
{
    return first == 4 ? 1 : random.uniform(1, 5 - first);
}

} // namespace

Sum firstQuestion(int level, Random &random)
{
    if (level == 2 || level == 3) {
        const int high = highestAddend(level);
        const int first = random.uniform(1, high);
        return {first, random.uniform(1, high)};
    }
    static constexpr std::array<Sum, 10> sums{
        {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {4, 1}}};
    return sums[std::size_t(random.uniform(0, 9))];
}

Sum nextQuestion(int level, const Sum &previous, Random &random)
{
    if (level == 2 || level == 3) {
        Sum next;
        do
            next = firstQuestion(level, random);
        while (next.total() == previous.total());
        return next;
    }
    Sum next;
    do
        next.first = random.uniform(1, 4);
    while (next.first == previous.first);
    next.second = secondAddendUnderSix(next.first, random);
    while (next.total() == previous.total()) {
        next.first = random.uniform(1, 4);
        next.second = secondAddendUnderSix(next.first, random);
    }
    return next;
}

int score(int right, int wrong)
{
    return right + 5 - wrong;
}

GradeResult gradeFor(int score)
{
    // Lowest score of grades 9 down to 1; below 25 is grade 10. Grade 4
    // spans ten points, the others five.
    static constexpr std::array<int, 9> lowest{25, 30, 35, 40, 45, 50, 60, 65, 70};
    int grade = 10;
    for (const int bound : lowest) {
        if (score >= bound)
            --grade;
    }
    const QString number = drill::fullWidth(grade);
    return {grade, number + QStringLiteral("級合格おめでと～"),
            grade == 1 ? QStringLiteral("sound\\レベル１・１級合格.wav")
                       : QStringLiteral("sound\\") + number + QStringLiteral("級合格.wav")};
}

drill::RoundResult judgeRound(const drill::PlayedRound &round)
{
    const GradeResult graded = gradeFor(score(round.right, round.wrong));
    const bool cleared = graded.grade == 1;
    return {.picture = QStringLiteral("Graphics\\四人　喜.bmp"),
            .message = graded.message,
            .sound = graded.sound,
            .levelValue = cleared ? 1 : round.levelBefore(),
            .record = {.level = round.level, .date = round.date, .grade = graded.grade},
            .levelPassed = cleared};
}

} // namespace addition
