#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

class QMenuBar;
class QMainWindow;

namespace klangtruhe {

// One entry of the main window's menu bar, as the user sees it. The frame
// builds the menus from this table; each subsystem component then connects
// the entries it owns and enables them. An entry nobody connected stays
// visible but disabled.
struct MenuEntry {
    const char *menu;      // object name of the menu ("mnuDatei")
    const char *name;      // object name of the entry ("mnuOeffnen")
    const char *caption;   // with its access key ("&Datenbank laden...")
    QKeySequence shortcut;
    bool checkable = false;
    bool separatorAfter = false;
};

struct MenuHeading {
    const char *name;
    const char *caption;
};

const std::vector<MenuHeading> &menuHeadings();
const std::vector<MenuEntry> &menuEntries();

// Creates the menus and entries (all disabled) as children of the window.
void buildMenuBar(QMainWindow &window);

} // namespace klangtruhe
