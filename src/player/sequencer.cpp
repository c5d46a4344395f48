#include "player/sequencer.h"

#include "app/program.h"
#include "common/events.h"
#include "common/numbers.h"
#include "lists/exclusionrules.h"
#include "player/playmodedialogs.h"

namespace klangtruhe {

namespace {

const QString kTimer1Title = QStringLiteral("Bedienungshinweis (Timer1)");

} // namespace

SequencerClock SequencerClock::real()
{
    return {timeOfDay, sleepMs, doEvents};
}

PlaySequencer::PlaySequencer(Program &program, SequencerHost &host, PlayerDialogs &dialogs, RandomSource &random,
                             SequencerClock clock)
    : m_program(program)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_random(random)
    , m_clock(clock)
    , m_shuffle(program, host, dialogs, random, std::move(clock))
{
}

bool PlaySequencer::trackEnded(const PlayModes &modes) const
{
    constexpr int kStopped = 1;
    // An intro slice and MCI end by the clock, whatever plays.
    if (modes.chkTracksAnspielen.value || !m_host.winPlayerVerwenden())
        return m_clock.now() > m_host.trackEnde();
    if (m_host.videoModus())
        return m_host.externalPlayerPlayState() == kStopped;
    return m_host.mediaPlayerPlayState() == kStopped;
}

void PlaySequencer::Timer1_Timer()
{
    const PlayModes modes = m_host.playModes();
    if (!trackEnded(modes))
        return;
    m_host.setTimer1(false);

    const bool playlist = m_program.PlaylistModus;
    const TrackChoice choice = playlist ? nextFromPlaylist(modes) : nextFromTrackList(modes);
    switch (choice.kind) {
    case TrackChoice::Kind::Nothing:
        return;
    case TrackChoice::Kind::EndOfList:
        endOfList();
        return;
    case TrackChoice::Kind::Take:
        break;
    }
    if (!playlist)
        m_host.TextSongAktualisieren();
    pauseBetweenTracks();
    if (m_program.StopNachPause)
        m_host.Stop();
    else
        m_host.Start();
}

bool PlaySequencer::currentEntryExcluded() const
{
    const int row = m_host.currentTableRow();
    return isExcluded(m_host.tableCell(row, m_host.StilSpalte()), m_host.tableCell(row, 0),
                      m_host.abspielausschluss(), m_host.bandAusschluss());
}

TrackChoice PlaySequencer::nextFromTrackList(const PlayModes &modes)
{
    const bool repeat = modes.chkRepeat.value;
    const auto choose = [&]() -> TrackChoice {
        TrackChoice choice;
        if (modes.chkShuffle.value) {
            if (m_program.StilAusgeschlossen) {
                m_shuffle.styleNotice(kTimer1Title);
                m_host.setTimer1(false);
                return TrackChoice::nothing();
            }
            switch (m_shuffle.choose(false)) {
            case ShuffleControl::Outcome::StyleNotice:
                // The notice has been shown; shuffling waits for another selection.
                return TrackChoice::nothing();
            case ShuffleControl::Outcome::BandNotice:
                // Every draw hit an excluded band: asking again would only repeat it.
                return TrackChoice::endOfList();
            default:
                return TrackChoice::take(m_program.AktuellerTrack);
            }
        }
        if (modes.chkTracksZufaellig.value)
            choice = nextRandomTrack(m_host.TrackGespielt(), m_host.trackCount(), repeat, m_random, m_clock.now());
        else
            choice = nextTrackInOrder(m_program.AktuellerTrack, m_host.trackCount(), repeat);
        if (choice.taken())
            m_program.AktuellerTrack = choice.track;
        return choice;
    };
    // An excluded entry rejects every track; with Repeat or shuffle that
    // would go on for ever, so the list ends after enough rejections.
    const int limit = exclusionRetryLimit(m_host.trackCount(), songsPerEntry(m_program));
    return chooseAllowed(choose, [this] { return currentEntryExcluded(); }, limit);
}

TrackChoice PlaySequencer::nextFromPlaylist(const PlayModes &modes)
{
    if (m_program.AktuellerTrack == 0)
        m_program.AktuellerTrack = 1;
    const bool repeat = modes.chkRepeat.value;

    if (modes.chkShuffle.value) {
        if (m_program.StilAusgeschlossen) {
            m_shuffle.styleNotice(kTimer1Title);
            m_host.setTimer1(false);
            return TrackChoice::nothing();
        }
        // The tick starts the item itself after the pause.
        if (m_shuffle.choose(false) == ShuffleControl::Outcome::Stopped)
            return TrackChoice::nothing();
        return TrackChoice::take(m_program.AktuellerTrack);
    }

    const QList<bool> checked = m_host.playlistChecked();
    TrackChoice choice;
    int selected = 0;
    if (modes.chkTracksZufaellig.value) {
        choice = nextRandomPlaylistItem(m_host.TrackGespielt(), checked, repeat, m_random, m_clock.now());
        selected = choice.track;
    } else {
        const bool wrapping = m_program.AktuellerTrack >= checked.size();
        choice = nextPlaylistItemInOrder(m_program.AktuellerTrack, checked, repeat);
        // Round to the start the selection goes to item 1 whichever item plays.
        selected = wrapping ? 1 : choice.track;
    }
    if (!choice.taken())
        return choice;
    m_program.AktuellerTrack = choice.track;
    m_host.selectPlaylistItem(selected);
    return choice;
}

void PlaySequencer::pauseBetweenTracks()
{
    const long long seconds = roundHalfEven(leadingNumber(m_program.settings.read(keys::PauseZwischenTracks)));
    if (seconds == 0) {
        m_clock.sleep(500);
        m_clock.events();
        return;
    }
    for (long long i = 1; i <= seconds; ++i) {
        const QString remaining = QString::number(seconds + 1 - i) + QStringLiteral(" Sek. Pause");
        m_host.showPauseActive(true);
        m_host.setStatusText(remaining);
        if (m_host.miniPlayerVisible()) {
            m_host.showMiniPlayerPauseActive(true);
            m_host.setMiniPlayerCaption(QLatin1Char(' ') + remaining);
        }
        m_clock.sleep(1000);
        m_clock.events();
        if (m_program.PauseAbbrechen) {
            m_program.PauseAbbrechen = false;
            m_host.showPauseActive(false);
            if (m_host.miniPlayerVisible())
                m_host.showMiniPlayerPauseActive(false);
            break;
        }
    }
}

void PlaySequencer::endOfList()
{
    m_clock.events();
    m_clock.sleep(500);
    m_host.Stop();
}

void PlaySequencer::playModeClicked(PlayModeBox which, bool newValue)
{
    PlayModeClick click = clickPlayMode(m_host.playModes(), which, newValue);
    m_host.setPlayModes(click.modes);
    const PlayModeEffects &effects = click.effects;
    if (effects.timer1Off)
        m_host.setTimer1(false);
    if (effects.aktuellerTrackToZero)
        m_program.AktuellerTrack = 0;
    if (effects.askSongsPerEntry)
        m_shuffle.chkShuffleSwitchedOn();
    if (effects.songsToOneAndStop)
        m_shuffle.chkShuffleSwitchedOff();
    if (effects.askIntroTime && !askIntroTime(m_dialogs, m_program.settings)) {
        click.modes.chkTracksAnspielen.value = false;
        m_host.setPlayModes(click.modes);
    }
}

} // namespace klangtruhe
