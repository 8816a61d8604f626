// A version list of any shape reads without harm, and the versions read are written so
// that they read the same (dates to within a microsecond: they are stored from 2001 on).
#include "FuzzInput.h"
#include "files/VersionStore.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = VersionStore::decodeManifest(FuzzInput::bytes(data, size));
    if (!read) return 0;
    const QByteArray written = VersionStore::encodeManifest(*read);
    const auto again = VersionStore::decodeManifest(written);
    bool same = again && again->size() == read->size();
    for (qsizetype i = 0; same && i < read->size(); ++i) {
        const Snapshot &a = (*read)[i], &b = (*again)[i];
        same = a.id == b.id && a.bytes == b.bytes && a.words == b.words && std::abs(a.date - b.date) <= 1e-6;
    }
    if (!same) FuzzInput::fail(QLatin1String("versions changed on a round trip: ") + QString::fromUtf8(written));
    return 0;
}
