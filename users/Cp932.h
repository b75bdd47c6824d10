#pragma once

#include <QByteArray>
#include <QString>

// Windows-31J (code page 932), the encoding of the children's user files:
// Shift-JIS as Windows writes it, so "～" is 0x81 0x60 and "－" 0x81 0x7C.
namespace users::Cp932 {

// The text as Windows-31J reads it back. Seven of its characters stand for
// a character of JIS that Windows reads under another code point, and an
// input method on Linux types the JIS one: "〜" U+301C is 0x81 0x60, which
// reads as "～" U+FF5E; likewise "−" U+2212 (read as "－"), "‖" U+2016
// ("∥"), "¢" ("￠"), "£" ("￡"), "¬" ("￢") and "—" U+2014 ("―" U+2015).
// Those seven become the characters they are read as; the rest is kept.
QString windowsForm(const QString &text);

// The text in Windows-31J, the seven characters above as Windows writes
// them. When a character has no Windows-31J form (an emoji, "é", a lone
// surrogate ...) *ok is set to false and an empty array is returned:
// nothing is ever replaced by a look-alike or a "?".
QByteArray encode(const QString &text, bool *ok = nullptr);

// True when encode() would succeed.
bool canEncode(const QString &text);

// The bytes read as Windows-31J. A byte that does not start a valid character
// and a double-byte character cut off at the end each give U+FFFD.
QString decode(const QByteArray &bytes);

} // namespace users::Cp932
