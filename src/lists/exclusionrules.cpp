#include "lists/exclusionrules.h"

#include <QFileInfo>
#include <QSet>

namespace klangtruhe {

ExclusionMode exclusionMode(const QString &setting)
{
    if (setting == QLatin1String("Abspielen"))
        return ExclusionMode::Abspielen;
    if (setting == QLatin1String("CD-Erstellen"))
        return ExclusionMode::CDErstellen;
    return ExclusionMode::None;
}

QString exclusionFileName(bool bands, ExclusionMode mode)
{
    switch (mode) {
    case ExclusionMode::Abspielen:
        return bands ? QStringLiteral("BandAusschlussAbspielliste.ini") : QStringLiteral("AusschlussAbspielliste.ini");
    case ExclusionMode::CDErstellen:
        return bands ? QStringLiteral("BandAusschlussliste.ini") : QStringLiteral("Ausschlussliste.ini");
    case ExclusionMode::None:
        break;
    }
    return QString();
}

QString styleListFile(const QString &databaseFolder, const QString &programFolder)
{
    const QString name = QStringLiteral("Stilrichtung.ini");
    if (!databaseFolder.isEmpty() && QFileInfo::exists(databaseFolder + name))
        return databaseFolder + name;
    if (!programFolder.isEmpty() && QFileInfo::exists(programFolder + name))
        return programFolder + name;
    return (databaseFolder.isEmpty() ? programFolder : databaseFolder) + name;
}

bool containsAnyOf(const QString &cell, const QStringList &items)
{
    for (const QString &item : items) {
        if (cell.contains(item, Qt::CaseSensitive))
            return true;
    }
    return false;
}

bool isExcluded(const QString &styleCell, const QString &bandCell, const QStringList &styles,
                const QStringList &bands)
{
    return containsAnyOf(styleCell, styles) || containsAnyOf(bandCell, bands);
}

QStringList bandsOfTable(const QString &header, const QStringList &column)
{
    QStringList bands;
    QString previous = header;
    for (const QString &band : column) {
        if (band != previous)
            bands << band;
        previous = band;
    }
    return bands;
}

QList<bool> tickedBy(const QStringList &items, const QStringList &lines)
{
    const QSet<QString> wanted(lines.begin(), lines.end());
    QList<bool> ticks;
    ticks.reserve(items.size());
    for (const QString &item : items)
        ticks << wanted.contains(item);
    return ticks;
}

} // namespace klangtruhe
