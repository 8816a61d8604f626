#include "platform/Logging.h"

// Warnings and above are shown by default; debug output only when asked for.
Q_LOGGING_CATEGORY(lcPlatform, "brindlewick.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "brindlewick.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "brindlewick.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRender, "brindlewick.render", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEditor, "brindlewick.editor", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAssist, "brindlewick.assist", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCommands, "brindlewick.commands", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "brindlewick.app", QtWarningMsg)
