#include "render/export/WebEngineSetup.h"

#include "render/export/PageFiles.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QScreen>
#include <QSurfaceFormat>

#include <unistd.h>

#include <utility>

QT_BEGIN_NAMESPACE
// Qt's own, exported for the web engine, which names it the same way.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace {

void deleteSharedContext()
{
    QOpenGLContext* context = QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
    delete context;
}

} // namespace

void prepareWebEngine()
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine has the toolkit make the OpenGL context its pages share as the application
    // object is made, unless there is one: loading the graphics driver for it took 40 ms of
    // every launch, for PDFs most sessions never make. This one is made on the engine's first
    // use instead (readyWebEngine).
    qt_gl_set_global_share_context(new QOpenGLContext);

    // The engine describes its graphics set-up on every first page and its helper processes
    // log to the terminal the program was started from: nothing a user can act on. Both stay
    // available to a developer (QT_LOGGING_RULES overrides these rules; a flag set in
    // QTWEBENGINE_CHROMIUM_FLAGS comes after ours and wins).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\n"
                                                    "qt.webenginecontext.debug=false"));
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) flags = "--log-level=3 " + flags;
    // The engine's pages here are never on screen, so it would treat their processes as in the
    // background: where it may (as root) it lowers their priority, and on a busy machine a
    // PDF the user asked for then crawls past its time limit and fails.
    if (!flags.contains("--disable-renderer-backgrounding")) flags = "--disable-renderer-backgrounding " + flags;
    // Except this one, which comes last: WebRTC sends no UDP past a proxy, whatever is set.
    const QByteArray webRtc = "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    if (!flags.endsWith(webRtc)) flags = flags.trimmed() + ' ' + webRtc;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());

    PageFiles::clearLeftovers();
}

void readyWebEngine()
{
    static bool ready = false;
    if (std::exchange(ready, true)) return;
    QOpenGLContext* context = QOpenGLContext::globalShareContext();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!context || context->isValid() || !screen) return;
    // Named before there was a screen: it is made for the one there is now.
    context->setScreen(screen);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qAddPostRoutine(deleteSharedContext);
}
