#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(CommandLine, TheArgumentIsAWaitInSecondsAndAskForAutomaticPlay)
{
    EXPECT_FALSE(parseCommandLine({}).present);
    EXPECT_EQ(parseCommandLine({QStringLiteral("5")}).waitSeconds, 5);
    EXPECT_EQ(parseCommandLine({QStringLiteral("\"5\"")}).waitSeconds, 5);
    const CommandLine text = parseCommandLine({QStringLiteral("x")});
    EXPECT_TRUE(text.present);
    EXPECT_EQ(text.waitSeconds, 0);
    EXPECT_EQ(parseCommandLine({QStringLiteral("-4")}).waitSeconds, 0);
    EXPECT_EQ(parseCommandLine({QStringLiteral("0.5")}).waitSeconds, 0.5);
}

// The desktop opens a catalogue file with the program: it is opened, and
// nothing plays on its own. Other words stay a waiting time.
TEST(CommandLine, AnExistingCatalogueFileIsOpenedInsteadOfPlaying)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Meine Sammlung.MDB"));
    QFile(file).open(QIODevice::WriteOnly);
    const CommandLine opened = parseCommandLine({file});
    EXPECT_FALSE(opened.present);
    EXPECT_EQ(opened.catalogue, QDir::toNativeSeparators(file));
    const CommandLine missing = parseCommandLine({folder.filePath(QStringLiteral("fehlt.mdb"))});
    EXPECT_TRUE(missing.present);
    EXPECT_TRUE(missing.catalogue.isEmpty());
}
