#include "catalogue/recordtablemodel.h"

#include "catalogue/data1.h"
#include "texts/rtfcodec.h"
#include "texts/rtfplaintext.h"

#include <algorithm>
#include <numeric>

namespace klangtruhe {

QString cellDisplayText(const QString &fieldText)
{
    QString shown = looksLikeRtf(fieldText) ? richTextLine(fieldText, kCellTextLimit)
                                          : fieldText.left(kCellTextLimit);
    for (QChar &c : shown) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return shown;
}

RecordTableModel::RecordTableModel(Data1 &data, QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(data)
{
    connect(&m_data, &Data1::reloaded, this, &RecordTableModel::reload);
    // The row shows what is typed at once, not only after it was stored.
    connect(&m_data, &Data1::fieldEdited, this, [this](int position, int column) {
        const auto shown = std::find(m_order.begin(), m_order.end(), column);
        if (shown == m_order.end())
            return;
        const QModelIndex cell = index(position, static_cast<int>(shown - m_order.begin()));
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    });
    reload();
}

void RecordTableModel::reload()
{
    beginResetModel();
    m_order.resize(static_cast<size_t>(m_data.fieldNames().size()));
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
}

void RecordTableModel::resetColumnOrder()
{
    reload();
}

int RecordTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_data.recordCount();
}

int RecordTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int RecordTableModel::resultColumn(int displayColumn) const
{
    if (displayColumn < 0 || displayColumn >= static_cast<int>(m_order.size()))
        return -1;
    return m_order[static_cast<size_t>(displayColumn)];
}

QString RecordTableModel::headerText(int displayColumn) const
{
    const int column = resultColumn(displayColumn);
    return column < 0 ? QString() : m_data.fieldNames().value(column);
}

QString RecordTableModel::cellText(int row, int displayColumn) const
{
    return m_data.text(row, resultColumn(displayColumn));
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const QString text = cellText(index.row(), index.column());
    if (role == Qt::ToolTipRole)
        return text.size() > 60 ? QVariant() : QVariant(text);
    return cellDisplayText(text);
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return headerText(section);
    return QVariant();
}

void RecordTableModel::moveColumn(int from, int to)
{
    const int count = static_cast<int>(m_order.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const int moved = m_order[static_cast<size_t>(from)];
    m_order.erase(m_order.begin() + from);
    m_order.insert(m_order.begin() + to, moved);
    Q_EMIT headerDataChanged(Qt::Horizontal, std::min(from, to), std::max(from, to));
    Q_EMIT dataChanged(index(0, std::min(from, to)), index(rowCount() - 1, std::max(from, to)));
}

} // namespace klangtruhe
