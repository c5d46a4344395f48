#include "app/framecomponent.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "programfolder.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Two catalogues, the first stored as the one to open.
struct Fixture : ProgramFolder {
    QString first = makeCatalogue(env.path("Erste.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Faust"}}});
    QString second = makeCatalogue(env.path("Zweite & Dritte.mdb"), {Row{{"Band", "Neu!"}}});

    explicit Fixture(const QString &storedStatement = {})
    {
        store({{QStringLiteral("ArchivPfad"), first}});
        if (!storedStatement.isEmpty())
            store({{QStringLiteral("Data1RecordSource"), storedStatement}});
        start();
    }
    CatalogueComponent &catalogue() { return window().catalogue(); }
    QAction *action(const QString &name) { return find(name); }
};

} // namespace

TEST(OpenDatabase, RefusesAccessOpensThroughDialogAndRecentListAndMarksReadOnlyResults)
{
    Fixture f;
    ASSERT_TRUE(f.program->running());
    EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Erste.mdb"));

    // An Access file that cannot be read is explained and the open catalogue stays.
    QByteArray jet(4096, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    writeFile(f.env.path("Alt.mdb"), jet);
    Asked asked;
    answerNextMessage(asked);
    f.catalogue().OpenDatabase(f.env.path("Alt.mdb"));
    EXPECT_TRUE(asked.text.contains(QStringLiteral("Access"))) << asked.text.toStdString();
    EXPECT_EQ(f.catalogue().data().recordCount(), 2);
    EXPECT_EQ(f.stored(QStringLiteral("ArchivPfad")), f.first);

    chooseFileInNextDialog(f.second);
    f.action(QStringLiteral("mnuOeffnen"))->trigger();
    EXPECT_EQ(f.window().status().panel(3), QStringLiteral("Tonträger: 1"));
    EXPECT_EQ(f.stored(QStringLiteral("ArchivPfad")), f.second);
    EXPECT_EQ(f.stored(QStringLiteral("Ordnerpfad0")), f.second);
    // The recent entry shows the path with its "&" and opens its catalogue without a dialog.
    QAction *recent0 = f.action(QStringLiteral("mnuOrdnerpfad_0"));
    EXPECT_EQ(recent0->text(), QString(f.second).replace(QStringLiteral("&"), QStringLiteral("&&")));
    f.catalogue().OpenDatabase(f.first);
    f.action(QStringLiteral("mnuOrdnerpfad_1"))->trigger();
    EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Zweite & Dritte.mdb"));

    // "Aktualisieren" shows the whole table again and stores the statement.
    DatabaseError error;
    ASSERT_TRUE(f.catalogue().applyRecordSource(QStringLiteral("select * from Schallplatten where Band like 'x*'"), error));
    f.action(QStringLiteral("MenuAktualisieren"))->trigger();
    EXPECT_EQ(f.catalogue().data().recordCount(), 1);
    EXPECT_EQ(f.stored(QStringLiteral("Data1RecordSource")),
              QStringLiteral("select * from Schallplatten order by Band, LPTitel"));
    EXPECT_EQ(f.stored(QStringLiteral("TabellenName")), QStringLiteral("alle"));

    // A vanished recent catalogue: "Ja" removes its entry.
    QFile::remove(f.first);
    answerNextMessage(asked, QStringLiteral("cmdButton_1"));
    f.action(QStringLiteral("mnuOrdnerpfad_1"))->trigger();
    EXPECT_TRUE(asked.text.contains(f.first));
    EXPECT_FALSE(f.action(QStringLiteral("mnuOrdnerpfad_1"))->isVisible());
    EXPECT_EQ(f.stored(QStringLiteral("Ordnerpfad1")), QString());
    EXPECT_EQ(f.window().status().panel(1), QStringLiteral("Zweite & Dritte.mdb"));

    // A result that cannot be written back takes no typing and says so.
    ASSERT_TRUE(f.catalogue().applyRecordSource(QStringLiteral("select distinct Band from Schallplatten"), error));
    auto *band = f.window().findChild<QLineEdit *>(QStringLiteral("TextBand"));
    auto *songs = f.window().findChild<QTextEdit *>(QStringLiteral("TextSongs"));
    EXPECT_TRUE(band->isReadOnly() && songs->isReadOnly());
    EXPECT_TRUE(f.window().status().panel(1).endsWith(QStringLiteral("nur zum Lesen")));
    // Writing anyway (a star click does) is told once for the result, not per character.
    QSignalSpy refused(&f.catalogue().data(), &Data1::editNotStored);
    answerNextModalDialog(QStringLiteral("cmdButton_0"));
    for (const char *typed : {"A", "Ab", "Abc"})
        f.catalogue().data().setFieldValue(QStringLiteral("Band"), QString::fromLatin1(typed));
    EXPECT_EQ(refused.count(), 1);
}

TEST(OpenDatabase, AStoredStatementThatFailsFallsBackToTheWholeCollectionAndTheStartGoesOn)
{
    Asked asked;
    answerNextMessage(asked);
    Fixture f(QStringLiteral("select * from Schallplatten order by Gibtsnicht"));
    ASSERT_TRUE(f.program->running());
    EXPECT_TRUE(asked.text.contains(QStringLiteral("order by Gibtsnicht"))) << asked.text.toStdString();
    EXPECT_EQ(f.catalogue().data().recordCount(), 2);
    EXPECT_EQ(f.stored(QStringLiteral("Data1RecordSource")), QStringLiteral("select * from Schallplatten order by Band"));
    EXPECT_TRUE(f.window().frame().timer4()->isActive()) << "the remaining start-up steps ran";
}
