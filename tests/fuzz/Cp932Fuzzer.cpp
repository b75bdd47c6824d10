// Windows-31J both ways: any bytes decode, and text that encodes decodes
// back to itself, the characters of JIS that Windows reads under other code
// points as those.

#include "users/Cp932.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = users::Cp932::decode(bytes);
    bool ok = false;
    const QByteArray again = users::Cp932::encode(decoded, &ok);
    if (ok && users::Cp932::decode(again) != decoded)
        std::abort();
    if (ok != users::Cp932::canEncode(decoded))
        std::abort();

    // The same bytes taken as UTF-16 text, lone surrogates and all.
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data),
                                            qsizetype(size / 2));
    const QByteArray encoded = users::Cp932::encode(text, &ok);
    if (ok ? users::Cp932::decode(encoded) != users::Cp932::windowsForm(text) : !encoded.isEmpty())
        std::abort();
    return 0;
}
