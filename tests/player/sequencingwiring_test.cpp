// The sequencing as wired into the real player: the boxes, the host's view of
// the catalogue and the controls that belong to it.
#include "player/playersequencerhost.h"
#include "player/sequencer.h"
#include "playerprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace klangtruhe::test {
namespace {

TEST(SequencingWiring, BoxesHostAndControlsReachThePlayer)
{
    PlayerProgram p({{QStringLiteral("a.wav"), wavSine(0.2)}, {QStringLiteral("b.wav"), wavSine(0.2)},
                     {QStringLiteral("c.wav"), wavSine(0.2)}},
                    {{QStringLiteral("ShuffleSongProCD"), QStringLiteral("3")}});
    PlayerComponent &player = p.player();
    PlayerSequencerHost &host = player.sequencerHost();

    // A user's click runs the interlocks on the real boxes.
    const PlayModes before = host.playModes();
    player.chkAlleTracks->click();
    EXPECT_EQ(host.playModes(), clickPlayMode(before, PlayModeBox::AlleTracks, true).modes);

    // Setting the boxes from the rules is silent.
    int toggles = 0;
    QObject::connect(player.chkRepeat, &QCheckBox::toggled, [&toggles] { ++toggles; });
    PlayModes modes = host.playModes();
    modes.chkRepeat = {!modes.chkRepeat.value, true};
    host.setPlayModes(modes);
    EXPECT_EQ(toggles, 0);
    EXPECT_EQ(host.playModes(), modes);

    // The shuffle's counter is the player's; start-up's draw of a new entry left it at 1.
    EXPECT_EQ(&player.SongsAufTontraeger(), &player.sequencer().shuffle().SongsAufTontraeger);
    EXPECT_EQ(player.SongsAufTontraeger(), 1);

    // Rows count from 1; moving refills the track list and makes the row current.
    EXPECT_EQ(host.tableRowCount(), 2);
    EXPECT_EQ(host.currentTableRow(), 1);
    EXPECT_EQ(host.tableCell(2, 0), QStringLiteral("Neu!"));
    EXPECT_EQ(host.tableCell(3, 0), QString());
    host.moveToTableRow(2);
    EXPECT_EQ(host.currentTableRow(), 2);
    EXPECT_EQ(host.trackCount(), 2);
    EXPECT_EQ(host.TrackGespielt(), QList<int>(2, 0));
    EXPECT_EQ(p.window()->catalogue().grid()->currentIndex().row(), 1);
    host.markTrack(1, true);
    EXPECT_TRUE(player.filTrack()->item(1)->isSelected());

    // Timer1 ticks the sequencer; the random song button and the pause question are there.
    EXPECT_TRUE(static_cast<bool>(player.hooks.sequencingTick));
    auto *liedzufall = p.window()->findChild<QWidget *>(QStringLiteral("imgLiedzufall"));
    ASSERT_NE(liedzufall, nullptr);
    EXPECT_EQ(liedzufall->toolTip(), QStringLiteral(" Track zufällig "));
    auto *pause = p.window()->findChild<QAction *>(QStringLiteral("mnuPauseZwischenTracks"));
    ASSERT_NE(pause, nullptr);
    EXPECT_TRUE(pause->isEnabled());
    host.setTimer1(true);
    EXPECT_TRUE(player.Timer1().isActive());
    host.setTimer1(false);
    EXPECT_FALSE(player.Timer1().isActive());
}

} // namespace
} // namespace klangtruhe::test
