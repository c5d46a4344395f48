// The sequencing as wired into the real player: the boxes and the host's
// view of the catalogue.
#include "player/playersequencerhost.h"
#include "playerprogram.h"

#include <QCheckBox>
#include <QTableView>
#include <gtest/gtest.h>

namespace klangtruhe::test {
namespace {

TEST(SequencingWiring, BoxesAndCatalogueReachThePlayer)
{
    PlayerProgram p({{QStringLiteral("a.wav"), wavSine(0.2)}, {QStringLiteral("b.wav"), wavSine(0.2)},
                     {QStringLiteral("c.wav"), wavSine(0.2)}});
    PlayerComponent &player = p.player();
    PlayerSequencerHost &host = player.sequencerHost();

    // A user's click runs the interlocks on the real boxes; the rules set them silently.
    const PlayModes before = host.playModes();
    player.chkAlleTracks->click();
    EXPECT_EQ(host.playModes(), clickPlayMode(before, PlayModeBox::AlleTracks, true).modes);
    int toggles = 0;
    QObject::connect(player.chkRepeat, &QCheckBox::toggled, [&toggles] { ++toggles; });
    PlayModes modes = host.playModes();
    modes.chkRepeat = {!modes.chkRepeat.value, true};
    host.setPlayModes(modes);
    EXPECT_EQ(toggles, 0);
    EXPECT_EQ(host.playModes(), modes);

    // Rows count from 1; moving refills the track list and makes the row current.
    EXPECT_EQ(host.currentTableRow(), 1);
    EXPECT_EQ(host.tableCell(2, 0), QStringLiteral("Neu!"));
    host.moveToTableRow(2);
    EXPECT_EQ(host.currentTableRow(), 2);
    EXPECT_EQ(host.trackCount(), 2);
    EXPECT_EQ(host.TrackGespielt(), QList<int>(2, 0));
    EXPECT_EQ(p.window()->catalogue().grid()->currentIndex().row(), 1);
    host.markTrack(1, true);
    EXPECT_TRUE(player.filTrack()->item(1)->isSelected());
    host.setTimer1(true);
    EXPECT_TRUE(player.Timer1().isActive());
}

} // namespace
} // namespace klangtruhe::test
