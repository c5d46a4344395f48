#pragma once

#include <QString>
#include <optional>

namespace klangtruhe {

// Prices and purchase dates are free text in the catalogue, typed the way
// people write them. These read them for the statistics; a text they cannot
// read gives no value (and the caller names it), an empty text is no price.

// A price in cents: "12,99", "12.99 €", "€ 12", "12,-", "1.299,00", "DM 20".
// Negative amounts and anything besides one number and a currency are unreadable.
std::optional<long long> parsePriceCents(const QString &text);

// A purchase date to the precision it was typed: "1999", "03.1999",
// "12.03.1999", "12.3.99", "1999-03-12". Month and day are 0 where not given.
struct PurchaseDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const PurchaseDate &other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }
};
std::optional<PurchaseDate> parsePurchaseDate(const QString &text);

} // namespace klangtruhe
