#pragma once

#include "player/playersequencerhost.h"
#include "player/playmodedialogs.h"
#include "player/playorderrandom.h"
#include "player/sequencer.h"

namespace klangtruhe {

// What the player owns for Timer1 and the shuffle: one random generator for
// the whole run, the dialogs over the main window, the host and the sequencer.
struct PlayerSequencing {
    PlayerSequencing(Program &program, PlayerComponent &player, CatalogueComponent &catalogue, StatusBar &status,
                     QWidget *window)
        : dialogs(program, window)
        , host(player, catalogue, status)
        , sequencer(program, host, dialogs, random)
    {
    }

    MersenneRandom random;
    LumoDialogs dialogs;
    PlayerSequencerHost host;
    PlaySequencer sequencer;
};

} // namespace klangtruhe
