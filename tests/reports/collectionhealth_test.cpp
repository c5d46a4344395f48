#include "reports/collectionhealth.h"
#include "support/tempfolders.h"

#include <QDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

using Seen = std::tuple<HealthKind, int, QString>; // kind, position, detail

std::vector<Seen> seen(const HealthReport &report)
{
    std::vector<Seen> list;
    for (const HealthFinding &finding : report.findings)
        list.emplace_back(finding.kind, finding.position, finding.detail);
    return list;
}

const QString deg = QString(QChar(0x00B0));

} // namespace

TEST(CollectionHealth, FindsEveryKindOnAFolderTree)
{
    TestEnvironment env;
    const QString music = env.path(QStringLiteral("musik/"));
    writeFile(music + "Abba/Gold/01 Dancing Queen.mp3", "ID3");
    writeFile(music + "Abba/Gold/02 Take 5 - 8.mp3", "ID3");
    writeFile(music + "Abba/Gold/Thumbs.db", "x");
    QDir().mkpath(music + "Leer");
    writeFile(music + "Leer/desktop.ini", "x"); // what Windows leaves counts as nothing
    writeFile(music + "Bilder/front.jpg", "JPG");
    writeFile(music + "Bilder/booklet.pdf", "PDF");
    writeFile(music + "Vergessen/x.flac", "fLaC");
    writeFile(music + "Vergessen/Nur Bilder/a.jpg", "JPG");
    writeFile(env.path("Bilder/Abba - Gold.jpg"), "JPG");

    HealthPlaces places;
    places.pathMap = {{QStringLiteral("D:\\Musik\\"), music}};
    places.coverFolder = env.path(QStringLiteral("Bilder"));
    places.eBookFolder = env.path(QStringLiteral("eBook"));
    auto entry = [](int position, const char *band, const char *title, const char *folder, QString eBook,
                    QString bildPfad, bool picture) {
        return HealthEntry{position, QString::fromUtf8(band), QString::fromUtf8(title), QString::fromUtf8(folder),
                           eBook, bildPfad, picture};
    };
    const std::vector<HealthEntry> entries = {
        entry(0, "Abba", "Gold", "D:\\Musik\\Abba\\Gold\\", "D:\\Musik\\Abba\\Gold\\01 Dancing Queen.mp3" + deg
              + "D:\\weg.pdf" + deg + "nur Rest", {}, false),
        entry(1, "ABBA ", "gold", "", {}, {}, true),
        entry(2, "Can", "Tago Mago", "D:\\Musik\\Leer\\", {}, "D:\\Musik\\Bilder\\weg.jpg" + deg, false),
        entry(3, "Can", "Ege Bamyasi", "D:\\Musik\\Bilder", {}, "D:\\Musik\\Bilder\\front.jpg" + deg, false),
        entry(4, "Neu", "Fehlt", "D:\\Musik\\Fehlt\\", {}, {}, true),
        entry(5, "", "", "x", {}, {}, true),
        entry(6, "", "", "", {}, {}, true),
    };

    std::vector<int> calls;
    const HealthReport report = checkCollection(entries, places, [&](int done, int) {
        calls.push_back(done);
        return true;
    });
    EXPECT_FALSE(report.cancelled);
    EXPECT_EQ(report.entriesChecked, 7);
    EXPECT_EQ(seen(report), (std::vector<Seen>{
                                {HealthKind::MusicFolderMissing, 4, music + "Fehlt/"},
                                {HealthKind::MusicFolderEmpty, 2, music + "Leer/"},
                                {HealthKind::NoPlayableFile, 3, music + "Bilder/"},
                                {HealthKind::MediaFileMissing, 0, "D:\\weg.pdf"},
                                {HealthKind::NoCover, 2, ""},
                                {HealthKind::UnreadableRating, 0, music + "Abba/Gold/02 Take 5 - 8.mp3"},
                                {HealthKind::Duplicate, 0, "2 Einträge"},
                                {HealthKind::Duplicate, 1, "2 Einträge"},
                                {HealthKind::UnnamedFolder, -1, music + "Vergessen/"},
                            }));
    EXPECT_EQ(countsPerKind(report.findings), (std::vector<int>{1, 1, 1, 1, 1, 1, 2, 1}));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), 7) << "the last call tells the run is complete";

    // Cancelled at once: nothing is claimed about the catalogue.
    const HealthReport cancelled = checkCollection(entries, places, [](int, int) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.findings.empty());

    // Without a path map there are no music roots to look through.
    places.pathMap.clear();
    const HealthReport unmapped = checkCollection({entries[0]}, places);
    EXPECT_EQ(countsPerKind(unmapped.findings), (std::vector<int>{1, 0, 0, 2, 0, 0, 0, 0}));
}
