#include "player/playersequencerhost.h"

#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/recordtablemodel.h"
#include "player/frmwinmediaplayer.h"
#include "player/mediacomponent.h"
#include "player/playercomponent.h"
#include "player/playlistsource.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableView>

namespace klangtruhe {

namespace {

CheckBoxState stateOf(const QCheckBox *box)
{
    return {box->isChecked(), box->isEnabled()};
}

void setState(QCheckBox *box, const CheckBoxState &state)
{
    // Boxes set by the interlocks must not run their own click rules.
    const QSignalBlocker blocker(box);
    box->setChecked(state.value);
    box->setEnabled(state.enabled);
}

} // namespace

PlayerSequencerHost::PlayerSequencerHost(PlayerComponent &player, CatalogueComponent &catalogue, StatusBar &status)
    : m_player(player)
    , m_catalogue(catalogue)
    , m_status(status)
{
}

PlayModes PlayerSequencerHost::playModes() const
{
    PlayModes modes;
    modes.chkAlleTracks = stateOf(m_player.chkAlleTracks);
    modes.chkMarkTracks = stateOf(m_player.chkMarkTracks);
    modes.chkTracksZufaellig = stateOf(m_player.chkTracksZufaellig);
    modes.chkTracksAnspielen = stateOf(m_player.chkTracksAnspielen);
    modes.chkRepeat = stateOf(m_player.chkRepeat);
    modes.chkShuffle = stateOf(m_player.chkShuffle);
    return modes;
}

void PlayerSequencerHost::setPlayModes(const PlayModes &modes)
{
    setState(m_player.chkAlleTracks, modes.chkAlleTracks);
    setState(m_player.chkMarkTracks, modes.chkMarkTracks);
    setState(m_player.chkTracksZufaellig, modes.chkTracksZufaellig);
    setState(m_player.chkTracksAnspielen, modes.chkTracksAnspielen);
    setState(m_player.chkRepeat, modes.chkRepeat);
    setState(m_player.chkShuffle, modes.chkShuffle);
}

bool PlayerSequencerHost::winPlayerVerwenden() const
{
    return m_player.mediaPlayerInUse();
}

bool PlayerSequencerHost::videoModus() const
{
    return m_player.VideoModus;
}

int PlayerSequencerHost::mediaPlayerPlayState() const
{
    return m_player.MediaPlayer1().playState();
}

int PlayerSequencerHost::externalPlayerPlayState() const
{
    return m_player.movieWindow().WindowsMediaPlayer1().playState();
}

double PlayerSequencerHost::trackEnde() const
{
    return m_player.TrackEnde;
}

int PlayerSequencerHost::trackCount() const
{
    return m_player.filTrack()->count();
}

void PlayerSequencerHost::markTrack(int index, bool marked)
{
    if (QListWidgetItem *item = m_player.filTrack()->item(index))
        item->setSelected(marked);
}

QList<bool> PlayerSequencerHost::playlistChecked() const
{
    QList<bool> checked;
    if (PlaylistSource *playlist = m_player.playlist) {
        for (int n = 1; n <= playlist->itemCount(); ++n)
            checked << playlist->isChecked(n);
    }
    return checked;
}

void PlayerSequencerHost::selectPlaylistItem(int item)
{
    if (m_player.playlist)
        m_player.playlist->selectItem(item);
}

QList<int> &PlayerSequencerHost::TrackGespielt()
{
    return m_player.TrackGespielt;
}

int PlayerSequencerHost::tableRowCount() const
{
    return m_catalogue.model().rowCount();
}

int PlayerSequencerHost::currentTableRow() const
{
    const int position = m_catalogue.data().absolutePosition();
    return position >= 0 && position < tableRowCount() ? position + 1 : 0;
}

QString PlayerSequencerHost::tableCell(int row, int column) const
{
    if (row < 1 || row > tableRowCount())
        return {};
    return m_catalogue.model().cellText(row - 1, column);
}

void PlayerSequencerHost::StilSpalteSetzen()
{
    const RecordTableModel &model = m_catalogue.model();
    for (int column = 0; column < 18 && column < model.columnCount(); ++column) {
        if (model.headerText(column) == QLatin1String("Stil"))
            m_player.StilSpalte = column;
    }
}

int PlayerSequencerHost::StilSpalte() const
{
    return m_player.StilSpalte;
}

void PlayerSequencerHost::moveToTableRow(int row)
{
    if (row < 1 || row > tableRowCount())
        return;
    Data1 &data = m_catalogue.data();
    if (data.absolutePosition() == row - 1)
        m_player.fillTrackList(); // no move, no entry change: refill as a move would
    else
        data.setAbsolutePosition(row - 1);
    QTableView *grid = m_catalogue.grid();
    const QModelIndex index = m_catalogue.model().index(row - 1, std::max(0, grid->currentIndex().column()));
    grid->scrollTo(index, QAbstractItemView::PositionAtTop);
}

QStringList PlayerSequencerHost::abspielausschluss() const
{
    return readStyleExclusions ? readStyleExclusions() : QStringList();
}

QStringList PlayerSequencerHost::bandAusschluss() const
{
    return readBandExclusions ? readBandExclusions() : QStringList();
}

QString PlayerSequencerHost::statusText() const
{
    return m_status.panel(2);
}

void PlayerSequencerHost::setStatusText(const QString &text)
{
    m_status.setPanel(2, text);
}

void PlayerSequencerHost::showPauseActive(bool active)
{
    m_player.showPauseActive(active);
}

void PlayerSequencerHost::Start()
{
    m_player.imgStart_Click();
}

void PlayerSequencerHost::Stop()
{
    m_player.imgStop_Click();
}

void PlayerSequencerHost::TextSongAktualisieren()
{
    m_player.TextSongAktualisieren();
}

void PlayerSequencerHost::setTimer1(bool on)
{
    if (on)
        m_player.Timer1().start();
    else
        m_player.Timer1().stop();
}

} // namespace klangtruhe
