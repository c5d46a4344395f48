#include "platform/logindpower.h"

#if defined(Q_OS_LINUX)
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <memory>
#endif

namespace klangtruhe {

PowerOffPermission powerOffPermissionFrom(const QString &answer)
{
    if (answer == QLatin1String("yes"))
        return PowerOffPermission::Allowed;
    if (answer == QLatin1String("challenge"))
        return PowerOffPermission::Challenge;
    if (answer == QLatin1String("no") || answer == QLatin1String("na"))
        return PowerOffPermission::Refused;
    return PowerOffPermission::Unknown;
}

#if defined(Q_OS_LINUX)
namespace {

// Null when there is no system bus or no logind on it.
std::unique_ptr<QDBusInterface> logindManager()
{
    if (!QDBusConnection::systemBus().isConnected())
        return nullptr;
    auto manager = std::make_unique<QDBusInterface>(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QDBusConnection::systemBus());
    return manager->isValid() ? std::move(manager) : nullptr;
}

} // namespace

PowerOffPermission askLogindPowerOff()
{
    const auto manager = logindManager();
    if (!manager)
        return PowerOffPermission::Unknown;
    const QDBusReply<QString> reply = manager->call(QStringLiteral("CanPowerOff"));
    return reply.isValid() ? powerOffPermissionFrom(reply.value()) : PowerOffPermission::Unknown;
}

bool requestLogindPowerOff()
{
    const auto manager = logindManager();
    if (!manager)
        return false;
    const QDBusReply<void> reply = manager->call(QStringLiteral("PowerOff"), false);
    return reply.isValid();
}
#endif

} // namespace klangtruhe
