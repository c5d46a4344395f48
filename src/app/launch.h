#pragma once

#include <QStringList>
#include <memory>

class QMainWindow;

namespace klangtruhe {

class Platform;

// With a QApplication already constructed: runs the start-up sequence, shows
// the main window and returns it without entering the event loop. Returns
// nullptr when another instance already runs (that one was brought forward).
QMainWindow *launch(const QStringList &arguments);
// The same with another platform layer (tests use a recording one).
QMainWindow *launch(const QStringList &arguments, std::unique_ptr<Platform> platform);

// The whole program: application object, start-up, event loop.
int run(int argc, char **argv);

} // namespace klangtruhe
