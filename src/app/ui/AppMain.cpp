#include "app/ui/AppMain.h"

#include "app/Launch.h"
#include "app/SingleInstance.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/Features.h"
#include "files/VersionSnapshots.h"
#include "platform/PrefKey.h"
#include "platform/SafeWrite.h"
#include "platform/Settings.h"
#include "settings/SettingsModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// A polite request to end (a plain `kill`, the session manager, Ctrl+C in a terminal) writes
// every document where it belongs, what was typed since the last pause included, and quits
// without asking: nobody may be there to answer. The handler only wakes the event loop; the
// quitting itself runs there.
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
        DocumentController::instance().terminate();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &action, nullptr);
}

} // namespace

QList<QTranslator*> installTranslations(QCoreApplication& app, const Settings& settings)
{
    // The program's texts and Qt's own (its dialogs, key names) in the language picked in
    // Settings, or in the system's languages when none was picked. English is the texts' own
    // language: it needs no file, and a language without one stays English rather than failing.
    const QString language = SettingsModel::preferredLanguage(settings);
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (!language.isEmpty()) QLocale::setDefault(locale);
    const std::pair<QString, QString> catalogues[] = {
        {QStringLiteral("brindlewick"), QStringLiteral(":/i18n")},
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    QList<QTranslator*> installed;
    for (const auto& [name, folder] : catalogues) {
        auto* texts = new QTranslator(&app);
        if (texts->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(texts))
            installed.append(texts);
        else
            delete texts;
    }
    return installed;
}

int brindlewickMain(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Markdown editor"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Markdown files or brindlewick: links to open."),
                                 QStringLiteral("[FILE|URL...]"));

    // Options of the toolkit (-style, -platform, …) are known only to the application object,
    // which takes them out of the arguments; with none of them the launch can be handed to a
    // running program before the GUI starts, which is quick and needs no display.
    const bool toolkitOptions = std::any_of(arguments.begin() + 1, arguments.end(), [](const QString& a) {
        static const QStringList ours{"-h", "--help", "-?", "--help-all", "-v", "--version"};
        return a.startsWith(u'-') && a != u"--" && !ours.contains(a);
    });
    auto handOver = SingleInstance::HandOver::NoServer;
    QString instanceFolder;
    QList<Launch::Item> items;
    if (!toolkitOptions) {
        if (!parser.parse(arguments) || parser.isSet(help) || parser.isSet(version)
            || arguments.contains(QStringLiteral("--help-all"))) {
            // Help, version and usage errors need no display.
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("brindlewick"));
            QCoreApplication::setApplicationVersion(QStringLiteral(BW_VERSION));
            parser.process(app);
            return 0;
        }
        items = Launch::classify(parser.positionalArguments(), QDir::currentPath());
        instanceFolder = SingleInstance::defaultDirectory();
        handOver = SingleInstance::handOver(instanceFolder, Launch::toStrings(items), SingleInstance::kAnswerTimeoutMs);
        if (handOver == SingleInstance::HandOver::Delivered) return 0;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationVersion(QStringLiteral(BW_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("brindlewick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/brindlewick.svg")));
    if (toolkitOptions) {
        parser.process(app);
        items = Launch::classify(parser.positionalArguments(), QDir::currentPath());
        instanceFolder = SingleInstance::defaultDirectory();
    }
    const QStringList message = Launch::toStrings(items);

    // Without an answer from a running program this one runs on its own, without a server.
    SingleInstance instance(instanceFolder);
    if (handOver == SingleInstance::HandOver::NoServer
        && instance.start(message) == SingleInstance::Outcome::HandedOver)
        return 0;
    AppShell::takeHandOffs(instance);

    // Defaults first: every setting read from here on sees its registered value.
    PrefKey::registerAll(Settings::instance());
    // The language picked in Settings takes effect from the next start, read once here.
    installTranslations(app, Settings::instance());

    // A write to a new name that a crash ended left its file where no later write may come:
    // such writes are noted while they run, and what they left goes now.
    SafeWrite::noteNewNamesIn(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                              + QStringLiteral("/Writing"));
    SafeWrite::removeInterruptedWrites();

    DocumentController& documents = DocumentController::instance();
    installWindowFeatures();
    AppShell::installLaunchWindows();
    // The last session is read before any window opens: each opened file rewrites the stored session.
    const bool reopensSession = documents.scheduleSessionReopen();
    documents.restoreAutosaved();
    AppShell::openItems(items);
    // Like any document program: with nothing else to show, start with an empty document.
    if (documents.windows().isEmpty() && items.isEmpty()) AppShell::markStartWindow(documents.newDocument());
    if (documents.windows().isEmpty() && !reopensSession) {
        // Nothing named could be opened and nothing else will open. The alerts that say
        // why are read before the program ends: it ends when the last of them is closed.
        // (With the last session coming back, the program runs on as usual.)
        const auto topLevels = QApplication::topLevelWidgets();
        if (std::any_of(topLevels.begin(), topLevels.end(), [](QWidget* w) { return w->isVisible(); })) app.exec();
        return 1;
    }
    AppShell::runLaunchSequence(!items.isEmpty() || documents.isRecovering(), reopensSession);

    // However the program ends (quit, logout), documents edited since the last pause are written.
    const auto autosaveAll = [] {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->autosave();
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, autosaveAll);
    // A version under way (the last window closed by hand takes one) is written whole.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &VersionSnapshots::finish);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, autosaveAll);
    quitOnTerminateSignals(app);
    return app.exec();
}
