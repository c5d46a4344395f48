#pragma once

#include "app/settingsstore.h"
#include "catalogue/pathmap.h"
#include "platform/platform.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace klangtruhe {

// The state of one run of the program: created by launch(), owned by the main
// window, handed by reference to every component and dialog. Nothing of it
// lives in globals, so each test starts a fresh program.
class Program {
public:
    explicit Program(std::unique_ptr<Platform> platform);

    SettingsStore settings;
    Platform &platform() { return *m_platform; }

    // The program folder, always ending in the platform's separator.
    QString programFolder;

    // The open catalogue file and its folder (ending in a separator, or "").
    QString databasePath;
    QString databaseFolder;
    // Where the stored paths of a catalogue made on another machine lie here
    // (setting "Pfadzuordnung"); every folder or file read from the catalogue
    // or a list file goes through localPath().
    PathMap pathMap;
    QString localPath(const QString &stored) const { return mapStoredPath(pathMap, stored); }

    // Media: "fake" plays by the clock without a sound device (tests, CI).
    bool fakeMedia = false;

    // Start-up
    bool startedWithArgument = false;
    bool autoPlayAtStart = false;

    // Player state shared by the main window, mini player, movie window and playlist.
    int AktuellerTrack = 0;
    bool PlaylistModus = false;
    bool PauseAbbrechen = false;
    bool StopNachPause = false;
    // The random entry choice found only entries of excluded styles; cleared
    // by every change of the catalogue's selection.
    bool StilAusgeschlossen = false;
    // What the search dialog hands to the main window. An empty statement
    // means the main window changes nothing; each confirmed search sets them anew.
    QString searchStatement;
    QStringList searchFieldList;   // the ticked fields, for the replacement
    QString replaceSearchText;     // "" when nothing is to be replaced
    QString replaceText;
    // The search collects a song-rating result into a playlist: the next
    // playlist load takes the prepared file without asking.
    bool songRatingSearch = false;
    QString songRatingText;        // " - " + digit + "."

    // Catalogue
    bool tableNotSorted = false;
    bool autosizeRunning = false;
    // The detail field (or grid, list, search box) that last had the input focus.
    QString lastFocusedControl;

    // Dialogs: the last answer most callers keep.
    QString answerText;

    // Ending: a second request while all windows close does nothing.
    bool closingAll = false;

private:
    std::unique_ptr<Platform> m_platform;
};

} // namespace klangtruhe
