#pragma once

#include "common/stars.h"

#include <QString>

#include <optional>

namespace klangtruhe {

// A track's rating lives in its file name: "Song - 4.mp3" has four stars.

// The name after rating with `stars` (1..6): an old " - 0" .. " - 6" before
// the extension is replaced, anything else stays part of the name.
// "Best - 3.mp3", 5 -> "Best - 5.mp3"; "Track-2.mp3", 5 -> "Track-2 - 5.mp3".
QString ratedFileName(const QString &name, int stars);

// What BewertungTracks shows.
struct StarDisplay {
    int songStars = 0;               // gold stars of the track, the rest grey
    std::optional<int> entryStars;   // gold stars of the entry; none: leave the row as it was
    bool operator==(const StarDisplay &other) const
    {
        return songStars == other.songStars && entryStars == other.entryStars;
    }
};

// Stars of a track name (the playlist item or track-list item) and of the
// entry's Bewertung text. A name whose suffix reads " - 7" .. " - 9" ends the
// display early: grey song stars and the entry row untouched.
StarDisplay starsFor(const QString &trackName, const QString &bewertung);

// Whether the name ends, before its extension, in something meant as a
// rating that the stars cannot read: " - 8", " - ?", " -5", "- 5", " - 5 ".
// A valid " - 0" .. " - 6" and names without such an ending are fine.
bool hasUnreadableRating(const QString &name);

struct RatingRename {
    enum class Status {
        Renamed,
        Unchanged,      // the name already carried this rating
        TargetExists,   // another file has the new name: nothing was touched
        Failed          // missing file, read-only folder, file in use
    };
    Status status = Status::Failed;
    QString newName;    // the name the track carries afterwards
    bool ok() const { return status == Status::Renamed || status == Status::Unchanged; }
};

// Renames folder + name (both trimmed of surrounding blanks) to the rated
// name. Never replaces another file; on failure the old file stays as it was.
RatingRename renameForRating(const QString &folder, const QString &name, int stars);

} // namespace klangtruhe
