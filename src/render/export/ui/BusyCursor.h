#pragma once

#include <QCursor>
#include <QGuiApplication>

#include <memory>

// Shows the busy pointer while a PDF is being made: from construction until the last copy
// of the handle goes, however the request ends (done, failed, or dropped with its window).
class BusyCursor {
public:
    static std::shared_ptr<BusyCursor> start() { return std::shared_ptr<BusyCursor>(new BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
};
