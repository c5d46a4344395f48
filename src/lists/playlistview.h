#pragma once

#include "lists/playlistfile.h"
#include "player/playlistsource.h"

#include <QTreeWidget>
#include <functional>

namespace klangtruhe {

// The playlist view `lvwPlaylist`: three columns ("Playlist", "Band u. CD",
// "Pfad"), a check box per item, several items selectable. It is the
// player's playlist source; its events go to the component through the
// callbacks below.
class PlaylistView : public QTreeWidget, public PlaylistSource {
    Q_OBJECT
public:
    explicit PlaylistView(QWidget *parent = nullptr);

    // Events of the view, as the component handles them.
    std::function<void()> focused;
    std::function<void()> clickedOnce;
    std::function<void()> mouseReleased;
    std::function<void(int key)> keyReleased;
    std::function<void()> rightPressed;
    std::function<void()> doubleClicked;

    // Adds a ticked item at the end and scrolls it into view.
    void appendItem(const PlaylistItem &item);
    PlaylistItem itemAt(int n) const;
    QList<PlaylistItem> allItems() const;
    void setChecked(int n, bool checked);
    // Items that point at oldPath take the new file name. Returns how many did.
    int renameTrack(const QString &oldPath, const QString &newPath);
    QList<bool> selectedFlags() const;
    void setHeaderCaption(const QString &caption);

    // PlaylistSource
    int itemCount() const override;
    QString itemText(int n) const override;
    QString bandUndCd(int n) const override;
    QString pfad(int n) const override;
    bool isChecked(int n) const override;
    void selectItem(int n) override;
    int selectedItem() const override;
    void setFocus() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QTreeWidgetItem *item(int n) const;
};

} // namespace klangtruhe
