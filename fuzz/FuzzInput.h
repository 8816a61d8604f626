#pragma once

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

// The fuzzer's bytes as the inputs of one call, and how a target reports a fault.
namespace FuzzInput {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The parts of a structured input, cut at 0xFF bytes (which UTF-8 never holds).
inline QList<QByteArray> parts(const uint8_t* data, size_t size)
{
    return bytes(data, size).split('\xff');
}

// Fonts and colours need a GUI application; the targets that style text make one. It
// stays to the end: torn down at exit, it leaves Qt's font caches behind unreachable, which
// the leak checker would report against the last input.
inline void startGui(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
}

// A property that does not hold: said on stderr, then the run stops as a crash does, so
// the fuzzer keeps the input.
[[noreturn]] inline void fail(const QString& what)
{
    std::fprintf(stderr, "fuzz target found a fault: %s\n", qPrintable(what));
    std::abort();
}

// What a store reads (`decode`, none when it reads nothing) is written by `encode` so that
// it reads the same.
template <typename Decode, typename Encode>
void expectRoundTrip(const QByteArray& stored, Decode&& decode, Encode&& encode, const char* what)
{
    const auto read = decode(stored);
    if (!read) return;
    const QByteArray written = encode(*read);
    if (decode(written) != read)
        fail(QLatin1String(what) + QLatin1String(" changed on a round trip: ") + QString::fromUtf8(written));
}

} // namespace FuzzInput
