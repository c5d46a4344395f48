#include "app/settingsstore.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

using namespace klangtruhe;
using klangtruhe::test::TestEnvironment;

TEST(SettingsStore, DefaultsLetterCaseAndTextsComeBackUnchanged)
{
    TestEnvironment env;
    SettingsStore store;
    EXPECT_EQ(store.read(keys::ProgSchriftSize, QStringLiteral("10")), QStringLiteral("10"));

    store.write(keys::HaekchenBildpfad, QStringLiteral("1"));
    EXPECT_EQ(store.read(QStringLiteral("KlangtruhePlayer"), QStringLiteral("Options"), QStringLiteral("HÄKCHENBILDPFAD")),
              QStringLiteral("1"));

    // A second spelling must replace the value, not add a second key.
    store.write(QStringLiteral("KlangtruhePlayer"), QStringLiteral("Options"), QStringLiteral("windowstate"),
                QStringLiteral("2"));
    store.write(keys::WindowState, QStringLiteral("1"));
    QSettings raw(env.settingsFile(), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Options"));
    int windowStateKeys = 0;
    for (const QString &key : raw.childKeys())
        windowStateKeys += key.compare(QStringLiteral("WindowState"), Qt::CaseInsensitive) == 0;
    EXPECT_EQ(windowStateKeys, 1);
    EXPECT_EQ(store.read(keys::WindowState), QStringLiteral("1"));

    // Texts with commas, quotes and umlauts come back unchanged in a store read afresh.
    const QString statement = QStringLiteral("select * from Schallplatten where Band like 'ä*' order by Band, LPTitel");
    store.write(keys::Data1RecordSource, statement);
    store.write(keys::Ordnerpfad, 0, QStringLiteral("C:\\Musik\\Sammlung \"alt\".mdb"));
    SettingsStore fresh;
    EXPECT_EQ(fresh.read(keys::Data1RecordSource), statement);
    EXPECT_EQ(fresh.read(keys::Ordnerpfad, 0), QStringLiteral("C:\\Musik\\Sammlung \"alt\".mdb"));
}

TEST(SettingsStore, ReadsSeeWhatAnotherProgramWroteAndUnchangedWritesCostNothing)
{
    TestEnvironment env;
    SettingsStore store;
    store.write(keys::Spaltenbreite, 3, QStringLiteral("1200"));
    const int writes = store.diskWrites();
    const QDateTime before = QFileInfo(env.settingsFile()).lastModified();
    QThread::msleep(20);
    for (int i = 0; i < 50; ++i)
        store.write(keys::Spaltenbreite, 3, QStringLiteral("1200"));
    EXPECT_EQ(store.diskWrites(), writes);
    EXPECT_EQ(QFileInfo(env.settingsFile()).lastModified(), before);

    // Another program (here: a second store, as the volume tool would be) writes.
    {
        SettingsStore other;
        other.write(keys::Spaltenbreite, 3, QStringLiteral("777"));
        other.write(QStringLiteral("KlangtruheVolume"), QStringLiteral("Options"), QStringLiteral("MiniplayerLeft"),
                    QStringLiteral("12.5"));
    }
    EXPECT_EQ(store.read(keys::Spaltenbreite, 3), QStringLiteral("777"));
    EXPECT_EQ(store.read(QStringLiteral("KlangtruheVolume"), QStringLiteral("Options"), QStringLiteral("miniplayerleft")),
              QStringLiteral("12.5"));
    EXPECT_TRUE(QFileInfo::exists(env.settingsFolder() + QStringLiteral("/KlangtruheVolume.ini")));
}

TEST(SettingsStore, ADamagedFileGivesDefaults)
{
    const QByteArray damaged[] = {QByteArray("\x00\xff\xfe[Options\nWindowState\x00=2\n\xc3", 40),
                                  QByteArray("\xff\xfe\x00[Options\n=\x01\x02WindowState=\xc3\x28\n[[[\n", 28)};
    for (const QByteArray &bytes : damaged) {
        TestEnvironment env;
        klangtruhe::test::writeFile(env.settingsFile(), bytes);
        SettingsStore store;
        int reports = 0;
        store.setWriteFailureReport([&reports](const QString &) { ++reports; });
        EXPECT_EQ(store.read(keys::AusgabeboxHeight), QStringLiteral("10725"));
        store.write(keys::TopRow, QStringLiteral("1"));
        EXPECT_EQ(store.read(keys::TopRow), QStringLiteral("1"));
        EXPECT_EQ(reports, 0) << "a damaged file that was replaced is no failed write";
    }
}

// A killed program can leave an empty lock file beside the store; the next
// write must not wait for it. A store that cannot be written is told once,
// and writes reach the disk again once it can be.
TEST(SettingsStore, AnOwnerlessLockDoesNotStallAndAFailedWriteIsToldOnce)
{
    TestEnvironment env;
    QStringList reports;
    SettingsStore store;
    store.setWriteFailureReport([&reports](const QString &text) { reports << text; });

    klangtruhe::test::writeFile(env.settingsFile() + QStringLiteral(".lock"), QByteArray());
    QElapsedTimer clock;
    clock.start();
    store.write(keys::WindowState, QStringLiteral("2"));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(QSettings(env.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Options/WindowState")).toString(),
              QStringLiteral("2"));

    // The store's folder cannot be made: a file stands where it should be.
    const QString blocked = env.path(QStringLiteral("blockiert"));
    klangtruhe::test::writeFile(blocked, QByteArray("x"));
    qputenv("KLANGTRUHE_SETTINGS", (blocked + QStringLiteral("/settings")).toUtf8());
    SettingsStore unwritable;
    unwritable.setWriteFailureReport([&reports](const QString &text) { reports << text; });
    unwritable.write(keys::WindowState, QStringLiteral("1"));
    unwritable.write(keys::AusgabeboxLeft, QStringLiteral("300"));
    EXPECT_EQ(unwritable.failedWrites(), 2);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.first().startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden")));
    EXPECT_TRUE(reports.first().contains(QDir::toNativeSeparators(blocked))) << reports.first().toStdString();

    QFile::remove(blocked);
    unwritable.write(keys::AusgabeboxLeft, QStringLiteral("300"));
    EXPECT_EQ(unwritable.failedWrites(), 2);
    EXPECT_EQ(unwritable.read(keys::AusgabeboxLeft), QStringLiteral("300"));
    EXPECT_EQ(reports.size(), 1);
}
