#pragma once

#include <QByteArray>
#include <QString>

// Headers and footers on the pages of a PDF, kept vector: the texts are drawn by
// QPdfWriter (any Unicode text) as one overlay page per page and placed on the pages as
// form XObjects.
namespace PDFStamper {

// The template with "{title}", "{page}", "{pages}" and "{date}" filled in, in one pass:
// text that a placeholder brings in is never read again, so a title holding "{page}"
// stays as it is. `date` is the already formatted date.
QString fill(const QString& templ, const QString& title, int page, int total, const QString& date);

// `pdf` with the filled header at the top left (72 points in, its line ending 40 points
// below the top) and the footer centred at the foot (its line ending 30 points above the
// bottom) of every page, in a 9-point general font, mid gray. Empty with `error` set when
// the PDF cannot be read or written; the caller then keeps the pages unstamped.
QByteArray stamp(const QByteArray& pdf, const QString& title, const QString& headerTemplate,
                 const QString& footerTemplate, QString* error = nullptr);

} // namespace PDFStamper
