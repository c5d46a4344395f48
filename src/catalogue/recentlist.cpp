#include "catalogue/recentlist.h"

namespace klangtruhe {

RecentList OrdnerMenuPfad(RecentList entries, const QString &path)
{
    for (QString &slot : entries) {
        if (slot == path)
            slot.clear();
    }
    // One forward sweep: a run of several empty entries closes only partly.
    for (int i = 0; i <= 8; ++i) {
        if (entries[i].isEmpty() && !entries[i + 1].isEmpty()) {
            for (int j = i; j <= 8; ++j)
                entries[j] = entries[j + 1];
        }
    }
    for (int i = 9; i >= 1; --i)
        entries[i] = entries[i - 1];
    entries[0] = path;
    return entries;
}

} // namespace klangtruhe
