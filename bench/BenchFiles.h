#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <QtGlobal>

// Writes a file the benchmark plants, or ends the benchmark.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
