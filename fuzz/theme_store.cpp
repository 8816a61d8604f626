// Stored themes of any shape read without harm, and the themes read are written so that
// they read the same.
#include "FuzzInput.h"
#include "styling/CustomThemeStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput::expectRoundTrip(
        FuzzInput::bytes(data, size),
        [](const QByteArray& json) { return std::optional(CustomThemeStore::decode(QString::fromUtf8(json))); },
        [](const QList<CustomTheme>& themes) { return CustomThemeStore::encode(themes).toUtf8(); }, "themes");
    return 0;
}
