#include "app/program.h"
#include "common/tipbox.h"
#include "common/tiprules.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QStringList shownTips(TipList &tips, int steps)
{
    QStringList shown{tips.currentTip()};
    for (int i = 1; i < steps; ++i) {
        tips.DoNextTip();
        shown << tips.currentTip();
    }
    return shown;
}

} // namespace

TEST(TipRules, LinesCycleInFileOrderWithEmptyLinesAsTips)
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("TipOfDay.ini"));
    // Windows-1252 umlaut, an empty line, a final CR LF that adds no tip.
    writeFile(file, QByteArray("Erster Tipp f\xFCr Sie\r\n\r\nDritter\r\n"));
    TipList tips;
    ASSERT_TRUE(tips.LoadTips(file));
    EXPECT_EQ(tips.count(), 3);
    EXPECT_EQ(shownTips(tips, 5), (QStringList{QStringLiteral("Erster Tipp für Sie"), QString(),
                                               QStringLiteral("Dritter"), QStringLiteral("Erster Tipp für Sie"),
                                               QString()}));

    // Loading again starts over at tip 1.
    ASSERT_TRUE(tips.LoadTips(file));
    EXPECT_EQ(tips.currentNumber(), 1);
}

TEST(TipRules, EmptyMissingAndDamagedFiles)
{
    TestEnvironment env;
    TipList tips;
    EXPECT_FALSE(tips.LoadTips(QString()));
    EXPECT_FALSE(tips.LoadTips(env.path(QStringLiteral("fehlt.ini"))));
    EXPECT_FALSE(tips.LoadTips(env.root())); // a folder is no tips file
    EXPECT_EQ(tips.count(), 0);

    const QString empty = env.path(QStringLiteral("leer.ini"));
    writeFile(empty, QByteArray());
    EXPECT_TRUE(tips.LoadTips(empty));
    EXPECT_EQ(tips.count(), 0);
    EXPECT_FALSE(tips.hasTip());
    tips.DoNextTip(); // changes nothing visible
    EXPECT_FALSE(tips.hasTip());

    // Binary noise with NULs and one endless line: tips stay short and printable.
    QByteArray binary(300000, '\0');
    quint32 noise = 12345;
    for (char &byte : binary) {
        noise = noise * 1103515245u + 12345u;
        byte = char((noise >> 16) & 0xFF);
    }
    binary.append(QByteArray(100000, 'x')); // and one very long line
    const QString damaged = env.path(QStringLiteral("binaer.ini"));
    writeFile(damaged, binary);
    ASSERT_TRUE(tips.LoadTips(damaged));
    ASSERT_GT(tips.count(), 0);
    for (int i = 0; i < tips.count(); ++i, tips.DoNextTip()) {
        EXPECT_LE(tips.currentTip().size(), MaxTipLength);
        EXPECT_FALSE(tips.currentTip().contains(QChar(0)));
    }

    EXPECT_EQ(missingTipsMessage(QStringLiteral("TipOfDay.ini")),
              QStringLiteral("Die Datei TipOfDay.ini wurde nicht gefunden? \r\n\r\nTextdatei mit dem Namen "
                             "TipOfDay.ini unter Verwendung von NotePad mit 1 Tip pro Zeile erstellen. Dann im "
                             "selben Verzeichnis wie die Anwendung ablegen. "));
}

TEST(Tipbox, StepsThroughTheProgramFolderTipsAndStoresTheCheckBox)
{
    TestEnvironment env;
    Program program(std::make_unique<RecordingPlatform>());
    program.programFolder = env.programFolder();
    writeFile(env.programFolder() + QStringLiteral("TipOfDay.ini"), QByteArray("eins\r\nzwei\r\ndrei\r\n"));

    Tipbox box(program);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Tipps und Tricks"));
    auto *text = box.findChild<QLabel *>(QStringLiteral("lblTipText"));
    auto *next = box.findChild<QPushButton *>(QStringLiteral("cmdNextTip"));
    auto *check = box.findChild<QCheckBox *>(QStringLiteral("chkLoadTipsAtStartup"));
    ASSERT_TRUE(text && next && check && box.findChild<QPushButton *>(QStringLiteral("cmdOK")));
    EXPECT_TRUE(check->isChecked());
    QStringList shown{text->text()};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
        shown << text->text();
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei"),
                                  QStringLiteral("eins")}));

    box.show();
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(program.settings.read(keys::ShowTipsAtStartup), QStringLiteral("0"));
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(program.settings.read(keys::ShowTipsAtStartup), QStringLiteral("1"));
}

TEST(Tipbox, MissingFileShowsTheMessageAndNextChangesNothing)
{
    TestEnvironment env;
    Program program(std::make_unique<RecordingPlatform>());
    program.programFolder = env.programFolder();
    Tipbox box(program);
    auto *text = box.findChild<QLabel *>(QStringLiteral("lblTipText"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), missingTipsMessage(QStringLiteral("TipOfDay.ini")));
    QTest::mouseClick(box.findChild<QPushButton *>(QStringLiteral("cmdNextTip")), Qt::LeftButton);
    EXPECT_EQ(text->text(), missingTipsMessage(QStringLiteral("TipOfDay.ini")));

    // An empty file shows neither a tip nor the message.
    writeFile(env.programFolder() + QStringLiteral("TipOfDay.ini"), QByteArray());
    Tipbox emptyBox(program);
    EXPECT_TRUE(emptyBox.findChild<QLabel *>(QStringLiteral("lblTipText"))->text().isEmpty());
}
