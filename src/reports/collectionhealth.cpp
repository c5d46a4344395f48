#include "reports/collectionhealth.h"

#include "catalogue/jetfunctions.h"
#include "catalogue/pathparts.h"
#include "media/coverrules.h"
#include "player/playerrules.h"
#include "player/trackrating.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace klangtruhe {

namespace {

// Entries between two progress calls: often enough for a cancel click to
// count, rarely enough to cost nothing.
constexpr int kProgressStep = 250;

// Folders compare as the file system would find them, letters without
// regard to case (a catalogue made on Windows spells them as it likes).
QString folderKey(const QString &folder)
{
    QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    return clean.toCaseFolded();
}

QString localFolder(const HealthPlaces &places, const QString &stored)
{
    return withTrailingSeparator(mapStoredPath(places.pathMap, stored.trimmed()));
}

void checkMusicFolder(const HealthEntry &entry, const QString &folder, std::vector<HealthFinding> &out)
{
    auto add = [&](HealthKind kind, const QString &detail) {
        out.push_back({kind, entry.position, entry.band, entry.title, detail});
    };
    if (!QFileInfo(folder).isDir()) {
        add(HealthKind::MusicFolderMissing, folder);
        return;
    }
    const QStringList files = tracksOfFolder(folder);
    if (files.isEmpty()) {
        add(HealthKind::MusicFolderEmpty, folder);
        return;
    }
    if (std::none_of(files.begin(), files.end(), isPlayableFile))
        add(HealthKind::NoPlayableFile, folder);
    for (const QString &file : files) {
        if (hasUnreadableRating(file))
            add(HealthKind::UnreadableRating, folder + file);
    }
}

void checkMediaFiles(const HealthEntry &entry, const HealthPlaces &places, std::vector<HealthFinding> &out)
{
    for (const QString &member : separatedMembers(entry.eBook)) {
        const QString path = lookupPath(member, places.fromDatabaseFolder, places.eBookFolder, places.pathMap);
        if (path.isEmpty() || !QFileInfo::exists(path))
            out.push_back({HealthKind::MediaFileMissing, entry.position, entry.band, entry.title, member});
    }
}

bool hasCover(const HealthEntry &entry, const HealthPlaces &places, const QSet<QString> &coverNames)
{
    return entry.hasPicture || coverNames.contains(coverName(entry.band, entry.title))
        || !existingListedFiles(entry.bildPfad, places.fromDatabaseFolder, places.coverFolder, places.pathMap).isEmpty();
}

void findDuplicates(const std::vector<HealthEntry> &entries, std::vector<HealthFinding> &out)
{
    std::unordered_map<std::string, std::vector<size_t>> byKey;
    for (size_t i = 0; i < entries.size(); ++i) {
        const HealthEntry &entry = entries[i];
        if (entry.band.trimmed().isEmpty() && entry.title.trimmed().isEmpty())
            continue; // a blank entry is no title of its own
        const std::string key = germanFoldedKey(entry.band.trimmed().toStdString()) + '\x1f'
            + germanFoldedKey(entry.title.trimmed().toStdString());
        byKey[key].push_back(i);
    }
    for (const auto &group : byKey) {
        if (group.second.size() < 2)
            continue;
        const QString detail = QStringLiteral("%1 Einträge").arg(group.second.size());
        for (size_t i : group.second) {
            const HealthEntry &entry = entries[i];
            out.push_back({HealthKind::Duplicate, entry.position, entry.band, entry.title, detail});
        }
    }
}

// Folders under the mapped roots that hold something playable and that no
// entry names.
void findUnnamedFolders(const HealthPlaces &places, const QSet<QString> &named, std::vector<HealthFinding> &out,
                        const std::function<bool()> &goOn)
{
    QSet<QString> roots;
    for (const auto &pair : places.pathMap)
        roots.insert(pair.second);
    QStringList sorted(roots.begin(), roots.end());
    sorted.sort();
    int visited = 0;
    for (const QString &root : sorted) {
        if (!QFileInfo(root).isDir())
            continue;
        QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QStringList found;
        while (folders.hasNext()) {
            const QString folder = folders.next();
            if (++visited % kProgressStep == 0 && !goOn())
                return;
            if (named.contains(folderKey(folder)))
                continue;
            const QStringList files = tracksOfFolder(withTrailingSeparator(folder));
            if (std::any_of(files.begin(), files.end(), isPlayableFile))
                found << withTrailingSeparator(QDir::toNativeSeparators(folder));
        }
        found.sort();
        for (const QString &folder : found)
            out.push_back({HealthKind::UnnamedFolder, -1, QString(), QString(), folder});
    }
}

} // namespace

QString healthKindCaption(HealthKind kind)
{
    switch (kind) {
    case HealthKind::MusicFolderMissing:
        return QStringLiteral("Musikordner fehlt");
    case HealthKind::MusicFolderEmpty:
        return QStringLiteral("Musikordner leer");
    case HealthKind::NoPlayableFile:
        return QStringLiteral("Keine abspielbare Datei");
    case HealthKind::MediaFileMissing:
        return QStringLiteral("eBook/Multimedia-Datei fehlt");
    case HealthKind::NoCover:
        return QStringLiteral("Kein Cover");
    case HealthKind::UnreadableRating:
        return QStringLiteral("Bewertung im Dateinamen unlesbar");
    case HealthKind::Duplicate:
        return QStringLiteral("Doppelter Eintrag");
    case HealthKind::UnnamedFolder:
        return QStringLiteral("Musikordner ohne Eintrag");
    }
    return QString();
}

HealthReport checkCollection(const std::vector<HealthEntry> &entries, const HealthPlaces &places,
                             const HealthProgress &progress)
{
    HealthReport report;
    const int total = static_cast<int>(entries.size());
    auto goOn = [&](int done) { return !progress || progress(done, total); };

    QSet<QString> coverNames;
    for (const QString &file : coverFolderFiles(places.coverFolder))
        coverNames.insert(withoutExtension(file));

    QSet<QString> named;
    for (const HealthEntry &entry : entries) {
        if (report.entriesChecked % kProgressStep == 0 && !goOn(report.entriesChecked)) {
            report.cancelled = true;
            return report;
        }
        // A field of one sign or none names no folder (the player shows nothing either).
        if (entry.musicFolder.trimmed().size() >= 2) {
            const QString folder = localFolder(places, entry.musicFolder);
            named.insert(folderKey(folder));
            checkMusicFolder(entry, folder, report.findings);
        }
        checkMediaFiles(entry, places, report.findings);
        if (!hasCover(entry, places, coverNames))
            report.findings.push_back({HealthKind::NoCover, entry.position, entry.band, entry.title, QString()});
        ++report.entriesChecked;
    }
    findDuplicates(entries, report.findings);
    findUnnamedFolders(places, named, report.findings, [&] {
        report.cancelled = !goOn(total);
        return !report.cancelled;
    });
    if (!report.cancelled)
        goOn(total);
    // Kind by kind, within a kind in catalogue order.
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const HealthFinding &a, const HealthFinding &b) {
                         if (a.kind != b.kind)
                             return a.kind < b.kind;
                         return a.position < b.position;
                     });
    return report;
}

std::vector<int> countsPerKind(const std::vector<HealthFinding> &findings)
{
    std::vector<int> counts(kHealthKinds, 0);
    for (const HealthFinding &finding : findings)
        ++counts[static_cast<size_t>(finding.kind)];
    return counts;
}

} // namespace klangtruhe
