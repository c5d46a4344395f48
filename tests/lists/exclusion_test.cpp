#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/programfolder.h"
#include "lists/exclusioncomponent.h"
#include "lists/exclusionrules.h"
#include "lists/listfiles.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(ExclusionRules, CaseSensitiveSubstringsAndTheEmptyItemThatMatchesAll)
{
    const struct {
        const char *style, *band;
        QStringList styles, bands;
        bool excluded;
    } cases[] = {
        {"Rock/Pop", "X", {"Rock"}, {}, true},
        {"Krautrock Rockabilly", "", {"Rock"}, {}, true},
        {"rock", "", {"Rock"}, {}, false},
        {"Jazz", "Rockets", {"Rock"}, {}, false},
        {"Jazz", "The Beatles", {}, {"Beat"}, true},
        {"Jazz", "", {""}, {}, true}, // an empty item excludes everything
        {"Jazz", "", {}, {}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isExcluded(QString::fromUtf8(c.style), QString::fromUtf8(c.band), c.styles, c.bands), c.excluded)
            << c.style << " / " << c.band;

    EXPECT_EQ(exclusionFileName(true, exclusionMode(QStringLiteral("CD-Erstellen"))), QStringLiteral("BandAusschlussliste.ini"));
    EXPECT_EQ(exclusionFileName(true, exclusionMode(QStringLiteral("abspielen"))), QString());

    // Bands from the table: once per run of equal rows; the header counts as the row above row 1.
    EXPECT_EQ(bandsOfTable(QStringLiteral("Band"), {"Abba", "Abba", "Can", "Abba", "Band"}),
              (QStringList{"Abba", "Can", "Abba", "Band"}));
    EXPECT_EQ(bandsOfTable(QStringLiteral("Band"), {"Band", "Can"}), (QStringList{"Can"}));
    EXPECT_EQ(tickedBy({"Rock", "Pop", "Rock"}, {"Rock", "Jazz"}), (QList<bool>{true, false, true}));
}

TEST(ExclusionRules, TheStyleListBesideTheCatalogueWinsOverTheProgramFolders)
{
    TestEnvironment env;
    const QString db = env.path("db/"), prog = env.path("prog/");
    QDir().mkpath(db);
    QDir().mkpath(prog);
    EXPECT_EQ(styleListFile(db, prog), db + "Stilrichtung.ini") << "neither exists";
    writeFile(prog + "Stilrichtung.ini", QByteArray("Pop\r\n"));
    EXPECT_EQ(styleListFile(db, prog), prog + "Stilrichtung.ini");
    writeFile(db + "Stilrichtung.ini", QByteArray("Rock\r\n"));
    EXPECT_EQ(styleListFile(db, prog), db + "Stilrichtung.ini");
}

TEST(ListFiles, WriteWindows1252AtomicallyOrNotAtAll)
{
    TestEnvironment env;
    EXPECT_FALSE(readListFile(env.path("fehlt.ini")).has_value());
    ASSERT_TRUE(writeListFile(env.path("out.ini"), {"Härte", "", "€uro"}));
    EXPECT_EQ(readFile(env.path("out.ini")), QByteArray("H\xe4rte\r\n\r\n\x80uro\r\n"));

    FileError error;
    EXPECT_FALSE(writeListFile(env.path("out.ini"), {"Jazz", "Ωmega"}, &error));
    EXPECT_NE(error.number, 0);
    EXPECT_EQ(readFile(env.path("out.ini")), QByteArray("H\xe4rte\r\n\r\n\x80uro\r\n")) << "the old file stays";
}

namespace {

// A catalogue with its style list beside it, and the style exclusions given.
struct Fixture : ProgramFolder {
    explicit Fixture(const QByteArray &styleExclusions = {})
    {
        const QString db = makeCatalogue(env.path("db/Sammlung.mdb"),
                                         {Row{{"Band", "Abba"}, {"Stil", "Pop"}}, Row{{"Band", "Abba"}, {"Stil", "Pop"}},
                                          Row{{"Band", "Can"}, {"Stil", "Krautrock"}},
                                          Row{{"Band", "Genesis"}, {"Stil", "Rock"}}});
        writeFile(env.path("db/Stilrichtung.ini"), QByteArray("Pop\r\nRock\r\nKrautrock\r\nRock\r\n"));
        if (!styleExclusions.isEmpty())
            writeFile(env.programFolder() + QStringLiteral("AusschlussAbspielliste.ini"), styleExclusions);
        store({{QStringLiteral("ArchivPfad"), db}});
        start();
    }
    ExclusionComponent &exclusions() { return program->window()->exclusions(); }
    QAction *action(const char *name) { return find(QString::fromLatin1(name)); }
};

QStringList itemsOf(QListWidget *list, bool tickedOnly)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        if (!tickedOnly || list->item(i)->checkState() == Qt::Checked)
            items << list->item(i)->text();
    return items;
}

} // namespace

TEST(ExclusionDialogs, TheStyleAndBandDialogsTickWriteAndReloadTheirLists)
{
    Fixture f(QByteArray("Rock\r\nSchlager\r\n"));
    ASSERT_TRUE(f.program->running());
    EXPECT_EQ(f.exclusions().styles(), (QStringList{"Rock", "Schlager"})) << "loaded at start-up";

    QStringList shown, ticked;
    onNextModalDialog([&](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstStilrichtung"));
        shown = itemsOf(list, false);
        ticked = itemsOf(list, true);
        list->item(0)->setCheckState(Qt::Checked); // Pop
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    f.action("mnuStilrichtungAusschliessen")->trigger();
    EXPECT_EQ(shown, (QStringList{"Pop", "Rock", "Krautrock", "Rock"}));
    EXPECT_EQ(ticked, (QStringList{"Rock", "Rock"})) << "both copies ticked; Schlager is not offered";
    // Written in list order, the twice-listed style twice; the style no longer offered is dropped.
    EXPECT_EQ(readFile(f.env.programFolder() + QStringLiteral("AusschlussAbspielliste.ini")),
              QByteArray("Pop\r\nRock\r\nRock\r\n"));
    EXPECT_EQ(f.exclusions().styles(), (QStringList{"Pop", "Rock", "Rock"}));

    // The band dialog offers the bands of the table as it stands: here a search result.
    writeFile(f.env.programFolder() + QStringLiteral("BandAusschlussAbspielliste.ini"), QByteArray("Can\r\nBeatles\r\n"));
    DatabaseError error;
    f.program->window()->catalogue().applyRecordSource(
        QStringLiteral("select * from Schallplatten where Stil like '*rock*' order by Band"), error);
    onNextModalDialog([&](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstBandliste"));
        shown = itemsOf(list, false);
        ticked = itemsOf(list, true);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    f.action("mnuBandAusschliessen")->trigger();
    EXPECT_EQ(shown, (QStringList{"Can", "Genesis"}));
    EXPECT_EQ(ticked, (QStringList{"Can"}));
    EXPECT_EQ(readFile(f.env.programFolder() + QStringLiteral("BandAusschlussAbspielliste.ini")), QByteArray("Can\r\n"));
    EXPECT_EQ(f.exclusions().bands(), (QStringList{"Can"}));
}
