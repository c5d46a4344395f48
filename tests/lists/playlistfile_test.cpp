#include "lists/m3u.h"
#include "lists/playlistfile.h"
#include "lists/playlistrules.h"
#include "support/tempfolders.h"

#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(PlaylistFile, LinesSplitIntoThreeColumnsThatJoinBackUnchanged)
{
    EXPECT_EQ(splitPlaylistLine(QStringLiteral("D:\\Musik\\Can - Tago Mago\\01 - Paperhouse.mp3")),
              (PlaylistItem{"01 - Paperhouse.mp3", "Can - Tago Mago\\", "D:\\Musik\\"}));
    EXPECT_EQ(splitPlaylistLine(QStringLiteral("/home/a/Musik/Neu!/Hallogallo.wav")),
              (PlaylistItem{"Hallogallo.wav", "Neu!/", "/home/a/Musik/"}));

    // Damaged lines keep their text, so saving never loses them.
    for (const char *line : {"ohne Trenner.mp3", "\\x.mp3", "C:\\x.mp3", "a\\", "\\\\server\\share\\x.mp3"}) {
        const QString text = QString::fromUtf8(line);
        EXPECT_EQ(splitPlaylistLine(text).fullPath(), text) << line;
    }
    EXPECT_EQ(splitPlaylistLine(QStringLiteral("ohne Trenner.mp3")).bandUndCd, QString());

    EXPECT_EQ(acceptedPlaylistLines({"a", "a", "", "b", "a", "", "", "a"}), (QStringList{"a", "b", "a"}));
}

TEST(PlaylistFile, RoundTripInWindows1252WithCrLfAndForeignEncodingsRead)
{
    // A line of its own beginning with U+FEFF, first in a marked file: the mark goes, the character stays.
    for (const ListEncoding encoding : {ListEncoding::Utf8WithMark, ListEncoding::Utf16LEWithMark, ListEncoding::Utf16BEWithMark}) {
        QByteArray bytes;
        ASSERT_TRUE(encodePlaylistText(QStringLiteral("\uFEFFa.mp3\r\n"), encoding, bytes));
        EXPECT_EQ(decodePlaylistText(bytes).text, QStringLiteral("\uFEFFa.mp3\r\n")) << int(encoding);
    }
    TestEnvironment env;
    const QString path = env.path("Playlist/Beste.txt");
    writeFile(path, QByteArray());
    const QList<PlaylistItem> items{splitPlaylistLine(QStringLiteral("C:\\Musik\\Die Ärzte - Jazz\\Männer – süß.mp3")),
                                    splitPlaylistLine(QStringLiteral("/m/Can/Vitamin C - 5.mp3"))};
    ASSERT_TRUE(writePlaylistFile(path, items));
    EXPECT_EQ(readFile(path), QByteArray("C:\\Musik\\Die \xc4rzte - Jazz\\M\xe4nner \x96 s\xfc\xdf.mp3\r\n"
                                         "/m/Can/Vitamin C - 5.mp3\r\n"));
    EXPECT_EQ(*readPlaylistFile(path), items);

    // UTF-16 from another editor reads without a byte order mark too.
    writeFile(env.path("utf16.txt"), QByteArray("/\0m\0/\0\xe4\0.\0w\0a\0v\0\r\0\n\0", 20));
    EXPECT_EQ(readPlaylistFile(env.path("utf16.txt"))->value(0).fullPath(), QStringLiteral("/m/ä.wav"));

    // A stray NUL in a file of even length does not make it UTF-16.
    writeFile(path, QByteArray("/m/a\0b.mp3\r\n", 12));
    ASSERT_TRUE(appendPlaylistLines(path, {QStringLiteral("/m/ä.mp3")}));
    EXPECT_EQ(readFile(path), QByteArray("/m/a\0b.mp3\r\n/m/\xe4.mp3\r\n", 22));
}

TEST(PlaylistFile, WritesAreWholeOrNotAtAll)
{
    TestEnvironment env;
    const QString path = env.path("Playlist/a.txt");
    writeFile(path, QByteArray("/m/alt.mp3\r\n"));
    FileError error;
    EXPECT_FALSE(appendPlaylistLines(path, {"/m/ok.mp3", QStringLiteral("/m/Ωmega.mp3")}, &error));
    EXPECT_NE(error.number, 0);
    EXPECT_EQ(readFile(path), QByteArray("/m/alt.mp3\r\n"));
    EXPECT_FALSE(writePlaylistFile(env.path("fehlt/a.txt"), {splitPlaylistLine("/m/x.mp3")}, &error));
    EXPECT_EQ(error.number, 76);
    EXPECT_TRUE(error.description.startsWith(QStringLiteral("Pfad nicht gefunden")));
}

TEST(PlaylistRules, NamesHeaderAndTitleSearch)
{
    EXPECT_EQ(playlistFileName(QStringLiteral("Best")), QStringLiteral("Best.txt"));
    EXPECT_EQ(playlistFileName(QStringLiteral("Best.txt")), QStringLiteral("Best.txt"));
    EXPECT_EQ(playlistFileName(QStringLiteral("Best.TXT")), QStringLiteral("Best.TXT.txt"));
    EXPECT_EQ(forbiddenNameCharacters(QStringLiteral("Rock & Pop – Ärzte")), QString());
    EXPECT_EQ(forbiddenNameCharacters(QStringLiteral("AC/DC: Best?/x")), QStringLiteral("/:?"));

    EXPECT_EQ(playlistHeader(QStringLiteral("Beste.txt"), 3), QStringLiteral("Playlist - Beste (3)"));
    EXPECT_EQ(playlistHeader(QStringLiteral("Liste.m3u8"), 0), QStringLiteral("Playlist - Liste. (0)"));

    EXPECT_EQ(itemsKept({false, true, true, false}), (QList<int>{1, 4}));
    EXPECT_EQ(itemOnFocus(2, 3), 3);
    EXPECT_EQ(playedMarksFor(2), (QList<int>{0, 0, 0}));
}

TEST(M3u, ReadsWhatOtherPlayersWriteAndWritesWhatTheyRead)
{
    const PathMap map = {{QStringLiteral("D:\\Musik\\"), QStringLiteral("/home/anna/Musik/")}};
    struct Case {
        const char *name;
        QByteArray bytes;
        bool utf8;
        QList<M3uEntry> expected;
        int skipped;
    };
    const QList<Case> cases = {
        {"extended, absolute, CR LF",
         "#EXTM3U\r\n#EXTINF:215,Abba - Waterloo\r\n/m/Abba - Waterloo/01 Waterloo.mp3\r\n\r\n/m/x.ogg\r\n", true,
         {{"/m/Abba - Waterloo/01 Waterloo.mp3", 215, "Abba - Waterloo"}, {"/m/x.ogg", -1, ""}}, 0},
        {"relative with either slash, LF, a byte order mark", "\xEF\xBB\xBF" "Sub\\Ärzte.flac\n../b.mp3\n", true,
         {{"/pl/Sub/Ärzte.flac", -1, ""}, {"/b.mp3", -1, ""}}, 0},
        {"Windows-1252 .m3u with a mapped drive and a UNC path", "#EXTINF:-1 tvg-id=\"7\",M\xFCller\r\nD:\\Musik\\M\xFCller\\a.mp3\r\n\\\\nas\\x.mp3\r\n",
         false, {{"/home/anna/Musik/M\u00fcller/a.mp3", -1, "M\u00fcller"}, {"\\\\nas\\x.mp3", -1, ""}}, 0},
        {"addresses skipped with their #EXTINF, file URLs kept", "#EXTINF:0,Radio\rhttp://radio.example/stream\rfile:///m/a%20b.mp3\r#comment\rrtsp://x/y\r",
         true, {{"/m/a b.mp3", -1, ""}}, 2},
    };
    for (const Case &c : cases) {
        const M3uContents read = parseM3u(c.bytes, c.utf8, QStringLiteral("/pl"), map);
        EXPECT_EQ(read.entries, c.expected) << c.name;
        EXPECT_EQ(read.skippedAddresses, c.skipped) << c.name;
    }

    // Our own files come back as written, in both encodings.
    const QList<M3uEntry> tracks = {{"/m/Die Ärzte - Debil/02 Paul - 4.mp3", 187, m3uTitle("/m/Die Ärzte - Debil/02 Paul - 4.mp3")},
                                    {"/m/Can/Halleluhwah.flac", -1, m3uTitle("C:\\m\\Can\\Halleluhwah.flac")}};
    EXPECT_EQ(tracks[0].title, QStringLiteral("Die Ärzte - 02 Paul"));
    EXPECT_EQ(tracks[1].title, QStringLiteral("Can - Halleluhwah"));
    for (bool utf8 : {true, false}) {
        QByteArray bytes;
        ASSERT_TRUE(writeM3u(tracks, utf8, bytes));
        EXPECT_EQ(bytes.contains("\xC3\x84rzte"), utf8);
        EXPECT_EQ(parseM3u(bytes, utf8, QStringLiteral("/"), {}).entries, tracks);
    }
    // What Windows-1252 cannot hold makes the .m3u fail whole.
    QByteArray untouched("old");
    EXPECT_FALSE(writeM3u({{"/m/\u4e2d.mp3", 1, "x"}}, false, untouched));
    EXPECT_EQ(untouched, QByteArray("old"));
}
