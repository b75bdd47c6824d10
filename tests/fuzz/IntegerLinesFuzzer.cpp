// Progress files of any bytes: read as the level menus and the records
// viewer read them, they give numbers or IoError, nothing else.

#include "ui/IoError.h"
#include "users/UserFileRules.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = QStringLiteral("user\\taro.kak");
    try {
        users::IntegerLines lines(bytes, name);
        // More numbers than any progress file holds: the end reads as 0s.
        for (int i = 0; i < 32; ++i)
            lines.next();
    } catch (const IoError &) {
    }
    for (const DrillInfo &m : allDrills()) {
        try {
            const users::Progress progress = users::parseProgress(bytes, m.drill, name);
            if (progress.levels.size() != std::size_t(m.levels))
                std::abort();
            for (const int value : progress.levels) {
                if (value < 0 || value > m.highestLevelValue)
                    std::abort();
            }
            // What is read is what is written back.
            const QByteArray written = users::progressContent(progress);
            const users::Progress again = users::parseProgress(written, m.drill, name);
            if (again.historyLines != progress.historyLines || again.levels != progress.levels)
                std::abort();
        } catch (const IoError &) {
        }
    }
    try {
        users::parseHistoryLineCount(bytes, name);
    } catch (const IoError &) {
    }
    return 0;
}
