#pragma once

#include "TemporaryGameFolder.h"

#include "ui/IoError.h"
#include "users/UserFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Each test plays in a fresh game folder of its own, holding an empty "user"
// folder.
class UserFolder : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_game.isValid()); }

    // The path of "taro.tzk" in the user folder.
    QString userPath(const QString &file) const
    {
        return m_game.filePath(QStringLiteral("user/") + file);
    }
    // "taro.tzk" in the user folder.
    QByteArray bytes(const QString &file) const
    {
        QFile f(userPath(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QString &file, const QByteArray &content) const
    {
        QFile f(userPath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }
    QStringList entries() const
    {
        return QDir(m_game.filePath(QStringLiteral("user")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

private:
    TemporaryGameFolder m_game;

protected:
    GameFolder game{m_game.path()};
    users::UserFiles files{game};
};

// Runs `action` and returns the IoError it throws; fails the test when none is thrown.
template<typename Action>
QString ioErrorOf(Action action)
{
    try {
        action();
    } catch (const IoError &error) {
        return error.file() + QStringLiteral(": ") + error.reason();
    }
    ADD_FAILURE() << "no IoError";
    return {};
}
