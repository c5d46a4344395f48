#pragma once

#include "common/keypresswitness.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "player/abloop.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;
class QTextEdit;
class QWidget;

namespace klangtruhe {

class CatalogueComponent;
class MciLayer;
class MediaComponent;
class PictureButton;
class PlaySequencer;
class PlayerSequencerHost;
class PlaylistSource;
class Program;
class StatusBar;
class frmWinMediaPlayer;
struct PlayerSequencing;

// What the player asks of other subsystems; each may stay empty (or null).
struct PlayerHooks {
    // Label Bez(12) of the detail view; the caption keeps "&&" for one "&".
    std::function<void(const QString &)> setTrackCaption;
    // The song-text box the track list scrolls along.
    QPointer<QTextEdit> songTextBox;
    // The detail view remembers which control last had the focus.
    std::function<void(const QString &)> setLastFocusedControl;
    // Height in twips of both cover pictures (Bild1, imgBildpfad).
    std::function<void(int)> setCoverHeight;
    // The entry's rating as txtBewertung shows it, and its row of stars.
    std::function<QString()> entryRating;
    std::function<void(int)> showEntryStars;
    // One tick of Timer1: has the track ended, what plays next.
    std::function<void()> sequencingTick;
    // "In Playlist aufnehmen" from the track list's context menu.
    std::function<void()> trackInPlaylist;
    // A track file took a new name (its rating): the playlists follow.
    std::function<void(const QString &oldPath, const QString &newPath)> trackRenamed;
    // The quick search for the playing playlist title.
    std::function<void()> suchenPlaylistTitel;
    // Mini player: its ticker timer on/off, its caption, its pause pictures back to normal.
    std::function<void(bool)> miniPlayerTicker;
    std::function<void(const QString &)> setMiniPlayerCaption;
    std::function<void()> miniPlayerPauseAus;
};

// The player of the main window: the track list filTrack, the transport
// buttons, the play-mode check boxes, the embedded media player MediaPlayer1,
// the movie window, Timer1 and the title ticker Timer2, and the transport
// procedures that the mini player, the movie window and the playlist call by
// name.
class PlayerComponent : public QObject {
    Q_OBJECT
public:
    PlayerComponent(Program &program, QMainWindow &window, StatusBar &status, CatalogueComponent &catalogue);
    ~PlayerComponent() override;

    PlayerHooks hooks;
    // The playlist view, once there is one.
    PlaylistSource *playlist = nullptr;

    // Transport (the procedures other windows call).
    void imgStart_Click();
    void imgStop_Click();
    void imgPause_Click();
    void imgResume_Click();
    void imgVorBack_Click(int index);
    void SonderfunktionenAus();
    void AktuelleCDanzeigen();
    void TextSongAktualisieren();
    // Both star rows: the current track's (or playlist item's) and the entry's.
    void BewertungTracks();
    // Rates the track list's current track with index + 1 stars by renaming its file.
    void imgSongNote_Click(int index);
    // A-B loop: the button (any index; the mini player passes 0) and the loop watcher.
    void imgPosAB_Click(int index);
    void TimerPosAB_Timer();
    void cmdPlayAsso_Click();
    void cmdInfoTrack_Click();

    // Seconds until the playing track ends (−1: nothing plays), and the
    // output level of every player, for the sleep fade.
    double secondsLeftInTrack();
    double outputVolume() const;
    void setOutputVolume(double level);

    // Track list: refilled on every entry change; its height in rows.
    void fillTrackList();
    void setTrackListRows(int rows);

    // Start-up options: "Laufschrift", "WinMediaPlayer", "WinMediaPlayerVisualisierung".
    void readSettings();
    // Places the parts that follow the window's width (inner width in twips).
    void applyLayout(double innerWidthTwips);

    // Player state of the main window.
    bool Pausiert = false;
    // PosAGesetzt, PosA and PosB.
    const AbLoop &abLoop() const { return m_abLoop; }
    int ResumePosition = 0;
    QString ResumeOrdner;
    int ResumeTrack = 0;
    bool VideoModus = false;
    double TrackEnde = 0;
    QString AbspielText;
    QList<int> TrackGespielt;
    int StilSpalte = 0;
    // Songs played from the current entry; the shuffle keeps the one counter.
    int &SongsAufTontraeger();

    // Timer1's sequencing, the play-mode boxes' interlocks and the shuffle.
    PlaySequencer &sequencer();
    PlayerSequencerHost &sequencerHost();
    // true: the pause picture imgPause(1) shows instead of imgPause(0).
    void showPauseActive(bool active);

    // Controls, for the sequencing, the ratings and the tests.
    QListWidget *filTrack() const { return m_filTrack; }
    MediaComponent &MediaPlayer1() { return *m_mediaPlayer; }
    MciLayer &mci() { return *m_mci; }
    frmWinMediaPlayer &movieWindow() { return *m_movieWindow; }
    QTimer &Timer1() { return m_timer1; }
    QTimer &Timer2() { return m_timer2; }
    QTimer &TimerPosAB() { return m_timerPosAB; }
    // imgSongNote(index) shows the gold star.
    bool songStarIsGold(int index) const;
    QCheckBox *chkAlleTracks = nullptr;
    QCheckBox *chkMarkTracks = nullptr;
    QCheckBox *chkTracksZufaellig = nullptr;
    QCheckBox *chkTracksAnspielen = nullptr;
    QCheckBox *chkRepeat = nullptr;
    QCheckBox *chkShuffle = nullptr;
    QCheckBox *chkVisualisierung = nullptr;
    QCheckBox *chkVollbild = nullptr;
    QPushButton *cmdPlayAsso = nullptr;
    QPushButton *cmdInfoTrack = nullptr;

    // The music folder of the current entry, as its field shows it.
    QString musicFolder() const;
    // Menu "Windows Media Player &verwenden" checked.
    bool mediaPlayerInUse() const;
    // The ticker waits this long per character (tests shorten it).
    int tickerStepMs = 120;
    int tickerHoldMs = 500;
    int tickerPhase() const { return m_tickerPhase; }

private:
    void buildControls(QWidget *area);
    void buildTransport(QWidget *area);
    void buildPlayModes(QWidget *area);
    void connectMenu();
    void buildSequencing(QWidget *area);
    void loadTrackList();
    void buildAbLoop(QWidget *area);
    void buildTrackStars(QWidget *area);
    void showAbButton();
    void setSongStars(int gold);
    // Re-reads the music folder after a rename, keeping marks and the current track.
    void refreshTrackList(const QString &renamedFrom, const QString &renamedTo);

    // Track list events.
    void onTrackClicked();
    void onTrackChosen(bool byKey, int key);
    void onTrackFocused();
    void showTrackMenu(const QPoint &position);
    void songTextFollow(bool letEventsRun);
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Start's two sources and the output paths.
    bool startFromPlaylist();
    bool startFromTrackList();
    void playThroughMediaPlayer(const QString &path);
    void playThroughMci(const QString &path, bool measure);
    void afterStart(const QString &playingPath);
    void setCovers(int heightTwips);
    void setTrackCaption(const QString &caption);
    void hideMovieWindow();
    void startAnspielen();
    double anspielenSeconds() const;
    std::vector<bool> markedTracks() const;
    int trackCount() const;
    QString trackName(int index) const;
    int musikpfadColumn() const;

    // Media player and view.
    void onPlayStateChanged(int state);
    void onMediaMouseReleased(int button);
    void chkVisualisierung_Click();
    void chkVollbild_Click();
    void placeMediaPlayer();
    void mnuLaufschrift_Click();
    void mnuWinPlayerVerwenden_Click();

    // Title ticker.
    void Timer2_Timer();
    QString tickerText(int phase) const;
    bool tickerMustEnd() const;
    bool tickerEnded() const;
    void restCaption();
    void onWindowStateChanged();

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    CatalogueComponent &m_catalogue;
    QListWidget *m_filTrack = nullptr;
    QWidget *m_trackViewport = nullptr; // compared only, never dereferenced in the filter
    KeyPressWitness m_trackKeyPress;
    QMenu *m_trackMenu = nullptr;
    std::unique_ptr<MediaComponent> m_mediaPlayer;
    std::unique_ptr<MciLayer> m_mci;
    std::unique_ptr<frmWinMediaPlayer> m_movieWindow;
    PictureButton *m_imgStart = nullptr;
    PictureButton *m_imgStop = nullptr;
    PictureButton *m_imgPause0 = nullptr;
    PictureButton *m_imgPause1 = nullptr;
    PictureButton *m_imgResume = nullptr;
    PictureButton *m_imgVorBack0 = nullptr;
    PictureButton *m_imgVorBack1 = nullptr;
    PictureButton *m_imgLiedzufall = nullptr;
    std::array<PictureButton *, 3> m_imgPosAB{};
    std::array<PictureButton *, 6> m_imgSongNote{};
    std::array<bool, 6> m_songStarGold{};
    QLabel *m_imgStern = nullptr;
    QLabel *m_imgSternGrau = nullptr;
    AbLoop m_abLoop;
    QTimer m_timerPosAB;
    std::unique_ptr<PlayerSequencing> m_sequencing;
    QAction *m_mnuLaufschrift = nullptr;
    QAction *m_mnuWinPlayerVerwenden = nullptr;
    QAction *m_mnuPauseZwischenTracks = nullptr;
    QTimer m_timer1;
    QTimer m_timer2;
    int m_tickerPhase = 0;
    bool m_tickerRunning = false;
    int m_trackListRows = 15;
};

} // namespace klangtruhe
