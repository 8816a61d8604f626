#include "render/export/WebEngineSetup.h"

#include "render/export/PageFiles.h"

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
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) flags = "--log-level=3 " + flags;
    // Except this one, which comes last: WebRTC sends no UDP past a proxy, whatever is set.
    const QByteArray webRtc = "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    if (!flags.endsWith(webRtc)) flags = flags.trimmed() + ' ' + webRtc;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());

    PageFiles::clearLeftovers();
}
