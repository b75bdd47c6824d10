#pragma once

#include <QString>

// The game names its files Windows-style, relative to its own folder:
// "Graphics\f3.bmp", "user\taro.pwd". "\" separates folders, and where the
// exact name is missing a file whose name differs only in letter case is the
// same file, as it is on the file systems the game was first made for.
//
// The game folder is found once at start-up (the folder the program lies in)
// and handed to everything that opens a file, so nothing depends on the
// working folder.
class GameFolder
{
public:
    // `path`: the folder holding Graphics/, sound/ and user/; made absolute.
    explicit GameFolder(const QString &path);

    // The absolute path of the folder.
    const QString &path() const { return m_path; }

    // The local path of a game file name. When neither the exact name nor a
    // variant in another letter case exists, the exact name is returned, so
    // it can be created.
    QString resolve(const QString &gameName) const;

    // True when resolve() finds an existing file or folder.
    bool exists(const QString &gameName) const;

    // "user" + "\" + name + ext, the way the game writes user file names.
    static QString join(const QString &folder, const QString &fileName);

private:
    QString m_path;
};
