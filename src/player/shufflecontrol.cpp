#include "player/shufflecontrol.h"

#include "app/program.h"
#include "common/numbers.h"
#include "lists/exclusionrules.h"
#include "player/playmodedialogs.h"
#include "player/shuffle.h"

namespace klangtruhe {

int songsPerEntry(Program &program)
{
    return static_cast<int>(roundHalfEven(leadingNumber(program.settings.read(keys::ShuffleSongProCD))));
}

ShuffleControl::ShuffleControl(Program &program, SequencerHost &host, PlayerDialogs &dialogs, RandomSource &random,
                               SequencerClock clock)
    : SongsAufTontraeger(songsPerEntry(program))
    , m_program(program)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_random(random)
    , m_clock(std::move(clock))
{
}

void ShuffleControl::styleNotice(const QString &title)
{
    m_dialogs.message(kStilAusgeschlossenText, 3, 0, title, 1, kNoticeBack, kDialogFore);
}

ShuffleControl::Outcome ShuffleControl::choose(bool startPlaylistItem)
{
    if (m_program.PlaylistModus)
        return choosePlaylistItem(startPlaylistItem);

    const int perEntry = songsPerEntry(m_program);
    m_host.StilSpalteSetzen();
    const int stilSpalte = m_host.StilSpalte();
    const QStringList styles = m_host.abspielausschluss();
    const QStringList bands = m_host.bandAusschluss();
    const auto exclusionOfRow = [&](int row) {
        m_host.moveToTableRow(row);
        m_clock.events();
        if (containsAnyOf(m_host.tableCell(row, stilSpalte), styles))
            return RowExclusion::StyleRejected;
        if (containsAnyOf(m_host.tableCell(row, 0), bands))
            return RowExclusion::BandRejected;
        return RowExclusion::Allowed;
    };
    const EntryChoice entry = chooseShuffleEntry(m_host.tableRowCount(), perEntry, SongsAufTontraeger,
                                                 exclusionOfRow, m_random, m_clock.now());
    SongsAufTontraeger = entry.songsAufTontraeger;

    switch (entry.kind) {
    case EntryChoice::Kind::NoEntries:
        return Outcome::Unchanged;
    case EntryChoice::Kind::StyleNotice:
        styleNotice(QStringLiteral("Bedienungshinweis (TontraegerZufaellig)"));
        m_program.StilAusgeschlossen = true;
        m_host.setTimer1(false);
        return Outcome::StyleNotice;
    case EntryChoice::Kind::BandNotice:
        m_dialogs.message(kBandAusgeschlossenText, 3, 0, QStringLiteral("Bedienungshinweis"), 1, kNoticeBack,
                          kDialogFore);
        return Outcome::BandNotice;
    case EntryChoice::Kind::SameEntry:
    case EntryChoice::Kind::NewEntry:
        break;
    }

    const int song = chooseShuffleSong(m_host.trackCount(), m_random, m_clock.now());
    if (song >= 0) {
        m_host.markTrack(song, true);
        m_program.AktuellerTrack = song;
        m_host.markTrack(0, false);
    }
    return Outcome::Song;
}

ShuffleControl::Outcome ShuffleControl::choosePlaylistItem(bool startPlaylistItem)
{
    const TrackChoice choice = chooseShufflePlaylistItem(m_host.TrackGespielt(), m_host.playlistChecked(),
                                                         m_host.playModes().chkRepeat.value, m_random, m_clock.now());
    if (!choice.taken()) {
        m_clock.events();
        m_clock.sleep(500);
        m_host.Stop();
        return Outcome::Stopped;
    }
    m_program.AktuellerTrack = choice.track;
    m_host.selectPlaylistItem(choice.track);
    if (startPlaylistItem && m_host.statusText().contains(QLatin1String("playing:  ")))
        m_host.Start();
    return Outcome::PlaylistItem;
}

void ShuffleControl::imgLiedzufall_Click()
{
    if (m_program.StilAusgeschlossen) {
        styleNotice(QStringLiteral("Bedienungshinweis (imgLiedzufall_Click)"));
        m_host.setTimer1(false);
        return;
    }
    TontraegerZufaellig();
}

void ShuffleControl::chkShuffleSwitchedOn()
{
    // A start with an argument plays at once; the question would stand in its way.
    if (m_program.startedWithArgument) {
        m_program.startedWithArgument = false;
        return;
    }
    const QString answer = m_dialogs.input(
        QStringLiteral("Bei der Shuffle-Funktion können Sie pro Datenträger mehrere Songs abspielen lassen!\r\n\r\n"
                       "Wieviele Songs pro Datenträger abspielen?"),
        QStringLiteral("Songs pro Datenträger"), m_program.settings.read(keys::ShuffleSongProCD), kQuestionBack,
        kDialogFore);
    if (!answer.isEmpty())
        m_program.settings.write(keys::ShuffleSongProCD, answer);
}

void ShuffleControl::chkShuffleSwitchedOff()
{
    SongsAufTontraeger = 1;
    m_host.setTimer1(false);
    m_host.Stop();
}

} // namespace klangtruhe
