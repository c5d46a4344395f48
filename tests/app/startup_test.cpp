#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/programfolder.h"
#include "common/twips.h"
#include "lists/playlistfile.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"

#include <QFileInfo>
#include <QTableView>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

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

    EXPECT_EQ(window->status().panel(1), QStringLiteral("Beispielsammlung.mdb"));
    EXPECT_EQ(window->status().panel(3), QStringLiteral("Tonträger: 12"));
    EXPECT_EQ(QSettings(env.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Options/ArchivPfad")),
              folder + QStringLiteral("Beispielsammlung.mdb"));

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
}

TEST(StartUp, OpensTheTemplateWhenThereIsNoOtherChoice)
{
    {
        // No stored path and no first-start file: the template, and its path is stored.
        ProgramFolder f;
        ASSERT_TRUE(f.start());
        EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Archiv_leer.mdb"));
        EXPECT_EQ(f.window().status().panel(3), QStringLiteral("Tonträger: 0"));
        EXPECT_EQ(f.stored(QStringLiteral("ArchivPfad")), f.env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
        EXPECT_FALSE(QFileInfo::exists(f.env.programFolder() + QStringLiteral("Beispielsammlung.mdb")));
    }
    {
        // A stored path to a deleted file: the template opens, the stored path stays for the next start.
        ProgramFolder f;
        f.store({{QStringLiteral("ArchivPfad"), f.env.path("weg.mdb")}});
        ASSERT_TRUE(f.start());
        EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Archiv_leer.mdb"));
        EXPECT_EQ(f.stored(QStringLiteral("ArchivPfad")), f.env.path("weg.mdb"));
    }
    {
        // The first-start file names the catalogue to use.
        ProgramFolder f;
        const QString mine = makeCatalogue(f.env.path("Meine Sammlung.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Neu!"}}});
        writeFile(f.env.programFolder() + QStringLiteral("PfadErststart.txt"), mine.toLatin1() + "\r\nzweite Zeile\r\n");
        ASSERT_TRUE(f.start());
        EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Meine Sammlung.mdb"));
        EXPECT_EQ(f.window().status().panel(3), QStringLiteral("Tonträger: 2"));
        EXPECT_EQ(f.stored(QStringLiteral("ArchivPfad")), mine);
    }
}

TEST(StartUp, BeendenStoresPlacementWidthsAndThePendingEdit)
{
    ProgramFolder f;
    const QString path = makeCatalogue(f.env.path("a.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Faust"}}});
    f.store({{QStringLiteral("ArchivPfad"), path},
             {QStringLiteral("AusgabeboxLeft"), QStringLiteral("1500")},
             {QStringLiteral("AusgabeboxTop"), QStringLiteral("750")},
             {QStringLiteral("AusgabeboxWidth"), QStringLiteral("12000")},
             {QStringLiteral("AusgabeboxHeight"), QStringLiteral("9000")}});
    ASSERT_TRUE(f.start());
    Ausgabebox *window = &f.window();
    EXPECT_EQ(window->geometry(), twipsRect(1500, 750, 12000, 9000));

    window->catalogue().grid()->setColumnWidth(2, twipsToPixelsX(2400));
    // Start-up drew a random entry: the edit goes to whichever is current.
    const QString band = window->catalogue().data().fieldValue(QStringLiteral("Band"));
    window->catalogue().data().setFieldValue(QStringLiteral("Info"), QStringLiteral("noch nicht gespeichert"));
    f.find(QStringLiteral("mnuBeenden"))->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(f.stored(QStringLiteral("WindowState")), QStringLiteral("0"));
    EXPECT_EQ(f.stored(QStringLiteral("AusgabeboxLeft")), QStringLiteral("1500"));
    EXPECT_EQ(f.stored(QStringLiteral("AusgabeboxHeight")), QStringLiteral("9000"));
    EXPECT_EQ(f.stored(QStringLiteral("Spaltenbreite2")), QStringLiteral("2400"));
    EXPECT_FALSE(f.stored(QStringLiteral("Spaltenbreite18")).isEmpty()); // the picture column too
    EXPECT_EQ(querySingle(path, QStringLiteral("select Info from Schallplatten where Band = '%1'").arg(band)).toString(),
              QStringLiteral("noch nicht gespeichert"));

    // A second request while everything closes does nothing.
    f.find(QStringLiteral("mnuBeenden"))->trigger();
}

TEST(StartUp, AMaximisedWindowComesBackMaximisedWithItsNormalBoundsKept)
{
    ProgramFolder f;
    f.store({{QStringLiteral("WindowState"), QStringLiteral("2")}, {QStringLiteral("AusgabeboxWidth"), QStringLiteral("9000")}});
    ASSERT_TRUE(f.start());
    EXPECT_TRUE(f.window().windowState() & Qt::WindowMaximized);
    f.window().close();
    EXPECT_EQ(f.stored(QStringLiteral("WindowState")), QStringLiteral("2"));
    EXPECT_EQ(f.stored(QStringLiteral("AusgabeboxWidth")), QStringLiteral("9000"));
    EXPECT_EQ(f.stored(QStringLiteral("AusgabeboxLeft")), QString());
}

TEST(StartUp, ACatalogueThatFailsToLoadIsReportedAndTheWindowStillOpens)
{
    ProgramFolder f;
    writeFile(f.env.path("kaputt.mdb"), QByteArray("this is no catalogue"));
    f.store({{QStringLiteral("ArchivPfad"), f.env.path("kaputt.mdb")}});
    Asked failure;
    answerNextMessage(failure);
    ASSERT_TRUE(f.start());
    EXPECT_EQ(failure.title, QStringLiteral("Ausgabebox_Form_Load"));
    EXPECT_EQ(f.window().status().panel(1), QStringLiteral(" Fehler beim Laden der Datenbank!"));
    EXPECT_TRUE(f.window().isVisible());
    EXPECT_EQ(readFile(f.env.path("kaputt.mdb")), QByteArray("this is no catalogue"));
}
