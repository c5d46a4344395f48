#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace klangtruhe {

// Paints the grid's cells: background, selection and focus as the style
// draws them, the text shaped once per text, width and font and then taken
// from a cache. Moving to the next entry repaints every visible row with the
// texts it showed before, and shaping them anew was most of that time.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    // Only as much of a long text as can show in its column goes on (no
    // glyph is narrower than two pixels).
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const QStaticText &shaped(const QString &text, const QFont &font, int width) const;

    mutable QHash<QString, QStaticText> m_shaped;
};

} // namespace klangtruhe
