#include "reports/healthfindingsmodel.h"

#include "catalogue/jetfunctions.h"

namespace klangtruhe {

void HealthFindingsModel::setFindings(std::vector<HealthFinding> findings)
{
    beginResetModel();
    m_findings = std::move(findings);
    endResetModel();
}

int HealthFindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_findings.size());
}

int HealthFindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant HealthFindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HealthFinding &finding = m_findings[static_cast<size_t>(index.row())];
    if (role == PositionRole)
        return finding.position;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case 0:
        return healthKindCaption(finding.kind);
    case 1:
        return finding.band;
    case 2:
        return finding.title;
    default:
        return finding.detail;
    }
}

QVariant HealthFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[] = {"Befund", "Band", "Titel", "Ordner oder Datei"};
    return section >= 0 && section < 4 ? QString::fromUtf8(captions[section]) : QVariant();
}

bool HealthFindingsSorter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QByteArray a = left.data().toString().toUtf8();
    const QByteArray b = right.data().toString().toUtf8();
    return compareGerman({a.constData(), size_t(a.size())}, {b.constData(), size_t(b.size())}) < 0;
}

} // namespace klangtruhe
