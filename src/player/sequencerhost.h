#pragma once

#include "player/playmodes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace klangtruhe {

// What the sequencing timer and the shuffle need from the main window's
// player. The player component implements it; tests use a fake. Rows are
// table rows as the user counts them: data row r (1 .. tableRowCount()) is
// record position r − 1.
class SequencerHost {
public:
    virtual ~SequencerHost() = default;

    // The six play-mode boxes. setPlayModes must not run the boxes' own
    // click handlers again (set them with their signals blocked).
    virtual PlayModes playModes() const = 0;
    virtual void setPlayModes(const PlayModes &modes) = 0;

    // Output path and end of the current track.
    virtual bool winPlayerVerwenden() const = 0;      // mnuWinPlayerVerwenden checked
    virtual bool videoModus() const = 0;              // VideoModus
    virtual int mediaPlayerPlayState() const = 0;     // MediaPlayer1, 1 = stopped
    virtual int externalPlayerPlayState() const = 0;  // the external window's player, 1 = stopped
    virtual double trackEnde() const = 0;             // TrackEnde, on the sequencer's clock

    // Track list and playlist.
    virtual int trackCount() const = 0;
    virtual void markTrack(int index, bool marked) = 0;
    // Check marks of the playlist: element i is item i + 1.
    virtual QList<bool> playlistChecked() const = 0;
    // Selects item 1 .. n and scrolls it into view.
    virtual void selectPlaylistItem(int item) = 0;
    virtual QList<int> &TrackGespielt() = 0;

    // Catalogue table.
    virtual int tableRowCount() const = 0;   // entries of the selection
    virtual int currentTableRow() const = 0; // 1 .. tableRowCount(), 0 when none
    virtual QString tableCell(int row, int column) const = 0;
    // Scans the header row for "Stil" and keeps the column as StilSpalte.
    virtual void StilSpalteSetzen() = 0;
    virtual int StilSpalte() const = 0;
    // Moves the catalogue to the entry of `row` (which refills the track
    // list) and makes it the current and top row.
    virtual void moveToTableRow(int row) = 0;

    // The hidden play-exclusion lists lstAbspielausschluss and lstBandAusschluss.
    virtual QStringList abspielausschluss() const = 0;
    virtual QStringList bandAusschluss() const = 0;

    // Status panel 2.
    virtual QString statusText() const = 0;
    virtual void setStatusText(const QString &text) = 0;

    // true: hide imgPause(0), show imgPause(1); false: the other way round.
    virtual void showPauseActive(bool active) = 0;

    // Mini player; the calls below come only while it is visible.
    virtual bool miniPlayerVisible() const = 0;
    // true: hide imgVorBack(6), show imgVorBack(10); false: the other way round.
    virtual void showMiniPlayerPauseActive(bool active) = 0;
    virtual void setMiniPlayerCaption(const QString &caption) = 0;

    // The transport and Timer1.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual void TextSongAktualisieren() = 0;
    virtual void setTimer1(bool on) = 0;
};

// The message and input dialogs as the sequencer uses them: over the main
// window ("center", gap 10). Colours are Windows values (0xBBGGRR).
class PlayerDialogs {
public:
    virtual ~PlayerDialogs() = default;
    // The answer word of the button clicked, "" when closed.
    virtual QString message(const QString &text, int kind, int defaultButton, const QString &title, int seconds,
                            quint32 backColour, quint32 foreColour) = 0;
    // The answer without surrounding blanks, "" on Exit.
    virtual QString input(const QString &prompt, const QString &title, const QString &defaultText,
                          quint32 backColour, quint32 foreColour) = 0;
};

// Clock and waiting of the sequencer; tests replace them to run without real time.
struct SequencerClock {
    std::function<double()> now;        // seconds, the clock TrackEnde is set on
    std::function<void(int ms)> sleep;  // waits while events run
    std::function<void()> events;       // lets pending events run
    static SequencerClock real();
};

} // namespace klangtruhe
