#pragma once

#include <QList>

class QCoreApplication;
class QTranslator;
class Settings;

// Runs the application: registers defaults, opens the windows, enters the event loop.
int brindlewickMain(int argc, char** argv);

// Loads the program's texts and Qt's own in the language picked in Settings (the system's
// when none was picked) into `app`; gives back the translators it installed.
QList<QTranslator*> installTranslations(QCoreApplication& app, const Settings& settings);
