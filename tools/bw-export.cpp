// Developer tool: exports a Markdown file the way the program does, without dialogs.
//   bw-export FILE.md --format html|pdf|rtf|docx|odt --out PATH [--css FILE]
// The header and footer templates and "exportCSS" come from the user's settings.
//   bw-export --page-text FILE.html
// prints the text of an exported page as the web engine lays it out (the export checks).
//   bw-export --batch FOLDER --format F [--css FILE]
// exports every Markdown file of FOLDER as the File menu's batch export does, replacing
// existing outputs, and prints the report; exits 1 when any file was not exported.
//   --theme standard|github|academic|dark|compact adds an export theme's CSS (an unknown id
// is refused, exit 1), in a single export and a batch alike.
//   --grant FOLDER grants a folder as Allow Access to Folder… does, so its images are
// embedded. The grant is remembered in the settings, for later runs and for the program.
// A file that is not valid UTF-8 is refused as the editor refuses it, with exit status 1.
#include "files/FolderAccess.h"
#include "files/MarkdownDocument.h"
#include "platform/PrefKey.h"
#include "platform/SafeWrite.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"
#include "render/Exporter.h"
#include "render/export/ExportWriter.h"
#include "render/export/PrintController.h"
#include "render/export/WebEngineSetup.h"
#include "render/export/ui/BatchExporter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <cstdio>

namespace {

const char* const usage =
    "usage: bw-export FILE.md --format html|pdf|rtf|docx|odt --out PATH [--css FILE] [--theme ID]\n"
    "       bw-export --batch FOLDER --format html|pdf|rtf|docx|odt [--css FILE] [--theme ID]\n";

// The CSS of the theme --theme names (none without it); nothing, said why, for an unknown id.
std::optional<QString> themeCSSOf(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("theme"))) return QString();
    const QString id = parser.value(QStringLiteral("theme"));
    if (const auto theme = ExportThemes::fromRawValue(id)) return ExportThemes::css(*theme);
    QStringList ids;
    for (ExportTheme theme : ExportThemes::all()) ids.append(ExportThemes::rawValue(theme));
    std::fprintf(stderr, "bw-export: unknown theme \"%s\"; the themes are %s\n", qPrintable(id),
                 qPrintable(ids.join(QStringLiteral(", "))));
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QApplication::setApplicationName(QStringLiteral("Brindlewick"));
    PrefKey::registerAll(Settings::instance());

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The Markdown file."));
    parser.addOption({QStringLiteral("format"), QStringLiteral("html, pdf, rtf, docx or odt."), QStringLiteral("F")});
    parser.addOption({QStringLiteral("out"), QStringLiteral("The file to write."), QStringLiteral("PATH")});
    parser.addOption(
        {QStringLiteral("css"), QStringLiteral("User CSS instead of the stored one."), QStringLiteral("F")});
    parser.addOption({QStringLiteral("page-text"), QStringLiteral("Print the text of an HTML page.")});
    parser.addOption({QStringLiteral("batch"), QStringLiteral("Export every Markdown file of a folder.")});
    parser.addOption({QStringLiteral("theme"), QStringLiteral("An export theme."), QStringLiteral("ID")});
    parser.addOption({QStringLiteral("grant"),
                      QStringLiteral("Grant access to a folder first. The grant is remembered in the settings, "
                                     "for later runs and for the program."),
                      QStringLiteral("FOLDER")});
    parser.addHelpOption();
    parser.process(app);
    for (const QString& folder : parser.values(QStringLiteral("grant"))) {
        if (!FolderAccess::grant(folder)) {
            std::fprintf(stderr, "bw-export: cannot grant %s\n", qPrintable(folder));
            return 1;
        }
    }
    if (parser.isSet(QStringLiteral("page-text"))) {
        if (parser.positionalArguments().size() != 1) return 2;
        auto* profile = new QWebEngineProfile(&app); // off the record
        QWebEnginePage page(profile);
        int status = 1;
        QObject::connect(&page, &QWebEnginePage::loadFinished, &app, [&](bool ok) {
            if (!ok) {
                QCoreApplication::exit(1);
                return;
            }
            page.toPlainText([&](const QString& text) {
                std::fputs(text.toUtf8().constData(), stdout);
                status = 0;
                QCoreApplication::exit(0);
            });
        });
        QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(1); });
        page.load(QUrl::fromLocalFile(QFileInfo(parser.positionalArguments().first()).absoluteFilePath()));
        app.exec();
        return status;
    }
    const QStringList files = parser.positionalArguments();
    const QString formatId = parser.value(QStringLiteral("format"));
    static const QStringList known = {"html", "pdf", "rtf", "docx", "odt"};
    if (!known.contains(formatId)) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    const std::optional<QString> themeCSS = themeCSSOf(parser);
    if (!themeCSS) return 1;
    std::optional<QString> css;
    if (parser.isSet(QStringLiteral("css"))) {
        QFile cssFile(parser.value(QStringLiteral("css")));
        if (!cssFile.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "bw-export: cannot read %s\n", qPrintable(cssFile.fileName()));
            return 1;
        }
        css = QString::fromUtf8(cssFile.readAll());
    }
    if (parser.isSet(QStringLiteral("batch"))) {
        if (files.size() != 1) return 2;
        if (!QFileInfo(files.first()).isDir()) {
            std::fprintf(stderr, "bw-export: %s is not a folder\n", qPrintable(files.first()));
            return 1;
        }
        BatchExporter::hooks().confirmReplace = [](QWidget*, const QStringList&, std::function<void(bool)> done) {
            done(true);
        };
        BatchExporter::hooks().report = [](QWidget*, const BatchExport::ReportText& text) {
            std::printf("%s\n%s\n", qPrintable(text.message), qPrintable(text.informative));
        };
        BatchExporter::exportFolder(files.first(), ExportFormats::fromId(formatId), nullptr,
                                    [](const BatchExport::Report& report) {
                                        const bool all = report.failures.isEmpty() && !report.cancelled;
                                        QCoreApplication::exit(all ? 0 : 1);
                                    },
                                    {*themeCSS, css});
        return app.exec();
    }
    const QString out = parser.value(QStringLiteral("out"));
    if (files.size() != 1 || out.isEmpty()) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    const QFileInfo source(files.first());
    QString readError;
    const std::optional<MarkdownDocument> document = MarkdownDocument::read(source.filePath(), &readError);
    if (!document) {
        std::fprintf(stderr, "bw-export: %s\n", qPrintable(readError));
        return 1;
    }
    const QString text = document->text;
    const QString title = Exporter::exportName(source.completeBaseName());
    const QString baseDir = source.absolutePath();
    const ExportFormat format = ExportFormats::fromId(formatId);

    if (format == ExportFormat::pdf) {
        int status = 1;
        PrintController::writePDF({text, title, baseDir, *themeCSS, Exporter::userCSS(css)}, out, nullptr,
                                  [&status](bool ok, const QString& error) {
                                      if (!ok) std::fprintf(stderr, "bw-export: %s\n", qPrintable(error));
                                      status = ok ? 0 : 1;
                                      QCoreApplication::exit(status);
                                  });
        app.exec();
        return status;
    }
    QString error;
    const std::optional<QByteArray> bytes = ExportWriter::bytes(format, text, title, ImageAccess::forDocument(baseDir),
                                                                *themeCSS, Exporter::userCSS(css), &error);
    if (!bytes) {
        std::fprintf(stderr, "bw-export: %s\n", qPrintable(error));
        return 1;
    }
    if (QString why; !SafeWrite::replace(out, *bytes, &why)) {
        std::fprintf(stderr, "bw-export: cannot write %s: %s\n", qPrintable(out), qPrintable(why));
        return 1;
    }
    return 0;
}
