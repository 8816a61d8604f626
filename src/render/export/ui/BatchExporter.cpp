#include "render/export/ui/BatchExporter.h"

#include "platform/SafeWrite.h"
#include "render/Exporter.h"
#include "render/export/ExportWriter.h"
#include "render/export/PrintController.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <deque>
#include <memory>

namespace BatchExporter {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(BatchExporter)
};

// One run over one folder: the plan, where it stands, and what it has written so far.
class Run : public QObject {
public:
    Run(const QString& folder, ExportFormat format, QWidget* window,
        std::function<void(const BatchExport::Report&)> done, const Styles& styles)
        : m_folder(folder),
          m_format(format),
          m_window(window),
          m_hadWindow(window),
          m_done(std::move(done)),
          m_themeCSS(styles.themeCSS),
          m_css(Exporter::userCSS(styles.userCSS)),
          m_images(ImageAccess::forDocument(folder))
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
        m_progress = new QProgressDialog(Tr::tr("Exporting…"), Tr::tr("Cancel"), 0, int(m_plan.size()), parentWindow());
        m_progress->setWindowModality(parentWindow() ? Qt::WindowModal : Qt::ApplicationModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        // Cancel stops after the file under way; the report counts what was written.
        connect(m_progress, &QProgressDialog::canceled, this, [this] { cancel(); });
        showProgress();
        queueStep();
    }

    // One file of the plan between its start and its report: made (converted, or its PDF),
    // then written once every file before it is.
    struct Slot {
        QString name;
        QString output;
        QObject* context = nullptr; // the PDF's caller: deleting it drops the PDF unmade
        std::optional<QByteArray> bytes;
        bool writing = false;
        bool done = false;
        bool written = false;
        QString why;
    };

    void showProgress()
    {
        if (!m_progress || m_index >= m_plan.size()) return;
        m_progress->setLabelText(Tr::tr("%1 of %2").arg(m_index + 1).arg(m_plan.size()));
        m_progress->setValue(int(m_index));
    }

    void cancel()
    {
        if (m_finished) return;
        m_cancelled = true;
        // The file under way is finished; PDFs begun ahead of it are dropped unwritten.
        for (size_t i = 1; i < m_slots.size(); ++i) {
            delete m_slots[i]->context;
            m_slots[i]->context = nullptr;
        }
        while (m_slots.size() > 1) m_slots.pop_back();
    }

    // One turn: starts the next file when fewer are under way than the format allows, or ends
    // the run when nothing is left under way. Conversions go one at a time; PDFs twice as many
    // as the pages that make them, so a page that finishes while an earlier, longer file is
    // still being made goes on with the next one instead of waiting.
    void step()
    {
        m_stepQueued = false;
        if (m_finished) return;
        if (m_progress && m_progress->wasCanceled() && !m_cancelled) cancel();
        const size_t ahead = m_format == ExportFormat::pdf ? size_t(2 * PrintController::concurrentPages()) : 1;
        if (!m_cancelled && m_slots.size() < ahead && m_next < m_plan.size()) {
            start(m_plan[m_next++]);
            if (m_slots.size() < ahead) queueStep();
        }
        if (m_slots.empty() && (m_cancelled || m_next >= m_plan.size())) finish();
    }

    void queueStep()
    {
        if (m_stepQueued || m_finished) return;
        m_stepQueued = true;
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void start(const BatchExport::PlannedFile& file)
    {
        auto slot = std::make_shared<Slot>();
        slot->name = QFileInfo(file.source).fileName();
        slot->output = file.output;
        m_slots.push_back(slot);
        if (file.output.isEmpty()) return settle(slot, false, file.skipReason);
        QString error;
        const auto text = BatchExport::readSource(file.source, &error);
        if (!text) return settle(slot, false, error);
        const QString title = QFileInfo(file.source).completeBaseName();
        if (m_format == ExportFormat::pdf) {
            slot->context = new QObject(this);
            PrintController::render({*text, title, m_folder, m_themeCSS, m_css}, slot->context,
                                    [this, slot](const QByteArray& pdf) {
                                        if (pdf.isEmpty()) return settle(slot, false, PrintController::notMadeText());
                                        made(slot, pdf);
                                    });
            return;
        }
        // The conversion runs off the main thread too.
        auto* watcher = new QFutureWatcher<std::pair<std::optional<QByteArray>, QString>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, slot] {
            const auto [bytes, why] = watcher->result();
            watcher->deleteLater();
            if (!bytes) return settle(slot, false, why);
            made(slot, *bytes);
        });
        const ExportFormat format = m_format;
        const QString css = m_css, themeCSS = m_themeCSS, markdown = *text;
        const ImageAccess images = m_images;
        watcher->setFuture(QtConcurrent::run([=] {
            QString why;
            auto bytes = ExportWriter::bytes(format, markdown, title, images, themeCSS, css, &why);
            return std::make_pair(bytes, why);
        }));
    }

    void made(const std::shared_ptr<Slot>& slot, const QByteArray& bytes)
    {
        slot->bytes = bytes;
        if (slot->context) slot->context->deleteLater();
        slot->context = nullptr;
        writeFront();
    }

    // Files are written one at a time, in plan order, off the main thread: an atomic write
    // waits for the disk, which a busy machine can make take a tenth of a second.
    void writeFront()
    {
        if (m_slots.empty()) return;
        const std::shared_ptr<Slot> slot = m_slots.front();
        if (!slot->bytes || slot->writing) return;
        slot->writing = true;
        auto* watcher = new QFutureWatcher<std::optional<QString>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, slot] {
            const std::optional<QString> error = watcher->result();
            watcher->deleteLater();
            settle(slot, !error, error.value_or(QString()));
        });
        watcher->setFuture(QtConcurrent::run([output = slot->output, bytes = *slot->bytes]() -> std::optional<QString> {
            QString why;
            if (!SafeWrite::replace(output, bytes, &why)) return why;
            return std::nullopt;
        }));
        slot->bytes.reset(); // the write holds them now
    }

    void settle(const std::shared_ptr<Slot>& slot, bool written, const QString& why)
    {
        slot->done = true;
        slot->written = written;
        slot->why = why;
        slot->bytes.reset();
        if (slot->context) slot->context->deleteLater();
        slot->context = nullptr;
        bool reported = false;
        while (!m_slots.empty() && m_slots.front()->done) {
            const std::shared_ptr<Slot> front = m_slots.front();
            m_slots.pop_front();
            if (front->written)
                ++m_report.written;
            else
                m_report.failures.append(
                    {front->name, front->why.isEmpty() ? Tr::tr("It could not be written.") : front->why});
            ++m_index;
            reported = true;
        }
        if (!reported) return;
        writeFront();
        showProgress();
        queueStep();
    }

    void finish()
    {
        m_finished = true;
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
    QString m_themeCSS;
    QString m_css;
    ImageAccess m_images; // the grants as they were when the run began
    QList<BatchExport::PlannedFile> m_plan;
    qsizetype m_index = 0;                     // files reported
    qsizetype m_next = 0;                      // files started
    std::deque<std::shared_ptr<Slot>> m_slots; // started, not yet reported, in plan order
    BatchExport::Report m_report;
    bool m_cancelled = false;
    bool m_stepQueued = false;
    bool m_finished = false;
    QPointer<QProgressDialog> m_progress;
};

} // namespace

Hooks defaults()
{
    Hooks h;
    h.chooseFolder = [](QWidget* window, std::function<void(const QString&)> done) {
        auto* dialog = new QFileDialog(window, Tr::tr("Choose a folder of Markdown files to export."));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setLabelText(QFileDialog::Accept, Tr::tr("Export All"));
        dialog->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
            const QStringList chosen = dialog->selectedFiles();
            if (result == QDialog::Accepted && !chosen.isEmpty()) done(chosen.first());
        });
        dialog->open();
    };
    h.confirmReplace = [](QWidget* window, const QStringList& existing, std::function<void(bool)> done) {
        const BatchExport::ReportText question = BatchExport::replaceQuestion(existing);
        auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), question.message,
                                    QMessageBox::NoButton, window);
        box->setInformativeText(question.informative);
        QPushButton* replace = box->addButton(Tr::tr("Replace"), QMessageBox::DestructiveRole);
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
                  std::function<void(const BatchExport::Report&)> done, const Styles& styles)
{
    (new Run(folder, format, window, std::move(done), styles))->start();
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
