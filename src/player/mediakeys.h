#pragma once

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class QMainWindow;

namespace klangtruhe {

class MprisService;
class PlayerComponent;
class StatusBar;
struct MprisControls;

// The desktop's media keys and sound menu (MPRIS on the session bus) drive
// the main window's transport, and see what plays: the state follows status
// panel 2 and the pause flag, the track its path there and the entry's
// fields and cover.
class MediaKeys : public QObject {
    Q_OBJECT
public:
    MediaKeys(PlayerComponent &player, StatusBar &status, QMainWindow &window);
    ~MediaKeys() override;

    // The controls the desktop calls, for the service and for tests.
    MprisControls controls();
    // Hands the player's state to a service (tests pass one on a private bus).
    void attach(std::unique_ptr<MprisService> service);
    MprisService *service() const { return m_service.get(); }
    // Reads the player's state and tells the service what changed.
    void follow();

private:
    bool playing() const;
    QString coverFile(const QString &track);

    PlayerComponent &m_player;
    StatusBar &m_status;
    QMainWindow &m_window;
    std::unique_ptr<MprisService> m_service;
    QTimer m_watch;
    QTemporaryDir m_covers;
    QString m_coverTrack;
    QString m_coverPath;
    QString m_lengthTrack;
    double m_lengthSeconds = 0;
};

} // namespace klangtruhe
