#pragma once

#include <QByteArray>
#include <QString>

// What the children's files layer tells a parent after a file's name when a
// file cannot be used, and the line end every file of the children has.
namespace users::reasons {

inline const QString Missing = QStringLiteral("ファイルがありません");
inline const QString CannotOpen = QStringLiteral("ファイルを開けません");
inline const QString CannotRead = QStringLiteral("読み込めません");
inline const QString CannotWrite = QStringLiteral("書き込めません");
inline const QString TooLarge = QStringLiteral("数が大きすぎます");
inline const QString TooBig = QStringLiteral("ファイルが大きすぎます");
inline const QString NotANumber = QStringLiteral("数字ではない行があります");
inline const QString Empty = QStringLiteral("ファイルが空です");
inline const QString Damaged = QStringLiteral("ファイルがこわれています");
// The memory of facts was damaged and starts again from this round.
inline const QString MemoryStartedAfresh =
    QStringLiteral("にがての きおくが こわれていたので、きょうから また おぼえなおします");
inline const QString OutOfRange = QStringLiteral("ありえない数があります");
inline const QString Unencodable = QStringLiteral("ファイルに書けない文字があります");
inline const QString Busy = QStringLiteral("ほかのパソコンが使っていて書き込めません");
inline const QString ChildChanged =
    QStringLiteral("この名前の子は、ほかのパソコンで消されたか登録しなおされたので、記録できません");
inline const QString NameTaken = QStringLiteral("その名前はもう使われています");
inline const QString NameUnusable = QStringLiteral("その名前は使えません");
inline const QString PasswordUnusable = QStringLiteral("そのパスワードは使えません");

inline const QByteArray LineEnd = QByteArrayLiteral("\r\n");

} // namespace users::reasons
