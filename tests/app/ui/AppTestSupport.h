#pragma once

#include "app/ui/DocumentController.h"
#include "files/AutosaveStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QTemporaryDir>

// What every window test starts from: a settings file with the registered defaults and an
// autosave folder of its own, inside the test's temporary folder.
inline void useOwnSettingsAndAutosave(const QTemporaryDir& dir)
{
    Settings::useFile(dir.filePath("settings.ini"));
    PrefKey::registerAll(Settings::instance());
    DocumentController::instance().setAutosaveStore(AutosaveStore(dir.filePath("Autosave")));
}
