#include "platform/mpris.h"

#include "platform/mprisadaptors.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>

Q_LOGGING_CATEGORY(lcMpris, "klangtruhe.platform.mpris")

namespace klangtruhe {

namespace {

const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

QVariantMap mprisMetadata(const MprisTrack &track, int trackNumber)
{
    QVariantMap map;
    if (track.file.isEmpty())
        return map;
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(QStringLiteral("/de/fernwerk/Klangtruhe/Track/%1").arg(trackNumber))));
    const QFileInfo file(track.file);
    map.insert(QStringLiteral("xesam:title"), file.completeBaseName());
    map.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(file.absoluteFilePath()).toString());
    if (!track.band.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{track.band});
    if (!track.title.isEmpty())
        map.insert(QStringLiteral("xesam:album"), track.title);
    if (!track.coverFile.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"),
                   QUrl::fromLocalFile(QFileInfo(track.coverFile).absoluteFilePath()).toString());
    if (track.lengthSeconds > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(track.lengthSeconds * 1e6));
    return map;
}

MprisService::MprisService(MprisControls controls, const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_controls(std::move(controls))
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    new MprisRootAdaptor(*this);
    new MprisPlayerAdaptor(*this);
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcMpris) << "cannot register" << ObjectPath;
        return;
    }
    // A second program (another user's settings folder) takes a name of its own.
    m_serviceName = QStringLiteral("org.mpris.MediaPlayer2.klangtruhe");
    if (!m_bus.registerService(m_serviceName)) {
        m_serviceName += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
        if (!m_bus.registerService(m_serviceName)) {
            qCWarning(lcMpris) << "cannot take a name on the session bus";
            m_bus.unregisterObject(ObjectPath);
            m_serviceName.clear();
            return;
        }
    }
    m_registered = true;
}

MprisService::~MprisService()
{
    if (!m_registered)
        return;
    m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(ObjectPath);
}

void MprisService::setPlaybackStatus(const QString &status)
{
    if (status == m_status)
        return;
    m_status = status;
    announce({{QStringLiteral("PlaybackStatus"), status}});
}

void MprisService::setTrack(const MprisTrack &track)
{
    const QVariantMap map = mprisMetadata(track, m_trackNumber + 1);
    // The number only counts new tracks, so an unchanged one keeps its id.
    QVariantMap withoutId = map, oldWithoutId = m_metadata;
    withoutId.remove(QStringLiteral("mpris:trackid"));
    oldWithoutId.remove(QStringLiteral("mpris:trackid"));
    if (withoutId == oldWithoutId)
        return;
    if (!map.isEmpty())
        ++m_trackNumber;
    m_metadata = map;
    announce({{QStringLiteral("Metadata"), m_metadata}});
}

void MprisService::announce(const QVariantMap &changed)
{
    if (!m_registered)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_bus.send(signal);
}

MprisRootAdaptor::MprisRootAdaptor(MprisService &service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
}

void MprisRootAdaptor::Raise()
{
    if (m_service.controls().raise)
        m_service.controls().raise();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService &service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
}

void MprisPlayerAdaptor::run(const std::function<void()> &action)
{
    // The player lets events run inside its procedures; the D-Bus call returns first.
    if (action)
        QTimer::singleShot(0, &m_service, action);
}

void MprisPlayerAdaptor::Play() { run(m_service.controls().play); }
void MprisPlayerAdaptor::Pause() { run(m_service.controls().pause); }
void MprisPlayerAdaptor::PlayPause() { run(m_service.controls().playPause); }
void MprisPlayerAdaptor::Stop() { run(m_service.controls().stop); }
void MprisPlayerAdaptor::Next() { run(m_service.controls().next); }
void MprisPlayerAdaptor::Previous() { run(m_service.controls().previous); }

} // namespace klangtruhe
