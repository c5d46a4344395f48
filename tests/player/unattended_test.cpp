// An unattended shuffle run on the real program: Timer1 real, one-second tracks.
#include "app/ausgabebox.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/catalogueschema.h"
#include "catalogue/data1.h"
#include "catalogue/detailview.h"
#include "player/playercomponent.h"
#include "support/audiofixtures.h"
#include "support/catalogues.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace klangtruhe::test {
namespace {

struct Play {
    QString band, style, status, caption;
    int refill = 0;   // which filling of the track list it came from
    bool seen = false; // status panel and Bez(12) were observed right
};

TEST(Unattended, ShuffleSkipsExclusionsAndPlaysTwoSongsPerEntry)
{
    TestEnvironment env;
    QDir().mkpath(env.programFolder());
    createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
    const QByteArray second = wavSine(1.0, 8000, 1);
    std::vector<Row> rows;
    for (int i = 0; i < 20; ++i) {
        const QString folder = env.path(QStringLiteral("e%1/").arg(i));
        QDir().mkpath(folder);
        for (const char *track : {"a.wav", "b.wav", "c.wav"})
            writeFile(folder + QLatin1String(track), second);
        // Nine of twenty entries are excluded, so the draws meet them often.
        const QString band = i % 5 == 1 ? QStringLiteral("Heino") : QStringLiteral("Gruppe_%1_").arg(i);
        const QString style = i % 4 == 3 ? QStringLiteral("Schlager") : QStringLiteral("Krautrock");
        rows.push_back(Row{{"Band", band}, {"LPTitel", QStringLiteral("LP %1").arg(i)}, {"Stil", style},
                           {"Musikpfad", folder}});
    }
    const QString catalogue = makeCatalogue(env.path("sammlung.mdb"), rows);
    writeFile(env.programFolder() + QStringLiteral("AusschlussAbspielliste.ini"), "Schlager\r\n");
    writeFile(env.programFolder() + QStringLiteral("BandAusschlussAbspielliste.ini"), "Heino\r\n");
    {
        QSettings store(env.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
        store.setValue(QStringLiteral("Options/ShuffleSongProCD"), QStringLiteral("2"));
        store.setValue(QStringLiteral("Options/WinMediaPlayer"), QStringLiteral("True"));
        store.setValue(QStringLiteral("Options/PauseZwischenTracks"), QStringLiteral("0"));
    }

    StartedProgram started;
    ASSERT_TRUE(started.running());
    Ausgabebox &window = *started.window();
    PlayerComponent &player = window.player();
    Data1 &data = window.catalogue().data();
    QLabel *bez12 = window.catalogue().detailView().caption(12);
    ASSERT_NE(bez12, nullptr);

    int refills = 0;
    QObject::connect(player.filTrack()->model(), &QAbstractItemModel::modelReset, [&refills] { ++refills; });
    QList<Play> plays;
    const auto showCaption = player.hooks.setTrackCaption;
    player.hooks.setTrackCaption = [&](const QString &caption) {
        showCaption(caption);
        if (!caption.startsWith(QLatin1String("Tracks && Movies Nr.: ")))
            return;
        const int track = window.program().AktuellerTrack;
        plays << Play{data.fieldValue(QStringLiteral("Band")), data.fieldValue(QStringLiteral("Stil")),
                      QStringLiteral("playing:  ") + player.musicFolder() + player.filTrack()->item(track)->text(),
                      QStringLiteral("Tracks && Movies Nr.: %1").arg(track + 1), refills};
    };

    // The question for songs per entry is skipped once, as after a start with an argument.
    window.program().startedWithArgument = true;
    player.chkShuffle->click();
    ASSERT_TRUE(player.chkShuffle->isChecked());
    player.imgStart_Click();

    QElapsedTimer clock;
    clock.start();
    while (plays.size() < 9 && clock.elapsed() < 25000) {
        QTest::qWait(20);
        for (Play &play : plays) {
            if (!play.seen && window.status().panel(2) == play.status && bez12->text() == play.caption)
                play.seen = true;
        }
    }
    player.imgStop_Click();

    ASSERT_GE(plays.size(), 8);
    plays.removeLast(); // the one that began as the loop ended may not have been seen yet
    QMap<int, QStringList> bandsByFilling;
    for (const Play &play : plays) {
        EXPECT_NE(play.band, QStringLiteral("Heino"));
        EXPECT_NE(play.style, QStringLiteral("Schlager"));
        EXPECT_TRUE(play.seen) << play.status.toStdString() << " / " << play.caption.toStdString();
        bandsByFilling[play.refill] << play.band;
    }
    // Every drawn entry gives two songs, then the next is drawn; the last may still be running.
    const QList<int> fillings = bandsByFilling.keys();
    for (int i = 0; i < fillings.size(); ++i) {
        const QStringList &bands = bandsByFilling[fillings[i]];
        EXPECT_EQ(bands.size() == 2 || i == fillings.size() - 1, true) << bands.join(',').toStdString();
        EXPECT_LE(bands.size(), 2);
        EXPECT_EQ(bands.count(bands.first()), bands.size());
    }
}

} // namespace
} // namespace klangtruhe::test
