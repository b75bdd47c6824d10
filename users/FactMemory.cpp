#include "users/FactMemory.h"

#include "users/Cp932.h"
#include "users/FileReasons.h"

#include <QStringList>

#include <algorithm>

namespace users {

namespace {

// The first line: what the file is, and the version of its lines.
const QString Header = QStringLiteral("すうじのしま きおく,1");
// Longer than any time an answer can take in a round of two minutes.
constexpr int LongestAnswer = 10 * 60 * 1000;

QString drillWord(Drill drill)
{
    return drillInfo(drill).progressExt.mid(1).toString();
}

std::optional<Drill> drillOfWord(QStringView word)
{
    for (const DrillInfo &row : DrillRows)
        if (row.progressExt.mid(1) == word)
            return row.drill;
    return std::nullopt;
}

bool isFactKey(const QString &fact)
{
    return !fact.isEmpty() && fact.size() <= 12
        && std::all_of(fact.begin(), fact.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || c == u'+' || c == u'x' || c == u'/' || c == u'L';
           });
}

// A number of the file: digits only, at most `highest`.
std::optional<qint64> number(QStringView text, qint64 highest)
{
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= highest ? std::optional(value) : std::nullopt;
}

} // namespace

namespace facts {
QString sum(int first, int second) { return QStringLiteral("%1+%2").arg(first).arg(second); }
QString product(int first, int second) { return QStringLiteral("%1x%2").arg(first).arg(second); }
QString quotient(int dividend, int divisor) { return QStringLiteral("%1/%2").arg(dividend).arg(divisor); }
QString level(int level) { return QStringLiteral("L%1").arg(level); }

std::optional<std::pair<int, int>> operands(const QString &fact)
{
    for (const QChar sign : {u'+', u'x', u'/'}) {
        const qsizetype at = fact.indexOf(sign);
        if (at <= 0)
            continue;
        const auto first = number(QStringView(fact).left(at), 1000000);
        const auto second = number(QStringView(fact).mid(at + 1), 1000000);
        if (first && second)
            return std::pair(int(*first), int(*second));
    }
    return std::nullopt;
}
std::optional<std::pair<int, int>> oneDigitOperands(const QString &fact, QString (*key)(int, int))
{
    const auto found = operands(fact);
    if (!found || fact != key(found->first, found->second) || found->first < 1 || found->first > 9
        || found->second < 1 || found->second > 9)
        return std::nullopt;
    return found;
}
} // namespace facts

void remember(FactMemory &memory, Drill drill, const std::vector<FactAnswer> &answers)
{
    DrillMemory &kept = memory.of(drill);
    for (FactAnswer answer : answers) {
        if (!isFactKey(answer.fact))
            continue;
        answer.milliseconds = std::clamp(answer.milliseconds, 0, LongestAnswer);
        FactTally &tally = kept.facts[answer.fact];
        ++tally.asked;
        tally.wrong += !answer.right;
        tally.milliseconds += answer.milliseconds;
        kept.recent.push_back(answer);
        if (kept.recent.size() > FactMemory::RecentAnswers)
            kept.recent.pop_front();
    }
}

namespace {

QString factLine(Drill drill, const QString &fact, const FactTally &tally)
{
    return QStringLiteral("F,%1,%2,%3,%4,%5")
        .arg(drillWord(drill), fact)
        .arg(tally.asked)
        .arg(tally.wrong)
        .arg(tally.milliseconds);
}

QString answerLine(Drill drill, const FactAnswer &answer)
{
    return QStringLiteral("A,%1,%2,%3,%4,%5")
        .arg(drillWord(drill), answer.fact)
        .arg(answer.level)
        .arg(answer.right ? 1 : 0)
        .arg(answer.milliseconds);
}

// The bytes a line of facts or answers takes: they are ASCII, with CR LF.
qsizetype bytesOf(const QString &line)
{
    return line.size() + 2;
}

} // namespace

QByteArray memoryContent(const FactMemory &memory)
{
    // What must give way to keep the file small goes first: the oldest
    // answer of the drill with the most, then the least asked fact of the
    // drill with the most facts.
    FactMemory kept = memory;
    qsizetype size = Cp932::encode(Header).size() + 2;
    for (const DrillInfo &row : DrillRows) {
        for (const auto &[fact, tally] : kept.of(row.drill).facts)
            size += bytesOf(factLine(row.drill, fact, tally));
        for (const FactAnswer &answer : kept.of(row.drill).recent)
            size += bytesOf(answerLine(row.drill, answer));
    }
    const auto most = [&kept](auto count) {
        return std::size_t(std::max_element(kept.drills.begin(), kept.drills.end(),
                                            [&](const DrillMemory &a, const DrillMemory &b) {
                                                return count(a) < count(b);
                                            })
                           - kept.drills.begin());
    };
    while (size > FactMemory::MaxBytes) {
        const std::size_t answers = most([](const DrillMemory &d) { return d.recent.size(); });
        // The memory's drills are in the table's order.
        if (DrillMemory &d = kept.drills[answers]; !d.recent.empty()) {
            size -= bytesOf(answerLine(DrillRows[answers].drill, d.recent.front()));
            d.recent.pop_front();
            continue;
        }
        const std::size_t facts = most([](const DrillMemory &d) { return d.facts.size(); });
        DrillMemory &d = kept.drills[facts];
        const auto least = std::min_element(d.facts.begin(), d.facts.end(), [](const auto &a, const auto &b) {
            return a.second.asked < b.second.asked;
        });
        size -= bytesOf(factLine(DrillRows[facts].drill, least->first, least->second));
        d.facts.erase(least);
    }

    QStringList lines{Header};
    for (const DrillInfo &row : DrillRows) {
        for (const auto &[fact, tally] : kept.of(row.drill).facts)
            lines << factLine(row.drill, fact, tally);
        for (const FactAnswer &answer : kept.of(row.drill).recent)
            lines << answerLine(row.drill, answer);
    }
    return Cp932::encode(lines.join(QStringLiteral("\r\n"))) + reasons::LineEnd;
}

std::optional<FactMemory> parseMemory(const QByteArray &content)
{
    if (!content.endsWith(reasons::LineEnd))
        return std::nullopt;
    const QStringList lines = Cp932::decode(content.chopped(2)).split(QStringLiteral("\r\n"));
    if (lines.front() != Header)
        return std::nullopt;
    FactMemory memory;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(u',');
        if (cells.size() != 6 || !isFactKey(cells[2]))
            return std::nullopt;
        const std::optional<Drill> drill = drillOfWord(cells[1]);
        if (!drill)
            return std::nullopt;
        DrillMemory &kept = memory.of(*drill);
        if (cells[0] == u"F") {
            const auto asked = number(cells[3], 1000000000), wrong = number(cells[4], 1000000000);
            const auto milliseconds = number(cells[5], qint64(1000000000) * LongestAnswer);
            if (!asked || !wrong || !milliseconds || *wrong > *asked || *asked == 0
                || kept.facts.count(cells[2]))
                return std::nullopt;
            kept.facts[cells[2]] = FactTally{int(*asked), int(*wrong), *milliseconds};
        } else if (cells[0] == u"A") {
            const auto level = number(cells[3], 100), right = number(cells[4], 1);
            const auto milliseconds = number(cells[5], LongestAnswer);
            if (!level || !right || !milliseconds || kept.recent.size() == FactMemory::RecentAnswers)
                return std::nullopt;
            kept.recent.push_back(FactAnswer{cells[2], int(*level), *right == 1, int(*milliseconds)});
        } else {
            return std::nullopt;
        }
    }
    return memory;
}

int typicalMilliseconds(const DrillMemory &memory)
{
    std::vector<int> means;
    for (const auto &[fact, tally] : memory.facts)
        if (tally.right() > 0)
            means.push_back(tally.meanMilliseconds());
    if (means.empty())
        return 0;
    std::nth_element(means.begin(), means.begin() + std::ptrdiff_t(means.size() / 2), means.end());
    return means[means.size() / 2];
}

Knowing knowing(const DrillMemory &memory, const QString &fact, int typical)
{
    const auto found = memory.facts.find(fact);
    if (found == memory.facts.end() || found->second.asked == 0)
        return Knowing::NeverAsked;
    const FactTally &tally = found->second;
    if (tally.wrong * 3 >= tally.asked)
        return Knowing::Weak;
    if (typical > 0 && tally.meanMilliseconds() * 2 > typical * 3)
        return Knowing::Slow;
    return Knowing::Known;
}

QStringList weakestFacts(const DrillMemory &memory, int count)
{
    const int typical = typicalMilliseconds(memory);
    struct Candidate
    {
        QString fact;
        bool weak;
        double wrongShare;
        int mean;
    };
    std::vector<Candidate> candidates;
    for (const auto &[fact, tally] : memory.facts) {
        const Knowing known = knowing(memory, fact, typical);
        if (known == Knowing::Weak || known == Knowing::Slow)
            candidates.push_back({fact, known == Knowing::Weak, double(tally.wrong) / tally.asked,
                                  tally.meanMilliseconds()});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        if (a.weak != b.weak)
            return a.weak;
        if (a.weak && a.wrongShare != b.wrongShare)
            return a.wrongShare > b.wrongShare;
        return a.mean > b.mean;
    });
    QStringList weakest;
    for (const Candidate &c : candidates) {
        if (weakest.size() == count)
            break;
        weakest << c.fact;
    }
    return weakest;
}

} // namespace users
