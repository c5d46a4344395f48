#pragma once

#include <QStringList>

class QMainWindow;

namespace klangtruhe {

// With a QApplication already constructed: runs the start-up sequence, shows
// the main window and returns it without entering the event loop. Returns
// nullptr when another instance already runs (that one was brought forward).
QMainWindow *launch(const QStringList &arguments);

// The whole program: application object, start-up, event loop.
int run(int argc, char **argv);

} // namespace klangtruhe
