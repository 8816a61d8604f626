#include "render/BatchExport.h"

#include "platform/OpenableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace BatchExport {

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(BatchExport)
};
} // namespace

bool isSourceName(const QString& fileName)
{
    static const QStringList kExtensions{QStringLiteral("md"),  QStringLiteral("markdown"), QStringLiteral("mdown"),
                                         QStringLiteral("mkd"), QStringLiteral("mdtext"),   QStringLiteral("txt")};
    return kExtensions.contains(QFileInfo(fileName).suffix().toLower());
}

QStringList markdownFiles(const QString& folder)
{
    QStringList out;
    const QDir dir(folder);
    const auto entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entries) {
        if (!isSourceName(info.fileName())) continue;
        // Only regular files (a link counts as what it points to): a FIFO or device would
        // block or never end.
        if (!OpenableFile::isOpenable(info.absoluteFilePath())) continue;
        out.append(info.absoluteFilePath());
    }
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    return out;
}

QList<PlannedFile> plan(const QStringList& sources, ExportFormat format)
{
    QList<PlannedFile> out;
    const QString ext = ExportFormats::extension(format);
    if (ext.isEmpty()) return out; // copyHTML writes no files
    QSet<QString> taken;
    for (const QString& source : sources) {
        PlannedFile p{source, {}, {}};
        const QFileInfo info(source);
        const QString output = info.absolutePath() + u'/' + info.completeBaseName() + u'.' + ext;
        if (taken.contains(output)) {
            p.skipReason = Tr::tr("Another file of the folder is exported as “%1”.").arg(QFileInfo(output).fileName());
        } else if (QFileInfo(output).isSymLink()) {
            // A folder from elsewhere may hold a link in an output's place: written through, it
            // would replace or create a file outside the folder (a missing target is not even
            // listed among the files to be replaced).
            p.skipReason =
                Tr::tr("“%1” is a link to another file; it was not replaced.").arg(QFileInfo(output).fileName());
        } else {
            taken.insert(output);
            p.output = output;
        }
        out.append(p);
    }
    return out;
}

QStringList existingOutputs(const QList<PlannedFile>& plan)
{
    QStringList out;
    for (const PlannedFile& p : plan)
        if (!p.output.isEmpty() && QFileInfo::exists(p.output)) out.append(p.output);
    return out;
}

std::optional<QString> readSource(const QString& path, QString* error)
{
    const auto fail = [error](const QString& why) -> std::optional<QString> {
        if (error) *error = why;
        return std::nullopt;
    };
    OpenableFile::Verdict why;
    const std::optional<QByteArray> bytes = OpenableFile::read(path, &why);
    if (!bytes) return fail(OpenableFile::reason(why));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(*bytes);
    if (decoder.hasError()) return fail(Tr::tr("It is not valid UTF-8 text."));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

namespace {

// At most `shown` lines of `lines`, then "and n more" for the rest.
QStringList firstFew(const QStringList& lines, int shown)
{
    // "and 1 more" would take the line the name needs.
    if (lines.size() <= shown + 1) return lines;
    QStringList out = lines.mid(0, shown);
    out.append(Tr::tr("and %1 more").arg(lines.size() - shown));
    return out;
}

} // namespace

ReportText replaceQuestion(const QStringList& existing)
{
    QStringList names;
    for (const QString& path : existing) names.append(QFileInfo(path).fileName());
    // English has a text of its own for one; the count's forms are the translators'.
    const int count = int(existing.size());
    return {count == 1 ? Tr::tr("A file to be written already exists.")
                       : Tr::tr("%n files to be written already exist.", nullptr, count),
            Tr::tr("Replacing them overwrites their current contents:\n") + firstFew(names, 5).join(u'\n')};
}

ReportText reportText(const Report& report, const QString& folderName)
{
    const QString savedTo = Tr::tr("Saved to %1.").arg(folderName);
    if (report.written <= 0 && report.failures.isEmpty())
        return {Tr::tr("Nothing to export"), Tr::tr("No Markdown files found in that folder.")};
    const int attempted = report.written + int(report.failures.size());
    if (report.failures.isEmpty() && !report.cancelled)
        return {report.written == 1 ? Tr::tr("Exported 1 file") : Tr::tr("Exported %n files", nullptr, report.written),
                savedTo};
    const int total = std::max(report.sources, attempted);
    QString info = report.written > 0 ? savedTo : QString();
    if (report.cancelled) info += (info.isEmpty() ? QString() : QStringLiteral(" ")) + Tr::tr("Cancelled.");
    if (!report.failures.isEmpty()) {
        info += (info.isEmpty() ? QString() : QStringLiteral("\n\n")) + Tr::tr("Not exported:");
        QStringList lines;
        for (const Failure& f : report.failures) lines.append(QStringLiteral("• %1: %2").arg(f.file, f.reason));
        info += u'\n' + firstFew(lines, 8).join(u'\n');
    }
    return {Tr::tr("Exported %1 of %n files", nullptr, total).arg(report.written), info};
}

} // namespace BatchExport
