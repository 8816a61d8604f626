// Stored snippets of any shape read without harm, and the snippets read are written so
// that they read the same.
#include "FuzzInput.h"
#include "settings/SnippetStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = SnippetStore::decode(FuzzInput::bytes(data, size));
    if (!read) return 0;
    const QByteArray written = SnippetStore::encode(*read);
    if (SnippetStore::decode(written) != read)
        FuzzInput::fail(QLatin1String("snippets changed on a round trip: ") + QString::fromUtf8(written));
    return 0;
}
