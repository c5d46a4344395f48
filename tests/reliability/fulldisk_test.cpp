#include "app/settingsstore.h"
#include "catalogue/data1.h"
#include "lists/listfiles.h"
#include "lists/playlistfile.h"
#include "reliability/fuzzbudget.h"
#include "reliability/germanmessages.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Fills the file system with one file until not a byte more fits.
void fillUp(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/fuellung"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
}

// The user is told in German that the disk is full.
void expectToldDiskIsFull(const QString &message)
{
    EXPECT_TRUE(message.contains(QStringLiteral("voll"))) << message.toStdString();
    EXPECT_FALSE(soundsEnglish(message)) << message.toStdString();
}

} // namespace

// On a full disk nothing is saved, the user reads why in German, and every
// file keeps what it had. Needs a small file system of its own
// (KLANGTRUHE_FULL_DISK, mounted by scripts/reliability).
TEST(FullDisk, SavingFailsInGermanAndTheOldFilesStay)
{
    const QString folder = qEnvironmentVariable("KLANGTRUHE_FULL_DISK");
    if (folder.isEmpty())
        GTEST_SKIP() << "no small file system given";
    TestEnvironment env;
    const QString catalogue = makeCatalogue(folder + QStringLiteral("/Sammlung.mdb"),
                                            {{{QStringLiteral("Band"), QStringLiteral("Abba")}, {QStringLiteral("Info"), QStringLiteral("alt")}}});
    const QString playlist = folder + QStringLiteral("/Playlist.txt");
    const QString list = folder + QStringLiteral("/Ausschlussliste.ini");
    writeFile(playlist, QByteArray("D:\\Musik\\a.mp3\r\n"));
    writeFile(list, QByteArray("Rock\r\n"));

    Data1 data;
    data.setDatabaseName(catalogue);
    data.setRecordSource(QStringLiteral("select * from Schallplatten"));
    DatabaseError error;
    ASSERT_TRUE(data.refresh(error));
    qputenv("KLANGTRUHE_SETTINGS", (folder + QStringLiteral("/settings")).toUtf8());
    SettingsStore settings;
    QStringList reports;
    settings.setWriteFailureReport([&reports](const QString &text) { reports << text; });
    settings.write(keys::Data1RecordSource, QStringLiteral("alt"));
    const QByteArray storedSettings = readFile(folder + QStringLiteral("/settings/KlangtruhePlayer.ini"));
    fillUp(folder);

    settings.write(keys::Data1RecordSource, QString(300000, QLatin1Char('s')));
    settings.write(keys::WindowState, QStringLiteral("2"));
    ASSERT_EQ(reports.size(), 1);
    expectToldDiskIsFull(reports.first());
    EXPECT_EQ(readFile(folder + QStringLiteral("/settings/KlangtruhePlayer.ini")), storedSettings);

    FileError fileError;
    EXPECT_FALSE(appendPlaylistLines(playlist, {QStringLiteral("D:\\Musik\\") + QString(200000, QLatin1Char('b'))}, &fileError));
    expectToldDiskIsFull(fileError.description);
    EXPECT_EQ(readFile(playlist), QByteArray("D:\\Musik\\a.mp3\r\n"));

    fileError = {};
    EXPECT_FALSE(writeListFile(list, QStringList(20000, QStringLiteral("Volksmusik")), &fileError));
    EXPECT_FALSE(soundsEnglish(fileError.description)) << fileError.description.toStdString();
    EXPECT_EQ(readFile(list), QByteArray("Rock\r\n"));

    data.setFieldValue(QStringLiteral("Info"), QString(400000, QLatin1Char('n')));
    EXPECT_FALSE(data.storePendingEdits(error));
    expectToldDiskIsFull(error.description);

    QFile::remove(folder + QStringLiteral("/fuellung"));
    EXPECT_EQ(querySingle(catalogue, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    EXPECT_EQ(querySingle(catalogue, QStringLiteral("select Info from Schallplatten")).toString(), QStringLiteral("alt"));
    // Settings, playlist, exclusion list and catalogue: each refused, each file as it was.
    reportFigure("full_disk_refused_saves", HasFailure() ? 0 : 4, "of 4");
}
