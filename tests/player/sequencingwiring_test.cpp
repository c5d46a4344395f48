// The sequencing as wired into the real player: the boxes, the host's view
// of the catalogue, and an unattended shuffle run with Timer1 real and
// one-second tracks.
#include "catalogue/detailview.h"
#include "player/playersequencerhost.h"
#include "playerprogram.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
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

    // A user's click runs the interlocks on the real boxes.
    const PlayModes before = host.playModes();
    player.chkAlleTracks->click();
    EXPECT_EQ(host.playModes(), clickPlayMode(before, PlayModeBox::AlleTracks, true).modes);

    // Rows count from 1; moving refills the track list and makes the row current.
    // (The unattended run below reads the cells, the counts and Timer1.)
    host.moveToTableRow(2);
    EXPECT_EQ(host.trackCount(), 2);
    EXPECT_EQ(p.window()->catalogue().grid()->currentIndex().row(), 1);
    host.markTrack(1, true);
    EXPECT_TRUE(player.filTrack()->item(1)->isSelected());
}

struct Play {
    QString band, style, status, caption;
    int refill = 0;    // which filling of the track list it came from
    bool seen = false; // status panel and Bez(12) were observed right
};

TEST(Unattended, ShuffleSkipsExclusionsAndPlaysTwoSongsPerEntry)
{
    ProgramOnCatalogue run;
    std::vector<Row> rows;
    for (int i = 0; i < 20; ++i) {
        const QString folder = run.env.path(QStringLiteral("e%1/").arg(i));
        for (const char *track : {"a.wav", "b.wav", "c.wav"})
            writeFile(folder + QLatin1String(track), wavSine(1.0, 8000, 1));
        // Nine of twenty entries are excluded, so the draws meet them often.
        const QString band = i % 5 == 1 ? QStringLiteral("Heino") : QStringLiteral("Gruppe_%1_").arg(i);
        const QString style = i % 4 == 3 ? QStringLiteral("Schlager") : QStringLiteral("Krautrock");
        rows.push_back(Row{{"Band", band}, {"LPTitel", QStringLiteral("LP %1").arg(i)}, {"Stil", style},
                           {"Musikpfad", folder}});
    }
    writeFile(run.env.programFolder() + QStringLiteral("AusschlussAbspielliste.ini"), "Schlager\r\n");
    writeFile(run.env.programFolder() + QStringLiteral("BandAusschlussAbspielliste.ini"), "Heino\r\n");
    run.start(rows, {{"ShuffleSongProCD", "2"}, {"WinMediaPlayer", "True"}, {"PauseZwischenTracks", "0"}});
    PlayerComponent &player = run.player();
    QLabel *bez12 = run.window()->catalogue().detailView().caption(12);
    ASSERT_NE(bez12, nullptr);

    int refills = 0;
    QObject::connect(player.filTrack()->model(), &QAbstractItemModel::modelReset, [&refills] { ++refills; });
    QList<Play> plays;
    const auto showCaption = player.hooks.setTrackCaption;
    player.hooks.setTrackCaption = [&](const QString &caption) {
        showCaption(caption);
        if (!caption.startsWith(QLatin1String("Tracks && Movies Nr.: ")))
            return;
        const int track = run.program().AktuellerTrack;
        plays << Play{run.data().fieldValue(QStringLiteral("Band")), run.data().fieldValue(QStringLiteral("Stil")),
                      QStringLiteral("playing:  ") + player.musicFolder() + player.filTrack()->item(track)->text(),
                      QStringLiteral("Tracks && Movies Nr.: %1").arg(track + 1), refills};
    };

    // The question for songs per entry is skipped once, as after a start with an argument.
    run.program().startedWithArgument = true;
    player.chkShuffle->click();
    player.imgStart_Click();
    QElapsedTimer clock;
    clock.start();
    while (plays.size() < 9 && clock.elapsed() < 25000) {
        QTest::qWait(20);
        for (Play &play : plays)
            play.seen = play.seen || (run.status() == play.status && bez12->text() == play.caption);
    }
    player.imgStop_Click();

    ASSERT_GE(plays.size(), 8);
    plays.removeLast(); // the one that began as the loop ended may not have been seen yet
    QMap<int, QStringList> bandsByFilling;
    for (const Play &play : plays) {
        EXPECT_NE(play.band, QStringLiteral("Heino"));
        EXPECT_NE(play.style, QStringLiteral("Schlager"));
        EXPECT_TRUE(play.seen) << str(play.status) << " / " << str(play.caption);
        bandsByFilling[play.refill] << play.band;
    }
    // Every drawn entry gives two songs, then the next is drawn; the last may still be running.
    const QList<int> fillings = bandsByFilling.keys();
    for (int i = 0; i < fillings.size(); ++i) {
        const QStringList &bands = bandsByFilling[fillings[i]];
        EXPECT_TRUE(bands.size() == 2 || (i == fillings.size() - 1 && bands.size() == 1)) << str(bands.join(','));
        EXPECT_EQ(bands.count(bands.first()), bands.size());
    }
}

} // namespace
} // namespace klangtruhe::test
