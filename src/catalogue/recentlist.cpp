#include "catalogue/recentlist.h"

#include <QDir>
#include <QFileInfo>

namespace klangtruhe {

namespace {

// The file itself, however it was spelled: links resolved where it exists,
// "." and ".." folded where it does not.
QString identityOf(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool sameCatalogueFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return a == b;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return a.compare(b, cs) == 0 || identityOf(a).compare(identityOf(b), cs) == 0;
}

RecentList OrdnerMenuPfad(RecentList entries, const QString &path)
{
    for (QString &slot : entries) {
        if (sameCatalogueFile(slot, path))
            slot.clear();
    }
    // One forward sweep: a run of several empty entries closes only partly.
    for (int i = 0; i <= 8; ++i) {
        if (entries[i].isEmpty() && !entries[i + 1].isEmpty()) {
            for (int j = i; j <= 8; ++j)
                entries[j] = entries[j + 1];
        }
    }
    for (int i = 9; i >= 1; --i)
        entries[i] = entries[i - 1];
    entries[0] = path;
    return entries;
}

} // namespace klangtruhe
