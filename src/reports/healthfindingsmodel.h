#pragma once

#include "reports/collectionhealth.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace klangtruhe {

// The findings of one run as a table: Befund, Band, Titel, Ordner oder Datei.
// A model rather than items, since a large catalogue without covers gives a
// finding per entry.
class HealthFindingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The role that gives a row's catalogue position (-1 for none).
    static constexpr int PositionRole = Qt::UserRole + 1;

    void setFindings(std::vector<HealthFinding> findings);
    const std::vector<HealthFinding> &findings() const { return m_findings; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<HealthFinding> m_findings;
};

// The findings in the catalogue's German order ("Ärzte" among the A,
// "abba" beside "Abba"), whatever the system's language.
class HealthFindingsSorter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

} // namespace klangtruhe
