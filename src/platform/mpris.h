#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace klangtruhe {

// What the desktop's media controls (media keys, the sound menu, playerctl)
// may ask of the player; an empty function answers nothing.
struct MprisControls {
    std::function<void()> play, pause, playPause, stop, next, previous, raise;
};

// The playing track as the desktop shows it.
struct MprisTrack {
    QString band;
    QString title;     // the entry's title
    QString file;      // the track file
    QString coverFile; // a picture file, or ""
    double lengthSeconds = 0;
};

// The MPRIS "Metadata" map of a track: artist, album, the track's name,
// file and cover as file URLs, length in microseconds. Empty without a file.
QVariantMap mprisMetadata(const MprisTrack &track, int trackNumber);

// The player as org.mpris.MediaPlayer2 on a D-Bus connection: registers the
// object /org/mpris/MediaPlayer2 and the name org.mpris.MediaPlayer2.klangtruhe
// and tells the desktop each change of status and track.
class MprisService : public QObject {
    Q_OBJECT
public:
    MprisService(MprisControls controls, const QDBusConnection &bus, QObject *parent = nullptr);
    ~MprisService() override;

    // false when the bus is not there or the object could not be registered.
    bool registered() const { return m_registered; }
    QString serviceName() const { return m_serviceName; }

    // "Playing", "Paused" or "Stopped".
    void setPlaybackStatus(const QString &status);
    void setTrack(const MprisTrack &track);

    const MprisControls &controls() const { return m_controls; }
    QString playbackStatus() const { return m_status; }
    QVariantMap metadata() const { return m_metadata; }

private:
    void announce(const QVariantMap &changed);

    MprisControls m_controls;
    QDBusConnection m_bus;
    QString m_status = QStringLiteral("Stopped");
    QVariantMap m_metadata;
    int m_trackNumber = 0;
    QString m_serviceName;
    bool m_registered = false;
};

} // namespace klangtruhe
