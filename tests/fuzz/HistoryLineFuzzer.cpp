// History lines of any bytes, split into the records table's cells.

#include "users/Cp932.h"
#include "users/HistoryLine.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString line = users::Cp932::decode(QByteArray(reinterpret_cast<const char *>(data),
                                                         qsizetype(size)));
    const QStringList cells = users::splitHistoryLine(line);
    // Every cell takes at least one character of the line or one comma.
    qsizetype characters = 0;
    for (const QString &cell : cells)
        characters += cell.size();
    if (characters > line.size() || cells.size() > line.size())
        std::abort();
    return 0;
}
