// Developer tool: exports a Markdown file the way the program does, without dialogs.
//   bw-export FILE.md --format html|pdf|rtf|docx|odt --out PATH [--css FILE]
// The header and footer templates and "exportCSS" come from the user's settings.
#include "editor/PrefKey.h"
#include "platform/Settings.h"
#include "render/Exporter.h"
#include "render/export/PrintController.h"
#include "render/export/WebEngineSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

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
    parser.addOption({QStringLiteral("css"), QStringLiteral("User CSS instead of the stored one."), QStringLiteral("F")});
    parser.addHelpOption();
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    const QString formatId = parser.value(QStringLiteral("format"));
    const QString out = parser.value(QStringLiteral("out"));
    static const QStringList known = {"html", "pdf", "rtf", "docx", "odt"};
    if (files.size() != 1 || out.isEmpty() || !known.contains(formatId)) {
        std::fprintf(stderr, "usage: bw-export FILE.md --format html|pdf|rtf|docx|odt --out PATH [--css FILE]\n");
        return 2;
    }
    const QFileInfo source(files.first());
    QFile file(source.filePath());
    if (!source.isFile() || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bw-export: cannot read %s\n", qPrintable(source.filePath()));
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    std::optional<QString> css;
    if (parser.isSet(QStringLiteral("css"))) {
        QFile cssFile(parser.value(QStringLiteral("css")));
        if (!cssFile.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "bw-export: cannot read %s\n", qPrintable(cssFile.fileName()));
            return 1;
        }
        css = QString::fromUtf8(cssFile.readAll());
    }
    const QString title = Exporter::exportName(source.completeBaseName());
    const QString baseDir = source.absolutePath();
    const ExportFormat format = ExportFormats::fromId(formatId);

    if (format == ExportFormat::pdf) {
        int status = 1;
        PrintController::writePDF({text, title, baseDir, QString(), Exporter::userCSS(css)}, out, nullptr,
                                  [&status](bool ok, const QString& error) {
                                      if (!ok) std::fprintf(stderr, "bw-export: %s\n", qPrintable(error));
                                      status = ok ? 0 : 1;
                                      QCoreApplication::exit(status);
                                  });
        app.exec();
        return status;
    }
    QString error;
    const std::optional<QByteArray> bytes =
        Exporter::convert(format, text, title, baseDir, QString(), Exporter::userCSS(css), &error);
    if (!bytes) {
        std::fprintf(stderr, "bw-export: %s\n", qPrintable(error));
        return 1;
    }
    QSaveFile target(out);
    if (!target.open(QIODevice::WriteOnly) || target.write(*bytes) != bytes->size() || !target.commit()) {
        std::fprintf(stderr, "bw-export: cannot write %s: %s\n", qPrintable(out), qPrintable(target.errorString()));
        return 1;
    }
    return 0;
}
