#pragma once

#include <QString>
#include <QTemporaryDir>

// A game folder of its own for a test or a benchmark: a temporary folder
// with the built pictures and sounds linked in (so one may be removed
// without touching the build) and an empty user folder. It goes when the
// object goes.
class TemporaryGameFolder
{
public:
    TemporaryGameFolder();

    bool isValid() const { return m_dir.isValid(); }
    // The folder's absolute path.
    QString path() const { return m_dir.path(); }
    // A path inside the folder, "user/taro.pwd".
    QString filePath(const QString &relativePath) const { return m_dir.filePath(relativePath); }

private:
    QTemporaryDir m_dir;
};
