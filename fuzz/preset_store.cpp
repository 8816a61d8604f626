// Stored export presets of any shape read without harm, and the presets read are written
// so that they read the same.
#include "FuzzInput.h"
#include "render/ExportPresets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput::expectRoundTrip(FuzzInput::bytes(data, size), ExportPresetStore::decode, ExportPresetStore::encode,
                               "presets");
    return 0;
}
