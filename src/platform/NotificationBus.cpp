#include "platform/NotificationBus.h"

NotificationBus& NotificationBus::instance()
{
    static NotificationBus bus;
    return bus;
}

void NotificationBus::post(const QString& fullName, const QVariant& object)
{
    Q_EMIT posted(fullName, object);
}

QMetaObject::Connection NotificationBus::observe(const QString& fullName, QObject* context,
                                                 std::function<void(const QVariant&)> f)
{
    return connect(this, &NotificationBus::posted, context,
                   [fullName, f = std::move(f)](const QString& n, const QVariant& o) {
                       if (n == fullName) f(o);
                   });
}
