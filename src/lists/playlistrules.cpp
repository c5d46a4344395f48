#include "lists/playlistrules.h"

namespace klangtruhe {

QString playlistFileName(const QString &answer)
{
    return answer.endsWith(QLatin1String(".txt")) ? answer : answer + QStringLiteral(".txt");
}

QString forbiddenNameCharacters(const QString &answer)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString found;
    for (const QChar c : answer) {
        const bool bad = forbidden.contains(c) || c.unicode() < 32;
        if (bad && !found.contains(c))
            found += c.unicode() < 32 ? QChar(u'?') : c;
    }
    return found;
}

QString playlistHeader(const QString &playlistName, int itemCount)
{
    return QStringLiteral("Playlist - ") + playlistName.left(std::max(0, static_cast<int>(playlistName.size()) - 4))
           + QStringLiteral(" (") + QString::number(itemCount) + QLatin1Char(')');
}

QList<int> itemsKept(const QList<bool> &selected)
{
    QList<int> kept;
    for (int n = 1; n <= selected.size(); ++n) {
        if (!selected.at(n - 1))
            kept << n;
    }
    return kept;
}

} // namespace klangtruhe
