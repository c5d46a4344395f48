#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace klangtruhe {

// How a file is played, decided on the last four characters of its name.
enum class FileClass {
    MciFilm,        // ".mov": always through MCI
    VideoOrPicture, // the movie window while the media player is in use
    Audio,          // the embedded player, or MCI without it
};

FileClass fileClassOf(const QString &fileName);

// Whether a file of a music folder is something the player can play (sound
// or film), decided on its ending; pictures, booklets, playlists and cue
// sheets are not.
bool isPlayableFile(const QString &fileName);

// A left click on the player replays these films in MCI's own window. The
// ending is compared as written: "SONG.AVI" is no film here.
bool isFilmForMciWindow(const QString &fileName);

// What the song text is searched for: the file name without its last eight
// characters (" - 5.mp3" style endings and the extension); "" when the name
// is too short to leave anything.
QString songSearchKey(const QString &fileName);

// The name cut before its last "." ("Intro.mp3" -> "Intro"); the whole name
// when it has no dot.
QString withoutEnding(const QString &fileName);

// The track list of a music folder: its ordinary files, alphabetical; none
// when the text does not name a folder (it has to end with its separator).
QStringList tracksOfFolder(const QString &folderText);
// Whether tracksOfFolder would list anything; stops at the first track.
bool folderHoldsTracks(const QString &folderText);

// Back and Forward on the track list (0-based). marked[i] tells whether item
// i is selected; markMode is "sel. Tracks".
int trackListBack(int current, int count, bool markMode, const std::vector<bool> &marked);
int trackListForward(int current, int count);

// Back and Forward on the playlist (1-based). checked(n) for n in 1..count.
// Gives the item to play, or nothing when no item is checked at all.
std::optional<int> playlistBack(int current, int count, const std::function<bool(int)> &checked);
std::optional<int> playlistForward(int current, int count, const std::function<bool(int)> &checked);

// The first marked item from `from` to the last, or -1.
int firstMarkedFrom(int from, const std::vector<bool> &marked);

// The title ticker's phase after `phase`: 1 band, 2 title, 3 track, then 1 again.
int nextTickerPhase(int phase);

// The text of the track-info message.
struct MediaInfo {
    QString name;
    QString duration;
    QStringList attributeNames;
    QStringList attributeValues;
};
QString trackInfoText(const MediaInfo &info);

// "Play with the associated program": the program and the file to hand it,
// each replaced by its short form when it holds a blank. An association that
// names the file itself counts as none (program "").
struct AssociatedCall {
    QString program;
    QString file;
};
AssociatedCall associatedCall(const QString &associated, const QString &file,
                              const std::function<QString(const QString &)> &shortPath);
// The parts every hand-over to another program shares: the program's path
// ends at its first NUL, and a path with a blank goes in its short form (so
// the started program receives one argument).
QString programBeforeNul(const QString &associated);
AssociatedCall inShortForm(const QString &program, const QString &file,
                           const std::function<QString(const QString &)> &shortPath);

} // namespace klangtruhe
