#include "render/export/ZipWriter.h"

#include <zip.h>

void ZipWriter::add(const QString& name, const QByteArray& bytes, bool stored)
{
    m_entries.append({name, bytes, stored});
}

QByteArray ZipWriter::finish(QString* error) const
{
    auto fail = [error](const char* what, zip_error_t* ze) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(zip_error_strerror(ze)));
        return QByteArray();
    };
    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t* archive = zip_source_buffer_create(nullptr, 0, 0, &ze);
    if (!archive) return fail("zip buffer", &ze);
    zip_t* za = zip_open_from_source(archive, ZIP_TRUNCATE, &ze);
    if (!za) {
        zip_source_free(archive);
        return fail("zip open", &ze);
    }
    zip_source_keep(archive); // read back after zip_close
    for (const Entry& e : m_entries) {
        zip_source_t* src = zip_source_buffer(za, e.bytes.constData(), zip_uint64_t(e.bytes.size()), 0);
        const zip_int64_t index = src ? zip_file_add(za, e.name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (src) zip_source_free(src);
            QByteArray none = fail("zip add", zip_get_error(za));
            zip_discard(za);
            zip_source_free(archive);
            return none;
        }
        zip_set_file_compression(za, zip_uint64_t(index), e.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(za) < 0) {
        QByteArray none = fail("zip write", zip_get_error(za));
        zip_discard(za);
        zip_source_free(archive);
        return none;
    }
    QByteArray out;
    zip_stat_t st;
    if (zip_source_stat(archive, &st) == 0 && zip_source_open(archive) == 0) {
        out.resize(qsizetype(st.size));
        const zip_int64_t n = zip_source_read(archive, out.data(), st.size);
        zip_source_close(archive);
        if (n != zip_int64_t(st.size)) out.clear();
    }
    zip_source_free(archive);
    if (out.isEmpty() && error) *error = QStringLiteral("zip read back failed");
    return out;
}
