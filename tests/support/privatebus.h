#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace klangtruhe::test {

// A D-Bus session bus of the test's own (dbus-daemon --session), so nothing
// reaches the desktop the tests run on. available() is false without dbus-daemon.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool available() const { return !m_address.isEmpty(); }
    // A new connection to the bus under its own name.
    QDBusConnection connect(const QString &name);

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

} // namespace klangtruhe::test
