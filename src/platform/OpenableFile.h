#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

// The one check every way of opening a document goes through (the Open panel, a file named
// at launch, the stored session, the file browser, a reload): only a regular file, after
// following links, no larger than a fixed limit. A pipe would block the program forever and
// a device such as /dev/zero would be read until memory runs out, so neither is ever read.
namespace OpenableFile {

inline constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;

enum class Problem { None, Missing, Folder, Special, TooLarge, Unreadable };

// What a Special file is.
enum class Special { Pipe, Socket, Device };

struct Verdict {
    Problem problem = Problem::None;
    Special special = Special::Device; // for Special
    QString detail;                    // for Unreadable: the system's reason

    Verdict(Problem p = Problem::None, Special s = Special::Device, QString why = {})
        : problem(p),
          special(s),
          detail(std::move(why))
    {}

    bool ok() const { return problem == Problem::None; }
};

// What `path` leads to, judged from its metadata alone: the file is never opened.
Verdict check(const QString& path);
inline bool isOpenable(const QString& path)
{
    return check(path).ok();
}

// The whole file when `check` accepts it. The opened file is judged again (it may have been
// replaced in between) and never read past the limit, even if it grows while being read.
std::optional<QByteArray> read(const QString& path, Verdict* why = nullptr);

// A sentence for the user that names the file: "“notes.md” is a pipe, not a text file."
QString message(const QString& path, const Verdict& verdict);
// The same without the name ("It is larger than 256 MB."), for lists that name the file.
QString reason(const Verdict& verdict);

} // namespace OpenableFile
