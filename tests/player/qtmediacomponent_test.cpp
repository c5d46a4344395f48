#include "mediacontract.h"
#include "player/qtmediacomponent.h"

namespace klangtruhe::test {

// The test environment asks for fake media everywhere; this process tests the
// real component, so it builds it by hand.
struct MakeQtMedia {
    static std::unique_ptr<MediaComponent> make() { return std::make_unique<QtMediaComponent>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(QtMediaComponent, MediaContract, MakeQtMedia);

} // namespace klangtruhe::test

#include "player/mcilayer.h"

TEST(MciLayerWithRealPlayer, PlaysASoundFileToItsEndWithoutAVideoWindow)
{
    using namespace klangtruhe;
    test::TestEnvironment env;
    const QString path = env.path(QStringLiteral("Ton mit Blank.wav"));
    test::writeFile(path, test::wavSine(0.8));
    MciLayer mci(false);
    ASSERT_EQ(mci.mciSendString(QStringLiteral("open ") + path + QStringLiteral(" type MPEGVideo alias MyAlias")), 0);
    ASSERT_EQ(mci.mciSendString(QStringLiteral("play MyAlias from 0")), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mci.player().playState() == MediaComponent::Playing; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mci.player().playState() == MediaComponent::Stopped; }, 8000));
    EXPECT_FALSE(mci.videoWindow()->isVisible());
    EXPECT_EQ(mci.mciSendString(QStringLiteral("stop MyAlias")), 0);
    EXPECT_EQ(mci.mciSendString(QStringLiteral("close MyAlias")), 0);
}
