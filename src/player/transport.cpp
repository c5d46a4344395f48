// Start, Stop, Pause, Resume, Back and Forward of the main window, and the
// procedures around them that other windows call by name.
#include "player/playercomponent.h"

#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "common/busypointer.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "player/boundedlength.h"
#include "player/frmwinmediaplayer.h"
#include "player/mcilayer.h"
#include "player/mediacomponent.h"
#include "player/picturebutton.h"
#include "player/playerrules.h"
#include "player/playlistsource.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <cmath>

namespace klangtruhe {

namespace {

const QString kAlias = QStringLiteral("MyAlias");
constexpr int kCoverShrunk = 3195;
constexpr int kCoverFull = 4150;

bool isMovEnding(const QString &name)
{
    return fileClassOf(name) == FileClass::MciFilm;
}

} // namespace

void PlayerComponent::imgStart_Click()
{
    if (trackName(m_program.AktuellerTrack).startsWith(QLatin1Char('\''))) {
        cmdPlayAsso_Click();
        return;
    }
    m_program.StopNachPause = false;
    mciStopAndClose(*m_mci, kAlias);
    if (VideoModus)
        hideMovieWindow();
    doEvents();
    SonderfunktionenAus();

    const RecordTableModel &model = m_catalogue.model();
    for (int column = 0; column < 18 && column < model.columnCount(); ++column) {
        if (model.headerText(column) == QLatin1String("Stil"))
            StilSpalte = column;
    }

    if (chkAlleTracks->isChecked() || chkRepeat->isChecked() || chkShuffle->isChecked()
        || chkMarkTracks->isChecked()) {
        if (m_program.StilAusgeschlossen) {
            MsgLumo(m_program, &m_window,
                    QStringLiteral("Diese Stilrichtung wurde im Menüpunkt 'Optionen/Stilrichtung ausschließen...' "
                                   "ausgeschlossen.\r\nEntfernen Sie dort das Häkchen, damit Sie diese "
                                   "Stilrichtung verwenden können."),
                    3, 0, QStringLiteral("Bedienungshinweis (imgStart_Click)"), 1, 0xC0E0FF, 0x352300);
            m_timer1.stop();
        } else {
            m_timer1.start();
        }
    }
    const bool ticker = m_mnuLaufschrift && m_mnuLaufschrift->isChecked();
    if (m_window.isMinimized() && ticker)
        m_timer2.start();

    const bool played = m_program.PlaylistModus ? startFromPlaylist() : startFromTrackList();
    if (!played)
        return;

    if (mediaPlayerInUse() && !isMovEnding(AbspielText))
        setCovers(kCoverShrunk);
    if (m_window.isHidden() && ticker && m_status.panel(2).contains(QLatin1String("playing:"))
        && hooks.miniPlayerTicker)
        hooks.miniPlayerTicker(true);
}

bool PlayerComponent::startFromPlaylist()
{
    if (!playlist)
        return false;
    int &current = m_program.AktuellerTrack;
    if (current == 0)
        current = 1;
    if (chkMarkTracks->isChecked()) {
        int found = 0;
        for (int n = current; n <= playlist->itemCount(); ++n) {
            if (playlist->isChecked(n)) {
                found = n;
                break;
            }
        }
        if (found == 0) {
            if (!chkRepeat->isChecked())
                imgStop_Click();
            current = 1;
            playlist->selectItem(1);
            BewertungTracks();
            return false;
        }
        current = found;
        playlist->selectItem(found);
        BewertungTracks();
    }
    const int item = current;
    const QString path = m_program.localPath(playlist->pfad(item) + playlist->bandUndCd(item) + playlist->itemText(item));
    if (!mediaPlayerInUse()) {
        const double length = boundedTrackLength(path);
        BewertungTracks();
        mciOpenAndPlay(m_program, *m_mci, path, kAlias);
        doEvents();
        TrackEnde = timeOfDay() + length;
    } else if (isMovEnding(path)) {
        BewertungTracks();
        mciOpenAndPlay(m_program, *m_mci, path, kAlias);
        doEvents();
    } else {
        playThroughMediaPlayer(path);
    }
    startAnspielen();

    // The status comes first: showing the entry looks for "playing:" and the
    // path, also when Start comes from rest. Showing it refills the track list
    // and the title search picks a track there; the playlist keeps counting by
    // its own item number.
    m_status.setPanel(2, QStringLiteral("playing:  ") + path);
    AbspielText = path.trimmed();
    AktuelleCDanzeigen();
    BewertungTracks();
    if (chkTracksZufaellig->isChecked()) {
        if (item >= 0 && item < TrackGespielt.size())
            TrackGespielt[item] = 1;
        BewertungTracks();
    }
    if (hooks.suchenPlaylistTitel)
        hooks.suchenPlaylistTitel();
    current = item;
    return true;
}

bool PlayerComponent::startFromTrackList()
{
    int &current = m_program.AktuellerTrack;
    if (!chkMarkTracks->isChecked()) {
        m_filTrack->clearSelection();
        if (QListWidgetItem *item = m_filTrack->item(current))
            item->setSelected(true);
    } else {
        const int found = firstMarkedFrom(current, markedTracks());
        if (found < 0) {
            if (!chkRepeat->isChecked())
                imgStop_Click();
            current = 0;
            BewertungTracks();
            return false;
        }
        current = found;
        BewertungTracks();
    }
    const QString name = trackName(current);
    if (name.isEmpty())
        return false; // no such track: nothing to hand to a player
    const QString folder = musicFolder();
    const QString path = folder + name;
    const QString caption = QStringLiteral("Tracks && Movies Nr.: ") + QString::number(current + 1);
    if (!mediaPlayerInUse()) {
        const double length = boundedTrackLength(path);
        mciOpenAndPlay(m_program, *m_mci, path, kAlias);
        setTrackCaption(caption);
        BewertungTracks();
        doEvents();
        TrackEnde = timeOfDay() + length;
    } else if (isMovEnding(name)) {
        mciOpenAndPlay(m_program, *m_mci, path, kAlias);
        setTrackCaption(caption);
        BewertungTracks();
        doEvents();
    } else {
        playThroughMediaPlayer(path);
        setTrackCaption(caption);
        BewertungTracks();
        doEvents();
    }
    if (chkTracksZufaellig->isChecked()) {
        if (current >= 0 && current < TrackGespielt.size())
            TrackGespielt[current] = 1;
        BewertungTracks();
    }
    startAnspielen();
    AbspielText = QStringLiteral("playing:  ") + folder + name;
    m_status.setPanel(2, AbspielText);
    return true;
}

void PlayerComponent::playThroughMediaPlayer(const QString &path)
{
    if (!m_mediaPlayer->widget()->isHidden()) {
        m_mediaPlayer->close();
        doEvents();
    }
    cmdInfoTrack->show();
    VideoModus = fileClassOf(path) == FileClass::VideoOrPicture;
    if (!VideoModus)
        hideMovieWindow();
    m_mediaPlayer->widget()->show();
    BewertungTracks();
    if (VideoModus) {
        m_movieWindow->show();
        m_movieWindow->WindowsMediaPlayer1().setUrl(path);
    } else {
        m_mediaPlayer->setUrl(path);
    }
    doEvents();
}

double PlayerComponent::anspielenSeconds() const
{
    return leadingNumber(m_program.settings.read(keys::TracksAnspielen));
}

void PlayerComponent::startAnspielen()
{
    if (!chkTracksAnspielen->isChecked())
        return;
    TrackEnde = timeOfDay() + anspielenSeconds();
    BewertungTracks();
}

void PlayerComponent::hideMovieWindow()
{
    m_movieWindow->hide();
    m_movieWindow->WindowsMediaPlayer1().close();
}

void PlayerComponent::setCovers(int heightTwips)
{
    if (hooks.setCoverHeight)
        hooks.setCoverHeight(heightTwips);
}

void PlayerComponent::imgStop_Click()
{
    if (m_status.panel(2).contains(QLatin1String("Pause")))
        m_program.PauseAbbrechen = true;
    m_timer1.stop();
    m_timer2.stop();
    if (hooks.miniPlayerTicker)
        hooks.miniPlayerTicker(false);
    if (VideoModus)
        hideMovieWindow();
    cmdInfoTrack->hide();
    doEvents();
    m_window.setWindowTitle(QStringLiteral("Klangtruhe-Player - Fernwerk"));
    if (hooks.setMiniPlayerCaption)
        hooks.setMiniPlayerCaption(QStringLiteral("Klangtruhe-Miniplayer"));
    m_status.setPanel(2, QStringLiteral("no play"));
    setCovers(kCoverFull);
    SonderfunktionenAus();
    if (chkMarkTracks->isChecked())
        m_program.AktuellerTrack = 0;
    if (mediaPlayerInUse()) {
        ResumePosition = int(std::lround(m_mediaPlayer->currentPosition()));
        if (m_program.PlaylistModus) {
            ResumeTrack = playlist ? playlist->selectedItem() : 0;
            m_program.AktuellerTrack = ResumeTrack;
        } else {
            ResumeTrack = m_program.AktuellerTrack;
            ResumeOrdner = musicFolder();
        }
        m_mediaPlayer->close();
        m_mediaPlayer->widget()->hide();
    }
    mciStopAndClose(*m_mci, kAlias);
    doEvents();
}

void PlayerComponent::imgPause_Click()
{
    const QString status = m_status.panel(2);
    if (status == QLatin1String("no play"))
        return;
    if (status.contains(QLatin1String("Pause"))) {
        m_program.PauseAbbrechen = true;
        return;
    }
    // Only the embedded player halts; MCI playback goes on.
    Pausiert = !Pausiert;
    if (Pausiert)
        m_mediaPlayer->pause();
    else
        m_mediaPlayer->play();
    m_imgPause0->setVisible(!Pausiert);
    m_imgPause1->setVisible(Pausiert);
}

int PlayerComponent::musikpfadColumn() const
{
    const RecordTableModel &model = m_catalogue.model();
    for (int column = 0; column < model.columnCount(); ++column) {
        if (model.headerText(column) == QLatin1String("Musikpfad"))
            return column;
    }
    return -1;
}

void PlayerComponent::imgResume_Click()
{
    if (m_program.PlaylistModus) {
        if (playlist)
            playlist->selectItem(ResumeTrack);
    } else {
        const int column = musikpfadColumn();
        RecordTableModel &model = m_catalogue.model();
        for (int row = 0; column >= 0 && row < model.rowCount(); ++row) {
            if (m_program.localPath(model.cellText(row, column)) == ResumeOrdner) {
                m_catalogue.data().setAbsolutePosition(row);
                break;
            }
        }
    }
    doEvents();
    m_program.AktuellerTrack = ResumeTrack;
    imgStart_Click();
    m_mediaPlayer->setCurrentPosition(ResumePosition);
}

void PlayerComponent::imgVorBack_Click(int index)
{
    SonderfunktionenAus();
    int &current = m_program.AktuellerTrack;
    if (!m_program.PlaylistModus) {
        if (index == 0)
            current = trackListBack(current, trackCount(), chkMarkTracks->isChecked(), markedTracks());
        else
            current = trackListForward(current, trackCount());
        imgStart_Click();
        return;
    }
    if (!playlist)
        return;
    const auto checked = [this](int n) { return playlist->isChecked(n); };
    const std::optional<int> next = index == 0 ? playlistBack(current, playlist->itemCount(), checked)
                                               : playlistForward(current, playlist->itemCount(), checked);
    if (!next)
        return; // nothing checked: nothing to play
    current = *next;
    playlist->selectItem(current);
    imgStart_Click();
}

void PlayerComponent::SonderfunktionenAus()
{
    Pausiert = false;
    m_abLoop.clear();
    showAbButton();
    m_imgPause0->show();
    m_imgPause1->hide();
    if (hooks.miniPlayerPauseAus)
        hooks.miniPlayerPauseAus();
}

void PlayerComponent::AktuelleCDanzeigen()
{
    const int column = musikpfadColumn();
    const QString status = m_status.panel(2);
    if (!status.contains(QLatin1String("playing:"))) {
        if (status.contains(QLatin1String("Pause")))
            m_program.PauseAbbrechen = true;
        return;
    }
    BusyPointer busy;
    m_status.setPanelInset(2, true);
    RecordTableModel &model = m_catalogue.model();
    for (int row = 0; column >= 0 && row < model.rowCount(); ++row) {
        const QString cell = model.cellText(row, column);
        // An empty folder occurs in every text; it names no entry.
        if (cell.isEmpty() || !AbspielText.contains(cell))
            continue;
        Data1 &data = m_catalogue.data();
        if (data.absolutePosition() != row)
            data.setAbsolutePosition(row);
        QTableView *grid = m_catalogue.grid();
        grid->scrollTo(model.index(row, std::max(0, grid->currentIndex().column())), QAbstractItemView::PositionAtTop);
        break;
    }
    m_filTrack->clearSelection();
    const QString shown = m_status.panel(2);
    for (int i = 0; i < m_filTrack->count(); ++i) {
        if (shown.contains(withoutEnding(m_filTrack->item(i)->text()))) {
            m_filTrack->item(i)->setSelected(true);
            break;
        }
    }
    if (m_program.PlaylistModus && playlist) {
        playlist->setFocus();
        for (int n = 1; n <= playlist->itemCount(); ++n) {
            if (AbspielText.contains(playlist->itemText(n))) {
                playlist->selectItem(n);
                break;
            }
        }
    }
    m_status.setPanelInset(2, false);
}

void PlayerComponent::cmdPlayAsso_Click()
{
    imgStop_Click();
    doEvents();
    const QString file = musicFolder() + trackName(m_program.AktuellerTrack);
    Platform &platform = m_program.platform();
    const AssociatedCall call = associatedCall(platform.findAssociatedProgram(file), file,
                                               [&platform](const QString &path) { return platform.shortPath(path); });
    doEvents();
    // Without an associated program the system's own opener takes the file.
    if (call.program.isEmpty())
        platform.openWithAssociatedProgram(call.file);
    else
        platform.startProcess(call.program, {call.file});
}

} // namespace klangtruhe
