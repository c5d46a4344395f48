#include "lists/listfiles.h"
#include "lists/playlistfile.h"
#include "reliability/germanmessages.h"
#include "support/tempfolders.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

enum class Bytes { Ansi, Utf8, Utf8Mark, Utf16Mark };

QByteArray encoded(const QString &text, Bytes as)
{
    switch (as) {
    case Bytes::Ansi:
        return text.toLatin1(); // the cases keep to the letters Latin-1 and Windows-1252 share
    case Bytes::Utf8:
        return text.toUtf8();
    case Bytes::Utf8Mark:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Bytes::Utf16Mark: {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE") + QByteArray(encoder.encode(text));
    }
    }
    return {};
}

struct ListCase {
    const char *name;
    QString text;              // the file as written by someone else
    Bytes as;
    QStringList items;         // what a load shows
    int removed;               // the item a remove takes out
    QString afterRemove;       // the file's text after that remove
};

} // namespace

// Files from other editors and systems load as their lines, and a change
// afterwards touches exactly the line it is about: every other byte stays.
TEST(MalformedLists, PlaylistsOfEveryKindLoadAndChangeOnlyTheLineConcerned)
{
    const QString longLine = QStringLiteral("D:\\Musik\\") + QString(1024 * 1024, QLatin1Char('x')) + QStringLiteral(".mp3");
    const QString unc = QStringLiteral("\\\\server\\Musik\\Abba\\Gold\\Waterloo.mp3");
    const QList<ListCase> cases = {
        {"Windows-1252", QStringLiteral("D:\\Musik\\Ärzte\\Lied.mp3\r\nD:\\Musik\\Abba\\Sos.mp3\r\n"), Bytes::Ansi,
         {QStringLiteral("D:\\Musik\\Ärzte\\Lied.mp3"), QStringLiteral("D:\\Musik\\Abba\\Sos.mp3")}, 0,
         QStringLiteral("D:\\Musik\\Abba\\Sos.mp3\r\n")},
        {"UTF-8 ohne BOM", QStringLiteral("/home/anna/Musik/Björk/Joga.mp3\n/home/anna/Musik/€uro.mp3\n"), Bytes::Utf8,
         {QStringLiteral("/home/anna/Musik/Björk/Joga.mp3"), QStringLiteral("/home/anna/Musik/€uro.mp3")}, 1,
         QStringLiteral("/home/anna/Musik/Björk/Joga.mp3\n")},
        {"UTF-8 mit BOM", QStringLiteral("C:\\Ä\\b.mp3\r\nC:\\Ö\\c.mp3\r\n"), Bytes::Utf8Mark,
         {QStringLiteral("C:\\Ä\\b.mp3"), QStringLiteral("C:\\Ö\\c.mp3")}, 0, QStringLiteral("C:\\Ö\\c.mp3\r\n")},
        {"UTF-16 mit BOM", QStringLiteral("C:\\日本\\曲.mp3\r\nC:\\a\\b.mp3\r\n"), Bytes::Utf16Mark,
         {QStringLiteral("C:\\日本\\曲.mp3"), QStringLiteral("C:\\a\\b.mp3")}, 0, QStringLiteral("C:\\a\\b.mp3\r\n")},
        {"NUL-Byte", QStringLiteral("C:\\a\\b") + QChar(0) + QStringLiteral(".mp3\r\nC:\\a\\c.mp3\r\n"), Bytes::Ansi,
         {QStringLiteral("C:\\a\\b") + QChar(0) + QStringLiteral(".mp3"), QStringLiteral("C:\\a\\c.mp3")}, 1,
         QStringLiteral("C:\\a\\b") + QChar(0) + QStringLiteral(".mp3\r\n")},
        {"1-MB-Zeile", longLine + QStringLiteral("\r\nC:\\a\\c.mp3\r\n"), Bytes::Ansi,
         {longLine, QStringLiteral("C:\\a\\c.mp3")}, 1, longLine + QStringLiteral("\r\n")},
        {"nur CR", QStringLiteral("C:\\a\\1.mp3\rC:\\a\\2.mp3\rC:\\a\\3.mp3\r"), Bytes::Ansi,
         {QStringLiteral("C:\\a\\1.mp3"), QStringLiteral("C:\\a\\2.mp3"), QStringLiteral("C:\\a\\3.mp3")}, 1,
         QStringLiteral("C:\\a\\1.mp3\rC:\\a\\3.mp3\r")},
        {"gemischte Umbrüche, leere und doppelte Zeilen, kein letzter Umbruch",
         QStringLiteral("C:\\a\\1.mp3\n\r\nC:\\a\\2.mp3\rC:\\a\\2.mp3\r\n\nC:\\a\\3.mp3\r\n") + unc, Bytes::Ansi,
         {QStringLiteral("C:\\a\\1.mp3"), QStringLiteral("C:\\a\\2.mp3"), QStringLiteral("C:\\a\\3.mp3"), unc}, 1,
         QStringLiteral("C:\\a\\1.mp3\n\r\n\nC:\\a\\3.mp3\r\n") + unc},
        {"leer", QString(), Bytes::Ansi, {}, -1, QString()},
    };
    TestEnvironment env;
    for (const ListCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = env.path(QStringLiteral("Playlist.txt"));
        const QByteArray original = encoded(c.text, c.as);
        writeFile(path, original);

        FileError error;
        const auto items = readPlaylistFile(path, &error);
        ASSERT_TRUE(items.has_value()) << error.description.toStdString();
        EXPECT_EQ(playlistLines(*items), c.items);

        // Adding puts the new line after the old bytes, in the file's own way of writing.
        const QString added = QStringLiteral("E:\\Neu\\Müller\\Lied.mp3");
        ASSERT_TRUE(appendPlaylistLines(path, {added}, &error)) << error.description.toStdString();
        // The file's first line break is its way; CR LF for a file without any.
        const qsizetype at = c.text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        const QString lineBreak = at < 0 ? QStringLiteral("\r\n")
                                  : c.text.mid(at, 2) == QLatin1String("\r\n") ? QStringLiteral("\r\n")
                                                                                : c.text.mid(at, 1);
        const bool endsOpen = !c.text.isEmpty() && !c.text.endsWith(QLatin1Char('\n')) && !c.text.endsWith(QLatin1Char('\r'));
        const QString withAdded = c.text + (endsOpen ? lineBreak : QString()) + added + lineBreak;
        EXPECT_EQ(readFile(path), encoded(withAdded, c.as)) << "adding changed other bytes";

        if (c.removed < 0)
            continue;
        // Removing one of the loaded items (the added one goes too) gives the file back without that line.
        writeFile(path, original);
        QList<PlaylistItem> remaining = *items;
        remaining.removeAt(c.removed);
        ASSERT_TRUE(writePlaylistFile(path, remaining, &error)) << error.description.toStdString();
        EXPECT_EQ(readFile(path), encoded(c.afterRemove, c.as)) << "removing changed other bytes";
    }
}

// Bytes that cannot be read back exactly are shown as far as they go, but never rewritten.
TEST(MalformedLists, UnreadableBytesAreShownButTheFileIsNeverChanged)
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Playlist.txt"));
    const QList<QByteArray> files = {
        QByteArray("\xFF\xFE") + QByteArray("C\0:\0\\\0a", 7),        // UTF-16 cut in a character
        QByteArray("\xEF\xBB\xBF") + QByteArray("C:\\\xC3(\r\n"),    // a mark, then no UTF-8
        QByteArray(4096, '\0'),                                        // zeroed by a crash: no text at all
    };
    for (const QByteArray &bytes : files) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        writeFile(path, bytes);
        FileError error;
        readPlaylistFile(path, &error);
        EXPECT_FALSE(soundsEnglish(error.description)) << error.description.toStdString();
        EXPECT_FALSE(appendPlaylistLines(path, {QStringLiteral("C:\\x.mp3")}, &error));
        EXPECT_FALSE(writePlaylistFile(path, {}, &error));
        EXPECT_FALSE(error.description.isEmpty());
        EXPECT_FALSE(soundsEnglish(error.description)) << error.description.toStdString();
        EXPECT_EQ(readFile(path), bytes);
    }
}

// The ini lists (exclusions, styles) read as the playlists do; their empty lines count.
TEST(MalformedLists, IniListsReadEveryEncodingAndEveryLine)
{
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("Ausschlussliste.ini"));
    writeFile(path, encoded(QStringLiteral("Rock\r\n\r\nVolksmusik – Schlager\rJazz"), Bytes::Utf16Mark));
    EXPECT_EQ(readListFile(path).value_or(QStringList()), (QStringList{"Rock", "", "Volksmusik – Schlager", "Jazz"}));
}
