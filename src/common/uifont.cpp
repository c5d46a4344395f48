#include "common/uifont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace klangtruhe {

QFont uiFont(const QString &family, qreal pointSize)
{
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QGuiApplication::font();
    font.setPointSizeF(pointSize);
    return font;
}

QFont dialogFont()
{
    return uiFont(QStringLiteral("Segoe UI"), 9);
}

} // namespace klangtruhe
