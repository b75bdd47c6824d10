#include "users/UserFileRules.h"

#include "ui/IoError.h"
#include "users/Cp932.h"
#include "users/FileReasons.h"

#include <QCryptographicHash>

#include <climits>

namespace users {

namespace {

using namespace reasons;

// Every user file name is the name and an extension of four characters: ".pwd".
constexpr int ExtensionBytes = 4;

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

void Progress::setLevel(int level, int value)
{
    if (level >= 1 && level <= int(levels.size()))
        levels[std::size_t(level - 1)] = value;
}

bool isUsableName(const QString &name)
{
    // "." and ".." are names like any other: the extension is part of every
    // file name ("..pwd"), which stays in the user folder. A file named
    // ".pwd" alone is nobody's.
    if (name.isEmpty())
        return false;
    bool ascii = true;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32
            || c.unicode() == 127)
            return false;
        ascii = ascii && c.unicode() < 128;
    }
    // Checked on the length first, so a name of a million letters is not encoded.
    if (name.size() + ExtensionBytes > LongestFileName)
        return false;
    // ASCII is one byte a letter in both encodings: nothing to encode, which
    // keeps listing a class of thousands quick.
    if (ascii)
        return true;
    bool encoded = false;
    const QByteArray windows = Cp932::encode(name, &encoded);
    return encoded && windows.size() + ExtensionBytes <= LongestFileName
        && name.toUtf8().size() + ExtensionBytes <= LongestFileName;
}

bool isUsablePassword(const QString &password)
{
    return !password.contains(QLatin1Char('\r')) && !password.contains(QLatin1Char('\n'))
        && Cp932::canEncode(password);
}

QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

IntegerLines::IntegerLines(QByteArrayView bytes, QString gameName)
    : m_bytes(withoutByteOrderMark(bytes)), m_gameName(std::move(gameName))
{
}

int IntegerLines::next()
{
    const qsizetype size = m_bytes.size();
    while (m_pos < size && isBlank(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos >= size)
        return 0;
    const qsizetype start = m_pos;
    while (m_pos < size && !isBlank(m_bytes[m_pos]))
        ++m_pos;
    const int value = parse(m_bytes.sliced(start, m_pos - start));
    while (m_pos < size && m_bytes[m_pos] != '\n')
        ++m_pos;
    if (m_pos < size)
        ++m_pos; // the line feed
    return value;
}

int IntegerLines::parse(QByteArrayView token) const
{
    bool negative = false;
    if (token.startsWith('+') || token.startsWith('-')) {
        negative = token.front() == '-';
        token = token.sliced(1);
    }
    if (token.isEmpty())
        throw IoError(m_gameName, NotANumber);
    long long value = 0;
    bool tooLarge = false;
    for (const char c : token) {
        if (c < '0' || c > '9')
            throw IoError(m_gameName, NotANumber);
        if (!tooLarge) {
            value = value * 10 + (c - '0');
            tooLarge = value > static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative)
        value = -value;
    if (tooLarge || value > INT_MAX || value < INT_MIN)
        throw IoError(m_gameName, TooLarge);
    return static_cast<int>(value);
}

QString firstLine(QByteArrayView bytes)
{
    bytes = withoutByteOrderMark(bytes);
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return Cp932::decode(bytes.first(end).toByteArray());
}

void LeadingLines::feed(QByteArrayView piece)
{
    // A line end byte is never part of a double-byte character, so lines can
    // be found before decoding, and the wanted part is decoded in one piece.
    qsizetype start = 0;
    while (m_found < m_wanted && start < piece.size()) {
        const qsizetype lineEnd = piece.indexOf('\n', start);
        const qsizetype stop = lineEnd < 0 ? piece.size() : lineEnd;
        const qsizetype room = std::max<qsizetype>(0, LongestLine - m_lineLength);
        m_bytes.append(piece.sliced(start, std::min(room, stop - start)));
        m_lineLength += stop - start;
        if (lineEnd < 0)
            break;
        m_bytes.append('\n');
        ++m_found;
        m_lineLength = 0;
        start = lineEnd + 1;
    }
}

QStringList LeadingLines::lines() const
{
    if (m_bytes.isEmpty())
        return {};
    QStringList lines = Cp932::decode(m_bytes).split(QLatin1Char('\n'));
    if (m_bytes.endsWith('\n'))
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

Progress parseProgress(QByteArrayView bytes, Drill drill, const QString &gameName)
{
    // An empty file is what a power cut while the file was rewritten leaves;
    // read as zeros it would take every level from the child and hide the
    // history from the records, so it is reported and left alone.
    if (bytes.isEmpty())
        throw IoError(gameName, Empty);
    const int levels = drillInfo(drill).levels;
    const int highest = drillInfo(drill).highestLevelValue;
    IntegerLines reader(bytes, gameName);
    Progress progress;
    progress.historyLines = reader.next();
    progress.levels.reserve(std::size_t(levels));
    for (int i = 0; i < levels; ++i) {
        const int value = reader.next();
        // No round ever writes such a value: the level menus could offer
        // nothing sensible for it.
        if (value < 0 || value > highest)
            throw IoError(gameName, OutOfRange);
        progress.levels.push_back(value);
    }
    return progress;
}

int parseHistoryLineCount(QByteArrayView bytes, const QString &gameName)
{
    if (bytes.isEmpty())
        throw IoError(gameName, Empty);
    return IntegerLines(bytes, gameName).next();
}

QByteArray progressContent(const Progress &progress)
{
    QByteArray bytes = QByteArray::number(progress.historyLines) + LineEnd;
    for (const int level : progress.levels)
        bytes += QByteArray::number(level) + LineEnd;
    return bytes;
}

QString computerTag(const QString &hostName)
{
    constexpr qsizetype Longest = 24;
    QString tag;
    for (const QChar c : hostName) {
        if (tag.size() < Longest && c.unicode() < 128 && (c.isLetterOrNumber() || c == u'-'))
            tag.append(c);
    }
    if (tag != hostName || tag.isEmpty()) {
        const QByteArray hash =
            QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha1).toHex();
        tag += QLatin1Char('-');
        tag += QString::fromLatin1(hash.first(8));
    }
    return tag;
}

QString temporaryName(const QString &computer, qint64 process, int serial)
{
    return QStringLiteral(".~%1-%2.%3.tmp").arg(process).arg(serial).arg(computer);
}

Temporary temporaryOf(const QString &fileName)
{
    if (!fileName.startsWith(QLatin1String(".~")) || !fileName.endsWith(QLatin1String(".tmp")))
        return {};
    const QString made = fileName.sliced(2, fileName.size() - 6);
    const qsizetype dash = made.indexOf(u'-');
    if (dash < 0)
        return {};
    const qsizetype dot = made.indexOf(u'.', dash);
    bool ok = false;
    const qint64 process = made.first(dash).toLongLong(&ok);
    if (!ok || process <= 0)
        return {};
    return {dot < 0 ? QString() : made.sliced(dot + 1), process};
}

} // namespace users
