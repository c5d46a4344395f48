#include "common/frminfo.h"
#include "programfixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

class InfoWindow : public ProgramFixture {
protected:
    InfoWindow() { program->settings.write(keys::ProgrammName, QStringLiteral("Klangtruhe-Player")); }
};

} // namespace

TEST_F(InfoWindow, CreditsScrollUpAndLoopWithTheSound)
{
    frmInfo window(*program);
    window.show();
    EXPECT_EQ(recorder->sounds, QStringList{inProgramFolder(QStringLiteral("Blues.wav"))});
    auto *block = window.findChild<QLabel *>(QStringLiteral("Picture2"));
    auto *area = window.findChild<QWidget *>(QStringLiteral("Picture1"));
    ASSERT_TRUE(block && area);
    EXPECT_EQ(block->y(), area->height());
    EXPECT_TRUE(window.timer()->isActive());

    const int start = block->y();
    QMetaObject::invokeMethod(window.timer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(block->y(), start - 1);

    // Once the block has left the area at the top, it starts again from below.
    block->move(0, -block->height() - 1);
    QMetaObject::invokeMethod(window.timer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(block->y(), area->height());
    EXPECT_EQ(recorder->sounds.size(), 2);
}

TEST_F(InfoWindow, EscapeClosesOnTheRelease)
{
    frmInfo window(*program);
    window.show();
    auto *block = window.findChild<QWidget *>(QStringLiteral("Picture2"));
    QTest::keyPress(block, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QTest::keyRelease(block, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.timer()->isActive());
    EXPECT_EQ(recorder->sounds.last(), env.programFolder()); // the system's default sound
}
