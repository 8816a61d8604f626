// Stored themes of any shape read without harm, and the themes read are written so that
// they read the same.
#include "FuzzInput.h"
#include "styling/CustomThemeStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<CustomTheme> read = CustomThemeStore::decode(FuzzInput::text(data, size));
    const QString written = CustomThemeStore::encode(read);
    if (CustomThemeStore::decode(written) != read)
        FuzzInput::fail(QLatin1String("themes changed on a round trip: ") + written);
    return 0;
}
