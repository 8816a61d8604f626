#pragma once

#include <QLoggingCategory>

// One logging category per subsystem, for failures the program handles quietly (a store
// that falls back to its defaults, a draft that could not be written, a folder grant that
// no longer resolves). Messages name files, settings and reasons; never a document's text
// or a provider key. Turn one on with QT_LOGGING_RULES="brindlewick.files.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcRender)
Q_DECLARE_LOGGING_CATEGORY(lcEditor)
Q_DECLARE_LOGGING_CATEGORY(lcAssist)
Q_DECLARE_LOGGING_CATEGORY(lcCommands)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
