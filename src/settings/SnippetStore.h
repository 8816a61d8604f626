#pragma once

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// A trigger word and the text Tab expands it to. In a body, "$date" stands for today's
// date and the first "$|" for where the caret lands.
struct Snippet {
    QUuid id;
    QString trigger;
    QString body;
    friend bool operator==(const Snippet&, const Snippet&) = default;
};

// The snippets, stored under "userSnippets" as UTF-8 JSON bytes; the four default
// snippets stand in while nothing readable is stored.
namespace SnippetStore {

// The defaults, with ids made once per run.
const QList<Snippet>& seed();
// The stored list, or the defaults when nothing readable is stored.
QList<Snippet> load();
// Stores the list as compact JSON with upper-case ids. A stored value that could not be
// read is kept aside first, so the user's own snippets are never lost to the defaults.
void save(const QList<Snippet>& snippets);
QByteArray encode(const QList<Snippet>& snippets);
// The stored bytes as a list; none when they are not an array of complete snippets.
std::optional<QList<Snippet>> decode(const QByteArray& json);

// The body of the first snippet whose trigger equals `trigger` exactly.
std::optional<QString> expansion(const QString& trigger);

// The trigger word before the caret: the run of ASCII letters, digits and underscores
// that ends at `caret`, never reaching back past the start of the caret's line.
QStringView triggerBefore(QStringView text, int caret);

// A body with "$date" replaced by `date`, every "$|" removed, and the caret offset
// (where the first "$|" stood, else the end) within the result.
struct Expanded {
    QString text;
    int caret = 0;
};
Expanded expandMarkers(const QString& body, const QString& date);

// What Tab does at an empty selection at `caret`: replace `start`..`caret` by the
// expanded body and put the caret at `caretAfter`; none when no snippet applies.
struct TabEdit {
    int start = 0;
    int length = 0;
    QString replacement;
    int caretAfter = 0;
};
std::optional<TabEdit> tabEdit(QStringView text, int caret, const QString& date);

} // namespace SnippetStore
