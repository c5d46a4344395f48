#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace klangtruhe {

class Data1;

// The grid's view of the data source: model row r is the entry at position r
// (grid row r + 1 below the header), model column c is the result column at
// display position c. Columns are moved by permuting the display order, so
// the header always shows the field names in the order the user sees them.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordTableModel(Data1 &data, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Result column shown at a display position.
    int resultColumn(int displayColumn) const;
    // Moves the column at display position `from` to position `to`; the columns between shift by one.
    void moveColumn(int from, int to);
    // The result's own column order again (after every reload).
    void resetColumnOrder();
    QString headerText(int displayColumn) const;
    // Cell text as the grid shows it (display row r = entry r).
    QString cellText(int row, int displayColumn) const;

private:
    void reload();

    Data1 &m_data;
    std::vector<int> m_order;
};

// The text a cell shows: long texts cut, line breaks as blanks (one line per
// row), rich text as its visible text. The widest column (10000 twips) never
// shows more characters than this.
inline constexpr int kCellTextLimit = 160;
QString cellDisplayText(const QString &fieldText);

} // namespace klangtruhe
