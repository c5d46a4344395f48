#include "player/trackrating.h"
#include "support/tempfolders.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(TrackRating, NewNameReplacesOnlyARatingSuffix)
{
    EXPECT_EQ(ratedFileName(QStringLiteral("Best - 3.mp3"), 5), QStringLiteral("Best - 5.mp3"));
    EXPECT_EQ(ratedFileName(QStringLiteral("Track-2.mp3"), 5), QStringLiteral("Track-2 - 5.mp3"));
    EXPECT_EQ(ratedFileName(QStringLiteral("Take 5 - 8.mp3"), 1), QStringLiteral("Take 5 - 8 - 1.mp3"));
    EXPECT_EQ(ratedFileName(QStringLiteral("Live.at.Home - 0.flac"), 6), QStringLiteral("Live.at.Home - 6.flac"));
    EXPECT_EQ(ratedFileName(QStringLiteral("Demo"), 2), QStringLiteral("Demo - 2"));
}

TEST(TrackRating, StarsFromTheNameAndTheEntry)
{
    EXPECT_EQ(starsFor(QStringLiteral("Song - 4.mp3"), QStringLiteral("6")), (StarDisplay{4, 6}));
    EXPECT_EQ(starsFor(QStringLiteral("Song.mp3"), QString()), (StarDisplay{0, 0}));
    EXPECT_EQ(starsFor(QStringLiteral("Track-2.mp3"), QStringLiteral("3")), (StarDisplay{0, 3}));
    // Only the minus two places before the digit counts, not the blanks.
    EXPECT_EQ(starsFor(QStringLiteral("Song -3.mp3"), QString()), (StarDisplay{0, 0}));
    EXPECT_EQ(starsFor(QStringLiteral("Song-_3.mp3"), QString()), (StarDisplay{3, 0}));
    // A rating of 8 ends the display: grey songs, entry row untouched.
    EXPECT_EQ(starsFor(QStringLiteral("Take 5 - 8.mp3"), QStringLiteral("4")), (StarDisplay{0, std::nullopt}));

    EXPECT_EQ(entryStars(QStringLiteral("6.9")), 6);
    EXPECT_EQ(entryStars(QStringLiteral("7")), 0);
    EXPECT_EQ(entryStars(QStringLiteral("-1")), 0);
    EXPECT_EQ(entryStars(QStringLiteral("2.5 gut")), 2) << "halves round to even";
}

TEST(TrackRating, RenameNeverLosesAFile)
{
    TestEnvironment env;
    const QString folder = env.path(QStringLiteral("Musik/"));
    writeFile(folder + QStringLiteral("Best - 3.mp3"), "best");
    writeFile(folder + QStringLiteral("Best - 5.mp3"), "other");
    writeFile(folder + QStringLiteral("Song.mp3"), "song");

    RatingRename renamed = renameForRating(QStringLiteral("  ") + folder, QStringLiteral("Song.mp3 "), 4);
    EXPECT_EQ(renamed.status, RatingRename::Status::Renamed);
    EXPECT_EQ(renamed.newName, QStringLiteral("Song - 4.mp3"));
    EXPECT_EQ(readFile(folder + QStringLiteral("Song - 4.mp3")), "song");
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("Song.mp3")));

    renamed = renameForRating(folder, QStringLiteral("Best - 3.mp3"), 5);
    EXPECT_EQ(renamed.status, RatingRename::Status::TargetExists);
    EXPECT_EQ(renamed.newName, QStringLiteral("Best - 3.mp3"));
    EXPECT_EQ(readFile(folder + QStringLiteral("Best - 3.mp3")), "best");
    EXPECT_EQ(readFile(folder + QStringLiteral("Best - 5.mp3")), "other");

    EXPECT_EQ(renameForRating(folder, QStringLiteral("Best - 5.mp3"), 5).status, RatingRename::Status::Unchanged);
    EXPECT_EQ(renameForRating(folder, QStringLiteral("Gone.mp3"), 2).status, RatingRename::Status::Failed);

    if (::geteuid() != 0) { // root renames in read-only folders all the same
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        renamed = renameForRating(folder, QStringLiteral("Best - 3.mp3"), 2);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(renamed.status, RatingRename::Status::Failed);
        EXPECT_FALSE(renamed.ok());
        EXPECT_EQ(readFile(folder + QStringLiteral("Best - 3.mp3")), "best");
        EXPECT_FALSE(QFile::exists(folder + QStringLiteral("Best - 2.mp3")));
    }
    // A file system nobody may rename in, not even root.
    renamed = renameForRating(QStringLiteral("/proc/"), QStringLiteral("version"), 3);
    EXPECT_EQ(renamed.status, RatingRename::Status::Failed);
    EXPECT_EQ(renamed.newName, QStringLiteral("version"));
    EXPECT_TRUE(QFile::exists(QStringLiteral("/proc/version")));
}
