#include "catalogue/backups.h"
#include "catalogue/cataloguedatabase.h"
#include "lists/listfiles.h"
#include "lists/playlistfile.h"
#include "reliability/crashsteps.h"
#include "reliability/fuzzbudget.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Which step the files show: the last acknowledged one or the one after it.
// Anything else (-1) means something stored was lost or a file was torn.
using StateCheck = std::function<int(int acknowledged)>;

struct Trial {
    int acknowledged = 0;
    int shown = -1;
};

// Starts the worker (it inherits the test's settings folder), lets it store
// for a random while and kills it with SIGKILL.
Trial killDuringWrites(const QString &kind, const QString &file, std::mt19937 &random, const StateCheck &check)
{
    QProcess worker;
    worker.start(QStringLiteral(KLANGTRUHE_CRASHWORKER), {kind, file});
    EXPECT_TRUE(worker.waitForStarted(5000));
    // The kill falls after the first stored step, anywhere in the ones after.
    EXPECT_TRUE(QTest::qWaitFor([&worker] { return worker.bytesAvailable() > 0 || worker.state() == QProcess::NotRunning; }, 10000));
    QTest::qWait(static_cast<int>(5 + random() % 120));
    worker.kill(); // SIGKILL: no handler, no flush, no destructor
    worker.waitForFinished(5000);
    Trial trial;
    const QList<QByteArray> lines = worker.readAllStandardOutput().split('\n');
    // The last line may be cut by the kill; only whole lines count.
    if (lines.size() > 1)
        trial.acknowledged = lines.at(lines.size() - 2).toInt();
    EXPECT_EQ(worker.exitStatus(), QProcess::CrashExit) << worker.readAllStandardError().toStdString();
    if (trial.acknowledged > 0)
        trial.shown = check(trial.acknowledged);
    return trial;
}

// Runs the trials of one kind and prints how many kept everything.
void expectNothingLost(const char *figure, const QString &kind, const QString &file, const StateCheck &check, const std::function<void()> &prepare)
{
    std::mt19937 random(fuzzSeed(77));
    const int trials = fuzzCount(2);
    int kept = 0;
    int inFlight = 0; // kills that fell between a write and its acknowledgement
    for (int t = 0; t < trials; ++t) {
        prepare();
        const Trial trial = killDuringWrites(kind, file, random, check);
        EXPECT_GT(trial.acknowledged, 0) << "the worker stored nothing before the kill";
        EXPECT_GE(trial.shown, trial.acknowledged) << kind.toStdString() << ": lost or torn after step " << trial.acknowledged;
        kept += trial.acknowledged > 0 && trial.shown >= trial.acknowledged;
        inFlight += trial.shown > trial.acknowledged;
    }
    std::printf("%s: %d/%d kept (%d with the next write already stored)\n", figure, kept, trials, inFlight);
    std::fflush(stdout);
}

// The step n in {acknowledged, acknowledged + 1} whose state the file shows, or -1.
template <typename State>
int matchingStep(int acknowledged, const State &shown, const std::function<State(int)> &stateOf)
{
    return shown == stateOf(acknowledged) ? acknowledged : shown == stateOf(acknowledged + 1) ? acknowledged + 1 : -1;
}

} // namespace

TEST(KillNine, StoredEditsSurviveAndTheCatalogueStaysWhole)
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Sammlung.mdb"));
    const auto prepare = [&path] {
        std::vector<Row> rows;
        for (int i = 0; i < crash::kEntries; ++i)
            rows.push_back({{QStringLiteral("Band"), QStringLiteral("Band %1").arg(i)}});
        QFile::remove(path + QStringLiteral("-journal")); // the last trial's, it belongs to another file
        makeCatalogue(path, rows);
    };
    const auto check = [&path](int acknowledged) {
        // The next start opens the file and rolls back what the kill left half done.
        DatabaseError error;
        EXPECT_TRUE(CatalogueDatabase::open(path, error)) << error.description.toStdString();
        EXPECT_EQ(querySingle(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        QMap<int, QString> shown;
        for (int entry = 0; entry < crash::kEntries; ++entry)
            shown[entry] = querySingle(path, QStringLiteral("select ifnull(Info, '') from Schallplatten where Band = 'Band %1'").arg(entry)).toString();
        return matchingStep<QMap<int, QString>>(acknowledged, shown, crash::catalogueState);
    };
    expectNothingLost("kill9_stored_edits", QStringLiteral("edits"), path, check, prepare);
}

TEST(KillNine, ListFilesAreEitherOldOrNewNeverTorn)
{
    TestEnvironment env;
    const QString playlist = env.path(QStringLiteral("Playlist.txt"));
    expectNothingLost(
        "kill9_playlist", QStringLiteral("playlist"), playlist,
        [&playlist](int acknowledged) {
            FileError error;
            QStringList lines;
            for (const PlaylistItem &item : readPlaylistFile(playlist, &error).value_or(QList<PlaylistItem>()))
                lines << item.fullPath();
            EXPECT_EQ(error.number, 0) << error.description.toStdString();
            return matchingStep<QStringList>(acknowledged, lines, crash::playlistState);
        },
        [&playlist] { QFile::remove(playlist); });

    const QString exclusion = env.path(QStringLiteral("AusschlussAbspielliste.ini"));
    expectNothingLost(
        "kill9_exclusion_list", QStringLiteral("exclusion"), exclusion,
        [&exclusion](int acknowledged) {
            const QStringList entries = readListFile(exclusion).value_or(QStringList());
            return matchingStep<QStringList>(acknowledged, entries, crash::exclusionState);
        },
        [&exclusion] { QFile::remove(exclusion); });
}

TEST(KillNine, SettingsWritesKeepTheStoreReadable)
{
    TestEnvironment env;
    const QString ini = env.settingsFile();
    expectNothingLost(
        "kill9_settings", QStringLiteral("settings"), ini,
        [&ini](int acknowledged) {
            QSettings settings(ini, QSettings::IniFormat);
            EXPECT_EQ(settings.status(), QSettings::NoError);
            const QString shown = settings.value(QStringLiteral("Options/Zaehler")).toString();
            return matchingStep<QString>(acknowledged, shown, crash::settingValue);
        },
        [&ini] { QFile::remove(ini); });
}

TEST(KillNine, ABackupCutShortNeverHarmsTheCatalogueNorLeavesAHalfCopy)
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Sammlung.mdb"));
    const auto prepare = [&] {
        QDir(backupFolderOf(path)).removeRecursively();
        std::vector<Row> rows;
        for (int i = 0; i < 200; ++i) // some pages to copy, so the kill can fall inside one
            rows.push_back({{QStringLiteral("Band"), QStringLiteral("Band %1").arg(i)}, {QStringLiteral("Info"), crash::editText(i)}});
        makeCatalogue(path, rows);
    };
    const auto check = [&path](int acknowledged) {
        EXPECT_EQ(querySingle(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        EXPECT_EQ(querySingle(path, QStringLiteral("select count(*) from Schallplatten")).toInt(), 200);
        const QList<BackupFile> backups = listBackups(path);
        for (const BackupFile &backup : backups) {
            EXPECT_EQ(backup.entries, 200) << backup.path.toStdString();
            EXPECT_EQ(querySingle(backup.path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        }
        const int made = static_cast<int>(backups.size());
        return made == acknowledged || made == acknowledged + 1 ? made : -1;
    };
    expectNothingLost("kill9_backups", QStringLiteral("backups"), path, check, prepare);
}
