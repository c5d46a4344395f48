#include "common/tipbox.h"
#include "common/tiprules.h"
#include "programfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(TipRules, LinesCycleInFileOrderWithEmptyLinesAsTips)
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("TipOfDay.ini"));
    // Windows-1252 umlaut, an empty line, a final CR LF that adds no tip.
    writeFile(file, QByteArray("Erster Tipp f\xFCr Sie\r\n\r\nDritter\r\n"));
    TipList tips;
    ASSERT_TRUE(tips.LoadTips(file));
    QStringList shown{tips.currentTip()};
    for (int i = 1; i < 5; ++i, tips.DoNextTip(), shown << tips.currentTip()) {
    }
    const QString first = QStringLiteral("Erster Tipp für Sie");
    EXPECT_EQ(shown, (QStringList{first, QString(), QStringLiteral("Dritter"), first, QString()}));

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
    tips.DoNextTip(); // changes nothing visible
    EXPECT_FALSE(tips.hasTip());

    // Binary noise with NULs and one endless line: tips stay short and printable.
    QByteArray binary(300000, '\0');
    QRandomGenerator noise(12345);
    for (char &byte : binary)
        byte = char(noise.bounded(256));
    binary.append(QByteArray(100000, 'x'));
    const QString damaged = env.path(QStringLiteral("binaer.ini"));
    writeFile(damaged, binary);
    ASSERT_TRUE(tips.LoadTips(damaged));
    ASSERT_GT(tips.count(), 0);
    for (int i = 0; i < tips.count(); ++i, tips.DoNextTip()) {
        EXPECT_LE(tips.currentTip().size(), MaxTipLength);
        EXPECT_FALSE(tips.currentTip().contains(QChar(0)));
    }
}

using TipboxWindow = ProgramFixture;

TEST_F(TipboxWindow, StepsThroughTheProgramFolderTipsOrTellsHowToMakeThem)
{
    Tipbox missing(*program);
    const auto *missingText = missing.findChild<QLabel *>(QStringLiteral("lblTipText"));
    ASSERT_TRUE(missingText);
    const QString howTo = QStringLiteral("Die Datei TipOfDay.ini wurde nicht gefunden? \r\n\r\nTextdatei mit dem Namen "
                                         "TipOfDay.ini unter Verwendung von NotePad mit 1 Tip pro Zeile erstellen. "
                                         "Dann im selben Verzeichnis wie die Anwendung ablegen. ");
    EXPECT_EQ(missingText->text(), howTo);

    // An empty file shows neither a tip nor the message.
    writeFile(inProgramFolder(QStringLiteral("TipOfDay.ini")), QByteArray());
    EXPECT_TRUE(Tipbox(*program).findChild<QLabel *>(QStringLiteral("lblTipText"))->text().isEmpty());

    writeFile(inProgramFolder(QStringLiteral("TipOfDay.ini")), QByteArray("eins\r\nzwei\r\ndrei\r\n"));
    Tipbox box(*program);
    auto *text = box.findChild<QLabel *>(QStringLiteral("lblTipText"));
    auto *next = box.findChild<QPushButton *>(QStringLiteral("cmdNextTip"));
    auto *check = box.findChild<QCheckBox *>(QStringLiteral("chkLoadTipsAtStartup"));
    ASSERT_TRUE(text && next && check && box.findChild<QPushButton *>(QStringLiteral("cmdOK")));
    QStringList shown{text->text()};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
        shown << text->text();
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei"),
                                  QStringLiteral("eins")}));

    EXPECT_TRUE(check->isChecked());
    box.show();
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(program->settings.read(keys::ShowTipsAtStartup), QStringLiteral("0"));
}
