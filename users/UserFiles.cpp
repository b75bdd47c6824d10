#include "users/UserFiles.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "users/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <climits>
#include <stdexcept>

namespace users {

namespace {

const QString PasswordExt = QStringLiteral(".pwd");

// Reasons shown to a parent, after the file's name.
const QString Missing = QStringLiteral("ファイルがありません");
const QString CannotOpen = QStringLiteral("ファイルを開けません");
const QString CannotRead = QStringLiteral("読み込めません");
const QString CannotWrite = QStringLiteral("書き込めません");
const QString NotANumber = QStringLiteral("数字ではない行があります");
const QString TooLarge = QStringLiteral("数が大きすぎます");
const QString Unencodable = QStringLiteral("ファイルに書けない文字があります");
const QString NameTaken = QStringLiteral("その名前はもう使われています");
const QString NameUnusable = QStringLiteral("その名前は使えません");
const QString PasswordUnusable = QStringLiteral("そのパスワードは使えません");

// The order the files of a user are created in, and the order they are removed in.
const std::array<Drill, 6> &creationOrder()
{
    static const std::array<Drill, 6> order{Drill::Addition,    Drill::TimesTable,
                                            Drill::DivisionTable, Drill::MentalTimes,
                                            Drill::MentalDivision, Drill::HorizontalAddition};
    return order;
}

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// Reads whole integers one after another, as the game has always read its
// progress files: blanks and line ends before a number are skipped, a missing
// number reads as 0, and the rest of the number's line is skipped.
class IntegerReader
{
public:
    IntegerReader(const QByteArray &bytes, const QString &gameName)
        : m_bytes(bytes), m_gameName(gameName)
    {
    }

    int next()
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

private:
    static bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

    int parse(QByteArrayView token) const
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

    const QByteArray &m_bytes;
    const QString &m_gameName;
    qsizetype m_pos = 0;
};

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

QByteArray progressContent(const Progress &progress)
{
    QByteArray bytes = QByteArray::number(progress.historyLines) + LineEnd;
    for (const int level : progress.levels)
        bytes += QByteArray::number(level) + LineEnd;
    return bytes;
}

// A name can be a file name on every system the game runs on, and written
// in the files' own encoding.
bool isUsableName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32
            || c.unicode() == 127)
            return false;
    }
    return Cp932::canEncode(name);
}

// A password is read back as the first line of its file, so it cannot hold a
// line end.
bool isUsablePassword(const QString &password)
{
    return !password.contains(QLatin1Char('\r')) && !password.contains(QLatin1Char('\n'))
        && Cp932::canEncode(password);
}

} // namespace

UserFiles::UserFiles(GameFolder game, QString folder)
    : m_game(std::move(game)), m_folder(std::move(folder))
{
}

QString UserFiles::fileName(const QString &name, const QString &ext) const
{
    return GameFolder::join(m_folder, name + ext);
}

Refusal UserFiles::checkRegistration(const QString &name, const QString &password) const
{
    if (!isUsableName(name))
        return Refusal::UnusableName;
    if (!isUsablePassword(password))
        return Refusal::UnusablePassword;
    if (m_game.exists(fileName(name, PasswordExt)))
        return Refusal::Taken;
    return Refusal::None;
}

void UserFiles::createFileSet(const QString &name, const QString &password) const
{
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
        files.push_back({fileName(name, m.historyExt), Cp932::encode(m.historyHeader) + LineEnd});
    }

    // The user folder is made when the first child registers.
    const QString folderPath = m_game.resolve(m_folder);
    if (!QFileInfo(folderPath).isDir() && !QDir(m_game.path()).mkpath(folderPath))
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
}

QStringList UserFiles::listUsers() const
{
    const QDir dir(m_game.resolve(m_folder));
    if (!dir.exists())
        return {};
    // The name filter is matched here, ignoring letter case as Windows does.
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    QStringList names;
    for (const QString &entry : entries) {
        if (entry.endsWith(PasswordExt, Qt::CaseInsensitive))
            names.append(entry.chopped(PasswordExt.size()));
    }
    return names;
}

QString UserFiles::readPassword(const QString &name) const
{
    const QByteArray bytes = readWhole(m_game, fileName(name, PasswordExt));
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return Cp932::decode(bytes.first(end));
}

void Progress::setLevel(int level, int value)
{
    if (level >= 1 && level <= int(levels.size()))
        levels[std::size_t(level - 1)] = value;
}

Progress UserFiles::readProgress(const QString &name, Drill drill) const
{
    const DrillInfo &m = drillInfo(drill);
    const QString gameName = fileName(name, m.progressExt);
    const QByteArray bytes = readWhole(m_game, gameName);
    IntegerReader reader(bytes, gameName);
    Progress progress;
    progress.historyLines = reader.next();
    progress.levels.reserve(std::size_t(m.levels));
    for (int i = 0; i < m.levels; ++i)
        progress.levels.push_back(reader.next());
    return progress;
}

void UserFiles::recordRound(const QString &name, Drill drill,
                            const std::function<void(Progress &)> &change,
                            const QString &historyLine) const
{
    recordRound(name, drill, [&](Progress &progress) {
        if (change)
            change(progress);
        return historyLine;
    });
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

    // The new progress goes to a file beside the old one and replaces it only
    // when complete: a full disk or a power cut leaves the old progress.
    QSaveFile progressFile(m_game.resolve(progressName));
    if (!progressFile.open(QIODevice::WriteOnly))
        throw IoError(progressName, CannotWrite);
    const QByteArray content = progressContent(progress);
    // Flushed here, as commit() does not notice a short write of buffered
    // data: on a full disk it would put a cut-off file in place of the old one.
    if (progressFile.write(content) != content.size() || !progressFile.flush()
        || !progressFile.commit())
        throw IoError(progressName, CannotWrite);

    QFile history(m_game.resolve(historyName));
    if (!QFileInfo::exists(history.fileName()))
        throw IoError(historyName, Missing);
    if (!history.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
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
        records.count = IntegerReader(bytes, progressName).next();
    }

    QFile history(m_game.resolve(historyName));
    openForReading(history, historyName);
    // Only the bytes of the first `count` lines are read, so a count far
    // beyond the file's end costs no more than the file itself. A line end
    // byte is never part of a double-byte character, so lines can be found
    // before decoding, and the wanted part is then decoded in one piece.
    QByteArray wanted;
    int linesFound = 0;
    while (linesFound < records.count && !history.atEnd()) {
        const QByteArray chunk = history.read(64 * 1024);
        if (history.error() != QFileDevice::NoError)
            throw IoError(historyName, CannotRead);
        qsizetype end = 0;
        while (linesFound < records.count) {
            const qsizetype lineEnd = chunk.indexOf('\n', end);
            if (lineEnd < 0)
                break;
            ++linesFound;
            end = lineEnd + 1;
        }
        wanted.append(linesFound < records.count ? chunk : chunk.left(end));
    }
    if (wanted.isEmpty())
        return records;
    records.lines = Cp932::decode(wanted).split(QLatin1Char('\n'));
    if (wanted.endsWith('\n'))
        records.lines.removeLast();
    for (QString &line : records.lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return records;
}

void UserFiles::deleteFileSet(const QString &name) const
{
    QStringList exts{PasswordExt};
    for (const Drill drill : creationOrder()) {
        const DrillInfo &m = drillInfo(drill);
        exts << m.historyExt << m.progressExt;
    }
    for (const QString &ext : std::as_const(exts)) {
        const QString path = m_game.resolve(fileName(name, ext));
        if (QFileInfo(path).isFile() || QFileInfo(path).isSymLink())
            QFile::remove(path);
    }
}

} // namespace users
