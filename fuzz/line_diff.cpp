// Any two texts (cut at the first 0xFF byte) give a diff that shows every line of the old
// text once, in order, as kept or deleted, and every line of the new one as kept or
// inserted (a kept line as the old text spells it, canonically the same).
#include "FuzzInput.h"
#include "files/LineDiff.h"

namespace {

// The lines as the diff cuts them: at line feeds, a CR before the feed left out.
QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].endsWith(QLatin1Char('\r'))) lines[i].chop(1);
    return lines;
}

QString canonical(const QString& s)
{
    return s.normalized(QString::NormalizationForm_C);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzInput::bytes(data, size);
    const qsizetype cut = input.indexOf('\xff');
    const QString before = QString::fromUtf8(cut < 0 ? input : input.left(cut));
    const QString after = cut < 0 ? QString() : QString::fromUtf8(input.mid(cut + 1));
    QStringList old, now;
    for (const DiffLine& l : LineDiff::compute(before, after)) {
        if (l.kind != DiffLine::Kind::Insert) old << l.text;
        if (l.kind != DiffLine::Kind::Delete) now << canonical(l.text);
    }
    QStringList expected;
    for (const QString& l : linesOf(after)) expected << canonical(l);
    if (old != linesOf(before) || now != expected) FuzzInput::fail(QLatin1String("the diff lost or invented a line"));
    return 0;
}
