#include "player/boundedlength.h"
#include "player/playerrules.h"
#include "support/audiofixtures.h"
#include "support/tempfolders.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(PlayerRules, FileClassesLookAtFourCharactersOnly)
{
    EXPECT_EQ(fileClassOf(QStringLiteral("film.mov")), FileClass::MciFilm);
    EXPECT_EQ(fileClassOf(QStringLiteral("FILM.MOV")), FileClass::MciFilm);
    EXPECT_EQ(fileClassOf(QStringLiteral("Cover.JPEG")), FileClass::VideoOrPicture);
    EXPECT_EQ(fileClassOf(QStringLiteral("concert.m2ts")), FileClass::VideoOrPicture);
    // "mpeg" matches no entry: audio.
    EXPECT_EQ(fileClassOf(QStringLiteral("song.mpeg")), FileClass::Audio);
    EXPECT_EQ(fileClassOf(QStringLiteral("mov")), FileClass::Audio);

    // The click over the player compares as written.
    EXPECT_TRUE(isFilmForMciWindow(QStringLiteral("clip.avi")));
    EXPECT_FALSE(isFilmForMciWindow(QStringLiteral("CLIP.AVI")));
}

TEST(PlayerRules, SongTextKeyAndTickerTexts)
{
    EXPECT_EQ(songSearchKey(QStringLiteral("Yesterday.mp3")), QStringLiteral("Yeste"));
    EXPECT_EQ(songSearchKey(QStringLiteral("Help.mp3")), QString());
    EXPECT_EQ(withoutEnding(QStringLiteral("01. Intro - 5.mp3")), QStringLiteral("01. Intro - 5"));
    EXPECT_EQ(withoutEnding(QStringLiteral("README")), QStringLiteral("README"));
    EXPECT_EQ(nextTickerPhase(2), 3);
    EXPECT_EQ(nextTickerPhase(3), 1);
}

TEST(PlayerRules, TracksOfAFolderAreItsOrdinaryFilesInOrder)
{
    TestEnvironment env;
    // Hidden files and the ones Windows leaves in every folder are no tracks.
    for (const char *name : {"b.wav", "A.wav", ".hidden.wav", "desktop.ini", "Thumbs.db", "Unterordner/c.wav"})
        writeFile(env.path(QStringLiteral("m/") + QLatin1String(name)), "x");
    writeFile(env.path(QStringLiteral("leer/Thumbs.db")), "x");
    EXPECT_EQ(tracksOfFolder(env.path(QStringLiteral("m/"))), (QStringList{"A.wav", "b.wav"}));
    EXPECT_TRUE(folderHoldsTracks(env.path(QStringLiteral("m/"))));
    // The folder text has to end with its separator; a gone or cluttered folder holds none.
    for (const char *folder : {"m", "weg/", "leer/", "m/Unterordner"}) {
        EXPECT_TRUE(tracksOfFolder(env.path(QLatin1String(folder))).isEmpty()) << folder;
        EXPECT_FALSE(folderHoldsTracks(env.path(QLatin1String(folder)))) << folder;
    }
}

TEST(PlayerRules, BackAndForwardOnTheTrackList)
{
    const std::vector<bool> none(4, false);
    const std::vector<bool> marked{true, false, true, false};
    EXPECT_EQ(trackListForward(3, 4), 0);
    EXPECT_EQ(trackListBack(0, 4, false, none), 3);
    EXPECT_EQ(trackListBack(3, 4, true, marked), 2);
    EXPECT_EQ(trackListBack(0, 4, true, marked), 2);
    // No marked item below: the track stays.
    EXPECT_EQ(trackListBack(1, 4, true, {false, false, true, false}), 1);
    EXPECT_EQ(trackListBack(0, 0, false, {}), 0);
    EXPECT_EQ(firstMarkedFrom(1, marked), 2);
    EXPECT_EQ(firstMarkedFrom(3, marked), -1);
}

TEST(PlayerRules, BackAndForwardOnThePlaylistEndWhenNothingIsChecked)
{
    const auto checkedOf = [](std::vector<int> items) {
        return [items](int n) { return std::find(items.begin(), items.end(), n) != items.end(); };
    };
    EXPECT_EQ(playlistForward(2, 5, checkedOf({4})), 4);
    EXPECT_EQ(playlistForward(4, 5, checkedOf({2})), 2);  // wraps to 1 and searches again
    EXPECT_EQ(playlistForward(5, 5, checkedOf({1, 5})), 1);
    EXPECT_EQ(playlistBack(3, 5, checkedOf({1, 4})), 1);
    EXPECT_EQ(playlistBack(1, 5, checkedOf({2})), 2);     // below 1: from the last item
    EXPECT_FALSE(playlistForward(1, 5, checkedOf({})));
    EXPECT_FALSE(playlistForward(0, 0, checkedOf({})));
}

TEST(PlayerRules, TrackInfoAndTheAssociatedProgram)
{
    MediaInfo info{QStringLiteral("Intro"), QStringLiteral("0:03"), {QStringLiteral("Title"), QStringLiteral("Artist")},
                   {QStringLiteral("Intro"), QStringLiteral("Can")}};
    EXPECT_EQ(trackInfoText(info), QStringLiteral("Name = Intro\r\nLänge = 0:03 Min.\r\n\r\n0 - Title = Intro\r\n"
                                                  "1 - Artist = Can\r\n"));

    const auto shortForm = [](const QString &path) { return QStringLiteral("SHORT(") + path + QLatin1Char(')'); };
    AssociatedCall call = associatedCall(QStringLiteral("/opt/my player/play"), QStringLiteral("/m/a b.mp3"), shortForm);
    EXPECT_EQ(call.program, QStringLiteral("SHORT(/opt/my player/play)"));
    EXPECT_EQ(call.file, QStringLiteral("SHORT(/m/a b.mp3)"));
    call = associatedCall(QStringLiteral("/usr/bin/play"), QStringLiteral("/m/ab.mp3"), shortForm);
    EXPECT_EQ(call.program, QStringLiteral("/usr/bin/play"));
    EXPECT_EQ(call.file, QStringLiteral("/m/ab.mp3"));
    // An association that answers with the file itself is none.
    call = associatedCall(QStringLiteral("/M/AB.MP3"), QStringLiteral("/m/ab.mp3"), shortForm);
    EXPECT_TRUE(call.program.isEmpty());
}

TEST(PlayerRules, BoundedLengthMeasuresAndGivesUpOnBadFiles)
{
    TestEnvironment env;
    writeFile(env.path("a.wav"), wavSine(0.5));
    EXPECT_NEAR(boundedTrackLength(env.path("a.wav")), 0.5, 0.01);
    EXPECT_EQ(boundedTrackLength(env.path("fehlt.wav")), -1);
#ifdef Q_OS_UNIX
    // A FIFO blocks its reader like a hanging share: the wait ends at the timeout.
    const QByteArray fifo = QFile::encodeName(env.path("haengt.mp3"));
    if (::mkfifo(fifo.constData(), 0600) == 0) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(boundedTrackLength(env.path("haengt.mp3"), 200), -1);
        EXPECT_LT(clock.elapsed(), 1500);
        // Unblock a worker that waits for a writer, without waiting ourselves.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    }
#endif
}
