#include "catalogue/celldelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace klangtruhe {

namespace {

constexpr qsizetype kShapedLimit = 4000; // texts kept; a few screens of cells

} // namespace

void CellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const qsizetype fits = option->rect.width() / 2 + 2;
    if (option->text.size() > fits)
        option->text.truncate(fits);
}

const QStaticText &CellDelegate::shaped(const QString &text, const QFont &font, int width) const
{
    const QString key = text + QChar(0) + QString::number(width) + QChar(0) + font.key();
    auto found = m_shaped.constFind(key);
    if (found != m_shaped.constEnd())
        return found.value();
    if (m_shaped.size() >= kShapedLimit)
        m_shaped.clear();
    QStaticText shapedText(QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
    shapedText.setTextFormat(Qt::PlainText);
    shapedText.prepare(QTransform(), font);
    return m_shaped.insert(key, shapedText).value();
}

void CellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *view = cell.widget;
    const QStyle *style = view ? view->style() : QApplication::style();
    const QString text = cell.text;
    cell.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    if (text.isEmpty())
        return;

    // Where and in which colour the style itself would put the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
    if (area.width() <= 0)
        return;
    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active)  ? QPalette::Normal
                                                                              : QPalette::Inactive;
    const QStaticText &line = shaped(text, cell.font, area.width());
    const QSizeF size = line.size();
    qreal x = area.left();
    if (cell.displayAlignment & Qt::AlignRight)
        x = area.right() + 1 - size.width();
    else if (cell.displayAlignment & Qt::AlignHCenter)
        x = area.left() + (area.width() - size.width()) / 2;
    const qreal y = area.top() + (area.height() - size.height()) / 2;
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                    : QPalette::Text));
    painter->drawStaticText(QPointF(x, y), line);
    painter->restore();
}

} // namespace klangtruhe
