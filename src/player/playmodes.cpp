#include "player/playmodes.h"

#include "common/numbers.h"

namespace klangtruhe {

CheckBoxState &PlayModes::box(PlayModeBox which)
{
    switch (which) {
    case PlayModeBox::AlleTracks: return chkAlleTracks;
    case PlayModeBox::MarkTracks: return chkMarkTracks;
    case PlayModeBox::TracksZufaellig: return chkTracksZufaellig;
    case PlayModeBox::TracksAnspielen: return chkTracksAnspielen;
    case PlayModeBox::Repeat: return chkRepeat;
    case PlayModeBox::Shuffle: break;
    }
    return chkShuffle;
}

const CheckBoxState &PlayModes::box(PlayModeBox which) const
{
    return const_cast<PlayModes *>(this)->box(which);
}

bool PlayModes::operator==(const PlayModes &other) const
{
    return chkAlleTracks == other.chkAlleTracks && chkMarkTracks == other.chkMarkTracks
        && chkTracksZufaellig == other.chkTracksZufaellig && chkTracksAnspielen == other.chkTracksAnspielen
        && chkRepeat == other.chkRepeat && chkShuffle == other.chkShuffle;
}

bool PlayModes::sequencing() const
{
    return chkAlleTracks.value || chkRepeat.value || chkShuffle.value || chkMarkTracks.value;
}

namespace {

void enable(CheckBoxState &box) { box.enabled = true; }
void disable(CheckBoxState &box) { box.enabled = false; }
void clearAndEnable(CheckBoxState &box) { box = {false, true}; }
void clearAndDisable(CheckBoxState &box) { box = {false, false}; }

} // namespace

PlayModeClick clickPlayMode(const PlayModes &current, PlayModeBox which, bool newValue)
{
    PlayModeClick result{current, {}};
    PlayModes &m = result.modes;
    PlayModeEffects &e = result.effects;
    m.box(which).value = newValue;

    switch (which) {
    case PlayModeBox::AlleTracks:
        if (newValue) {
            enable(m.chkTracksZufaellig);
            enable(m.chkTracksAnspielen);
            clearAndDisable(m.chkMarkTracks);
            enable(m.chkRepeat);
            clearAndDisable(m.chkShuffle);
        } else {
            e.timer1Off = true;
            // Values stay: the sequencing tick still reads them.
            disable(m.chkTracksZufaellig);
            disable(m.chkTracksAnspielen);
            clearAndEnable(m.chkMarkTracks);
            clearAndDisable(m.chkRepeat);
            enable(m.chkShuffle);
        }
        break;
    case PlayModeBox::MarkTracks:
        if (newValue) {
            clearAndDisable(m.chkTracksZufaellig);
            enable(m.chkTracksAnspielen);
            clearAndDisable(m.chkAlleTracks);
            clearAndEnable(m.chkRepeat);
            clearAndDisable(m.chkShuffle);
            e.aktuellerTrackToZero = true;
        } else {
            e.timer1Off = true;
            clearAndDisable(m.chkTracksZufaellig);
            clearAndDisable(m.chkTracksAnspielen);
            clearAndEnable(m.chkAlleTracks);
            clearAndDisable(m.chkRepeat);
            clearAndEnable(m.chkShuffle);
        }
        break;
    case PlayModeBox::Shuffle:
        if (newValue) {
            clearAndDisable(m.chkTracksZufaellig);
            enable(m.chkTracksAnspielen);
            clearAndDisable(m.chkAlleTracks);
            clearAndDisable(m.chkMarkTracks);
            clearAndDisable(m.chkRepeat);
            e.askSongsPerEntry = true;
        } else {
            e.timer1Off = true;
            clearAndDisable(m.chkTracksZufaellig);
            disable(m.chkTracksAnspielen);
            clearAndEnable(m.chkAlleTracks);
            clearAndEnable(m.chkMarkTracks);
            clearAndDisable(m.chkRepeat);
            e.songsToOneAndStop = true;
        }
        break;
    case PlayModeBox::TracksAnspielen:
        e.askIntroTime = newValue;
        break;
    case PlayModeBox::TracksZufaellig:
    case PlayModeBox::Repeat:
        break;
    }
    return result;
}

IntroAnswer judgeIntroAnswer(const QString &answer)
{
    if (answer.isEmpty())
        return IntroAnswer::Keep;
    return leadingNumber(answer) < 2 ? IntroAnswer::TooShort : IntroAnswer::Store;
}

PauseAnswer judgePauseAnswer(const QString &answer)
{
    if (answer.isEmpty())
        return PauseAnswer::Leave;
    return leadingNumber(answer) <= 60 ? PauseAnswer::Store : PauseAnswer::Confirm;
}

bool storeAfterConfirmation(ConfirmReply reply)
{
    return reply != ConfirmReply::Nein;
}

} // namespace klangtruhe
