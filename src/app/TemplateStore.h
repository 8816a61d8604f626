#pragma once

#include <QList>
#include <QString>

#include <optional>

// A built-in starting text for a new document.
struct DocumentTemplate {
    QString id;     // stable key
    QString name;   // title in English
    QString symbol; // name of the template's symbol image
    QString body;   // the document text (no date or other value filled in)

    // The title shown to the user, in the interface's language.
    QString shownName() const;
};

// The text for the next new document. Producers (templates, the cheat sheet, the URL
// scheme) set `pending` and then ask the document controller for a new document; the
// document factory takes the text and clears it, so exactly one document receives it.
namespace TemplateStore {

// The seven built-in templates, in the order lists show them.
const QList<DocumentTemplate>& all();

inline std::optional<QString> pending;

// The document factory's half: the pending text (empty when none), cleared.
inline QString takePending()
{
    QString text = pending.value_or(QString());
    pending.reset();
    return text;
}

} // namespace TemplateStore
