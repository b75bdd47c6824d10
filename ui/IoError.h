#pragma once

#include <QString>

#include <stdexcept>

// An input/output failure: a file that is missing or cannot be written, a line
// that is not a number where one is expected, a picture that cannot be loaded.
// It ends the handler it happens in; the window layer reports it in a message
// box and the game goes on.
class IoError : public std::runtime_error
{
public:
    IoError(QString file, QString reason)
        : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString()),
          m_file(std::move(file)), m_reason(std::move(reason))
    {
    }

    // The file as the game names it, e.g. "user\taro.tzk".
    const QString &file() const { return m_file; }
    const QString &reason() const { return m_reason; }

private:
    QString m_file;
    QString m_reason;
};
