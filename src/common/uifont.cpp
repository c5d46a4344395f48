#include "common/uifont.h"

#include <QFontDatabase>

namespace klangtruhe {

namespace {

bool isWindowsFixedPitchFamily(const QString &family)
{
    for (const char *name : {"Courier New", "Courier", "Consolas", "Lucida Console", "Lucida Sans Typewriter",
                             "Fixedsys", "Terminal", "Cascadia Mono", "Cascadia Code"}) {
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString usableFontFamily(const QString &wanted, const QStringList &installed, const QString &uiFamily,
                         const QString &fixedFamily)
{
    const QString name = wanted.trimmed();
    for (const QString &family : installed) {
        if (!name.isEmpty() && family.compare(name, Qt::CaseInsensitive) == 0)
            return family;
    }
    return isWindowsFixedPitchFamily(name) ? fixedFamily : uiFamily;
}

QString usableFontFamily(const QString &wanted)
{
    return usableFontFamily(wanted, QFontDatabase::families(),
                            QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
                            QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
}

QFont uiFont(const QString &family, qreal pointSize)
{
    QFont font(usableFontFamily(family));
    font.setPointSizeF(pointSize);
    return font;
}

QFont dialogFont()
{
    return uiFont(QStringLiteral("Segoe UI"), 9);
}

} // namespace klangtruhe
