#include "reports/statisticsrules.h"

#include "catalogue/jetfunctions.h"
#include "reports/valueparsing.h"

#include <QHash>
#include <QLocale>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace klangtruhe {

namespace {

// Counts names and keeps the first spelling of each key.
class NameCounter {
public:
    void add(const QString &key, const QString &shown)
    {
        auto found = m_index.find(key);
        if (found == m_index.end()) {
            found = m_index.insert(key, static_cast<int>(m_counts.size()));
            m_counts.push_back({shown, 0});
        }
        ++m_counts[static_cast<size_t>(*found)].count;
    }
    int indexOf(const QString &key) const { return m_index.value(key, -1); }
    // Most first; equal counts alphabetically.
    std::vector<CountedName> sorted() const
    {
        std::vector<CountedName> list = m_counts;
        std::stable_sort(list.begin(), list.end(), [](const CountedName &a, const CountedName &b) {
            if (a.count != b.count)
                return a.count > b.count;
            return compareGerman(a.name.toStdString(), b.name.toStdString()) < 0;
        });
        return list;
    }

private:
    QHash<QString, int> m_index;
    std::vector<CountedName> m_counts;
};

QString shownName(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? withoutNameCaption() : trimmed;
}

void addUnreadable(NameCounter &counter, UnreadableTexts &unreadable, const QString &text)
{
    ++unreadable.count;
    counter.add(text.trimmed(), text.trimmed());
}

} // namespace

QString withoutNameCaption()
{
    return QStringLiteral("(ohne)");
}

CatalogueStatistics computeStatistics(const std::vector<StatisticsEntry> &entries)
{
    CatalogueStatistics stats;
    stats.entries = static_cast<int>(entries.size());
    NameCounter media, styles, bands, badPrices, badDates;
    QHash<QString, MediumPrices> prices;
    QHash<QString, QString> bandKeys;
    for (const StatisticsEntry &entry : entries) {
        const QString medium = shownName(entry.medium);
        media.add(medium, medium);
        const QString style = shownName(entry.style);
        styles.add(style, style);
        const QString band = shownName(entry.band);
        auto key = bandKeys.constFind(band);
        if (key == bandKeys.constEnd()) // a band has many entries: fold each spelling once
            key = bandKeys.insert(band, QString::fromStdString(germanFoldedKey(band.toStdString())));
        bands.add(*key, band);

        const QString rating = entry.rating.trimmed();
        const bool star = rating.size() == 1 && rating.at(0) >= QLatin1Char('1') && rating.at(0) <= QLatin1Char('6');
        ++stats.perRating[star ? static_cast<size_t>(rating.at(0).unicode() - '0') : 0];

        if (!entry.price.trimmed().isEmpty()) {
            if (const auto cents = parsePriceCents(entry.price)) {
                MediumPrices &sum = prices[medium];
                ++sum.priced;
                sum.totalCents += *cents;
            } else {
                addUnreadable(badPrices, stats.unreadablePrices, entry.price);
            }
        }
        if (!entry.date.trimmed().isEmpty()) {
            if (const auto date = parsePurchaseDate(entry.date))
                ++stats.purchasesPerYear[date->year];
            else
                addUnreadable(badDates, stats.unreadableDates, entry.date);
        }
        if (entry.digitised)
            ++stats.digitised;
    }
    stats.perMedium = media.sorted();
    stats.perStyle = styles.sorted();
    stats.topBands = bands.sorted();
    if (stats.topBands.size() > 10)
        stats.topBands.resize(10);
    for (const CountedName &medium : stats.perMedium) {
        MediumPrices sum = prices.value(medium.name);
        sum.medium = medium.name;
        stats.pricesPerMedium.push_back(sum);
    }
    stats.unreadablePrices.texts = badPrices.sorted();
    stats.unreadableDates.texts = badDates.sorted();
    return stats;
}

QString unreadableSummary(const UnreadableTexts &unreadable, int shown)
{
    QString text = QString::number(unreadable.count);
    if (unreadable.texts.empty())
        return text;
    QStringList names;
    for (size_t i = 0; i < unreadable.texts.size() && static_cast<int>(i) < shown; ++i)
        names << QStringLiteral("»%1«").arg(unreadable.texts[i].name);
    if (static_cast<int>(unreadable.texts.size()) > shown)
        names << QStringLiteral("…");
    return text + QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString euroText(long long cents)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    return german.toString(static_cast<double>(cents) / 100.0, 'f', 2) + QStringLiteral(" €");
}

} // namespace klangtruhe
