#include "search/searchrules.h"

#include <QSet>

namespace klangtruhe {

const std::array<SearchField, kSearchFieldCount> &searchFields()
{
    static const std::array<SearchField, kSearchFieldCount> fields = {{
        {"Band", "Band", "Band"},
        {"Titel", "LPTitel", "LPTitel"},
        {"Medium", "Medium", "Band"},
        {"Preis", "Preis", "Preis"},
        {"Stil", "Stil", "Band"},
        {"Info", "Info", "Info"},
        {"Songs-", "Songs", "Band"},
        {"Datum", "Datum", "Datum"},
        {"Plattenfirma", "Plattenfirma", "Plattenfirma"},
        {"Bestell-Nr", "BestellNr", "BestellNr"},
        {"Musikpfad", "Musikpfad", "Band"},
        {"eBook", "eBook", "Band"},
        {"CD-Bewertung", "Bewertung", "Bewertung"},
    }};
    return fields;
}

QStringList offeredStyles(const QStringList &styleLines, const QStringList &excludedLines)
{
    QSet<QString> excluded;
    for (const QString &line : excludedLines)
        excluded.insert(line.trimmed());
    QStringList styles;
    for (const QString &line : styleLines) {
        const QString style = line.trimmed();
        if (!style.isEmpty() && !excluded.contains(style))
            styles << style;
    }
    return styles;
}

QString withStyle(const QString &searchText, const QString &style)
{
    return searchText.isEmpty() ? style : searchText + QStringLiteral(", ") + style;
}

QString joinedStyleParts(const QString &searchText)
{
    const QStringList parts = searchText.split(QStringLiteral(", "));
    if (parts.size() < 2)
        return searchText;
    return parts.join(QStringLiteral("*' or Stil like '*"));
}

QString songsPattern(const QString &text)
{
    static const char *const escapes[][2] = {
        {"\u00df", "\\?df"}, {"\u00c4", "\\?c4"}, {"\u00d6", "\\?d6"}, {"\u00dc", "\\?dc"},
        {"\u00e4", "\\?e4"}, {"\u00f6", "\\?f6"}, {"\u00fc", "\\?fc"},
    };
    QString pattern = text;
    for (const auto &escape : escapes)
        pattern.replace(QString::fromUtf8(escape[0]), QString::fromLatin1(escape[1]), Qt::CaseSensitive);
    return pattern;
}

QString quoteDoubled(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return doubled;
}

QString searchStatement(const QStringList &fields, const QString &sortField, const QString &searchText)
{
    if (fields.isEmpty())
        return QString();
    // The dialog drops apostrophes as they are typed; one that came in with a
    // style name must still not end the literal early, so each part is
    // quoted before the parts become conditions.
    QStringList parts = searchText.split(QStringLiteral(", "));
    for (QString &part : parts)
        part = quoteDoubled(part);
    const QString text = joinedStyleParts(parts.join(QStringLiteral(", "))).trimmed();
    QString statement = QStringLiteral("select * from Schallplatten where ");
    for (int i = 0; i < fields.size(); ++i) {
        const QString &field = fields[i];
        if (i > 0)
            statement += QStringLiteral(" or ");
        statement += field + QStringLiteral(" like '*")
                     + (field == QLatin1String("Songs") ? songsPattern(text) : text) + QStringLiteral("*'");
    }
    statement += QStringLiteral(" order by ") + (fields.size() == 1 ? sortField : QStringLiteral("Band"));
    return statement;
}

QString replacedFirst(const QString &text, const QString &from, const QString &to)
{
    const int at = from.isEmpty() ? -1 : static_cast<int>(text.indexOf(from, 0, Qt::CaseSensitive));
    if (at < 0)
        return text;
    QString replaced = text;
    replaced.replace(at, from.size(), to);
    return replaced;
}

QString replaceStatement(const QString &field, const QString &oldText, const QString &newText)
{
    return QStringLiteral("update Schallplatten set ") + field + QStringLiteral(" = '") + quoteDoubled(newText)
           + QStringLiteral("' where ") + field + QStringLiteral(" = '") + quoteDoubled(oldText)
           + QStringLiteral("'");
}

bool trackHasRating(const QString &fileName, const QString &marker)
{
    if (marker != QLatin1String(" - 0."))
        return fileName.contains(marker);
    for (char digit = '1'; digit <= '6'; ++digit) {
        if (fileName.contains(QStringLiteral(" - ") + QLatin1Char(digit) + QLatin1Char('.')))
            return false;
    }
    return true;
}

} // namespace klangtruhe
