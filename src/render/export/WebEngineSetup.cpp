#include "render/export/WebEngineSetup.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <unistd.h>

void prepareWebEngine()
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // The engine describes its graphics set-up on every first page and its helper processes
    // log to the terminal the program was started from: nothing a user can act on. Both stay
    // available to a developer (QT_LOGGING_RULES overrides these rules; a flag set in
    // QTWEBENGINE_CHROMIUM_FLAGS comes after ours and wins).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\n"
                                                    "qt.webenginecontext.debug=false"));
    const QByteArray quiet = "--log-level=3";
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", quiet + ' ' + flags);
}
