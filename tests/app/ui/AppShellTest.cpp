#include "app/ui/AppShell.h"
#include "AppTestSupport.h"
#include "app/SingleInstance.h"
#include "app/TemplateStore.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/WelcomeWindow.h"
#include "app/ui/WindowSettings.h"
#include "editor/EditorController.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/MinimapView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "files/SessionStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class AppShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        auto& dc = DocumentController::instance();
        dc.prompts().alert = [this](QWidget*, const QString& m, const QString&) { alerts << m; };
        dc.prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
        TemplateStore::pending.reset();
        SessionStore::resetForNewLaunch();
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
        SessionStore::resetForNewLaunch();
    }
    static QStringList texts()
    {
        QStringList out;
        for (DocumentWindow* w : DocumentController::instance().windows()) out << w->documentText();
        return out;
    }
    // A file in the test's folder that holds its own name.
    QString write(const QString& name)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(name.toUtf8());
        return dir.filePath(name);
    }

    QTemporaryDir dir;
    QStringList alerts;
};

// A socket file nobody listens on, as a program that died leaves it.
void makeStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    std::memcpy(addr.sun_path, p.constData(), std::min<size_t>(p.size(), sizeof(addr.sun_path) - 1));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

} // namespace

TEST_F(AppShellTest, UrlsOpenOneDocumentEachInOrderAndForeignOnesNothing)
{
    AppShell::openUrls({"brindlewick://new?text=one", "other://new?text=x", "brindlewick://open?text=y",
                        "brindlewick://new?text=100%25", "brindlewick://new"});
    EXPECT_EQ(texts(), QStringList({"one", "100%", ""}));
    EXPECT_FALSE(TemplateStore::pending.has_value());
}

TEST_F(AppShellTest, TheLaunchPassClosesTheEmptyStartWindowAndKeepsLinkedDocuments)
{
    auto& dc = DocumentController::instance();
    const QString saved = dir.filePath("saved.md");
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("saved");
    f.close();
    SessionStore::markOpen(saved);
    SessionStore::resetForNewLaunch();
    SessionStore::setOpener([](const QString& p) { DocumentController::instance().openDocument(p); });

    ASSERT_TRUE(dc.scheduleSessionReopen());
    DocumentWindow* start = dc.newDocument();
    AppShell::markStartWindow(start);
    EXPECT_TRUE(AppShell::closedByLaunchPass(start));
    // A link followed while the program starts, and a template chosen: untitled, unedited, kept.
    AppShell::openUrls({"brindlewick://new?text=from%20a%20link"});
    AppShell::newDocumentWithText(TemplateStore::all()[5].body);
    AppShell::newDocumentWithText(std::nullopt); // a plain New: not the launch's either
    const QStringList kept{"from a link", TemplateStore::all()[5].body, "", "saved"};
    (void)QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return texts() == kept;
        },
        5000);
    EXPECT_EQ(texts(), kept);

    // A start window the user typed into is no longer the launch's to close.
    DocumentWindow* typed = dc.newDocument();
    AppShell::markStartWindow(typed);
    typed->editorController()->replace({0, 0}, "x");
    EXPECT_FALSE(AppShell::closedByLaunchPass(typed));
}

TEST_F(AppShellTest, TheFileNamedAtLaunchStaysInFrontOfTheReopenedSession)
{
    auto& dc = DocumentController::instance();
    SessionStore::markOpen(write("a.md"));
    SessionStore::markOpen(write("b.md"));
    SessionStore::resetForNewLaunch();
    SessionStore::setOpener([](const QString& p) { DocumentController::instance().openDocument(p); });

    // As the launch orders it: the session is scheduled, then the named file opens.
    ASSERT_TRUE(dc.scheduleSessionReopen());
    AppShell::openItems(Launch::classify({write("named.md")}, dir.path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dc.windows().size() == 3; }, 5000));
    DocumentWindow* named = dc.windowForPath(dir.filePath("named.md"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == named; }, 2000));
    QTest::qWait(50); // the reopened windows' own first steps, after they are shown, take nothing from it
    EXPECT_EQ(QApplication::activeWindow(), named);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(named->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), "typed ");
    EXPECT_EQ(named->documentText(), QStringLiteral("typed named.md"));

    // A later launch's file handed over while the reopening waits is the one in front.
    SessionStore::resetForNewLaunch();
    bool reopened = false;
    SessionStore::setOpener([&reopened](const QString& p) {
        reopened = true;
        DocumentController::instance().openDocument(p);
    });
    ASSERT_TRUE(dc.scheduleSessionReopen());
    AppShell::handleMessage(Launch::toStrings(Launch::classify({write("later.md")}, dir.path())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dc.windows().size() == 4 && reopened; }, 5000));
    DocumentWindow* later = dc.windowForPath(dir.filePath("later.md"));
    (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == later; }, 5000);
    EXPECT_EQ(QApplication::activeWindow(), later);
}

// A save over a hard-linked file that a crash ended leaves its text kept aside, naming the file.
// The launch after it shows that text's window, with its question, in front of the file named
// and of the last session, which does not open the incomplete file beside it.
TEST_F(AppShellTest, ARecoveredTextStaysInFrontAndItsFileIsNotReopenedBesideIt)
{
    auto& dc = DocumentController::instance();
    const QString shared = write("shared.md");
    SessionStore::markOpen(write("a.md"));
    SessionStore::markOpen(shared);
    SessionStore::markOpen(write("b.md"));
    SessionStore::resetForNewLaunch();
    SessionStore::setOpener([](const QString& p) { DocumentController::instance().openDocument(p); });
    ASSERT_TRUE(dc.autosaveStore().save(AutosaveStore::newId(), "the text being saved", nullptr, shared));
    QStringList offered;
    dc.prompts().offerWriteBack = [&](QWidget*, const QString& path, auto) { offered << path; };

    // As the launch orders it. A window shown to take the keyboard ends in front of those
    // shown before it, whatever is raised later: a window manager hands it the keyboard once
    // it is mapped.
    struct ShownActive : QObject {
        QList<QObject*> windows;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            auto* w = qobject_cast<DocumentWindow*>(o);
            if (e->type() == QEvent::Show && w && !w->testAttribute(Qt::WA_ShowWithoutActivating)) windows << w;
            return QObject::eventFilter(o, e);
        }
    } shownActive;
    qApp->installEventFilter(&shownActive);
    ASSERT_TRUE(dc.scheduleSessionReopen());
    ASSERT_EQ(dc.restoreAutosaved(), 1);
    DocumentWindow* recovered = dc.windows().first();
    AppShell::openItems(Launch::classify({write("named.md")}, dir.path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dc.windowForPath(dir.filePath("b.md")); }, 5000));
    EXPECT_EQ(offered, QStringList{shared});
    EXPECT_EQ(dc.windowForPath(shared), nullptr);
    EXPECT_EQ(texts(), (QStringList{"the text being saved", "named.md", "a.md", "b.md"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == recovered; }, 2000));
    QTest::qWait(50); // the other windows' first steps, after they are shown, take nothing from it
    EXPECT_EQ(QApplication::activeWindow(), recovered);
    qApp->removeEventFilter(&shownActive);
    EXPECT_EQ(shownActive.windows, QList<QObject*>{recovered});
}

// What's New, at the first launch of a new version, would cover the questions a recovered text
// asks: it waits for the answers, also to the question that writing back asks in turn about a
// file changed since.
TEST_F(AppShellTest, WhatsNewWaitsUntilARecoveredTextsQuestionIsAnswered)
{
    auto& dc = DocumentController::instance();
    const AppShell::LaunchWindows saved = AppShell::launchWindows();
    int whatsNew = 0;
    AppShell::launchWindows() = {[&whatsNew] { ++whatsNew; }, {}};
    const QString shared = write("shared.md");
    for (const bool writeBack : {false, true}) {
        ASSERT_TRUE(dc.autosaveStore().save(AutosaveStore::newId(), "the text being saved", nullptr, shared));
        std::function<void(bool)> answer;
        dc.prompts().offerWriteBack = [&](QWidget*, const QString&, auto a) { answer = a; };
        std::function<void(DocumentController::ExternalChangeChoice)> changed;
        dc.prompts().resolveExternalChange = [&](QWidget*, const QString&, bool, auto a) { changed = a; };
        ASSERT_EQ(dc.restoreAutosaved(), 1);
        AppShell::runLaunchSequence(true, false);
        QTest::qWait(100);
        EXPECT_EQ(whatsNew, 0);
        ASSERT_TRUE(answer);
        if (writeBack) {
            QFile file(shared);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(" changed since the launch");
            file.close();
            answer(true);
            ASSERT_TRUE(changed);
            EXPECT_EQ(whatsNew, 0);
            changed(DocumentController::ExternalChangeChoice::Cancel);
        } else {
            answer(false);
        }
        EXPECT_EQ(whatsNew, 1) << writeBack;
        whatsNew = 0;
        ASSERT_TRUE(dc.closeAllForQuit());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const AutosaveStore::Entry& e : dc.autosaveStore().entries()) dc.autosaveStore().remove(e.id);
    }
    dc.prompts().offerWriteBack = {};
    dc.prompts().resolveExternalChange = {};
    AppShell::launchWindows() = saved;
}

TEST_F(AppShellTest, OneHandOffOpensAtMostFiftyWindowsAndNamesWhatItLeftOut)
{
    QStringList detail;
    DocumentController::instance().prompts().alert = [&](QWidget*, const QString& m, const QString& d) {
        alerts << m;
        detail << d;
    };
    QStringList links;
    for (int i = 1; i <= 63; ++i) links << QStringLiteral("brindlewick://new?text=n%1").arg(i);
    AppShell::handleMessage(links);
    QCoreApplication::processEvents();
    const QStringList opened = texts();
    ASSERT_EQ(opened.size(), Launch::kMaxItemsOpened);
    EXPECT_EQ(opened.first(), "n1");
    EXPECT_EQ(opened.last(), "n50");
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0].contains("13")) << alerts[0].toStdString();
    // The first ten left out are named, the rest stand as one ellipsis.
    EXPECT_TRUE(detail[0].contains(links[50]) && detail[0].contains(links[59])) << detail[0].toStdString();
    EXPECT_FALSE(detail[0].contains(links[60]));
    EXPECT_TRUE(detail[0].endsWith(u"…"));
}

TEST_F(AppShellTest, OpenInPlaceThatFailsKeepsTheWindow)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.newDocument();
    w->openInPlace(dir.filePath("missing/none.md"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dc.windows(), QList<DocumentWindow*>{w});
    EXPECT_EQ(alerts.size(), 1);
}

TEST_F(AppShellTest, ASecondLaunchHandsItsLinkToTheRunningProgramAndExits)
{
    QTemporaryDir runtime; // private to this user, like the runtime folder
    SingleInstance server(runtime.path());
    makeStaleSocket(SingleInstance::socketPath(runtime.path())); // left by a program that died
    ASSERT_EQ(server.start({}), SingleInstance::Outcome::Server);
    QObject::connect(&server, &SingleInstance::messageReceived, &AppShell::handleMessage);
    EXPECT_EQ(QFile::permissions(SingleInstance::socketPath(runtime.path()))
                  & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    second.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    second.start(BW_APP_BINARY, {"brindlewick://new?text=Handed%20over%20%F0%9F%98%80"});
    ASSERT_TRUE(second.waitForStarted());
    // The running program answers on its listener thread and opens the link in its event loop.
    (void)QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000);
    std::cout << "[ hand-off ] second launch ended after " << clock.elapsed() << " ms\n";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QStringList handed{QString::fromUtf8("Handed over 😀")};
    (void)QTest::qWaitFor([&] { return texts() == handed; }, 5000);
    EXPECT_EQ(texts(), handed);

    // With toolkit options the launch hands over too, once the application object took them.
    QProcess styled;
    styled.setProcessEnvironment(env);
    styled.start(BW_APP_BINARY, {"-style", "fusion", "brindlewick://new?text=styled"});
    ASSERT_TRUE(styled.waitForStarted());
    (void)QTest::qWaitFor([&] { return styled.state() == QProcess::NotRunning; }, 10000);
    EXPECT_EQ(styled.exitCode(), 0) << styled.readAllStandardError().toStdString();
    (void)QTest::qWaitFor([&] { return texts().size() > 1; }, 5000);
    EXPECT_EQ(texts().value(1), "styled");
}

// From the moment a quit begins, the program takes nothing from a later launch, which runs on
// its own instead: what it handed over would go with the program. A quit the user cancels
// takes hand-offs again.
TEST_F(AppShellTest, ALaunchMadeWhileTheProgramQuitsRunsOnItsOwn)
{
    auto& dc = DocumentController::instance();
    QTemporaryDir runtime;
    SingleInstance server(runtime.path());
    ASSERT_EQ(server.start({}), SingleInstance::Outcome::Server);
    AppShell::takeHandOffs(server);
    // A window whose close asks: its file was changed by another program since it was typed in.
    const QString path = write("busy.md");
    DocumentWindow* w = dc.openDocument(path);
    ASSERT_TRUE(w);
    QTest::keyClicks(w->findChild<QTextEdit*>(), "typed ");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(" and changed");
    file.close();
    std::function<void(DocumentController::ExternalChangeChoice)> answer;
    dc.prompts().resolveExternalChange = [&](QWidget*, const QString&, bool, auto a) { answer = a; };
    std::optional<bool> quit;
    dc.closeAllForQuit([&quit](bool allClosed) { quit = allClosed; });
    ASSERT_TRUE(answer);
    EXPECT_EQ(SingleInstance::handOver(runtime.path(), {"brindlewick://new?text=during"}, 2000),
              SingleInstance::HandOver::NoServer);

    answer(DocumentController::ExternalChangeChoice::Cancel);
    EXPECT_EQ(quit, false);
    EXPECT_EQ(SingleInstance::handOver(runtime.path(), {"brindlewick://new?text=after"}, 2000),
              SingleInstance::HandOver::Delivered);
    (void)QTest::qWaitFor([&] { return texts().size() == 2; }, 5000);
    EXPECT_EQ(texts().value(1), "after");
    // The window closes at the end without asking a prompt that is gone by then.
    dc.prompts().resolveExternalChange = [](QWidget*, const QString&, bool, auto a) {
        a(DocumentController::ExternalChangeChoice::Reload);
    };
}

TEST_F(AppShellTest, MalformedOversizedAndUnansweredMessagesAreDropped)
{
    QTemporaryDir runtime;
    SingleInstance server(runtime.path());
    ASSERT_EQ(server.start({}), SingleInstance::Outcome::Server);
    QSignalSpy received(&server, &SingleInstance::messageReceived);

    const auto send = [&](const QByteArray& bytes) {
        QLocalSocket client;
        client.connectToServer(SingleInstance::socketPath(runtime.path()));
        EXPECT_TRUE(client.waitForConnected(1000));
        client.write(bytes);
        client.flush();
        QByteArray answer;
        (void)QTest::qWaitFor(
            [&] {
                answer += client.readAll();
                return client.state() != QLocalSocket::ConnectedState || !answer.isEmpty();
            },
            500);
        return answer;
    };
    const auto frame = [](quint32 size, const QByteArray& payload) {
        char header[8] = {'B', 'W', 'K', '1'};
        qToBigEndian(size, header + 4);
        return QByteArray(header, 8) + payload;
    };
    EXPECT_EQ(send(frame(SingleInstance::kMaxMessageBytes + 1, "[")), ""); // refused before it is read
    EXPECT_EQ(send(frame(1, "{")), "");
    EXPECT_EQ(send(frame(5, "[1,2]")), "");
    EXPECT_EQ(send("HTTP/1.1 GET /\r\n\r\n"), "");
    EXPECT_EQ(received.size(), 0);
    EXPECT_EQ(send(SingleInstance::encode({"/a.md"})), "OK");
    if (received.isEmpty()) received.wait(1000); // answered on the listener's thread, delivered here
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0][0].toStringList(), QStringList{"/a.md"});

    // A server that takes the connection but never answers: the launch runs alone in time.
    QTemporaryDir silentDir;
    QLocalServer silent;
    ASSERT_TRUE(silent.listen(SingleInstance::socketPath(silentDir.path())));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(SingleInstance::handOver(silentDir.path(), {}, 300), SingleInstance::HandOver::NoAnswer);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(SingleInstance::handOver(dir.filePath("nobody"), {}, 300), SingleInstance::HandOver::NoServer);
}

TEST_F(AppShellTest, ABusyProgramStillTakesTheHandOffAndActsOnItInOrderWhenFree)
{
    QTemporaryDir runtime;
    auto server = std::make_unique<SingleInstance>(runtime.path());
    ASSERT_EQ(server->start({}), SingleInstance::Outcome::Server);
    QObject::connect(server.get(), &SingleInstance::messageReceived, &AppShell::handleMessage);

    // Two launches while the main thread is held up longer than a launch waits for an answer.
    std::vector<SingleInstance::HandOver> answers;
    std::thread launches([&] {
        for (const char* text : {"first", "%EF%BB%BFsecond"})
            answers.push_back(SingleInstance::handOver(
                runtime.path(), {QStringLiteral("brindlewick://new?text=") + QString::fromLatin1(text)},
                SingleInstance::kAnswerTimeoutMs));
    });
    QTimer::singleShot(0, [] { QThread::sleep(3); });
    QTest::qWait(50); // the main thread is held up meanwhile
    launches.join();
    EXPECT_EQ(answers, std::vector<SingleInstance::HandOver>(2, SingleInstance::HandOver::Delivered));
    const QStringList inOrder{"first", QString(QChar(0xFEFF)) + "second"};
    (void)QTest::qWaitFor([&] { return texts().size() >= 2; }, 5000);
    EXPECT_EQ(texts(), inOrder);

    // A quitting program stops listening: a later launch finds nobody instead of a promise.
    server->stop();
    EXPECT_EQ(SingleInstance::handOver(runtime.path(), {}, 300), SingleInstance::HandOver::NoServer);
    // Going away with a client still connected, half a message sent, ends cleanly.
    auto other = std::make_unique<SingleInstance>(runtime.path());
    ASSERT_EQ(other->start({}), SingleInstance::Outcome::Server);
    QLocalSocket halfway;
    halfway.connectToServer(SingleInstance::socketPath(runtime.path()));
    ASSERT_TRUE(halfway.waitForConnected(1000));
    halfway.write(SingleInstance::encode({"/a.md"}).left(6));
    halfway.flush();
    QTest::qWait(20);
    other.reset();
    server.reset();
    EXPECT_EQ(texts().size(), 2);
}

TEST_F(AppShellTest, EachWindowFollowsItsFrontMatterAndTheSettings)
{
    const auto configOf = [](DocumentWindow* w) {
        auto* view = static_cast<MarkdownEditorView*>(w->editorHost());
        return *view->markdownTextView()->coordinator()->appliedConfig();
    };
    const auto isDark = [](const QWidget* w) { return w->palette().color(QPalette::Window).lightness() < 128; };
    DocumentWindow* themed =
        AppShell::newDocumentWithText(QString("---\nMode: source\ntheme: dark\nwidth: 1e9\n---\nText"));
    DocumentWindow* plain = AppShell::newDocumentWithText(QString("Text"));
    EXPECT_EQ(configOf(themed).viewMode, "source");
    EXPECT_DOUBLE_EQ(configOf(themed).pageWidth, 816); // an unusable width is ignored
    EXPECT_EQ(configOf(plain).viewMode, "wysiwyg");
    EXPECT_TRUE(isDark(themed));
    auto* sheet = new QDialog(themed);
    sheet->show();
    EXPECT_TRUE(isDark(sheet));
    delete sheet;

    // Toggling the mode changes the setting: the window whose front matter names a mode keeps it.
    // Settings reach the editor at a bounded rate, the latest winning.
    Settings::instance().setValue("editorViewMode", "source");
    EXPECT_TRUE(QTest::qWaitFor([&] { return configOf(plain).viewMode == "source"; }, 1000));
    Settings::instance().setValue("editorViewMode", "wysiwyg");
    EXPECT_TRUE(QTest::qWaitFor([&] { return configOf(plain).viewMode == "wysiwyg"; }, 1000));
    EXPECT_EQ(configOf(themed).viewMode, "source");

    // An edited front matter counts after a pause in typing.
    themed->setDocumentText("---\ntheme: sepia\n---\nText");
    EXPECT_TRUE(isDark(themed));
    QElapsedTimer pause;
    pause.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !isDark(themed) && configOf(themed).viewMode == "wysiwyg"; },
                                WindowSettings::kFrontMatterPauseMs + 3000));
    EXPECT_GE(pause.elapsed(), WindowSettings::kFrontMatterPauseMs - 50);
    EXPECT_FALSE(isDark(themed));
    EXPECT_EQ(configOf(themed).viewMode, "wysiwyg");
}

// Leaving the dark theme for the system's light one: the minimap is painted again, in light
// colours (it kept the dark ones when the editor took its colours before the window's palette).
TEST_F(AppShellTest, LeavingTheDarkThemeForTheSystemsRepaintsTheMinimapLight)
{
    ASSERT_GE(QApplication::palette().color(QPalette::Window).lightness(), 128);
    Settings::instance().setValue("editorShowMinimap", true);
    DocumentWindow* w = AppShell::newDocumentWithText(QString("Text"));
    w->show();
    auto* editor = static_cast<MarkdownEditorView*>(w->editorHost());
    PagedDocumentLayout* layout = editor->markdownTextView()->pagedLayout();
    struct PaintWatch : QObject {
        PagedDocumentLayout* layout;
        QColor lastDesk;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) lastDesk = layout->colors().desk;
            return false;
        }
    } watch;
    watch.layout = layout;
    editor->minimap()->installEventFilter(&watch);
    Settings::instance().setValue("editorAppearance", "dark");
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.lastDesk.isValid() && watch.lastDesk.lightness() < 128; }, 1000));
    Settings::instance().setValue("editorAppearance", "system");
    (void)QTest::qWaitFor([&] { return watch.lastDesk.lightness() >= 128; }, 5000);
    EXPECT_GE(layout->colors().desk.lightness(), 128);
    EXPECT_GE(watch.lastDesk.lightness(), 128) << "the minimap still shows the dark desk";
    editor->minimap()->removeEventFilter(&watch);
}

TEST_F(AppShellTest, TheWelcomeWindowReplacesTheStartWindowUntilTheUserActs)
{
    auto& dc = DocumentController::instance();
    const AppShell::LaunchWindows saved = AppShell::launchWindows();
    int whatsNew = 0, welcome = 0;
    AppShell::launchWindows() = {[&whatsNew] { ++whatsNew; }, [&welcome] { ++welcome; }};

    // Files or links named at launch: no welcome window, nothing closed.
    AppShell::markStartWindow(dc.newDocument());
    AppShell::runLaunchSequence(true, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return whatsNew == 1; }, 3000));
    QTest::qWait(300);
    EXPECT_EQ(whatsNew, 1);
    EXPECT_EQ(welcome, 0);
    EXPECT_EQ(dc.windows().size(), 1);
    for (DocumentWindow* w : dc.windows()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Nothing named: the welcome window comes every 0.2 s, five times, in the start window's place.
    AppShell::markStartWindow(dc.newDocument());
    AppShell::runLaunchSequence(false, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return welcome >= 1; }, 3000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(welcome, 1);
    EXPECT_TRUE(dc.windows().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return welcome >= 5; }, 5000));
    QTest::qWait(500);
    EXPECT_EQ(welcome, 5);

    // Once the user acts, it stops coming back.
    welcome = 0;
    AppShell::runLaunchSequence(false, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return welcome >= 1; }, 3000));
    EXPECT_EQ(welcome, 1);
    DocumentWindow* typed = dc.newDocument();
    QTest::keyClick(typed->editorHost()->focusProxy() ? typed->editorHost()->focusProxy() : typed, Qt::Key_A);
    QTest::qWait(1000);
    EXPECT_EQ(welcome, 1);
    EXPECT_EQ(dc.windows(), QList<DocumentWindow*>{typed});
    AppShell::launchWindows() = saved;
}

TEST_F(AppShellTest, TheWelcomeWindowListsTheBuiltInTemplatesAndOpensOne)
{
    const AppShell::LaunchWindows saved = AppShell::launchWindows();
    AppShell::installLaunchWindows();
    WelcomeWindow& welcome = WelcomeWindow::shared();
    welcome.showWindow();
    const QList<QAction*> items = welcome.templateButton()->menu()->actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[5]->text(), "To-Do List");
    items[5]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(DocumentController::instance().windows().size(), 1);
    EXPECT_TRUE(DocumentController::instance().windows().first()->documentText().startsWith("# To-Do\n"));
    AppShell::launchWindows() = saved;
}

TEST_F(AppShellTest, SimultaneousLaunchesElectOneProgram)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::unique_ptr<QProcess>> launches;
    for (int i = 0; i < 3; ++i) {
        launches.push_back(std::make_unique<QProcess>());
        launches.back()->setProcessEnvironment(env);
        launches.back()->start(BW_APP_BINARY, {QString("brindlewick://new?text=%1").arg(i)});
    }
    const auto ended = [&launches] {
        return std::count_if(launches.begin(), launches.end(),
                             [](const auto& p) { return p->state() == QProcess::NotRunning; });
    };
    (void)QTest::qWaitFor([&] { return ended() >= 2; }, 8000);
    QTest::qWait(300); // the one left runs on: it is the program the others handed over to
    EXPECT_EQ(ended(), 2);
    for (const auto& p : launches) {
        if (p->state() == QProcess::NotRunning) {
            EXPECT_EQ(p->exitCode(), 0);
            continue;
        }
        p->terminate();
        EXPECT_TRUE(p->waitForFinished(5000));
    }
}
