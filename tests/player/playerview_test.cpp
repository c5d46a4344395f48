#include "app/settingkeys.h"
#include "common/twips.h"
#include "playerprogram.h"

#include <QAction>
#include <QCheckBox>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(PlayerView, StoredOptionsTheirSwitchesAndTheTitleTicker)
{
    PlayerProgram p({{"Intro.mp3", wavSine(30)}},
                    {{"Laufschrift", "aus"}, {"WinMediaPlayer", "True"}, {"WinMediaPlayerVisualisierung", "0"}});
    PlayerComponent &player = p.player();
    auto *ticker = p.window()->findChild<QAction *>(QStringLiteral("mnuLaufschrift"));
    ASSERT_NE(ticker, nullptr);
    EXPECT_FALSE(ticker->isChecked());
    ticker->trigger();
    EXPECT_EQ(p.program().settings.read(keys::Laufschrift), QStringLiteral("ein"));

    // Visual on while playing: the large area, shown again.
    player.imgStart_Click();
    ASSERT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Playing));
    QTest::mouseClick(player.chkVisualisierung, Qt::LeftButton);
    EXPECT_EQ(player.MediaPlayer1().widget()->geometry(), twipsRect(8610, 1380, 4150, 4150));
    EXPECT_EQ(p.program().settings.read(keys::WinMediaPlayerVisualisierung), QStringLiteral("1"));
    player.imgStop_Click();

    // The title ticker types while minimised and stops on restore; the option is on by now.
    player.tickerStepMs = 5;
    player.tickerHoldMs = 5;
    player.imgStart_Click();
    ASSERT_TRUE(p.status().contains(QStringLiteral("playing:")));

    QStringList seen;
    QObject watching;
    Ausgabebox *window = p.window();
    QObject::connect(window, &QWidget::windowTitleChanged, &watching, [&seen](const QString &title) { seen << title; });
    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.contains(QStringLiteral("Intro")); }, 10000));
    // Band, title, track, each typed in letter by letter.
    EXPECT_LT(seen.indexOf(QStringLiteral("C")), seen.indexOf(QStringLiteral("Can")));
    EXPECT_LT(seen.indexOf(QStringLiteral("Can")), seen.indexOf(QStringLiteral("Tago Mago")));

    window->showNormal();
    EXPECT_FALSE(player.Timer2().isActive());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Klangtruhe-Player - Fernwerk"));
    // Restored, the next minimise starts the ticker over with the band.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.tickerPhase() == 0; }, 1000));
    // A resize of the normal window settles a ticker that still runs.
    player.Timer2().start();
    window->resize(window->size() + QSize(20, 10));
    EXPECT_FALSE(player.Timer2().isActive());
    player.imgStop_Click();
}
