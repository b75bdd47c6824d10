#include "users/Cp932.h"

#include <gtest/gtest.h>

using users::Cp932::decode;
using users::Cp932::encode;

TEST(Cp932, EncodesAsWindowsWritesAndReadsBack)
{
    const struct
    {
        const char *text;
        const char *hex;
        const char *read = nullptr; // as Windows reads it back, when not `text`
    } cases[] = {
        {"～", "8160"},
        {"－", "817c"},
        {"あ", "82a0"},
        {"ﾊﾟｽ", "cadfbd"},
        {"abc 123", "61626320313233"},
        {"レベル,日付,ランク", "838c8378838b2c93fa95742c83898393834e"},
        {"山田太郎１２～", "8e52936391be9859825082518160"},
        // The JIS characters an input method types, written as the
        // Windows-31J characters they stand for.
        {"ゆう〜", "82e482a48160", "ゆう～"},
        {"−‖¢£¬—", "817c81618191819281ca815c", "－∥￠￡￢―"},
        // NEC's and IBM's characters, some of them in two places of the
        // table: the Linux and the Windows game write them alike.
        {"①髙ⅰ∵∑≒", "8740fbfcfa4081e6879481e0"},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString read = QString::fromUtf8(c.read ? c.read : c.text);
        bool ok = false;
        EXPECT_EQ(encode(text, &ok).toHex(), QByteArray(c.hex)) << c.text;
        EXPECT_TRUE(ok) << c.text;
        EXPECT_EQ(decode(QByteArray::fromHex(c.hex)), read) << c.text;
        EXPECT_EQ(users::Cp932::windowsForm(text), read) << c.text;
    }
}

TEST(Cp932, RefusesWhatItCannotWriteWithoutSubstituting)
{
    const QString unwritable[] = {
        QString::fromUtf8("ok😀"),
        QString::fromUtf8("é"),
        QString(QChar(0xD800)), // a lone surrogate
    };
    for (const QString &text : unwritable) {
        bool ok = true;
        EXPECT_TRUE(encode(text, &ok).isEmpty());
        EXPECT_FALSE(ok) << text.toStdString();
        EXPECT_FALSE(users::Cp932::canEncode(text));
    }
    bool ok = false;
    EXPECT_TRUE(encode(QString(), &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST(Cp932, MarksUnreadableBytes)
{
    // A lead byte followed by a space, and a lead byte cut off at the end.
    EXPECT_EQ(decode(QByteArray("A\x81 B")), QString::fromUtf8("A\uFFFD B"));
    EXPECT_EQ(decode(QByteArray("\x82\xa0\x82")), QString::fromUtf8("あ\uFFFD"));

    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.append(char(i));
    const QString text = decode(everyByte.repeated(3));
    EXPECT_TRUE(text.startsWith(QString::fromLatin1(everyByte.first(128))));
    EXPECT_LE(text.size(), everyByte.size() * 3);
}
