// Stored snippets of any shape read without harm, and the snippets read are written so
// that they read the same.
#include "FuzzInput.h"
#include "settings/SnippetStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput::expectRoundTrip(FuzzInput::bytes(data, size), SnippetStore::decode, SnippetStore::encode, "snippets");
    return 0;
}
