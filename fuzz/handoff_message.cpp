// A hand-off message of any shape is decoded without harm; the items of one it accepts
// are encoded so that they decode the same, behind a header that states their size.
#include "FuzzInput.h"
#include "app/SingleInstance.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto items = SingleInstance::decode(FuzzInput::bytes(data, size));
    if (!items) return 0;
    const QByteArray wire = SingleInstance::encode(*items);
    const bool framed = wire.startsWith("BWK1") && wire.size() >= 8
                        && qFromBigEndian<quint32>(wire.constData() + 4) == quint32(wire.size() - 8);
    if (!framed || SingleInstance::decode(wire.mid(8)) != items)
        FuzzInput::fail(QLatin1String("items changed on a round trip: ") + items->join(QLatin1String(" | ")));
    return 0;
}
