#include "lists/m3u.h"

#include "common/ansitext.h"

#include <QDir>
#include <QUrl>
#include <tuple>

namespace klangtruhe {

namespace {

bool isWindowsPath(const QString &line)
{
    return (line.size() >= 3 && line.at(0).isLetter() && line.at(1) == u':' && (line.at(2) == u'\\' || line.at(2) == u'/'))
        || line.startsWith(QLatin1String("\\\\"));
}

// "http://", "rtsp://", ...: a scheme of two or more characters before "://".
bool isAddress(const QString &line)
{
    const qsizetype end = line.indexOf(QLatin1String("://"));
    if (end < 2 || !line.at(0).isLetter())
        return false;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = line.at(i);
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'.' || c == u'-'))
            return false;
    }
    return true;
}

// "#EXTINF:123 tvg-id=\"x\",Band - Titel": length and text.
std::pair<int, QString> extinf(const QString &line)
{
    const QString rest = line.mid(8);
    const qsizetype comma = rest.indexOf(u',');
    const QString head = comma < 0 ? rest : rest.left(comma);
    bool ok = false;
    const int seconds = head.section(u' ', 0, 0).trimmed().toInt(&ok);
    return {ok && seconds >= 0 ? seconds : -1, comma < 0 ? QString() : rest.mid(comma + 1).trimmed()};
}

QString resolved(const QString &line, const QString &playlistFolder, const PathMap &pathMap)
{
    if (line.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString local = QUrl(line).toLocalFile();
        return isWindowsPath(local) ? mapStoredPath(pathMap, local) : QDir::cleanPath(local);
    }
    if (isWindowsPath(line))
        return mapStoredPath(pathMap, line);
    QString path = line;
#ifndef Q_OS_WIN
    path.replace(u'\\', u'/'); // written on Windows, relative
#endif
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(playlistFolder).absoluteFilePath(path));
}

} // namespace

bool isUtf8Playlist(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".m3u8"), Qt::CaseInsensitive);
}

M3uContents parseM3u(const QByteArray &bytes, bool utf8, const QString &playlistFolder, const PathMap &pathMap)
{
    const QString text = utf8 && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")
        ? QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes)
        : decodeListFile(bytes);
    M3uContents contents;
    int seconds = -1;
    QString title;
    for (const QString &raw : splitListLines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive)) {
            std::tie(seconds, title) = extinf(line);
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        if (isAddress(line) && !line.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            ++contents.skippedAddresses;
        } else {
            contents.entries.append({resolved(line, playlistFolder, pathMap), seconds, title});
        }
        seconds = -1;
        title.clear();
    }
    return contents;
}

bool writeM3u(const QList<M3uEntry> &entries, bool utf8, QByteArray &bytes)
{
    QString text = QStringLiteral("#EXTM3U\r\n");
    for (const M3uEntry &entry : entries) {
        text += QStringLiteral("#EXTINF:%1,%2\r\n").arg(entry.seconds < 0 ? -1 : entry.seconds).arg(entry.title);
        text += QDir::toNativeSeparators(entry.path) + QStringLiteral("\r\n");
    }
    if (utf8) {
        bytes = text.toUtf8();
        return true;
    }
    QByteArray ansi;
    if (!encodeAnsi(text, ansi))
        return false;
    bytes = ansi;
    return true;
}

QString m3uTitle(const QString &trackPath)
{
    QString path = trackPath;
    path.replace(u'\\', u'/');
    const QString folder = path.section(u'/', -2, -2);
    QString name = path.section(u'/', -1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    if (name.size() > 4 && name.at(name.size() - 1) >= u'0' && name.at(name.size() - 1) <= u'6'
        && name.endsWith(QStringLiteral(" - ") + name.at(name.size() - 1)))
        name.chop(4);
    const QString band = folder.section(QStringLiteral(" - "), 0, 0).trimmed();
    return band.isEmpty() ? name : band + QStringLiteral(" - ") + name;
}

} // namespace klangtruhe
