#include "app/icons.h"

#include <QDir>
#include <QFileInfo>

// The resources live in the static library; registering them again is harmless.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace klangtruhe {

namespace {

QString iconPath(const QString &name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

} // namespace

QIcon klangtruheIcon(const QString &name)
{
    registerIconResources();
    const QString path = iconPath(name);
    if (name.isEmpty() || !QFileInfo::exists(path))
        return QIcon();
    return QIcon(path);
}

QStringList klangtruheIconNames()
{
    registerIconResources();
    QStringList names;
    const QStringList files = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        names << file.chopped(4);
    return names;
}

QString toolButtonIconName(int index)
{
    switch (index) {
    case 2: return QStringLiteral("aktualisieren");
    case 3: return QStringLiteral("suchen");
    case 5: return QStringLiteral("cdplayer");
    case 9: return QStringLiteral("beenden");
    case 10: return QStringLiteral("datenbank");
    case 11: return QStringLiteral("dvdplayer");
    case 12: return QStringLiteral("webcam");
    case 13: return QStringLiteral("songtext");
    case 14: return QStringLiteral("playlist");
    case 16: return QStringLiteral("spaltenbreite");
    case 17: return QStringLiteral("klangtruhe");
    case 18: return QStringLiteral("internet");
    case 19: return QStringLiteral("uebersetzen");
    case 20: return QStringLiteral("schreibhilfe");
    default: return QString();
    }
}

} // namespace klangtruhe
