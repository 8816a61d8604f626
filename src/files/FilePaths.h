#pragma once

#include <QString>

// Stored folder and document paths are kept in one standard form so that two spellings of
// the same location compare equal: absolute, "." and ".." resolved, no trailing "/".
// Symbolic links are not resolved (the same file reached through a link is another path).
namespace FilePaths {

QString standardized(const QString& path);

// True when `path` is `folder` itself or lies below it, judged by whole path components
// (a folder /a/b covers /a/b/c.md but not /a/bc.md). Both must already be standardized.
bool covers(const QString& folder, const QString& path);

} // namespace FilePaths
