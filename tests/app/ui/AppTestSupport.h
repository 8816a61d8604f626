#pragma once

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "files/AutosaveStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// What every window test starts from: a settings file with the registered defaults and an
// autosave folder of its own, inside the test's temporary folder.
inline void useOwnSettingsAndAutosave(const QTemporaryDir& dir)
{
    Settings::useFile(dir.filePath("settings.ini"));
    PrefKey::registerAll(Settings::instance());
    DocumentController::instance().setAutosaveStore(AutosaveStore(dir.filePath("Autosave")));
}

// Window tests: own settings and autosave, no question when a window closes, and every
// window gone before the next test.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        DocumentController::instance().prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
    }

    QTemporaryDir dir;
};
