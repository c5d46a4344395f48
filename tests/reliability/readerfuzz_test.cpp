#include "catalogue/jetsql.h"
#include "lists/listfiles.h"
#include "lists/playlistfile.h"
#include "reliability/fuzzbudget.h"
#include "support/tempfolders.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>


using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

constexpr qint64 kSlowestMs = 200;

QList<QByteArray> bytePieces()
{
    return {"\r\n", "\r", "\n", QByteArray(1, '\0'), "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", "\xC3", "\xE4",
            "\x81", "\\\\", "/", "\xF0\x9F\x8E\xB5"};
}

} // namespace

// Any bytes load in time; a playlist the program may change keeps, after a
// remove, exactly the other items, and one it may not change stays as it is.
TEST(ReaderFuzz, PlaylistAndListFilesLoadInTimeAndRemovesKeepTheRest)
{
    const QByteArray seeds[] = {
        QByteArray("D:\\Musik\\Abba\\Gold\\Waterloo.mp3\r\nD:\\Musik\\\xc4rzte\\Lied.mp3\r\n\r\n\\\\server\\a\\b.ogg\r\n"),
        QByteArray("/home/anna/Musik/Bj\xc3\xb6rk/Joga.mp3\n/home/anna/a.mp3\n/home/anna/a.mp3\n"),
        QByteArray("\xFF\xFE" "C\0:\0\\\0a\0\r\0\n\0b\0\r\0\n\0", 18),
    };
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Playlist.txt"));
    std::mt19937 random(fuzzSeed(1234));
    const QList<QByteArray> pieces = bytePieces();
    const int inputs = fuzzCount(120);
    qint64 slowest = 0;
    int changeable = 0;
    for (int i = 0; i < inputs && !HasFatalFailure(); ++i) {
        const QByteArray bytes = mutated(seeds[i % std::size(seeds)], random, pieces, 5);
        writeFile(path, bytes);
        QElapsedTimer timer;
        timer.start();
        FileError error;
        const auto items = readPlaylistFile(path, &error);
        const auto lines = readListFile(path);
        slowest = std::max(slowest, timer.elapsed());
        ASSERT_TRUE(lines.has_value());
        if (!items)
            continue;
        QList<PlaylistItem> remaining = *items;
        if (!remaining.isEmpty())
            remaining.removeAt(below(random, remaining.size()));
        if (writePlaylistFile(path, remaining, &error)) {
            ++changeable;
            // Without the removed line the bytes may tell another encoding
            // (Windows-1252 "Ã¶" is UTF-8 "ö"): the bytes are kept, their reading differs.
            if (decodePlaylistText(readFile(path)).encoding != decodePlaylistText(bytes).encoding)
                continue;
            // Two equal lines that meet after the remove load as one, as every load takes them.
            ASSERT_EQ(playlistLines(readPlaylistFile(path).value_or(QList<PlaylistItem>())),
                      acceptedPlaylistLines(playlistLines(remaining)))
                << bytes.toHex().toStdString();
        } else {
            ASSERT_EQ(readFile(path), bytes) << "a refused change touched the file";
        }
    }
    reportFigure("list_inputs", inputs, "inputs");
    reportFigure("list_changeable", changeable, "inputs");
    reportFigure("list_slowest_read", slowest, "ms");
    EXPECT_LT(slowest, kSlowestMs);
}

// The Jet translation takes any text in time and changes nothing it need not.
TEST(ReaderFuzz, JetTranslationTakesAnyStatementInTime)
{
    static const char *const pieces[] = {"'", "''", "\"", "\"\"", " order by ", " ORDER BY Band DESC", ",", "(", ")",
                                         " asc", " desc", "[", "]", "*", "?", "--", "/*", ";", " like ", "Band"};
    const QString seed = QStringLiteral("select * from Schallplatten where Band like \"a*\" or Titel like 'x''y' order by Band, LPTitel");
    std::mt19937 random(fuzzSeed(99));
    const int inputs = fuzzCount(2000);
    qint64 slowest = 0;
    for (int i = 0; i < inputs; ++i) {
        QString statement = seed;
        const int steps = 1 + static_cast<int>(random() % 6);
        for (int s = 0; s < steps; ++s) {
            const qsizetype at = below(random, statement.size() + 1);
            if (random() % 3 == 0)
                statement.remove(at, below(random, 10));
            else
                statement.insert(at, QString::fromLatin1(pieces[below(random, std::size(pieces))]));
        }
        QElapsedTimer timer;
        timer.start();
        const QString translated = jetToSqlite(statement);
        slowest = std::max(slowest, timer.elapsed());
        // Only double-quoted literals and ORDER BY terms are rewritten; the rest is copied as it is.
        if (!statement.contains(QLatin1Char('"')) && !statement.contains(QLatin1String("order"), Qt::CaseInsensitive)) {
            EXPECT_EQ(translated, statement);
        }
    }
    const QString huge = QStringLiteral("select * from Schallplatten order by ") + QStringLiteral("Band, ").repeated(20000) + QStringLiteral("Band");
    QElapsedTimer timer;
    timer.start();
    jetToSqlite(huge);
    jetToSqlite(QStringLiteral("select '") + QString(200000, QLatin1Char('\'')));
    slowest = std::max(slowest, timer.elapsed() / 2);
    reportFigure("jetsql_inputs", inputs, "inputs");
    reportFigure("jetsql_slowest", slowest, "ms");
    EXPECT_LT(slowest, kSlowestMs);
}
