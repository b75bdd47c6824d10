// Names of any characters, as typed or as found in the user folder: a name
// the rule lets through makes file names that stay in the user folder and
// fit the file system.

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "users/Cp932.h"
#include "users/UserFileRules.h"
#include "users/UserFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QString::fromUtf16(reinterpret_cast<const char16_t *>(data),
                                            qsizetype(size / 2));
    static const users::UserFiles files{GameFolder(QStringLiteral("/nonexistent-game"))};
    const bool usable = users::isUsableName(name);
    try {
        const QString fileName = files.fileName(name, QStringLiteral(".pwd"));
        if (!usable)
            std::abort(); // a path was formed from a name the rule refuses
        const QString stem = fileName.sliced(files.folder().size() + 1);
        if (stem.contains(QLatin1Char('\\')) || stem.contains(QLatin1Char('/'))
            || stem.toUtf8().size() > users::LongestFileName
            || users::Cp932::encode(stem).size() > users::LongestFileName)
            std::abort();
    } catch (const IoError &) {
        if (usable)
            std::abort();
    }
    return 0;
}
