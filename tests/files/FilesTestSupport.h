#pragma once

#include "files/VersionSnapshots.h"
#include "files/VersionStore.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every files test runs on a fresh temporary folder: its own settings file and its own
// version store root, never the user's.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        Settings::useFile(tmp.filePath("settings.ini"));
        VersionStore::setRoot(tmp.filePath("Versions"));
    }
    void TearDown() override
    {
        VersionSnapshots::finish(); // a window's last versions land in this test's folder
        VersionStore::setRoot({});
    }

    QString path(const QString& rel) const { return tmp.filePath(rel); }
    QString makeFile(const QString& rel, const QByteArray& content = "x") const
    {
        const QString p = tmp.filePath(rel);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly)) f.write(content);
        return p;
    }
    static QByteArray read(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir tmp;
};
