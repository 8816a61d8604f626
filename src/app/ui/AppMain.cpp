#include "app/ui/AppMain.h"

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/Features.h"
#include "editor/PrefKey.h"
#include "platform/Settings.h"
#include "settings/SettingsModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A polite request to end (a plain `kill`, the session manager, Ctrl+C in a terminal) quits
// like File > Quit, so what was typed since the last pause is written too. The handler only
// wakes the event loop; the quitting itself runs there.
int terminateSockets[2] = {-1, -1};

void onTerminateSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(terminateSockets[0], &byte, 1);
}

void quitOnTerminateSignals(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminateSockets) != 0) return;
    auto* notifier = new QSocketNotifier(terminateSockets[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(terminateSockets[1], &byte, 1);
        DocumentController::instance().quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &action, nullptr);
}

} // namespace

int brindlewickMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationVersion(QStringLiteral(BW_VERSION));

    // Defaults first: every setting read from here on sees its registered value.
    PrefKey::registerAll(Settings::instance());
    // The language picked in Settings takes effect from the next start, read once here.
    if (const QString language = SettingsModel::preferredLanguage(Settings::instance()); !language.isEmpty()) {
        QLocale::setDefault(QLocale(language));
        auto* qtTexts = new QTranslator(&app);
        if (qtTexts->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qtTexts);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Markdown editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Markdown files to open."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);

    DocumentController& documents = DocumentController::instance();
    installWindowFeatures();
    // The last session is read before any window opens: each opened file rewrites the stored session.
    documents.scheduleSessionReopen();
    documents.restoreAutosaved();
    for (const QString& path : parser.positionalArguments()) documents.openOrCreateDocument(path);
    // Like any document program: with nothing else to show, start with an empty document.
    if (documents.windows().isEmpty() && parser.positionalArguments().isEmpty()) documents.newDocument();
    if (documents.windows().isEmpty()) return 1; // every file named failed to open

    // However the program ends (quit, logout), documents edited since the last pause are written.
    const auto autosaveAll = [] {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->autosave();
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, autosaveAll);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, autosaveAll);
    quitOnTerminateSignals(app);
    return app.exec();
}
