// Stored export presets of any shape read without harm, and the presets read are written
// so that they read the same.
#include "FuzzInput.h"
#include "render/ExportPresets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = ExportPresetStore::decode(FuzzInput::bytes(data, size));
    if (!read) return 0;
    const QByteArray written = ExportPresetStore::encode(*read);
    if (ExportPresetStore::decode(written) != read)
        FuzzInput::fail(QLatin1String("presets changed on a round trip: ") + QString::fromUtf8(written));
    return 0;
}
