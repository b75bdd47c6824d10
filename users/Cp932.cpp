#include "users/Cp932.h"

#include <QtGlobal>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace users::Cp932 {

namespace {

constexpr char16_t Replacement = 0xFFFD;

#ifdef Q_OS_WIN

constexpr UINT CodePage = 932;

QByteArray encodeNative(const QString &text, bool *ok)
{
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size <= 0 || usedDefault) {
        *ok = false;
        return {};
    }
    QByteArray bytes(size, Qt::Uninitialized);
    usedDefault = FALSE;
    const int written = WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, wide, length,
                                            bytes.data(), size, nullptr, &usedDefault);
    *ok = written == size && !usedDefault;
    return *ok ? bytes : QByteArray();
}

// One character of `length` bytes, or false when the bytes are not one.
bool decodeOne(const char *bytes, int length, QString &out)
{
    wchar_t wide[2];
    const int n = MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 2);
    if (n <= 0)
        return false;
    out.append(QStringView(reinterpret_cast<const char16_t *>(wide), n));
    return true;
}

QString decodeNative(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const int length = int(bytes.size());
    // Most files are valid throughout: convert them in one call.
    const int size = MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes.constData(), length,
                                         nullptr, 0);
    if (size > 0) {
        QString text(size, Qt::Uninitialized);
        MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes.constData(), length,
                            reinterpret_cast<wchar_t *>(text.data()), size);
        return text;
    }
    // Otherwise character by character, marking what cannot be read.
    QString text;
    text.reserve(length);
    const char *p = bytes.constData();
    for (int i = 0; i < length;) {
        const auto byte = static_cast<unsigned char>(p[i]);
        if (byte < 0x80) {
            text.append(QChar(byte));
            ++i;
        } else if (IsDBCSLeadByteEx(CodePage, byte)) {
            if (i + 1 < length && decodeOne(p + i, 2, text)) {
                i += 2;
            } else {
                text.append(QChar(Replacement));
                ++i;
            }
        } else {
            if (!decodeOne(p + i, 1, text))
                text.append(QChar(Replacement));
            ++i;
        }
    }
    return text;
}

#else

// An iconv conversion opened for one call.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isValid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

QByteArray encodeNative(const QString &text, bool *ok)
{
    *ok = false;
    const Converter converter("CP932", "UTF-8");
    if (!converter.isValid())
        return {};
    QByteArray utf8 = text.toUtf8();
    // Every character takes at most as many bytes in Windows-31J as in UTF-8.
    QByteArray bytes(utf8.size() + 16, Qt::Uninitialized);
    char *in = utf8.data();
    size_t inLeft = size_t(utf8.size());
    char *out = bytes.data();
    size_t outLeft = size_t(bytes.size());
    const size_t irreversible = iconv(converter.handle(), &in, &inLeft, &out, &outLeft);
    if (irreversible != 0) // an error, or a character replaced by a look-alike
        return {};
    if (iconv(converter.handle(), nullptr, nullptr, &out, &outLeft) == size_t(-1))
        return {};
    bytes.truncate(out - bytes.data());
    *ok = true;
    return bytes;
}

QString decodeNative(const QByteArray &bytes)
{
    QString text;
    if (bytes.isEmpty())
        return text;
    const Converter converter(Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "UTF-16LE" : "UTF-16BE",
                              "CP932");
    if (!converter.isValid())
        return QString(bytes.size(), QChar(Replacement));

    // Every byte gives at most one UTF-16 unit.
    text.resize(bytes.size());
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *const start = reinterpret_cast<char *>(text.data());
    char *out = start;
    size_t outLeft = size_t(text.size()) * sizeof(char16_t);
    auto putReplacement = [&] {
        *reinterpret_cast<char16_t *>(out) = Replacement;
        out += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
    };
    while (inLeft > 0) {
        if (iconv(converter.handle(), &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno == EINVAL) {
            // A lead byte at the very end.
            putReplacement();
            break;
        }
        if (errno != EILSEQ || outLeft < sizeof(char16_t)) {
            // Cannot happen with the sizes above; give up on the rest plainly.
            while (inLeft > 0 && outLeft >= sizeof(char16_t)) {
                putReplacement();
                ++in;
                --inLeft;
            }
            break;
        }
        putReplacement();
        ++in;
        --inLeft;
    }
    text.truncate((out - start) / qsizetype(sizeof(char16_t)));
    return text;
}

#endif

// The JIS characters of Windows-31J's double-byte characters that Windows
// reads under another code point, each beside the one it reads.
constexpr std::pair<char16_t, char16_t> JisToWindows[] = {
    {0x301C, 0xFF5E}, // 〜 ～ 0x8160
    {0x2016, 0x2225}, // ‖ ∥ 0x8161
    {0x2212, 0xFF0D}, // − － 0x817C
    {0x2014, 0x2015}, // — ― 0x815C
    {0x00A2, 0xFFE0}, // ¢ ￠ 0x8191
    {0x00A3, 0xFFE1}, // £ ￡ 0x8192
    {0x00AC, 0xFFE2}, // ¬ ￢ 0x81CA
};

} // namespace

QString windowsForm(const QString &text)
{
    QString form = text;
    for (QChar &c : form) {
        for (const auto &[jis, windows] : JisToWindows) {
            if (c.unicode() == jis)
                c = QChar(windows);
        }
    }
    return form;
}

QByteArray encode(const QString &text, bool *ok)
{
    bool encoded = true;
    QByteArray bytes;
    if (!text.isEmpty()) {
        const QString form = windowsForm(text);
        bytes = encodeNative(form, &encoded);
        // Only what reads back as written counts as encoded.
        if (encoded && decode(bytes) != form) {
            encoded = false;
            bytes.clear();
        }
    }
    if (ok)
        *ok = encoded;
    return bytes;
}

bool canEncode(const QString &text)
{
    bool ok = false;
    encode(text, &ok);
    return ok;
}

QString decode(const QByteArray &bytes)
{
    return decodeNative(bytes);
}

} // namespace users::Cp932
