// The title ticker Timer2: band, title and track typed into the caption of
// the minimised main window.
#include "player/playercomponent.h"

#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "common/events.h"
#include "player/frmwinmediaplayer.h"
#include "player/mediacomponent.h"
#include "player/playerrules.h"
#include "player/playlistsource.h"

#include <QAction>
#include <QMainWindow>

namespace klangtruhe {

namespace {

const QString kRestCaption = QStringLiteral("Klangtruhe-Player - Fernwerk");

} // namespace

QString PlayerComponent::tickerText(int phase) const
{
    const bool fromPlaylist = m_program.PlaylistModus && playlist;
    const int selected = fromPlaylist ? playlist->selectedItem() : 0;
    switch (phase) {
    case 1: {
        if (!fromPlaylist)
            return m_catalogue.data().fieldValue(QStringLiteral("Band"));
        const QString folder = playlist->bandUndCd(selected); // without its trailing separator
        return folder.left(std::max<qsizetype>(0, folder.size() - 1));
    }
    case 2: {
        if (!fromPlaylist)
            return m_catalogue.data().fieldValue(QStringLiteral("LPTitel"));
        const QString text = playlist->itemText(selected);
        return text.left(std::max<qsizetype>(0, text.size() - 4));
    }
    default:
        return withoutEnding(fromPlaylist ? playlist->itemText(selected) : trackName(m_program.AktuellerTrack));
    }
}

bool PlayerComponent::tickerMustEnd() const
{
    return !m_window.isMinimized() || !m_timer2.isActive();
}

bool PlayerComponent::tickerEnded() const
{
    if (!mediaPlayerInUse())
        return timeOfDay() > TrackEnde;
    if (VideoModus)
        return m_movieWindow->WindowsMediaPlayer1().playState() == MediaComponent::Stopped;
    return m_mediaPlayer->playState() == MediaComponent::Stopped;
}

void PlayerComponent::restCaption()
{
    m_window.setWindowTitle(kRestCaption);
}

void PlayerComponent::Timer2_Timer()
{
    // A tick runs for seconds while events run; the timer must not start a second one inside.
    if (m_tickerRunning)
        return;
    m_tickerRunning = true;
    const auto done = qScopeGuard([this] { m_tickerRunning = false; });

    m_tickerPhase = nextTickerPhase(m_tickerPhase);
    const QString text = tickerText(m_tickerPhase);
    const auto interrupted = [this] {
        if (!tickerMustEnd())
            return false;
        restCaption();
        m_tickerPhase = 0;
        return true;
    };
    for (int i = 1; i <= text.size(); ++i) {
        m_window.setWindowTitle(text.left(i));
        sleepMs(tickerStepMs);
        if (interrupted())
            return;
        doEvents();
    }
    sleepMs(tickerHoldMs);
    doEvents();
    for (int i = int(text.size()); i >= 0; --i) {
        m_window.setWindowTitle(text.right(i));
        sleepMs(tickerStepMs);
        if (interrupted())
            return;
        doEvents();
    }
    if (tickerEnded()) {
        m_timer2.stop();
        restCaption();
    }
}

void PlayerComponent::onWindowStateChanged()
{
    if (!m_mnuLaufschrift || !m_mnuLaufschrift->isChecked())
        return;
    if (!m_status.panel(2).contains(QLatin1String("playing:")))
        return;
    if (m_window.isMinimized()) {
        m_timer2.start();
    } else {
        // The next minimising starts again with the band.
        m_timer2.stop();
        m_tickerPhase = 0;
        restCaption();
    }
}

} // namespace klangtruhe
