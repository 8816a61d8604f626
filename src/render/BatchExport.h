#pragma once

#include "render/ExportFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The parts of exporting a whole folder that need no window: which files are sources, where
// each one's output goes, which outputs would replace files, and what the report says.
namespace BatchExport {

// "md", "markdown", "mdown", "mkd", "mdtext", "txt", compared with the lower-cased extension.
bool isSourceName(const QString& fileName);

// The regular files (after links) directly in `folder` whose names are sources, hidden ones
// included, sorted by full path with plain case-sensitive comparison. Subfolders, special
// files and an unreadable folder contribute nothing.
QStringList markdownFiles(const QString& folder);

struct PlannedFile {
    QString source;
    QString output;     // empty: this source is not exported (see `skipReason`)
    QString skipReason; // why it is not, for the report
};

// One entry per source, in order. Two sources with one base name ("a.md", "a.markdown")
// would write one output: the first in path order keeps it, the later one is not exported,
// so no output of a run overwrites another. A source whose output's name is taken by a link
// is not exported either: nothing is written outside the folder. copyHTML writes no files:
// an empty plan.
QList<PlannedFile> plan(const QStringList& sources, ExportFormat format);

// Outputs of the plan that already exist (to be confirmed once before any is replaced).
QStringList existingOutputs(const QList<PlannedFile>& plan);

// The source's text when it is a readable regular file of valid UTF-8 no larger than the
// limit; otherwise nothing, with `error` saying why in words for the report.
std::optional<QString> readSource(const QString& path, QString* error);

struct Failure {
    QString file; // file name only
    QString reason;
};

struct Report {
    int sources = 0; // files found
    int written = 0;
    QList<Failure> failures;
    bool cancelled = false;
};

struct ReportText {
    QString message;
    QString informative;
};

// The question asked before existing outputs are replaced. Names at most a few of them and
// says how many more, so the prompt keeps its buttons on screen for any number of files.
ReportText replaceQuestion(const QStringList& existing);

// "Nothing to export" only when nothing was there to export; otherwise "Exported n files"
// when all were written, or "Exported k of n files" naming the files that were not and why
// (the first few, then how many more).
ReportText reportText(const Report& report, const QString& folderName);

} // namespace BatchExport
