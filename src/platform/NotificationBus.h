#pragma once

#include <QObject>
#include <QVariant>

#include <functional>

// In-process notifications named "Brindlewick." + request, with or without an object.
// Posting delivers synchronously to every observer, like a notification centre.
class NotificationBus : public QObject {
    Q_OBJECT
public:
    static NotificationBus& instance();

    static QString name(const QString& request) { return QStringLiteral("Brindlewick.") + request; }

    void post(const QString& fullName, const QVariant& object = {});
    // Calls `f` with the object for every post of `fullName` while `context` lives.
    QMetaObject::Connection observe(const QString& fullName, QObject* context,
                                    std::function<void(const QVariant& object)> f);

Q_SIGNALS:
    void posted(const QString& fullName, const QVariant& object);
};
