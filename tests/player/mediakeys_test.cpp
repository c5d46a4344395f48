#include "platform/mpris.h"
#include "player/mediakeys.h"
#include "playerprogram.h"
#include "support/privatebus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QUrl>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

const QString Service = QStringLiteral("org.mpris.MediaPlayer2.klangtruhe");
const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Calls and answers run through this process's event loop: wait for them
// asynchronously, as the desktop would.
QDBusMessage callAndWait(QDBusConnection &bus, const QDBusMessage &message)
{
    QDBusPendingCall pending = bus.asyncCall(message);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
        return {};
    return pending.reply();
}

void press(QDBusConnection &bus, const char *method)
{
    callAndWait(bus, QDBusMessage::createMethodCall(Service, Path, Player, QString::fromLatin1(method)));
}

QVariant property(QDBusConnection &bus, const char *name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << Player << QString::fromLatin1(name);
    const QDBusMessage reply = callAndWait(bus, get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

} // namespace

// Media keys, the sound menu and playerctl reach the player through MPRIS:
// the transport calls drive the main window's procedures, and status and
// track (band, title, file) follow what plays.
TEST(MediaKeys, TheDesktopsMediaControlsDriveThePlayerAndSeeWhatPlays)
{
    PrivateBus bus;
    if (!bus.available())
        GTEST_SKIP() << "dbus-daemon is missing";
    PlayerProgram p({{"1 Paperhouse.wav", wavSine(4)}});
    auto *keys = p.window()->findChild<MediaKeys *>();
    ASSERT_NE(keys, nullptr);
    keys->attach(std::make_unique<MprisService>(keys->controls(), bus.connect(QStringLiteral("player"))));
    ASSERT_TRUE(keys->service()->registered());

    QDBusConnection desktop = bus.connect(QStringLiteral("desktop"));
    ASSERT_TRUE(desktop.interface()->isServiceRegistered(Service).value());

    press(desktop, "PlayPause");
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.status().startsWith(QStringLiteral("playing:  ")); }, 5000));
    EXPECT_EQ(property(desktop, "PlaybackStatus").toString(), QStringLiteral("Playing"));
    const auto track = qdbus_cast<QVariantMap>(property(desktop, "Metadata").value<QDBusArgument>());
    EXPECT_EQ(track.value(QStringLiteral("xesam:artist")).toStringList(), QStringList{"Can"});
    EXPECT_EQ(track.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("1 Paperhouse"));
    EXPECT_EQ(QUrl(track.value(QStringLiteral("xesam:url")).toString()).toLocalFile(), p.music + "1 Paperhouse.wav");

    press(desktop, "Stop");
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.status() == QLatin1String("no play"); }, 5000));
    EXPECT_EQ(property(desktop, "PlaybackStatus").toString(), QStringLiteral("Stopped"));
}
