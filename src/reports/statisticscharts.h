#pragma once

#include "reports/statisticsrules.h"

#include <QString>

class QChart;

namespace klangtruhe {

// The charts of the statistics window, each a new chart the caller owns.
// Bars for names show the `most` largest and sum the rest as "übrige".
QChart *namesBarChart(const QString &title, const std::vector<CountedName> &names, int most = 15);
QChart *ratingBarChart(const std::array<int, 7> &perRating);
QChart *purchasesLineChart(const std::map<int, int> &perYear);
QChart *priceBarChart(const QString &title, const std::vector<MediumPrices> &prices, bool average);
QChart *digitisedPieChart(int digitised, int entries);

// The names shown with a chart of names: the largest, then "übrige" with the rest.
std::vector<CountedName> largestWithRest(const std::vector<CountedName> &names, int most);

} // namespace klangtruhe
