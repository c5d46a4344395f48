#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "lists/playlistfile.h"
#include "common/twips.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTableView>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QString stored(const TestEnvironment &env, const QString &key)
{
    QSettings settings(env.settingsFile(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Options/") + key).toString();
}

void writeSettings(const TestEnvironment &env, const QMap<QString, QString> &values)
{
    QSettings settings(env.settingsFile(), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(QStringLiteral("Options/") + it.key(), it.value());
}

// A program folder of our own making: just the template, no first-start file.
void bareProgramFolder(const TestEnvironment &env)
{
    QDir().mkpath(env.programFolder());
    createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
}

QAction *action(Ausgabebox *window, const char *name)
{
    return window->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

TEST(StartUp, AFirstStartWelcomesWithTheDemoCollection)
{
    TestEnvironment env;
    // Made beforehand but empty, the folder counts as new.
    QDir().mkpath(env.programFolder());
    StartedProgram program;
    ASSERT_TRUE(program.running());
    Ausgabebox *window = program.window();
    const QString folder = env.programFolder();

    // The folder was seeded: template, sounds, tips, first-start file and the demo.
    for (const char *file : {"Archiv_leer.mdb", "TipOfDay.ini", "Infozeichen.wav", "Fragezeichen.wav",
                             "Ausrufezeichen.wav", "Stoppzeichen.wav", "Blues.wav", "false.wav",
                             "PfadErststart.txt", "Beispielsammlung.mdb"})
        EXPECT_TRUE(QFileInfo::exists(folder + QString::fromLatin1(file))) << file;
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("Leer")).isDir());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("Bilder")).isDir());

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klangtruhe-Player"));
    EXPECT_EQ(window->status().panel(1), QStringLiteral("Beispielsammlung.mdb"));
    EXPECT_EQ(window->status().panel(2), QStringLiteral("no play"));
    EXPECT_EQ(window->status().panel(3), QStringLiteral("Tonträger: 12"));
    EXPECT_EQ(window->status().panel(6), QStringLiteral("Sleep Off"));
    EXPECT_EQ(stored(env, QStringLiteral("ArchivPfad")), folder + QStringLiteral("Beispielsammlung.mdb"));
    EXPECT_EQ(stored(env, QStringLiteral("ProgrammName")), QStringLiteral("K l a n g t r u h e   P l a y e r"));
    EXPECT_EQ(stored(env, QStringLiteral("ErscheinungsJahr")), QStringLiteral("2004"));

    // The demo entries have their covers and playable music folders.
    Data1 &data = window->catalogue().data();
    for (int i = 0; i < data.recordCount(); ++i) {
        data.setAbsolutePosition(i);
        // A cover list: each path is followed by the list sign.
        const QString covers = data.fieldValue(QStringLiteral("BildPfad"));
        EXPECT_TRUE(covers.endsWith(QChar(0x00B0)));
        EXPECT_TRUE(QFileInfo(covers.chopped(1)).isFile());
        const QDir music(data.fieldValue(QStringLiteral("Musikpfad")));
        EXPECT_GE(music.entryList(QDir::Files).size(), 3);
    }
    // The demo playlist plays one track of every entry, and the playlist view reads it.
    const auto playlist = readPlaylistFile(folder + QStringLiteral("Playlist/Querbeet.txt"));
    ASSERT_TRUE(playlist);
    EXPECT_EQ(playlist->size(), data.recordCount());
    for (const PlaylistItem &track : *playlist)
        EXPECT_TRUE(QFileInfo(track.fullPath()).isFile()) << track.fullPath().toStdString();

    // German order: "abendstern" and "Ärzteblues ..." stand among the A.
    data.setAbsolutePosition(0);
    EXPECT_EQ(data.text(1, 0), QStringLiteral("abendstern"));
    EXPECT_EQ(data.text(2, 0), QStringLiteral("Ärzteblues Kollektiv"));

    // An empty store: normal window at 0, 0 with 15225 x 10725 twips; no recent entries.
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->geometry().size(), twipsSize(15225, 10725));
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(action(window, QStringLiteral("mnuOrdnerpfad_%1").arg(i).toLatin1())->isVisible());
}

TEST(StartUp, OpensTheTemplateWhenThereIsNoOtherChoice)
{
    {
        // No stored path and no first-start file: the template, and its path is stored.
        TestEnvironment env;
        bareProgramFolder(env);
        StartedProgram program;
        ASSERT_TRUE(program.running());
        EXPECT_EQ(program.window()->status().panel(1), QStringLiteral("Archiv_leer.mdb"));
        EXPECT_EQ(program.window()->status().panel(3), QStringLiteral("Tonträger: 0"));
        EXPECT_EQ(stored(env, QStringLiteral("ArchivPfad")), env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
        EXPECT_FALSE(QFileInfo::exists(env.programFolder() + QStringLiteral("Beispielsammlung.mdb")));
    }
    {
        // A stored path to a deleted file: the template opens, the stored path stays for the next start.
        TestEnvironment env;
        bareProgramFolder(env);
        writeSettings(env, {{QStringLiteral("ArchivPfad"), env.path("weg.mdb")}});
        StartedProgram program;
        ASSERT_TRUE(program.running());
        EXPECT_EQ(program.window()->status().panel(1), QStringLiteral("Archiv_leer.mdb"));
        EXPECT_EQ(stored(env, QStringLiteral("ArchivPfad")), env.path("weg.mdb"));
    }
    {
        // The first-start file names the catalogue to use.
        TestEnvironment env;
        bareProgramFolder(env);
        makeCatalogue(env.path("Meine Sammlung.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Neu!"}}});
        writeFile(env.programFolder() + QStringLiteral("PfadErststart.txt"),
                  env.path("Meine Sammlung.mdb").toLatin1() + "\r\nzweite Zeile\r\n");
        StartedProgram program;
        ASSERT_TRUE(program.running());
        EXPECT_EQ(program.window()->status().panel(1), QStringLiteral("Meine Sammlung.mdb"));
        EXPECT_EQ(program.window()->status().panel(3), QStringLiteral("Tonträger: 2"));
        EXPECT_EQ(stored(env, QStringLiteral("ArchivPfad")), env.path("Meine Sammlung.mdb"));
    }
}

TEST(StartUp, BeendenStoresPlacementWidthsAndThePendingEdit)
{
    TestEnvironment env;
    bareProgramFolder(env);
    const QString path = makeCatalogue(env.path("a.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Faust"}}});
    writeSettings(env, {{QStringLiteral("ArchivPfad"), path},
                        {QStringLiteral("AusgabeboxLeft"), QStringLiteral("1500")},
                        {QStringLiteral("AusgabeboxTop"), QStringLiteral("750")},
                        {QStringLiteral("AusgabeboxWidth"), QStringLiteral("12000")},
                        {QStringLiteral("AusgabeboxHeight"), QStringLiteral("9000")}});
    StartedProgram program;
    ASSERT_TRUE(program.running());
    Ausgabebox *window = program.window();
    EXPECT_EQ(window->geometry(), twipsRect(1500, 750, 12000, 9000));

    window->catalogue().grid()->setColumnWidth(2, twipsToPixelsX(2400));
    // Start-up drew a random entry: the edit goes to whichever is current.
    const QString band = window->catalogue().data().fieldValue(QStringLiteral("Band"));
    window->catalogue().data().setFieldValue(QStringLiteral("Info"), QStringLiteral("noch nicht gespeichert"));
    action(window, "mnuBeenden")->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(env, QStringLiteral("WindowState")), QStringLiteral("0"));
    EXPECT_EQ(stored(env, QStringLiteral("AusgabeboxLeft")), QStringLiteral("1500"));
    EXPECT_EQ(stored(env, QStringLiteral("AusgabeboxWidth")), QStringLiteral("12000"));
    EXPECT_EQ(stored(env, QStringLiteral("AusgabeboxHeight")), QStringLiteral("9000"));
    EXPECT_EQ(stored(env, QStringLiteral("Spaltenbreite2")), QStringLiteral("2400"));
    EXPECT_FALSE(stored(env, QStringLiteral("Spaltenbreite18")).isEmpty()); // the picture column too
    EXPECT_EQ(querySingle(path, QStringLiteral("select Info from Schallplatten where Band = '%1'").arg(band)).toString(),
              QStringLiteral("noch nicht gespeichert"));

    // A second request while everything closes does nothing.
    action(window, "mnuBeenden")->trigger();
}

TEST(StartUp, AMaximisedWindowComesBackMaximisedWithItsNormalBoundsKept)
{
    TestEnvironment env;
    bareProgramFolder(env);
    writeSettings(env, {{QStringLiteral("WindowState"), QStringLiteral("2")},
                        {QStringLiteral("AusgabeboxWidth"), QStringLiteral("9000")}});
    StartedProgram program;
    ASSERT_TRUE(program.running());
    EXPECT_TRUE(program.window()->windowState() & Qt::WindowMaximized);
    program.window()->close();
    EXPECT_EQ(stored(env, QStringLiteral("WindowState")), QStringLiteral("2"));
    EXPECT_EQ(stored(env, QStringLiteral("AusgabeboxWidth")), QStringLiteral("9000"));
    EXPECT_EQ(stored(env, QStringLiteral("AusgabeboxLeft")), QString());
}

TEST(StartUp, ADamagedSettingsFileGivesDefaults)
{
    TestEnvironment env;
    bareProgramFolder(env);
    writeFile(env.settingsFile(), QByteArray("\xff\xfe\x00[Options\n=\x01\x02WindowState=\xc3\x28\n[[[\n", 28));
    StartedProgram program;
    ASSERT_TRUE(program.running());
    EXPECT_FALSE(program.window()->isMaximized());
    EXPECT_EQ(program.window()->status().panel(1), QStringLiteral("Archiv_leer.mdb"));
}

TEST(StartUp, ACatalogueThatFailsToLoadIsReportedAndTheWindowStillOpens)
{
    TestEnvironment env;
    bareProgramFolder(env);
    writeFile(env.path("kaputt.mdb"), QByteArray("this is no catalogue"));
    writeSettings(env, {{QStringLiteral("ArchivPfad"), env.path("kaputt.mdb")}});
    QString title;
    onNextModalDialog([&title](QWidget *dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QWidget *>(QStringLiteral("cmdButton_0"))->setFocus();
        QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("cmdButton_0")), "click");
    });
    StartedProgram program;
    ASSERT_TRUE(program.running());
    EXPECT_EQ(title, QStringLiteral("Ausgabebox_Form_Load"));
    EXPECT_EQ(program.window()->status().panel(1), QStringLiteral(" Fehler beim Laden der Datenbank!"));
    EXPECT_TRUE(program.window()->isVisible());
    EXPECT_EQ(readFile(env.path("kaputt.mdb")), QByteArray("this is no catalogue"));
}
