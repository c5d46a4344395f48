#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace klangtruhe;

// A number is a wait in seconds before playing on its own; other words ask
// for playing without a wait. A catalogue file (as the desktop passes it)
// is opened instead, and nothing plays.
TEST(CommandLine, AWaitInSecondsAnyWordOrACatalogueFileToOpen)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Meine Sammlung.MDB"));
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        QStringList arguments;
        bool present;
        double waitSeconds;
        QString catalogue;
    } cases[] = {
        {{}, false, 0, {}},
        {{"5"}, true, 5, {}},
        {{"\"5\""}, true, 5, {}},
        {{"x"}, true, 0, {}},
        {{"-4"}, true, 0, {}},
        {{"0.5"}, true, 0.5, {}},
        {{file}, false, 0, QDir::toNativeSeparators(file)},
        {{folder.filePath(QStringLiteral("fehlt.mdb"))}, true, 0, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.present, c.present);
        EXPECT_EQ(line.waitSeconds, c.waitSeconds);
        EXPECT_EQ(line.catalogue, c.catalogue);
    }
}
