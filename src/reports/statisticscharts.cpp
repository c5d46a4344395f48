#include "reports/statisticscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPieSeries>
#include <QValueAxis>
#include <algorithm>

namespace klangtruhe {

namespace {

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation); // opening stays instant at any size
    chart->legend()->setVisible(false);
    return chart;
}

// Category bars with a value axis from 0 that ends on a whole number.
QChart *categoryBars(const QString &title, const QStringList &categories, const QList<qreal> &values,
                     const QString &valueTitle)
{
    QChart *chart = newChart(title);
    auto *set = new QBarSet(valueTitle);
    set->append(values);
    set->setColor(QColor(0x35, 0x5E, 0x9A));
    auto *series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(categories);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    const qreal largest = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    axisY->setRange(0, std::max<qreal>(1, largest * 1.15));
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    axisY->setTitleText(valueTitle);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    return chart;
}

} // namespace

std::vector<CountedName> largestWithRest(const std::vector<CountedName> &names, int most)
{
    if (static_cast<int>(names.size()) <= most + 1)
        return names;
    std::vector<CountedName> shown(names.begin(), names.begin() + most);
    CountedName rest{QStringLiteral("übrige"), 0};
    for (auto it = names.begin() + most; it != names.end(); ++it)
        rest.count += it->count;
    shown.push_back(rest);
    return shown;
}

QChart *namesBarChart(const QString &title, const std::vector<CountedName> &names, int most)
{
    QStringList categories;
    QList<qreal> values;
    for (const CountedName &name : largestWithRest(names, most)) {
        categories << name.name;
        values << name.count;
    }
    return categoryBars(title, categories, values, QStringLiteral("Einträge"));
}

QChart *ratingBarChart(const std::array<int, 7> &perRating)
{
    QStringList categories;
    QList<qreal> values;
    for (int stars = 1; stars <= 6; ++stars) {
        categories << QString::number(stars);
        values << perRating[static_cast<size_t>(stars)];
    }
    categories << QStringLiteral("ohne");
    values << perRating[0];
    return categoryBars(QStringLiteral("Einträge je Bewertung"), categories, values, QStringLiteral("Einträge"));
}

QChart *purchasesLineChart(const std::map<int, int> &perYear)
{
    QChart *chart = newChart(QStringLiteral("Käufe pro Jahr"));
    auto *series = new QLineSeries;
    series->setPointsVisible(true);
    int most = 1;
    if (!perYear.empty()) {
        // Years without a purchase count as 0, so the line does not skip them.
        for (int year = perYear.begin()->first; year <= perYear.rbegin()->first; ++year) {
            const auto found = perYear.find(year);
            const int count = found == perYear.end() ? 0 : found->second;
            series->append(year, count);
            most = std::max(most, count);
        }
    }
    chart->addSeries(series);
    auto *axisX = new QValueAxis;
    const int first = perYear.empty() ? 2000 : perYear.begin()->first;
    const int last = perYear.empty() ? 2001 : std::max(perYear.rbegin()->first, first + 1);
    axisX->setRange(first, last);
    axisX->setLabelFormat(QStringLiteral("%d"));
    axisX->setTickCount(std::min(11, last - first + 1));
    axisX->setTitleText(QStringLiteral("Jahr"));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    axisY->setRange(0, most * 1.1);
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    axisY->setTitleText(QStringLiteral("Käufe"));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    return chart;
}

QChart *priceBarChart(const QString &title, const std::vector<MediumPrices> &prices, bool average)
{
    QStringList categories;
    QList<qreal> values;
    for (const MediumPrices &medium : prices) {
        if (medium.priced == 0)
            continue;
        categories << medium.medium;
        values << static_cast<qreal>(average ? medium.averageCents() : medium.totalCents) / 100.0;
    }
    QChart *chart = categoryBars(title, categories, values, QStringLiteral("€"));
    if (auto *series = qobject_cast<QBarSeries *>(chart->series().value(0)))
        series->setLabelsFormat(QStringLiteral("@value €"));
    return chart;
}

QChart *digitisedPieChart(int digitised, int entries)
{
    QChart *chart = newChart(QStringLiteral("Digitalisierte Einträge"));
    chart->legend()->setVisible(true);
    auto *series = new QPieSeries;
    series->append(QStringLiteral("digitalisiert (%1)").arg(digitised), digitised);
    series->append(QStringLiteral("nicht digitalisiert (%1)").arg(entries - digitised), entries - digitised);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    return chart;
}

} // namespace klangtruhe
