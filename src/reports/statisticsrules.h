#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <vector>

namespace klangtruhe {

// The fields of one entry the statistics read, as stored.
struct StatisticsEntry {
    QString band;
    QString medium;
    QString style;
    QString price;
    QString date;
    QString rating;
    bool digitised = false; // its music folder holds files
};

struct CountedName {
    QString name;
    int count = 0;
    bool operator==(const CountedName &other) const { return name == other.name && count == other.count; }
};

struct MediumPrices {
    QString medium;
    int priced = 0;          // entries with a readable price
    long long totalCents = 0;
    long long averageCents() const { return priced ? (totalCents + priced / 2) / priced : 0; }
};

// Texts that could not be read, each once, with how many entries carry them.
struct UnreadableTexts {
    int count = 0;
    std::vector<CountedName> texts;
};

struct CatalogueStatistics {
    int entries = 0;
    std::vector<CountedName> perMedium;  // most first, then by name
    std::vector<CountedName> perStyle;
    std::array<int, 7> perRating{};      // index 1..6 the stars, 0 none or other text
    std::map<int, int> purchasesPerYear; // years with at least one purchase
    std::vector<MediumPrices> pricesPerMedium; // in the order of perMedium
    std::vector<CountedName> topBands;   // the ten most frequent, most first
    int digitised = 0;
    UnreadableTexts unreadablePrices;
    UnreadableTexts unreadableDates;
};

// The caption of an empty medium, style or band.
QString withoutNameCaption();

// Counts over the entries. Medium and style are grouped as typed (trimmed);
// bands without regard to case and umlauts, shown in their first spelling.
CatalogueStatistics computeStatistics(const std::vector<StatisticsEntry> &entries);

// "3 (»zwölf«, »ca. 10«, …)": a count and the first few texts.
QString unreadableSummary(const UnreadableTexts &unreadable, int shown = 5);

// A price in cents as German money text: 129900 -> "1.299,00 €".
QString euroText(long long cents);

} // namespace klangtruhe
