#pragma once

#include <QString>

namespace klangtruhe {

// The six play-mode check boxes of the main window.
enum class PlayModeBox { AlleTracks, MarkTracks, TracksZufaellig, TracksAnspielen, Repeat, Shuffle };

struct CheckBoxState {
    bool value = false;
    bool enabled = false;
    bool operator==(const CheckBoxState &other) const { return value == other.value && enabled == other.enabled; }
};

// Value and enabled state of the six boxes.
struct PlayModes {
    CheckBoxState chkAlleTracks{false, true};
    CheckBoxState chkMarkTracks{false, true};
    CheckBoxState chkTracksZufaellig{false, false};
    CheckBoxState chkTracksAnspielen{false, false};
    CheckBoxState chkRepeat{false, false};
    CheckBoxState chkShuffle{false, true};

    CheckBoxState &box(PlayModeBox which);
    const CheckBoxState &box(PlayModeBox which) const;
    bool operator==(const PlayModes &other) const;

    // Start switches Timer1 on when one of these is on.
    bool sequencing() const;
};

// What a click asks of the player besides the boxes' new states.
struct PlayModeEffects {
    bool timer1Off = false;
    bool aktuellerTrackToZero = false;
    bool askSongsPerEntry = false;       // chkShuffle on (skipped once after a start with argument)
    bool songsToOneAndStop = false;      // chkShuffle off: SongsAufTontraeger = 1, then Stop
    bool askIntroTime = false;           // chkTracksAnspielen on
};

struct PlayModeClick {
    PlayModes modes;
    PlayModeEffects effects;
};

// A click that leaves `which` at `newValue`: the interlocks between the boxes.
// Only the user's clicks go through here; boxes set by the interlocks do not
// run their own click rules.
PlayModeClick clickPlayMode(const PlayModes &current, PlayModeBox which, bool newValue);

// The answer to "Track & Movie anspielen".
enum class IntroAnswer {
    Keep,      // empty answer: the box stays on, the stored time is used
    TooShort,  // below 2 seconds: "Mindestanspielzeit ist 2 Sekunden", box off
    Store      // store the answer under "TracksAnspielen" and "0" under "PauseZwischenTracks"
};
IntroAnswer judgeIntroAnswer(const QString &answer);

// The answer to "Pause zwischen den Tracks".
enum class PauseAnswer {
    Leave,      // empty: nothing stored
    Store,      // 60 seconds or less
    Confirm     // more: ask "Sicherheitsabfrage" first
};
PauseAnswer judgePauseAnswer(const QString &answer);

// The reply to "Sicherheitsabfrage": true stores the answer, false asks for
// the seconds again. Only "Nein" asks again; a closed dialog stores.
enum class ConfirmReply { Ja, Nein, Closed };
bool storeAfterConfirmation(ConfirmReply reply);

} // namespace klangtruhe
