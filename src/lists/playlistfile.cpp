#include "lists/playlistfile.h"

#include "common/ansitext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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
    // The mark was taken off already: a U+FEFF after it belongs to the text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// UTF-16 without byte order mark is taken only when it is plain to see: the
// high byte of nearly every character is zero and no low byte is.
bool looksLikeUtf16LE(const QByteArray &bytes)
{
    if (bytes.size() < 4 || bytes.size() % 2 != 0)
        return false;
    qsizetype zeroHigh = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        if (bytes.at(i) == '\0')
            return false;
        if (bytes.at(i + 1) == '\0')
            ++zeroHigh;
    }
    return zeroHigh * 4 >= bytes.size() / 2 * 3;
}

bool hasEightBitBytes(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

QString firstLineBreak(const QString &text)
{
    const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (at < 0)
        return QStringLiteral("\r\n");
    if (text.at(at) == QLatin1Char('\n'))
        return QStringLiteral("\n");
    return text.mid(at + 1, 1) == QLatin1String("\n") ? QStringLiteral("\r\n") : QStringLiteral("\r");
}

QString joinedLines(const QStringList &lines, const QString &lineBreak)
{
    QString text;
    for (const QString &line : lines)
        text += line + lineBreak;
    return text;
}

// The file's lines, each with the break that ends it ("" for a last line without one).
QList<QPair<QString, QString>> linesWithBreaks(const QString &text)
{
    QList<QPair<QString, QString>> lines;
    static const QRegularExpression lineWithBreak(QStringLiteral("([^\r\n]*)(\r\n|\r|\n|$)"));
    for (auto it = lineWithBreak.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(0) == 0)
            break;
        lines.append({match.captured(1), match.captured(2)});
    }
    return lines;
}

// The old text with only the lines taken out that the new items no longer
// hold, when the items are the loaded lines with some removed; so empty and
// repeated lines, mixed breaks and a missing last break stay as they were.
// nullopt when the items differ in another way.
std::optional<QString> withLinesRemoved(const QString &oldText, const QStringList &newLines)
{
    QString text;
    QString previousAccepted;
    bool anyAccepted = false;
    bool previousRemoved = false;
    qsizetype next = 0;
    for (const auto &[line, lineBreak] : linesWithBreaks(oldText)) {
        const bool repeated = anyAccepted && line == previousAccepted;
        if (!line.isEmpty() && !repeated) {
            previousAccepted = line;
            anyAccepted = true;
            previousRemoved = next >= newLines.size() || newLines.at(next) != line;
            if (previousRemoved)
                continue;
            ++next;
        } else if (repeated && previousRemoved) {
            continue; // a repetition the load skipped goes with its line
        }
        text += line + lineBreak;
    }
    if (next != newLines.size() || acceptedPlaylistLines(splitListLines(text)) != newLines)
        return std::nullopt;
    return text;
}

FileError notFaithful(const QString &path)
{
    return {kNotText, QStringLiteral("Die Playlist %1 enthält Zeichen, die nicht sicher gelesen werden konnten. "
                                     "Damit nichts verloren geht, wurde sie nicht verändert.")
                          .arg(QDir::toNativeSeparators(path))};
}

QString firstUnwritable(const QStringList &lines, ListEncoding encoding)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        if (!encodePlaylistText(line, encoding, bytes))
            return line;
    }
    return lines.join(QLatin1Char(' '));
}

// The file as it stands; a missing file is an empty Windows-1252 playlist.
std::optional<QByteArray> fileBytes(const QString &path, FileError *error)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {kFileAccess, QStringLiteral("Fehler beim Zugriff auf %1 (%2)")
                                       .arg(QDir::toNativeSeparators(path), fileErrorReason(file))};
        return std::nullopt;
    }
    return file.readAll();
}


FileError notAPlaylist(const QString &path)
{
    return {kNotText, QStringLiteral("Die Datei %1 ist keine Playlist (keine Textdatei mit einem Dateipfad pro "
                                     "Zeile). Sie wurde nicht geladen und nicht verändert.")
                          .arg(QDir::toNativeSeparators(path))};
}

// The playlist as it stands, ready to be changed; nullopt (error set) when it
// must not be.
std::optional<PlaylistText> changeablePlaylist(const QString &path, FileError *error)
{
    const std::optional<QByteArray> bytes = fileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    if (!decodePlaylistBytes(*bytes)) {
        if (error)
            *error = notAPlaylist(path);
        return std::nullopt;
    }
    PlaylistText text = decodePlaylistText(*bytes);
    if (!text.faithful) {
        if (error)
            *error = notFaithful(path);
        return std::nullopt;
    }
    return text;
}


// The file's lines as they stand, empty ones included.
std::optional<QStringList> rawLines(const QString &path, FileError *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {kFileAccess, QStringLiteral("Fehler beim Zugriff auf %1 (%2)")
                                       .arg(QDir::toNativeSeparators(path), fileErrorReason(file))};
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

PlaylistText decodePlaylistText(const QByteArray &bytes)
{
    PlaylistText result;
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        result.encoding = ListEncoding::Utf8WithMark;
        text = decodeStrictly(bytes.mid(3), QStringDecoder::Utf8);
    } else if (bytes.startsWith("\xFF\xFE")) {
        result.encoding = ListEncoding::Utf16LEWithMark;
        text = decodeStrictly(bytes.mid(2), QStringDecoder::Utf16LE);
    } else if (bytes.startsWith("\xFE\xFF")) {
        result.encoding = ListEncoding::Utf16BEWithMark;
        text = decodeStrictly(bytes.mid(2), QStringDecoder::Utf16BE);
    } else if (looksLikeUtf16LE(bytes)) {
        result.encoding = ListEncoding::Utf16LE;
        text = decodeStrictly(bytes, QStringDecoder::Utf16LE);
    } else if (hasEightBitBytes(bytes)) {
        // Windows-1252 text with umlauts is almost never valid UTF-8; a file
        // that is valid UTF-8 was written that way by another editor.
        text = decodeStrictly(bytes, QStringDecoder::Utf8);
        if (text)
            result.encoding = ListEncoding::Utf8;
    }
    if (!text) {
        // A mark or a pattern that promised more than the bytes keep: read
        // the bytes as the default code page, and never write them back.
        result.encoding = ListEncoding::Ansi;
        text = decodeListFile(bytes);
    }
    result.text = *text;
    result.lineBreak = firstLineBreak(result.text);
    QByteArray again;
    result.faithful = encodePlaylistText(result.text, result.encoding, again) && again == bytes;
    return result;
}

bool encodePlaylistText(const QString &text, ListEncoding encoding, QByteArray &bytes)
{
    const auto encoded = [&](QStringEncoder::Encoding to, const char *mark) {
        QStringEncoder encoder(to, QStringEncoder::Flag::Stateless);
        bytes = QByteArray(mark) + QByteArray(encoder.encode(text));
        return !encoder.hasError();
    };
    switch (encoding) {
    case ListEncoding::Ansi:
        return encodeAnsi(text, bytes);
    case ListEncoding::Utf8:
        return encoded(QStringEncoder::Utf8, "");
    case ListEncoding::Utf8WithMark:
        return encoded(QStringEncoder::Utf8, "\xEF\xBB\xBF");
    case ListEncoding::Utf16LE:
        return encoded(QStringEncoder::Utf16LE, "");
    case ListEncoding::Utf16LEWithMark:
        return encoded(QStringEncoder::Utf16LE, "\xFF\xFE");
    case ListEncoding::Utf16BEWithMark:
        return encoded(QStringEncoder::Utf16BE, "\xFE\xFF");
    }
    return false;
}

std::optional<QString> decodePlaylistBytes(const QByteArray &bytes)
{
    // A stray NUL is damage in a text; many of them make a binary file.
    const qsizetype nuls = bytes.count('\0');
    const PlaylistText text = decodePlaylistText(bytes);
    if (text.encoding == ListEncoding::Ansi && nuls > std::max<qsizetype>(1, bytes.size() / 100))
        return std::nullopt;
    return text.text;
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

QStringList playlistLines(const QList<PlaylistItem> &items)
{
    QStringList lines;
    for (const PlaylistItem &item : items)
        lines << item.fullPath();
    return lines;
}

bool writePlaylistFile(const QString &path, const QList<PlaylistItem> &items, FileError *error)
{
    std::optional<PlaylistText> old = changeablePlaylist(path, error);
    if (!old)
        return false;
    const QStringList lines = playlistLines(items);
    const QString text = withLinesRemoved(old->text, lines).value_or(joinedLines(lines, old->lineBreak));
    QByteArray bytes;
    if (!encodePlaylistText(text, old->encoding, bytes)) {
        if (error)
            *error = unwritableEntry(firstUnwritable(lines, old->encoding));
        return false;
    }
    return replaceListFileBytes(path, bytes, error);
}

bool appendPlaylistLines(const QString &path, const QStringList &lines, FileError *error)
{
    std::optional<PlaylistText> old = changeablePlaylist(path, error);
    if (!old)
        return false;
    QString added = joinedLines(lines, old->lineBreak);
    if (!old->text.isEmpty() && !old->text.endsWith(QLatin1Char('\n')) && !old->text.endsWith(QLatin1Char('\r')))
        added.prepend(old->lineBreak);
    // Faithful text encodes back to the old bytes, so these are the old bytes
    // followed by the new lines.
    QByteArray whole;
    if (!encodePlaylistText(old->text + added, old->encoding, whole)) {
        if (error)
            *error = unwritableEntry(firstUnwritable(lines, old->encoding));
        return false;
    }
    return replaceListFileBytes(path, whole, error);
}

QStringList renameInPlaylists(const QString &folder, const QString &oldPath, const QString &newPath)
{
    QStringList changed;
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : files) {
        const QString path = dir.filePath(name);
        std::optional<PlaylistText> old = changeablePlaylist(path, nullptr);
        if (!old || !old->text.contains(oldPath))
            continue;
        // Each line keeps its own break, so nothing but the path changes.
        QString text;
        bool touched = false;
        for (const auto &[line, lineBreak] : linesWithBreaks(old->text)) {
            const bool same = line == oldPath;
            touched = touched || same;
            text += (same ? newPath : line) + lineBreak;
        }
        QByteArray bytes;
        if (touched && encodePlaylistText(text, old->encoding, bytes) && replaceListFileBytes(path, bytes, nullptr))
            changed << path;
    }
    return changed;
}

} // namespace klangtruhe
