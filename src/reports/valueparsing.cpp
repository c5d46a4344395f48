#include "reports/valueparsing.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

namespace klangtruhe {

namespace {

// Currency marks people put before or after the amount.
QString withoutCurrency(QString text)
{
    static const char *const marks[] = {"EUR", "Euro", "DM", "SFr.", "Fr.", "USD", "€", "$", "£"};
    for (const char *mark : marks)
        text.replace(QString::fromUtf8(mark), QString(), Qt::CaseInsensitive);
    return text.trimmed();
}

// Years typed with two digits: up to 29 belong to this century.
int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() == 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

bool plausibleYear(int year) { return year >= 1900 && year <= 2099; }

} // namespace

std::optional<long long> parsePriceCents(const QString &text)
{
    QString amount = withoutCurrency(text);
    amount.remove(QLatin1Char(' '));
    if (amount.endsWith(QLatin1String(",-")) || amount.endsWith(QLatin1String(".-")))
        amount.chop(2);
    static const QRegularExpression shape(QStringLiteral("^\\d{1,3}(?:[.]\\d{3})*(?:,\\d{1,2})?$"
                                                         "|^\\d+(?:[.,]\\d{1,2})?$"));
    if (amount.isEmpty() || !shape.match(amount).hasMatch())
        return std::nullopt;
    // A comma is always the decimal mark; a point only before one or two
    // digits at the end ("12.99"), otherwise it groups thousands ("1.299").
    QString whole = amount, cents;
    const qsizetype comma = amount.lastIndexOf(QLatin1Char(','));
    const qsizetype point = amount.lastIndexOf(QLatin1Char('.'));
    if (comma >= 0) {
        whole = amount.left(comma);
        cents = amount.mid(comma + 1);
    } else if (point >= 0 && amount.size() - point - 1 <= 2) {
        whole = amount.left(point);
        cents = amount.mid(point + 1);
    }
    whole.remove(QLatin1Char('.'));
    if (whole.size() > 12)
        return std::nullopt;
    if (cents.size() == 1)
        cents += QLatin1Char('0');
    return whole.toLongLong() * 100 + cents.toInt();
}

std::optional<PurchaseDate> parsePurchaseDate(const QString &text)
{
    const QString date = text.trimmed();
    static const QRegularExpression yearOnly(QStringLiteral("^(\\d{4})$"));
    static const QRegularExpression monthYear(QStringLiteral("^(\\d{1,2})[./-](\\d{4}|\\d{2})$"));
    static const QRegularExpression dayMonthYear(QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4}|\\d{2})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    PurchaseDate result;
    QRegularExpressionMatch match;
    if ((match = yearOnly.match(date)).hasMatch()) {
        result.year = match.captured(1).toInt();
    } else if ((match = monthYear.match(date)).hasMatch()) {
        result.month = match.captured(1).toInt();
        result.year = fullYear(match.captured(2));
        if (result.month < 1 || result.month > 12)
            return std::nullopt;
    } else if ((match = dayMonthYear.match(date)).hasMatch() || (match = iso.match(date)).hasMatch()) {
        const bool isoOrder = match.regularExpression() == iso;
        result.day = match.captured(isoOrder ? 3 : 1).toInt();
        result.month = match.captured(2).toInt();
        result.year = fullYear(match.captured(isoOrder ? 1 : 3));
        if (!QDate(result.year, result.month, result.day).isValid())
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!plausibleYear(result.year))
        return std::nullopt;
    return result;
}

} // namespace klangtruhe
