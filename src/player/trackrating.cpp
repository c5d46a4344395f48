#include "player/trackrating.h"

#include "common/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace klangtruhe {

namespace {

bool isRatingSuffix(const QString &tail)
{
    return tail.size() == 4 && tail.startsWith(QLatin1String(" - ")) && tail.at(3) >= QLatin1Char('0')
        && tail.at(3) <= QLatin1Char('6');
}

// Character at a 1-based position, or nothing outside the text.
std::optional<QChar> charAt(const QString &text, qsizetype position)
{
    if (position < 1 || position > text.size())
        return std::nullopt;
    return text.at(position - 1);
}

} // namespace

QString ratedFileName(const QString &name, int stars)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString base = dot >= 0 ? name.left(dot) : name;
    const QString extension = dot >= 0 ? name.mid(dot) : QString();
    if (isRatingSuffix(base.right(4)))
        base.chop(4);
    return base + QLatin1String(" - ") + QString::number(stars) + extension;
}

StarDisplay starsFor(const QString &trackName, const QString &bewertung)
{
    StarDisplay display;
    const qsizetype p = trackName.lastIndexOf(QLatin1Char('.')) + 1; // 1-based, 0 without a dot
    const std::optional<QChar> digit = p > 0 ? charAt(trackName, p - 1) : std::nullopt;
    const std::optional<QChar> minus = p > 0 ? charAt(trackName, p - 3) : std::nullopt;
    if (digit && minus && *minus == QLatin1Char('-')) {
        const long long rating = roundHalfEven(leadingNumber(QString(*digit)));
        if (rating < 0 || rating > 6)
            return display;
        display.songStars = static_cast<int>(rating);
    }
    display.entryStars = entryStars(bewertung);
    return display;
}

bool hasUnreadableRating(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= 0 ? name.left(dot) : name;
    if (isRatingSuffix(base.right(4)))
        return false;
    // " - " and one sign that is no letter ("Side - A" is a name), or a digit
    // with the blanks around the minus wrong.
    static const QRegularExpression marker(QStringLiteral("(?: - [^\\p{L}\\s]| -\\d|\\S- \\d| - \\d\\s+)$"));
    return marker.match(base).hasMatch();
}

RatingRename renameForRating(const QString &folder, const QString &name, int stars)
{
    RatingRename result;
    // Rated from the trimmed name: a blank after the extension is no part of it.
    const QString newName = ratedFileName(name.trimmed(), stars);
    const QString oldPath = folder.trimmed() + name.trimmed();
    const QString newPath = folder.trimmed() + newName;
    result.newName = name;
    if (!QFileInfo::exists(oldPath))
        return result;
    if (oldPath == newPath) {
        result.status = RatingRename::Status::Unchanged;
        return result;
    }
    if (QFileInfo::exists(newPath)) {
        result.status = RatingRename::Status::TargetExists;
        return result;
    }
    // QDir::rename neither replaces an existing file nor falls back to copying.
    if (!QDir().rename(oldPath, newPath))
        return result;
    result.status = RatingRename::Status::Renamed;
    result.newName = newName;
    return result;
}

} // namespace klangtruhe
