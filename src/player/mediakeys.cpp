#include "player/mediakeys.h"

#include "app/statusbar.h"
#include "platform/mpris.h"
#include "player/playercomponent.h"
#include "player/boundedlength.h"

#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>

namespace klangtruhe {

namespace {

const QString PlayingPrefix = QStringLiteral("playing:  ");

QString fieldText(QMainWindow &window, const char *name)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(name));
    return edit ? edit->text() : QString();
}

} // namespace

MediaKeys::MediaKeys(PlayerComponent &player, StatusBar &status, QMainWindow &window)
    : QObject(&window)
    , m_player(player)
    , m_status(status)
    , m_window(window)
{
    // The pause flag and the panel change in many places; a look twice a
    // second costs nothing and misses none of them.
    m_watch.setInterval(500);
    connect(&m_watch, &QTimer::timeout, this, &MediaKeys::follow);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        attach(std::make_unique<MprisService>(controls(), bus));
}

MediaKeys::~MediaKeys() = default;

MprisControls MediaKeys::controls()
{
    MprisControls c;
    const auto afterwards = [this](void (PlayerComponent::*step)()) {
        return [this, step] {
            (m_player.*step)();
            follow();
        };
    };
    c.play = [this] {
        if (m_player.Pausiert)
            m_player.imgPause_Click();
        else if (!playing())
            m_player.imgStart_Click();
        follow();
    };
    c.pause = [this] {
        if (playing() && !m_player.Pausiert)
            m_player.imgPause_Click();
        follow();
    };
    c.playPause = [this] {
        if (playing())
            m_player.imgPause_Click();
        else
            m_player.imgStart_Click();
        follow();
    };
    c.stop = afterwards(&PlayerComponent::imgStop_Click);
    c.next = [this] {
        m_player.imgVorBack_Click(1);
        follow();
    };
    c.previous = [this] {
        m_player.imgVorBack_Click(0);
        follow();
    };
    c.raise = [this] {
        m_window.showNormal();
        m_window.raise();
        m_window.activateWindow();
    };
    return c;
}

void MediaKeys::attach(std::unique_ptr<MprisService> service)
{
    m_service = std::move(service);
    if (m_service && m_service->registered()) {
        follow();
        m_watch.start();
    } else {
        m_watch.stop();
    }
}

bool MediaKeys::playing() const
{
    const QString panel = m_status.panel(2);
    return !panel.isEmpty() && panel != QLatin1String("no play");
}

void MediaKeys::follow()
{
    if (!m_service)
        return;
    if (!playing()) {
        m_service->setPlaybackStatus(QStringLiteral("Stopped"));
        m_service->setTrack({});
        return;
    }
    m_service->setPlaybackStatus(m_player.Pausiert ? QStringLiteral("Paused") : QStringLiteral("Playing"));
    const QString panel = m_status.panel(2);
    // Between tracks the panel counts the pause down; the track stays the last one.
    if (!panel.startsWith(PlayingPrefix))
        return;
    const QString file = panel.mid(PlayingPrefix.size());
    MprisTrack track;
    track.file = file;
    track.band = fieldText(m_window, "TextBand");
    track.title = fieldText(m_window, "TextLPTitel");
    track.coverFile = coverFile(file);
    if (file != m_lengthTrack) {
        m_lengthTrack = file;
        m_lengthSeconds = boundedTrackLength(file);
    }
    track.lengthSeconds = m_lengthSeconds;
    m_service->setTrack(track);
}

QString MediaKeys::coverFile(const QString &track)
{
    // The cover may be a picture stored in the catalogue: the shown one is
    // written once per track for the desktop to read.
    if (track == m_coverTrack)
        return m_coverPath;
    m_coverTrack = track;
    m_coverPath.clear();
    auto *picture = m_window.findChild<QLabel *>(QStringLiteral("Bild1"));
    const QPixmap shown = picture ? picture->pixmap() : QPixmap();
    if (shown.isNull() || !m_covers.isValid())
        return m_coverPath;
    const QString path = m_covers.filePath(QStringLiteral("cover-%1.png").arg(qHash(track)));
    if (shown.save(path))
        m_coverPath = path;
    return m_coverPath;
}

} // namespace klangtruhe
