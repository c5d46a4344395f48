#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace klangtruhe {

// The program and arguments of a desktop entry's Exec line started on `files`:
// quoting as the desktop entry format has it, %f/%u take the first file,
// %F/%U all of them, the other field codes (%i, %c, %k, the deprecated ones)
// drop out and %% is a percent sign. A line without a file code gets the
// files at its end, so the file still opens. Empty for an empty line.
QStringList desktopEntryCommand(const QString &exec, const QStringList &files);

// The Exec line of a desktop entry file's [Desktop Entry] group with the
// format's escapes (\s, \t, \n, \r, \\) undone; "" when there is none.
QString desktopEntryExec(const QByteArray &contents);

// The volume tool the mini player's speaker button starts.
struct VolumeTool {
    QStringList command;   // program and arguments; empty when there is none
    bool placedBesideMiniPlayer = false; // the tool reads the mini player's place from the settings
    QString missingText;   // what the user is told when there is none
};

// On Windows the companion "Pegling.exe" in the program folder, elsewhere the
// desktop's own mixer (the first of the known ones that `findExecutable`
// finds on the search path).
VolumeTool volumeToolFor(const QString &programFolder, const std::function<QString(const QString &)> &findExecutable);

// The companion tools (CD and DVD player, web cam, catalogue program,
// "Pegling.exe") are Windows programs: true where they run. Elsewhere their
// entries show only where a tool of the same name without ".exe" lies in the
// program folder.
bool windowsToolsRunHere();

} // namespace klangtruhe
