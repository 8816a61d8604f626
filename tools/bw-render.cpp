// Developer tool: renders a Markdown file and prints the HTML body, or with --page the
// whole standalone page, to standard output.
#include "render/Exporter.h"
#include "render/MarkdownHTMLRenderer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool page = args.removeAll(QStringLiteral("--page")) > 0;
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: bw-render [--page] FILE.md\n");
        return 2;
    }
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bw-render: cannot read %s: %s\n", qPrintable(args.first()),
                     qPrintable(file.errorString()));
        return 1;
    }
    const QString body = MarkdownHTMLRenderer::renderBody(QString::fromUtf8(file.readAll()));
    const QString out = page ? Exporter::htmlDocument(body, QFileInfo(file).completeBaseName(), {}, {}, false) : body;
    const QByteArray bytes = out.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (!page) std::fputc('\n', stdout);
    return 0;
}
