#pragma once

#include <QVariantHash>

class Settings;

// The table of default settings registered once at start, before any window opens.
// Registered values are fallbacks only: they are never written to the user's file.
namespace PrefKey {

// The 29 registered defaults: key -> Double, QString or bool.
const QVariantHash& defaults();

// Registers `defaults()` with `settings`.
void registerAll(Settings& settings);

} // namespace PrefKey
