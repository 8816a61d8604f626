#pragma once

#include <QString>

#include <optional>

// The text for the next new document. Producers (templates, the cheat sheet, the URL
// scheme) set `pending` and then ask the document controller for a new document; the
// document factory takes the text and clears it, so exactly one document receives it.
namespace TemplateStore {

inline std::optional<QString> pending;

// The document factory's half: the pending text (empty when none), cleared.
inline QString takePending()
{
    QString text = pending.value_or(QString());
    pending.reset();
    return text;
}

} // namespace TemplateStore
