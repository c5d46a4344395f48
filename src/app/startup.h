#pragma once

#include <QStringList>

namespace klangtruhe {

class Ausgabebox;
class SingleInstance;

// The command-line argument: a number of seconds to wait before automatic
// shuffle play. Quote characters are removed; a text without a leading
// number waits 0 seconds but still asks for automatic play.
struct CommandLine {
    bool present = false;
    double waitSeconds = 0;
    // A catalogue file given instead (the desktop opens a ".mdb" with the
    // program): opened after the start, no automatic play.
    QString catalogue;
};
CommandLine parseCommandLine(const QStringList &arguments);

// The main window's load sequence, in its order. Returns false when another
// instance already runs: that one was brought forward and this process ends.
bool runLoadSequence(Ausgabebox &window, SingleInstance &instance, const QStringList &arguments);

} // namespace klangtruhe
