#include "search/searchtext.h"

namespace klangtruhe {

QString lowerKeepingPositions(const QString &text)
{
    QString lowered = text;
    for (QChar &c : lowered)
        c = c.toLower();
    return lowered;
}

int findLowered(const QString &text, const QString &lowerKey, int from)
{
    if (lowerKey.isEmpty() || from < 0 || from >= text.size())
        return -1;
    // Plain text comparison: "*", "(" or "\" in a search text are just characters.
    return static_cast<int>(lowerKeepingPositions(text).indexOf(lowerKey, from, Qt::CaseSensitive));
}

QString quickSearchKey(const QString &boxText)
{
    if (boxText.isEmpty() || boxText == QLatin1String(" "))
        return QString();
    return lowerKeepingPositions(boxText);
}

int findFromPosition(const QString &text, const QString &needle, int start)
{
    const int from = start < 1 ? 0 : start - 1;
    const int index = findLowered(text, lowerKeepingPositions(needle), from);
    return index < 0 ? 0 : index + 1;
}

} // namespace klangtruhe

namespace klangtruhe {

QString playlistTitleSearchText(const QString &itemText)
{
    const qsizetype dot = itemText.lastIndexOf(QLatin1Char('.'));
    QString text = dot < 0 ? itemText : itemText.left(dot);
    for (int mark = 1; mark <= 6; ++mark)
        text.remove(QStringLiteral(" - %1").arg(mark));
    return lowerKeepingPositions(text);
}

} // namespace klangtruhe
