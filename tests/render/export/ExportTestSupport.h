#pragma once

#include "platform/Settings.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// Reads a PDF held in memory.
struct PdfReader {
    explicit PdfReader(const QByteArray& pdf)
        : bytes(pdf)
    {
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        doc.load(&buffer);
    }
    int pages() const { return doc.status() == QPdfDocument::Status::Ready ? doc.pageCount() : 0; }
    QString text(int page) { return doc.getAllText(page).text(); }
    QImage image(int page, int dpi = 36) { return doc.render(page, (doc.pagePointSize(page) * dpi / 72).toSize()); }

    QByteArray bytes;
    QBuffer buffer;
    QPdfDocument doc;
};

// Settings in a temporary file for one test.
struct ScopedSettings {
    ScopedSettings() { Settings::useFile(dir.filePath(QStringLiteral("settings.ini"))); }
    QTemporaryDir dir;
};

// Runs the event loop until `done` holds or `ms` pass. A real event loop, not repeated
// processEvents calls: the web engine's work is driven by the loop's timers.
template <typename F> bool waitFor(F done, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

inline QByteArray solidPng(const QColor& color, int w = 60, int h = 40)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    image.save(&b, "PNG");
    return bytes;
}

// Whether any pixel of `image` is close to `color`.
inline bool hasColor(const QImage& image, const QColor& color)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c = rgb.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) < 40 && std::abs(c.green() - color.green()) < 40
                && std::abs(c.blue() - color.blue()) < 40)
                return true;
        }
    return false;
}
