#include "render/export/ui/ExportDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Exporter)
};

// A save panel that writes only its format's type: a name typed with another extension gets
// the format's own added before the panel asks about replacing, so the question names the
// file that will be written.
class ExportSavePanel : public QFileDialog {
public:
    ExportSavePanel(QWidget* parent, ExportFormat format)
        : QFileDialog(parent),
          m_format(format)
    {}

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QString fixed = ExportFormats::withExtension(files.first(), m_format);
            if (fixed != files.first()) {
                // The panel leaves the name field alone while it has the focus.
                if (QWidget* focused = focusWidget()) focused->clearFocus();
                selectFile(fixed);
            }
        }
        QFileDialog::accept();
    }

private:
    ExportFormat m_format;
};

} // namespace

QString ExportDialogs::nameFilter(ExportFormat format)
{
    switch (format) {
    case ExportFormat::html: return Tr::tr("HTML Page (*.html)");
    case ExportFormat::pdf: return Tr::tr("PDF Document (*.pdf)");
    case ExportFormat::rtf: return Tr::tr("Rich Text Document (*.rtf)");
    case ExportFormat::docx: return Tr::tr("Word Document (*.docx)");
    case ExportFormat::odt: return Tr::tr("OpenDocument Text (*.odt)");
    case ExportFormat::copyHTML: break;
    }
    return {};
}

ExportDialogs::Hooks ExportDialogs::defaults()
{
    Hooks h;
    h.chooseSavePath = [](QWidget* window, const QString& fileName, const QString& folder, ExportFormat format,
                          std::function<void(const QString&)> done) {
        auto* dialog = new ExportSavePanel(window, format);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilter(nameFilter(format));
        dialog->setDefaultSuffix(ExportFormats::extension(format));
        if (!folder.isEmpty()) dialog->setDirectory(folder);
        dialog->selectFile(fileName);
        dialog->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
            const QStringList files = dialog->selectedFiles();
            done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
        });
        dialog->open();
    };
    h.alert = [](QWidget* window, const QString& message, const QString& detail) {
        auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), message, QMessageBox::Ok,
                                    window);
        box->setInformativeText(detail);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        box->open();
    };
    h.convert = &ExportWriter::bytes;
    return h;
}

ExportDialogs::Hooks& ExportDialogs::hooks()
{
    static Hooks current = defaults();
    return current;
}
