#include "app/program.h"
#include "player/mcilayer.h"
#include "support/audiofixtures.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Answers short paths from a table.
struct ShortPathPlatform : RecordingPlatform {
    QHash<QString, QString> shortPaths;

    QString shortPath(const QString &path) override { return shortPaths.value(path); }
};

} // namespace

TEST(MciLayer, CommandStringsOpenPlayStopAndCloseOneAlias)
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Mein Ordner/Ein Lied type B.wav"));
    writeFile(path, wavSine(0.6));
    MciLayer mci(true);
    const QString open = QStringLiteral("open ") + path + QStringLiteral(" type MPEGVideo alias ");

    // A missing file opens nothing.
    const QString missing = QStringLiteral("open ") + env.path(QStringLiteral("fehlt.wav"));
    EXPECT_EQ(mci.mciSendString(missing + QStringLiteral(" type MPEGVideo alias MyAlias")), MciLayer::FileNotFound);
    EXPECT_EQ(mci.openAlias(), QString());

    ASSERT_EQ(mci.mciSendString(open + QStringLiteral("MyAlias")), 0);
    EXPECT_EQ(mci.player().playState(), MediaComponent::Stopped) << "open alone must not play";
    // One device at a time.
    EXPECT_EQ(mci.mciSendString(open + QStringLiteral("Other")), MciLayer::DeviceOpen);

    ASSERT_EQ(mci.mciSendString(QStringLiteral("play MyAlias from 0")), 0);
    EXPECT_EQ(mci.player().name(), QStringLiteral("Ein Lied type B"));
    EXPECT_EQ(mci.mciSendString(QStringLiteral("stop MyAlias")), 0);
    EXPECT_NE(mci.player().playState(), MediaComponent::Playing);
    EXPECT_EQ(mci.mciSendString(QStringLiteral("PLAY myalias FROM 0")), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mci.player().playState() == MediaComponent::Stopped; }, 5000))
        << "plays to its end";

    EXPECT_EQ(mci.mciSendString(QStringLiteral("close MyAlias")), 0);
    EXPECT_EQ(mci.openAlias(), QString());
}

TEST(MciLayer, OpenAndPlayGoesThroughTheShortPath)
{
    TestEnvironment env;
    const QString longPath = env.path(QStringLiteral("Langer Name mit Blanks.wav"));
    const QString shortPath = env.path(QStringLiteral("LANGER~1.WAV"));
    writeFile(shortPath, wavSine(5.0, 8000, 1));
    auto platform = std::make_unique<ShortPathPlatform>();
    // The platform's buffer may hold more after the first NUL.
    platform->shortPaths.insert(longPath, shortPath + QChar(u'\0') + QStringLiteral("Rest"));
    Program program(std::move(platform));
    MciLayer mci(true);

    EXPECT_TRUE(mciOpenAndPlay(program, mci, longPath, QStringLiteral("MyAlias")));
    EXPECT_EQ(mci.player().playState(), MediaComponent::Playing);
    EXPECT_EQ(mci.player().name(), QStringLiteral("LANGER~1"));
    mciStopAndClose(mci, QStringLiteral("MyAlias"));
    EXPECT_EQ(mci.openAlias(), QString());
}
