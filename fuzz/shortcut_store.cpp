// Stored shortcuts of any shape read without harm, and what was read is written back so
// that it reads the same: the readable entries and the ones kept as they were.
#include "FuzzInput.h"
#include "commands/ShortcutStore.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ShortcutStore::Decoded read = ShortcutStore::decode(FuzzInput::bytes(data, size));
    if (read.wholeUnreadable) return 0;
    const QByteArray written = ShortcutStore::encode(read.combos, read.unreadable);
    const ShortcutStore::Decoded again = ShortcutStore::decode(written);
    if (again.wholeUnreadable || again.combos != read.combos || again.unreadable != read.unreadable)
        FuzzInput::fail(QLatin1String("shortcuts changed on a round trip: ") + QString::fromUtf8(written));
    return 0;
}
