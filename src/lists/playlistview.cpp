#include "lists/playlistview.h"

#include "common/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace klangtruhe {

PlaylistView::PlaylistView(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lvwPlaylist"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Playlist"), QStringLiteral("Band u. CD"), QStringLiteral("Pfad")});
    const int widths[] = {4800, 4800, 4000};
    for (int column = 0; column < 3; ++column)
        header()->resizeSection(column, twipsToPixelsX(widths[column]));
    header()->setStretchLastSection(false);
    setContextMenuPolicy(Qt::NoContextMenu); // the right button pops up the playlist menu itself
}

QTreeWidgetItem *PlaylistView::item(int n) const
{
    return n >= 1 && n <= topLevelItemCount() ? topLevelItem(n - 1) : nullptr;
}

void PlaylistView::appendItem(const PlaylistItem &entry)
{
    auto *row = new QTreeWidgetItem({entry.name, entry.bandUndCd, entry.pfad});
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Checked);
    addTopLevelItem(row);
    scrollToItem(row);
}

int PlaylistView::renameTrack(const QString &oldPath, const QString &newPath)
{
    const PlaylistItem renamed = splitPlaylistLine(newPath);
    int count = 0;
    for (int n = 1; n <= itemCount(); ++n) {
        if (itemAt(n).fullPath() != oldPath)
            continue;
        QTreeWidgetItem *row = item(n);
        row->setText(0, renamed.name);
        row->setText(1, renamed.bandUndCd);
        row->setText(2, renamed.pfad);
        ++count;
    }
    return count;
}

PlaylistItem PlaylistView::itemAt(int n) const
{
    return {itemText(n), bandUndCd(n), pfad(n)};
}

QList<PlaylistItem> PlaylistView::allItems() const
{
    QList<PlaylistItem> items;
    for (int n = 1; n <= itemCount(); ++n)
        items << itemAt(n);
    return items;
}

void PlaylistView::setChecked(int n, bool checked)
{
    if (QTreeWidgetItem *row = item(n))
        row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

QList<bool> PlaylistView::selectedFlags() const
{
    QList<bool> flags;
    for (int n = 1; n <= itemCount(); ++n)
        flags << item(n)->isSelected();
    return flags;
}

void PlaylistView::setHeaderCaption(const QString &caption)
{
    headerItem()->setText(0, caption);
}

int PlaylistView::itemCount() const
{
    return topLevelItemCount();
}

QString PlaylistView::itemText(int n) const
{
    const QTreeWidgetItem *row = item(n);
    return row ? row->text(0) : QString();
}

QString PlaylistView::bandUndCd(int n) const
{
    const QTreeWidgetItem *row = item(n);
    return row ? row->text(1) : QString();
}

QString PlaylistView::pfad(int n) const
{
    const QTreeWidgetItem *row = item(n);
    return row ? row->text(2) : QString();
}

bool PlaylistView::isChecked(int n) const
{
    const QTreeWidgetItem *row = item(n);
    return row && row->checkState(0) == Qt::Checked;
}

void PlaylistView::selectItem(int n)
{
    QTreeWidgetItem *row = item(n);
    if (!row)
        return;
    setCurrentItem(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(row);
}

int PlaylistView::selectedItem() const
{
    QTreeWidgetItem *row = currentItem();
    return row ? indexOfTopLevelItem(row) + 1 : 0;
}

void PlaylistView::setFocus()
{
    QTreeWidget::setFocus(Qt::OtherFocusReason);
}

void PlaylistView::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    if (focused)
        focused();
}

void PlaylistView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton && rightPressed)
        rightPressed();
}

void PlaylistView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && clickedOnce)
        clickedOnce();
    if (mouseReleased)
        mouseReleased();
}

void PlaylistView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClicked)
        doubleClicked();
}

void PlaylistView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && keyReleased)
        keyReleased(event->key());
}

} // namespace klangtruhe
