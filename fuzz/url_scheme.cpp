// Any address is read without harm, and any text handed over in a "brindlewick://new" link
// (encoded twice, as the link's text is decoded twice) arrives as it was sent.
#include "FuzzInput.h"
#include "app/UrlScheme.h"

#include <QUrl>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = FuzzInput::text(data, size);
    UrlScheme::parse(input);
    const QByteArray once = QUrl::toPercentEncoding(input);
    const QString link = QLatin1String("brindlewick://new?text=")
                         + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(once)));
    const auto asked = UrlScheme::parse(link);
    if (!asked || asked->text != input) FuzzInput::fail(QLatin1String("a link's text changed: ") + link);
    return 0;
}
