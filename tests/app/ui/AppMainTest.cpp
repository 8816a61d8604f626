#include "app/ui/AppMain.h"
#include "platform/Settings.h"
#include "settings/SettingsModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// Headless, with its settings and data inside `dir`.
QProcessEnvironment programEnvironment(const QTemporaryDir& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    // Its own runtime folder: a program running already elsewhere would take the launch over.
    const QString runtime = dir.filePath("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime);
    return env;
}
} // namespace

// The language picked in Settings is the one the program starts in, whatever the system's.
TEST(AppMain, StartsInTheLanguagePickedInSettings)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath("settings.ini"));
    const bool systemIsGerman = QLocale::system().language() == QLocale::German;
    SettingsModel::setApplicationLanguage(settings, systemIsGerman ? "fr" : "de");
    const QLocale before;
    const QList<QTranslator*> installed = installTranslations(*QCoreApplication::instance(), settings);
    const QString shown = QCoreApplication::translate("SettingsPages", "Check spelling while typing");
    for (QTranslator* t : installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QLocale::setDefault(before);
    EXPECT_EQ(shown.toStdString(), systemIsGerman ? "Vérifier l’orthographe pendant la saisie"
                                                  : "Rechtschreibung während der Eingabe prüfen");
}

// The program itself, run as a user would start it.
TEST(AppMain, APoliteTerminationQuitsLikeFileQuit)
{
    const QString program = QCoreApplication::applicationDirPath() + "/../brindlewick";
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "no program beside the tests";
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.md");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("text\r\n");
    f.close();

    QProcess app;
    app.setProcessEnvironment(programEnvironment(dir));
    app.start(program, {path});
    ASSERT_TRUE(app.waitForStarted());
    ASSERT_FALSE(app.waitForFinished(1500)); // it runs until told to stop
    app.terminate();                         // SIGTERM
    ASSERT_TRUE(app.waitForFinished(5000));
    // Quit through the event loop, not killed by the signal.
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
    QFile back(path);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), QByteArray("text\r\n"));
}

// A file named on the command line that does not exist yet opens as a new document for
// that path; it is created by the first save, not by just looking at it.
TEST(AppMain, AMissingFileOnTheCommandLineOpensAWindowForIt)
{
    const QString program = QCoreApplication::applicationDirPath() + "/../brindlewick";
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "no program beside the tests";
    QTemporaryDir dir;
    QProcess app;
    app.setProcessEnvironment(programEnvironment(dir));
    app.start(program, {dir.filePath("missing.md")});
    ASSERT_TRUE(app.waitForStarted());
    EXPECT_FALSE(app.waitForFinished(1500)) << app.readAllStandardError().toStdString(); // a window, not an error
    app.terminate();
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.md")));
}

// A pipe named on the command line is neither read (which would block for ever) nor
// dropped without a word: the program shows its alert and waits for it to be read.
TEST(AppMain, APipeOnTheCommandLineIsRefusedWithAnAlert)
{
    const QString program = QCoreApplication::applicationDirPath() + "/../brindlewick";
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "no program beside the tests";
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.md");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess app;
    app.setProcessEnvironment(programEnvironment(dir));
    app.start(program, {pipe});
    ASSERT_TRUE(app.waitForStarted());
    EXPECT_FALSE(app.waitForFinished(1500)) << app.readAllStandardError().toStdString(); // the alert is up
    app.terminate();
    EXPECT_TRUE(app.waitForFinished(5000)); // and the program answers: nothing blocks it
    if (app.state() != QProcess::NotRunning) {
        app.kill();
        app.waitForFinished();
    }
}

// A file named at launch joins the last session instead of replacing it: the documents that were
// open when the program last quit come back beside it.
TEST(AppMain, AFileNamedAtLaunchJoinsTheLastSession)
{
    const QString program = QCoreApplication::applicationDirPath() + "/../brindlewick";
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "no program beside the tests";
    QTemporaryDir dir;
    QStringList paths;
    for (const char* name : {"kept.md", "named.md"}) {
        paths << dir.filePath(name);
        QFile f(paths.last());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(name);
    }
    const QString ini = dir.filePath("config/Brindlewick/Brindlewick.ini");
    {
        QSettings stored(ini, QSettings::IniFormat);
        stored.setValue("openSessionBookmarks", QVariantList{paths[0].toUtf8()});
    }

    QProcess app;
    app.setProcessEnvironment(programEnvironment(dir));
    app.start(program, {paths[1]});
    ASSERT_TRUE(app.waitForStarted());
    ASSERT_FALSE(app.waitForFinished(2000)); // the session is reopened 0.2 s after launch
    app.terminate();                         // quitting keeps the open documents as the session
    ASSERT_TRUE(app.waitForFinished(5000));

    QSettings after(ini, QSettings::IniFormat);
    QStringList session;
    for (const QVariant& v : after.value("openSessionBookmarks").toList())
        session << QString::fromUtf8(v.toByteArray());
    session.sort();
    EXPECT_EQ(session.join(" ").toStdString(), paths.join(" ").toStdString());
}
