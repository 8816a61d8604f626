// The interactive export: panel, conversion or PDF, atomic write, alert.
#include "platform/SafeWrite.h"
#include "render/Exporter.h"

#include "render/export/PrintController.h"
#include "render/export/ui/BusyCursor.h"
#include "render/export/ui/ExportDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFutureWatcher>
#include <QMimeData>
#include <QPointer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString tr(const char* s)
{
    return QCoreApplication::translate("Exporter", s);
}

void alert(const QPointer<QWidget>& window, bool hadWindow, const QString& message, const QString& detail)
{
    // A window closed meanwhile gets no sheet; the failure is still told.
    QWidget* parent = hadWindow && window ? window.data() : nullptr;
    ExportDialogs::hooks().alert(parent, message, detail);
}

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void Exporter::exportDocument(ExportFormat format, const QString& markdown, QWidget* window,
                              const QString& suggestedName, const QString& baseDir, const QString& themeCSS,
                              const std::optional<QString>& extraCSS)
{
    const QString name = exportName(suggestedName);
    const QString css = userCSS(extraCSS);
    const QPointer<QWidget> guard(window);
    const bool hadWindow = window != nullptr;
    const QString fileName = name + u'.' + ExportFormats::extension(format);

    if (format == ExportFormat::copyHTML) {
        const QString page = QString::fromUtf8(*convert(ExportFormat::html, markdown, name, {}, themeCSS, css));
        auto* data = new QMimeData;
        data->setHtml(page);
        data->setText(page);
        QGuiApplication::clipboard()->setMimeData(data);
        return;
    }

    if (format == ExportFormat::pdf) {
        ExportDialogs::hooks().chooseSavePath(window, fileName, baseDir, format, [=](const QString& chosen) {
            if (chosen.isEmpty()) return;
            const QString path = ExportFormats::withExtension(chosen, format);
            // The file is written even when the window closes meanwhile: the user asked for it.
            PrintController::writePDF({markdown, name, baseDir, themeCSS, css}, path, nullptr,
                                      [=, busy = BusyCursor::start()](bool ok, const QString& error) {
                                          if (ok) return;
                                          alert(guard, hadWindow,
                                                tr("The document “%1” could not be exported as PDF.").arg(name),
                                                failure(path, error));
                                      });
        });
        return;
    }

    // Rich Text, Word and OpenDocument conversions of a long text take a while: off the
    // main thread, then the panel.
    auto* watcher = new QFutureWatcher<std::pair<std::optional<QByteArray>, QString>>();
    QObject::connect(watcher, &QFutureWatcherBase::finished, qApp, [=] {
        const auto [bytes, error] = watcher->result();
        watcher->deleteLater();
        if (hadWindow && !guard) return; // the window is gone; nobody waits for a panel
        if (!bytes) {
            alert(guard, hadWindow, tr("The document “%1” could not be converted.").arg(name), error);
            return;
        }
        ExportDialogs::hooks().chooseSavePath(
            guard, fileName, baseDir, format, [=, data = *bytes](const QString& chosen) {
                if (chosen.isEmpty()) return;
                const QString path = ExportFormats::withExtension(chosen, format);
                QString why;
                if (!SafeWrite::replace(path, data, &why))
                    alert(guard, hadWindow, tr("The document “%1” could not be exported.").arg(name),
                          failure(path, why));
            });
    });
    watcher->setFuture(QtConcurrent::run(
        [=, convert = ExportDialogs::hooks().convert,
         images = ImageAccess::forDocument(baseDir)]() -> std::pair<std::optional<QByteArray>, QString> {
            QString error;
            std::optional<QByteArray> bytes = convert(format, markdown, name, images, themeCSS, css, &error);
            return {bytes, error};
        }));
}
