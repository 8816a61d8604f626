#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes as they are on the disk; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
