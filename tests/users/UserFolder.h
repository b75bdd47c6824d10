#pragma once

#include "app/IoError.h"
#include "users/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Each test plays in a fresh folder of its own, holding an empty "user"
// folder, the way the game's own folder does.
class UserFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("user")));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    // "taro.tzk" in the user folder.
    static QByteArray bytes(const QString &file)
    {
        QFile f(QStringLiteral("user/") + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void put(const QString &file, const QByteArray &content)
    {
        QFile f(QStringLiteral("user/") + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }
    static QStringList entries()
    {
        return QDir(QStringLiteral("user"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    users::UserFiles files;

private:
    QTemporaryDir m_dir;
    QString m_previous;
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
