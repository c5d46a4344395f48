#include "media/coverrules.h"

#include "app/mainwindowlayout.h"
#include "catalogue/pathparts.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <algorithm>

Q_LOGGING_CATEGORY(lcCovers, "klangtruhe.covers")

namespace klangtruhe {

QString coverFolder(const QString &databaseFolder)
{
    // Without a database there is no cover folder (and no relative one either).
    if (databaseFolder.isEmpty())
        return {};
    return databaseFolder + QStringLiteral("Bilder");
}

QString pathInFolder(const QString &folder, const QString &fileName)
{
    return withTrailingSeparator(folder) + fileName;
}

QString coverName(const QString &band, const QString &title)
{
    return band + QStringLiteral(" - ") + title;
}

QString withoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList coverListFor(const QStringList &files, const std::vector<std::pair<QString, QString>> &rows)
{
    // Counting the rows per name first keeps this linear for large tables;
    // a name that several rows carry still yields one item per row.
    QHash<QString, int> rowsPerName;
    for (const auto &[band, title] : rows)
        ++rowsPerName[coverName(band, title)];
    QStringList list;
    for (const QString &file : files) {
        const int count = rowsPerName.value(withoutExtension(file));
        for (int i = 0; i < count; ++i)
            list << file;
    }
    return list;
}

QStringList coverFolderFiles(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
}

int coverSlotsFor(double innerHeight, int covers)
{
    return std::min(coverSlotCount(innerHeight, covers), kCoverStripSlots - 1);
}

int coverStartDown(int start, int lastSlot, int covers)
{
    int next = start + lastSlot + 1;
    const int last = covers - 1;
    if (next + lastSlot > last)
        next = last - lastSlot;
    return next;
}

int coverStartUp(int start, int lastSlot)
{
    return std::max(0, start - lastSlot - 1);
}

int coverIndexForEntry(const QStringList &covers, const QString &band, const QString &title)
{
    const QString wantedBand = band.trimmed();
    const QString wantedTitle = title.trimmed();
    for (int i = 0; i < covers.size(); ++i) {
        const QString item = covers.at(i).trimmed();
        if (item.contains(wantedBand, Qt::CaseInsensitive) && item.contains(wantedTitle, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QStringList separatedMembers(const QString &text)
{
    QStringList parts = text.trimmed().split(kListSeparator);
    parts.removeLast(); // the text after the last sign is no member
    return parts;
}

QString lookupPath(const QString &member, bool fromDatabaseFolder, const QString &folder, const PathMap &map)
{
    if (!fromDatabaseFolder)
        return mapStoredPath(map, member);
    return folder.isEmpty() ? QString() : pathInFolder(folder, FileNamePart(member));
}

QStringList existingListedFiles(const QString &field, bool fromDatabaseFolder, const QString &folder,
                                const PathMap &map)
{
    QStringList found;
    for (const QString &member : separatedMembers(field)) {
        const QString candidate = lookupPath(member, fromDatabaseFolder, folder, map);
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            found << candidate;
    }
    return found;
}

QString externalCoverCaption(int count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" externes Cover") : QStringLiteral(" externe Cover"));
}

QRectF enlargedViewRect(const QRectF &picture, const QSizeF &inner)
{
    const double fits = std::min(picture.right(), inner.height() - picture.top());
    const double side = std::max(picture.width(), fits);
    return {picture.right() - side, picture.top(), side, side};
}

QImage loadPicture(const QString &path, const QSize &bound)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (bound.isValid() && size.isValid() && (size.width() > bound.width() || size.height() > bound.height()))
        reader.setScaledSize(size.scaled(bound, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        qCInfo(lcCovers) << "picture not loaded:" << path << reader.errorString();
        return {};
    }
    if (bound.isValid() && (image.width() > bound.width() || image.height() > bound.height()))
        image = image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace klangtruhe
