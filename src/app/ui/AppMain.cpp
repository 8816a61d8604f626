#include "app/ui/AppMain.h"

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "editor/PrefKey.h"
#include "files/ui/DocumentFiles.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QCommandLineParser>

int brindlewickMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationVersion(QStringLiteral(BW_VERSION));

    // Defaults first: every setting read from here on sees its registered value.
    PrefKey::registerAll(Settings::instance());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Markdown editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Markdown files to open."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);

    DocumentController& documents = DocumentController::instance();
    DocumentFiles::install();
    documents.restoreAutosaved();
    for (const QString& path : parser.positionalArguments()) documents.openDocument(path);
    // Like any document program: with nothing else to show, start with an empty document.
    if (documents.windows().isEmpty() && parser.positionalArguments().isEmpty()) documents.newDocument();
    if (documents.windows().isEmpty()) return 1; // every file named failed to open
    DocumentFiles::scheduleSessionReopen();

    // However the program ends (quit, logout), documents edited since the last pause are written.
    const auto autosaveAll = [] {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->autosave();
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, autosaveAll);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, autosaveAll);
    return app.exec();
}
