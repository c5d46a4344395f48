#include "catalogue/pathparts.h"

#include <QDir>

namespace klangtruhe {

namespace {
int lastSeparator(const QString &path)
{
    return static_cast<int>(std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/'))));
}
} // namespace

QString FileNamePart(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString FolderPart(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QDir::separator();
}

} // namespace klangtruhe
