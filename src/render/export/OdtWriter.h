#pragma once

#include <QByteArray>

class QTextDocument;

namespace OdtWriter {

// An OpenDocument text of `doc` through Qt's own writer, after the changes that make it
// read back whole: an empty paragraph between a list and a table that follows it (the
// table is lost otherwise), explicit sizes on headings and an explicit monospaced family
// on code. Changes `doc`. Empty on failure.
QByteArray write(QTextDocument& doc);

} // namespace OdtWriter
