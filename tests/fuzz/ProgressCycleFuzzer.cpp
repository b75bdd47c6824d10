// A progress file of any bytes goes through a whole round: read, one level
// changed, written back. Either the round is refused and both files stay as
// they were, or the file holds the values read with line 1 one higher and
// the one level changed, and the history holds one more line.

#include "ui/IoError.h"
#include "users/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    static QTemporaryDir folder;
    static const bool made = folder.isValid() && QDir(folder.path()).mkpath(QStringLiteral("user"));
    if (!made)
        std::abort();
    static const users::UserFiles files{GameFolder(folder.path())};

    // The first byte chooses the drill, the second the level and its value.
    const DrillInfo &m = allDrills()[data[0] % 6];
    const int level = data[1] % (m.levels + 1); // 0: a level that is not there
    const int value = data[1] % (m.highestLevelValue + 1);
    const QByteArrayView content(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    const QString progressPath = folder.filePath(QStringLiteral("user/k") + m.progressExt.toString());
    const QString historyPath = folder.filePath(QStringLiteral("user/k") + m.historyExt.toString());
    write(progressPath, content);
    write(historyPath, "h\r\n");

    users::Progress before;
    bool readable = true;
    try {
        before = files.readProgress(QStringLiteral("k"), m.drill);
    } catch (const IoError &) {
        readable = false;
    }
    try {
        files.recordRound(QStringLiteral("k"), m.drill, [&](users::Progress &p) {
            p.setLevel(level, value);
            return QStringLiteral("r");
        });
    } catch (const IoError &) {
        if (contentOf(progressPath) != content.toByteArray() || contentOf(historyPath) != "h\r\n")
            std::abort(); // a refused round changed a file
        return 0;
    }
    if (!readable)
        std::abort(); // a round was recorded on a file that cannot be read
    users::Progress expected = before;
    ++expected.historyLines;
    expected.setLevel(level, value);
    if (contentOf(progressPath) != users::progressContent(expected) || contentOf(historyPath) != "h\r\nr\r\n")
        std::abort();
    if (!QDir(folder.filePath(QStringLiteral("user")))
             .entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden)
             .isEmpty())
        std::abort(); // a temporary file stayed
    return 0;
}
