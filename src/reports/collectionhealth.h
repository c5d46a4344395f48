#pragma once

#include "catalogue/pathmap.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace klangtruhe {

// What "Sammlung prüfen" finds, in the order the report lists the kinds.
enum class HealthKind {
    MusicFolderMissing, // the entry names a folder that is not there
    MusicFolderEmpty,   // the folder holds no file
    NoPlayableFile,     // files, but nothing the player plays
    MediaFileMissing,   // a listed eBook/multimedia file is gone
    NoCover,            // no strip cover, no external cover, no stored picture
    UnreadableRating,   // a track's rating suffix the stars cannot read
    Duplicate,          // same band and title, without regard to case and umlauts
    UnnamedFolder,      // a music folder under a mapped root that no entry names
};
inline constexpr int kHealthKinds = 8;

// The caption of a kind in the report and the export.
QString healthKindCaption(HealthKind kind);

// The fields of one catalogue entry the check reads, as stored.
struct HealthEntry {
    int position = -1; // in the catalogue's result
    QString band;
    QString title;
    QString musicFolder;
    QString eBook;
    QString bildPfad;
    bool hasPicture = false;
};

// Where the check looks for files.
struct HealthPlaces {
    PathMap pathMap;           // stored paths of another machine, and the music roots
    QString coverFolder;       // the strip's covers ("" without a database)
    QString eBookFolder;
    bool fromDatabaseFolder = false; // "Cover vom Datenbankpfad laden"
};

struct HealthFinding {
    HealthKind kind = HealthKind::MusicFolderMissing;
    int position = -1; // -1: no entry (a folder nobody names)
    QString band;
    QString title;
    QString detail;    // the folder or file concerned
};

struct HealthReport {
    std::vector<HealthFinding> findings;
    int entriesChecked = 0;
    bool cancelled = false;
};

// Called now and then with the entries done so far; returning false stops
// the run (the report then holds what was found until then).
using HealthProgress = std::function<bool(int done, int total)>;

// One run over the entries and the music roots. Reads the file system only.
HealthReport checkCollection(const std::vector<HealthEntry> &entries, const HealthPlaces &places,
                             const HealthProgress &progress = {});

// The findings per kind, indexed by the kind's number.
std::vector<int> countsPerKind(const std::vector<HealthFinding> &findings);

} // namespace klangtruhe
