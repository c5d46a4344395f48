#include "lists/playlistfile.h"

#include "common/ansitext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace klangtruhe {

namespace {
constexpr int kFileAccess = 75;
constexpr int kNotText = 13; // "type mismatch", as the old reports numbered a foreign file

int lastSeparator(const QString &text)
{
    return static_cast<int>(std::max(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/'))));
}

std::optional<QString> decodeStrictly(const QByteArray &bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// UTF-16 without byte order mark: every other byte of ASCII text is zero.
std::optional<QString> decodeUtf16WithoutMark(const QByteArray &bytes)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    int zeroEven = 0, zeroOdd = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\0')
            ++(i % 2 == 0 ? zeroEven : zeroOdd);
    }
    std::optional<QString> text;
    if (zeroEven == 0 && zeroOdd > 0)
        text = decodeStrictly(bytes, QStringDecoder::Utf16LE);
    else if (zeroOdd == 0 && zeroEven > 0)
        text = decodeStrictly(bytes, QStringDecoder::Utf16BE);
    if (text && text->contains(QChar(0)))
        return std::nullopt;
    return text;
}

bool hasByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool hasEightBitBytes(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

FileError notAPlaylist(const QString &path)
{
    return {kNotText, QStringLiteral("Die Datei %1 ist keine Playlist (keine Textdatei mit einem Dateipfad pro "
                                     "Zeile). Sie wurde nicht geladen und nicht verändert.")
                          .arg(QDir::toNativeSeparators(path))};
}

// The file's lines as they stand, empty ones included.
std::optional<QStringList> rawLines(const QString &path, FileError *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {kFileAccess, QStringLiteral("Fehler beim Zugriff auf %1 (%2)")
                                       .arg(QDir::toNativeSeparators(path), file.errorString())};
        return std::nullopt;
    }
    const std::optional<QString> text = decodePlaylistBytes(file.readAll());
    if (!text) {
        if (error)
            *error = notAPlaylist(path);
        return std::nullopt;
    }
    return splitListLines(*text);
}
} // namespace

PlaylistItem splitPlaylistLine(const QString &line)
{
    const int last = lastSeparator(line);
    PlaylistItem item;
    item.name = line.mid(last + 1);
    if (last < 0)
        return item;
    const QString folder = line.left(last + 1);
    const int above = lastSeparator(folder.left(folder.size() - 1));
    item.pfad = folder.left(above + 1);
    item.bandUndCd = folder.mid(above + 1);
    return item;
}

QStringList acceptedPlaylistLines(const QStringList &lines)
{
    QStringList accepted;
    for (const QString &line : lines) {
        if (line.isEmpty() || (!accepted.isEmpty() && accepted.constLast() == line))
            continue;
        accepted << line;
    }
    return accepted;
}

std::optional<QString> decodePlaylistBytes(const QByteArray &bytes)
{
    if (hasByteOrderMark(bytes))
        return decodeListFile(bytes);
    if (bytes.contains('\0'))
        return decodeUtf16WithoutMark(bytes);
    // Windows-1252 text with umlauts is almost never valid UTF-8; a file that
    // is valid UTF-8 was written that way by another editor.
    if (hasEightBitBytes(bytes)) {
        if (std::optional<QString> utf8 = decodeStrictly(bytes, QStringDecoder::Utf8))
            return utf8;
    }
    return decodeListFile(bytes);
}

std::optional<QList<PlaylistItem>> readPlaylistFile(const QString &path, FileError *error)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const std::optional<QStringList> lines = rawLines(path, error);
    if (!lines)
        return std::nullopt;
    QList<PlaylistItem> items;
    for (const QString &line : acceptedPlaylistLines(*lines))
        items << splitPlaylistLine(line);
    return items;
}

bool writePlaylistFile(const QString &path, const QList<PlaylistItem> &items, FileError *error)
{
    QStringList lines;
    for (const PlaylistItem &item : items)
        lines << item.fullPath();
    return writeListFile(path, lines, error);
}

bool appendPlaylistLines(const QString &path, const QStringList &lines, FileError *error)
{
    // Rewriting old and new lines together keeps the file whole and in one encoding.
    QStringList all;
    if (QFileInfo(path).isFile()) {
        const std::optional<QStringList> old = rawLines(path, error);
        if (!old)
            return false;
        all = *old;
    }
    return writeListFile(path, all + lines, error);
}

} // namespace klangtruhe
