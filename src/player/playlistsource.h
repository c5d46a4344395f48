#pragma once

#include <QString>

namespace klangtruhe {

// What Start, Back and Forward need of the playlist view. Items are numbered
// from 1, as the playlist counts them; the view itself comes with the
// playlists.
class PlaylistSource {
public:
    virtual ~PlaylistSource() = default;

    virtual int itemCount() const = 0;
    // The "Playlist" column: the file name.
    virtual QString itemText(int n) const = 0;
    // The "Band u. CD" column: the entry's folder name with its trailing separator.
    virtual QString bandUndCd(int n) const = 0;
    // The "Pfad" column: the folder above it, with its trailing separator.
    virtual QString pfad(int n) const = 0;
    virtual bool isChecked(int n) const = 0;
    // Selects the item and scrolls it into view.
    virtual void selectItem(int n) = 0;
    // The selected item, 0 when none.
    virtual int selectedItem() const = 0;
    virtual void setFocus() = 0;
};

} // namespace klangtruhe
