#include "catalogue/pathmap.h"

#include <QDir>

namespace klangtruhe {
namespace {

bool isSlash(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// Length of the stored path that the prefix covers, or -1.
qsizetype matchLength(const QString &prefix, const QString &stored)
{
    if (prefix.isEmpty() || prefix.size() > stored.size())
        return -1;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const QChar a = prefix.at(i), b = stored.at(i);
        if (!(isSlash(a) && isSlash(b)) && a.toCaseFolded() != b.toCaseFolded())
            return -1;
    }
    // "D:\Musik" is no prefix of "D:\Musik2\".
    if (!isSlash(prefix.back()) && prefix.size() < stored.size() && !isSlash(stored.at(prefix.size())))
        return -1;
    return prefix.size();
}

} // namespace

QString mapStoredPath(const PathMap &map, const QString &stored)
{
    qsizetype best = -1;
    const QString *local = nullptr;
    for (const auto &pair : map) {
        const qsizetype length = matchLength(pair.first, stored);
        if (length > best) {
            best = length;
            local = &pair.second;
        }
    }
    if (!local)
        return stored;
    QString rest = stored.mid(best);
    while (!rest.isEmpty() && isSlash(rest.front()))
        rest.remove(0, 1);
    QString folder = *local;
    const bool folderOnly = rest.isEmpty() && isSlash(stored.back());
    if (!folder.isEmpty() && !isSlash(folder.back()) && (!rest.isEmpty() || folderOnly))
        folder += QLatin1Char('/');
    QString result = folder + rest;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(result);
}

QString formatPathMap(const PathMap &map)
{
    QStringList parts;
    for (const auto &pair : map) {
        if (!pair.first.isEmpty())
            parts << pair.first << pair.second;
    }
    return parts.join(QLatin1Char('|'));
}

PathMap parsePathMap(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    PathMap map;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].trimmed().isEmpty())
            map.append({parts[i].trimmed(), parts[i + 1].trimmed()});
    }
    return map;
}

QStringList unmappedDriveRoots(const PathMap &map, const QStringList &roots)
{
    QStringList open;
    for (const QString &root : roots) {
        if (mapStoredPath(map, root) == root)
            open << root;
    }
    return open;
}

} // namespace klangtruhe
