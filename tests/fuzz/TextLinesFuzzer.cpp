// Password and history files of any bytes, read in pieces of any size: the
// lines found never depend on where the pieces were cut.

#include "users/UserFileRules.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose how many lines are wanted and the size of
    // the pieces; the rest is the file.
    const int wanted = int(data[0] % 16) - 1;
    const qsizetype piece = data[1] % 8 + 1;
    const QByteArrayView file(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    const QString first = users::firstLine(file);
    if (first.contains(QLatin1Char('\r')) || first.contains(QLatin1Char('\n')))
        std::abort();

    users::LeadingLines whole(wanted);
    whole.feed(file);
    users::LeadingLines pieces(wanted);
    for (qsizetype at = 0; at < file.size() && pieces.wantsMore(); at += piece)
        pieces.feed(file.sliced(at, std::min(piece, file.size() - at)));
    const QStringList lines = whole.lines();
    if (pieces.lines() != lines || lines.size() > std::max(wanted, 0))
        std::abort();
    return 0;
}
