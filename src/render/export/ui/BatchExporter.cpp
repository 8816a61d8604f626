#include "render/export/ui/BatchExporter.h"

#include "render/Exporter.h"
#include "render/export/PrintController.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace BatchExporter {

namespace {

QString tr(const char* s)
{
    return QCoreApplication::translate("BatchExporter", s);
}

// One run over one folder: the plan, where it stands, and what it has written so far.
class Run : public QObject {
public:
    Run(const QString& folder, ExportFormat format, QWidget* window,
        std::function<void(const BatchExport::Report&)> done)
        : m_folder(folder),
          m_format(format),
          m_window(window),
          m_hadWindow(window),
          m_done(std::move(done)),
          m_css(Exporter::userCSS(std::nullopt))
    {
        const QStringList sources = BatchExport::markdownFiles(folder);
        m_report.sources = int(sources.size());
        m_plan = BatchExport::plan(sources, format);
    }

    void start()
    {
        if (m_plan.isEmpty()) return finish();
        const QStringList existing = BatchExport::existingOutputs(m_plan);
        if (existing.isEmpty()) return begin();
        hooks().confirmReplace(parentWindow(), existing, [this](bool replace) {
            if (replace)
                begin();
            else
                deleteLater(); // nothing written, nothing to report
        });
    }

private:
    QWidget* parentWindow() const { return m_hadWindow && m_window ? m_window.data() : nullptr; }

    void begin()
    {
        m_progress = new QProgressDialog(tr("Exporting…"), tr("Cancel"), 0, int(m_plan.size()), parentWindow());
        m_progress->setWindowModality(parentWindow() ? Qt::WindowModal : Qt::ApplicationModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        // Cancel stops after the file under way; the report counts what was written.
        connect(m_progress, &QProgressDialog::canceled, this, [this] { m_cancelled = true; });
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void step()
    {
        if (m_progress && m_progress->wasCanceled()) m_cancelled = true;
        if (m_cancelled || m_index >= m_plan.size()) return finish();
        m_progress->setLabelText(tr("%1 of %2").arg(m_index + 1).arg(m_plan.size()));
        m_progress->setValue(int(m_index));
        const BatchExport::PlannedFile file = m_plan[m_index];
        const QString name = QFileInfo(file.source).fileName();
        if (file.output.isEmpty()) return next(name, false, file.skipReason);
        QString error;
        const auto text = BatchExport::readSource(file.source, &error);
        if (!text) return next(name, false, error);
        const QString title = QFileInfo(file.source).completeBaseName();
        if (m_format == ExportFormat::pdf) {
            PrintController::writePDF({*text, title, m_folder, QString(), QString()}, file.output, this,
                                      [this, name](bool ok, const QString& why) { next(name, ok, why); });
            return;
        }
        // The conversion runs off the main thread; the write comes back here.
        auto* watcher = new QFutureWatcher<std::pair<std::optional<QByteArray>, QString>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, name, output = file.output] {
            const auto [bytes, why] = watcher->result();
            watcher->deleteLater();
            if (!bytes) return next(name, false, why);
            QSaveFile out(output);
            if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit())
                return next(name, false, out.errorString());
            next(name, true, {});
        });
        const ExportFormat format = m_format;
        const QString folder = m_folder, css = m_css, markdown = *text;
        watcher->setFuture(QtConcurrent::run([=] {
            QString why;
            auto bytes = Exporter::convert(format, markdown, title, folder, QString(), css, &why);
            return std::make_pair(bytes, why);
        }));
    }

    void next(const QString& name, bool written, const QString& why)
    {
        if (written)
            ++m_report.written;
        else
            m_report.failures.append({name, why.isEmpty() ? tr("It could not be written.") : why});
        ++m_index;
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void finish()
    {
        m_report.cancelled = m_cancelled && m_index < m_plan.size();
        if (m_progress) m_progress->deleteLater();
        hooks().report(parentWindow(), BatchExport::reportText(m_report, QFileInfo(m_folder).fileName()));
        if (m_done) m_done(m_report);
        deleteLater();
    }

    QString m_folder;
    ExportFormat m_format;
    QPointer<QWidget> m_window;
    bool m_hadWindow;
    std::function<void(const BatchExport::Report&)> m_done;
    QString m_css;
    QList<BatchExport::PlannedFile> m_plan;
    qsizetype m_index = 0;
    BatchExport::Report m_report;
    bool m_cancelled = false;
    QPointer<QProgressDialog> m_progress;
};

} // namespace

Hooks defaults()
{
    Hooks h;
    h.chooseFolder = [](QWidget* window, std::function<void(const QString&)> done) {
        auto* dialog = new QFileDialog(window, tr("Choose a folder of Markdown files to export."));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setLabelText(QFileDialog::Accept, tr("Export All"));
        dialog->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
            const QStringList chosen = dialog->selectedFiles();
            if (result == QDialog::Accepted && !chosen.isEmpty()) done(chosen.first());
        });
        dialog->open();
    };
    h.confirmReplace = [](QWidget* window, const QStringList& existing, std::function<void(bool)> done) {
        QStringList names;
        for (const QString& path : existing) names.append(QFileInfo(path).fileName());
        auto* box =
            new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(),
                            existing.size() == 1 ? tr("A file to be written already exists.")
                                                 : tr("%1 files to be written already exist.").arg(existing.size()),
                            QMessageBox::NoButton, window);
        box->setInformativeText(tr("Replacing them overwrites their current contents:\n") + names.join(u'\n'));
        QPushButton* replace = box->addButton(tr("Replace"), QMessageBox::DestructiveRole);
        box->addButton(QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Cancel);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        QObject::connect(box, &QMessageBox::finished, box, [box, replace, done = std::move(done)](int) {
            done(box->clickedButton() == static_cast<QAbstractButton*>(replace));
        });
        box->open();
    };
    h.report = [](QWidget* window, const BatchExport::ReportText& text) {
        auto* box = new QMessageBox(QMessageBox::Information, QCoreApplication::applicationName(), text.message,
                                    QMessageBox::Ok, window);
        box->setInformativeText(text.informative);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        box->open();
    };
    return h;
}

Hooks& hooks()
{
    static Hooks current = defaults();
    return current;
}

void exportFolder(const QString& folder, ExportFormat format, QWidget* window,
                  std::function<void(const BatchExport::Report&)> done)
{
    (new Run(folder, format, window, std::move(done)))->start();
}

void run(ExportFormat format, QWidget* window)
{
    const QPointer<QWidget> guard(window);
    const bool hadWindow = window;
    hooks().chooseFolder(window, [=](const QString& folder) {
        if (hadWindow && !guard) return;
        exportFolder(folder, format, guard);
    });
}

} // namespace BatchExporter
